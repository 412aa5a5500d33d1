#include "content/prerendered.h"

#include "content/language.h"

#include <QResource>

#include <cstdint>
#include <cstring>
#include <cwchar>
#include <vector>

namespace content {

namespace {

constexpr std::uint32_t kLiteral = 0x8000'0000u;
constexpr char kMagic[4] = {'R', 'U', 'N', 'S'};
const QString kResource = QStringLiteral(":/pictures/drawings.runs");

void put(QByteArray& out, std::uint32_t word) {
    out.append(reinterpret_cast<const char*>(&word), sizeof word);
}

// Reads words from the archive and says when there are not enough: a damaged archive is no
// picture, never a read past its end.
class Reader {
public:
    explicit Reader(QByteArrayView data) : data_(data) {}

    bool word(std::uint32_t& value) {
        if (data_.size() - at_ < qsizetype(sizeof value))
            return false;
        std::memcpy(&value, data_.data() + at_, sizeof value);
        at_ += sizeof value;
        return true;
    }
    bool bytes(qsizetype count, QByteArrayView& into) {
        if (count < 0 || data_.size() - at_ < count)
            return false;
        into = data_.sliced(at_, count);
        at_ += count;
        return true;
    }

private:
    QByteArrayView data_;
    qsizetype at_ = 0;
};

// Long runs go to the C library's fill of wide characters, four bytes on this platform as a
// pixel is, which writes many a step; a short one costs less than the call.
void fill(std::uint32_t* pixels, qsizetype count, std::uint32_t value) {
    static_assert(sizeof(wchar_t) == sizeof(std::uint32_t));
    if (count < 16) {
        for (qsizetype i = 0; i < count; ++i)
            pixels[i] = value;
        return;
    }
    std::wmemset(reinterpret_cast<wchar_t*>(pixels), wchar_t(value), size_t(count));
}

} // namespace

QByteArray packRuns(const QImage& picture) {
    const QImage image = picture.depth() == 32
                             ? picture
                             : picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const auto* pixels = reinterpret_cast<const std::uint32_t*>(image.constBits());
    const qsizetype count = qsizetype(image.width()) * image.height();
    QByteArray out;
    qsizetype i = 0;
    while (i < count) {
        qsizetype run = 1;
        while (i + run < count && pixels[i + run] == pixels[i])
            ++run;
        if (run >= 3) {
            put(out, std::uint32_t(run));
            put(out, pixels[i]);
            i += run;
            continue;
        }
        // Pixels as they are, up to where a run of three begins.
        qsizetype end = i;
        while (end < count) {
            qsizetype same = 1;
            while (end + same < count && pixels[end + same] == pixels[end])
                ++same;
            if (same >= 3)
                break;
            end += same;
        }
        put(out, kLiteral | std::uint32_t(end - i));
        out.append(reinterpret_cast<const char*>(pixels + i), (end - i) * 4);
        i = end;
    }
    return out;
}

bool unpackRuns(QByteArrayView runs, QImage& into) {
    // Runs are words of four bytes, a pixel each, row after row without a gap.
    if (into.depth() != 32 || into.bytesPerLine() != qsizetype(into.width()) * 4)
        return false;
    auto* pixels = reinterpret_cast<std::uint32_t*>(into.bits());
    const qsizetype count = qsizetype(into.width()) * into.height();
    Reader reader(runs);
    qsizetype filled = 0;
    std::uint32_t word = 0;
    while (filled < count) {
        if (!reader.word(word))
            return false;
        const qsizetype n = qsizetype(word & ~kLiteral);
        if (n == 0 || n > count - filled)
            return false;
        if (word & kLiteral) {
            QByteArrayView literal;
            if (!reader.bytes(n * 4, literal))
                return false;
            std::memcpy(pixels + filled, literal.data(), size_t(n) * 4);
        } else {
            std::uint32_t value = 0;
            if (!reader.word(value))
                return false;
            fill(pixels + filled, n, value);
        }
        filled += n;
    }
    return true;
}

namespace {

std::uint32_t hundredths(qreal ratio) {
    return std::uint32_t(qRound(ratio * 100));
}

// 64-bit FNV-1a: the build's fingerprint of its pictures, not a guard against anyone.
std::uint64_t fingerprint(QByteArrayView bytes) {
    std::uint64_t hash = 0xcbf29ce484222325u;
    for (char byte : bytes) {
        hash ^= std::uint8_t(byte);
        hash *= 0x100000001b3u;
    }
    return hash;
}

constexpr qsizetype kEditionAt = sizeof kMagic;
constexpr qsizetype kHeaderSize = kEditionAt + 8;

} // namespace

// The archive: the magic word, the edition (a fingerprint of all that follows) and the number of
// pictures; an index with, for each picture, its name's length and name, its ratio in
// hundredths, its width and height in device pixels, and where its runs lie and how long they
// are; then the runs. A look-up reads the index alone, and a picture only its own runs, so that
// the pictures a program never shows are never read.
QByteArray packPictures(const std::vector<Prerendered>& pictures) {
    std::vector<QByteArray> runs;
    QByteArray index;
    for (const Prerendered& picture : pictures) {
        runs.push_back(
            packRuns(picture.image.convertToFormat(QImage::Format_ARGB32_Premultiplied)));
        const QByteArray name = picture.name.toUtf8();
        put(index, std::uint32_t(name.size()));
        index.append(name);
        put(index, hundredths(picture.ratio));
        put(index, std::uint32_t(picture.image.width()));
        put(index, std::uint32_t(picture.image.height()));
        put(index, 0); // where the runs lie, filled in below
        put(index, std::uint32_t(runs.back().size()));
    }
    QByteArray out(kMagic, sizeof kMagic);
    out.append(QByteArray(8, '\0'));
    put(out, std::uint32_t(pictures.size()));
    const qsizetype indexAt = out.size();
    out.append(index);
    qsizetype entry = indexAt;
    for (size_t i = 0; i < runs.size(); ++i) {
        std::uint32_t nameLength = 0;
        std::memcpy(&nameLength, out.constData() + entry, sizeof nameLength);
        const qsizetype offsetAt = entry + 4 + nameLength + 3 * 4;
        const std::uint32_t offset = std::uint32_t(out.size());
        std::memcpy(out.data() + offsetAt, &offset, sizeof offset);
        out.append(runs[i]);
        entry = offsetAt + 2 * 4;
    }
    const std::uint64_t edition = fingerprint(QByteArrayView(out).sliced(kHeaderSize));
    std::memcpy(out.data() + kEditionAt, &edition, sizeof edition);
    return out;
}

QByteArray archiveEdition(QByteArrayView archive) {
    if (archive.size() < kHeaderSize || !archive.startsWith(QByteArrayView(kMagic, sizeof kMagic)))
        return {};
    return archive.sliced(kEditionAt, 8).toByteArray().toHex();
}

namespace {

// The runs of one picture in an archive.
std::optional<QByteArrayView> findRuns(QByteArrayView archive, const QString& name, QSize pixels,
                                       qreal ratio) {
    if (archive.size() < kHeaderSize || !archive.startsWith(QByteArrayView(kMagic, sizeof kMagic)))
        return std::nullopt;
    const QByteArray wanted = name.toUtf8();
    Reader reader(archive.sliced(kHeaderSize));
    std::uint32_t count = 0;
    if (!reader.word(count))
        return std::nullopt;
    for (std::uint32_t i = 0; i < count; ++i) {
        std::uint32_t nameLength = 0, entryRatio = 0, width = 0, height = 0, offset = 0, length = 0;
        QByteArrayView entryName;
        if (!reader.word(nameLength) || !reader.bytes(nameLength, entryName) ||
            !reader.word(entryRatio) || !reader.word(width) || !reader.word(height) ||
            !reader.word(offset) || !reader.word(length))
            return std::nullopt;
        if (entryName != wanted || entryRatio != hundredths(ratio) ||
            QSize(int(width), int(height)) != pixels)
            continue;
        if (offset > archive.size() || length > archive.size() - offset)
            return std::nullopt;
        return archive.sliced(offset, length);
    }
    return std::nullopt;
}

QByteArrayView resourceArchive() {
    const QResource resource(kResource);
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression)
        return {};
    return QByteArrayView(reinterpret_cast<const char*>(resource.data()), resource.size());
}

} // namespace

std::optional<QImage> unpackPicture(QByteArrayView archive, const QString& name, QSize pixels,
                                    qreal ratio) {
    const std::optional<QByteArrayView> runs = findRuns(archive, name, pixels, ratio);
    if (!runs)
        return std::nullopt;
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull() || !unpackRuns(*runs, image))
        return std::nullopt;
    image.setDevicePixelRatio(ratio);
    return image;
}

std::optional<QImage> prerenderedPicture(const QString& name, QSize pixels, qreal ratio) {
    // The build renders the Greek worksheet; another language's words are painted as the program
    // runs and kept in the user's cache.
    if (name.isEmpty() || currentLanguage() != Language::Greek)
        return std::nullopt;
    return unpackPicture(resourceArchive(), name, pixels, ratio);
}

QByteArray prerenderedEdition() {
    return archiveEdition(resourceArchive());
}

} // namespace content
