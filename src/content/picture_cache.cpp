#include "content/picture_cache.h"

#include "content/language.h"

#include "content/prerendered.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace content {

namespace {

// A file is the header, the edition and the drawing's name in UTF-8, then the picture's runs
// (prerendered.h). The header's numbers are in the byte order of the machine that wrote it: read
// on a machine of the other order its magic word is another number, and the file is foreign.
struct Header {
    std::uint32_t magic;
    std::uint32_t version;
    // Of every byte that follows this field to the end of the file.
    std::uint64_t checksum;
    std::uint32_t format;
    std::uint32_t width;
    std::uint32_t height;
    std::uint32_t hundredths;
    std::uint32_t editionLength;
    std::uint32_t nameLength;
    std::uint64_t runsLength;
};
static_assert(sizeof(Header) == 48, "the header is read and written as it lies in memory");

constexpr std::uint32_t kMagic = 0x4f41'5043; // "OAPC"
constexpr std::uint32_t kVersion = 1;
constexpr qsizetype kCheckedFrom = offsetof(Header, format);

// Nothing the window shows comes near these; a file claiming more is not read at all.
constexpr int kMaxSide = 8192;
constexpr int kMaxHundredths = 1600;
constexpr qsizetype kMaxFileBytes = 32 << 20;
// The longest names and editions kept: percent-encoded, they stay well within a file name's 255
// bytes.
constexpr qsizetype kMaxNameBytes = 64;
constexpr qsizetype kMaxEncodedEdition = 64;
// What one edition's folder may hold; beyond either, the oldest files go.
constexpr int kMaxFiles = 200;
constexpr qint64 kMaxFolderBytes = 32 << 20;
// Folders of other editions removed in one run, so that a cache folder full of strangers costs
// the first write a bounded time; the rest go on later runs.
constexpr int kMaxStrangersRemoved = 16;
// Long enough that a resize or a zoom in steps writes only the sizes it comes to rest at.
constexpr int kWriteDelayMs = 1000;

int hundredthsOf(qreal ratio) {
    // Also false for NaN, which no cast to int may see.
    if (!(ratio >= 0.01 && ratio <= kMaxHundredths / 100.0))
        return 0;
    return int(std::lround(ratio * 100));
}

bool withinBounds(QSize pixels) {
    return pixels.width() > 0 && pixels.height() > 0 && pixels.width() <= kMaxSide &&
           pixels.height() <= kMaxSide;
}

// Formats of 32 bits a pixel, whose runs (prerendered.h) are the pixels as they lie.
bool keptFormat(std::uint32_t format) {
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
           format == QImage::Format_ARGB32_Premultiplied;
}

// 64-bit FNV-1a over words of eight bytes, the last one padded with zeros: a few instructions
// for eight bytes, and a change within any one word always changes it (both steps are
// one-to-one). It finds damage; it is no guard against anyone.
std::uint64_t checksum(QByteArrayView bytes) {
    constexpr std::uint64_t kPrime = 0x100000001b3u;
    std::uint64_t hash = 0xcbf29ce484222325u;
    const char* data = bytes.data();
    const qsizetype whole = bytes.size() / 8 * 8;
    for (qsizetype at = 0; at < whole; at += 8) {
        std::uint64_t word;
        std::memcpy(&word, data + at, sizeof word);
        hash = (hash ^ word) * kPrime;
    }
    if (whole < bytes.size()) {
        std::uint64_t word = 0;
        std::memcpy(&word, data + whole, size_t(bytes.size() - whole));
        hash = (hash ^ word) * kPrime;
    }
    return hash;
}

void appendNumber(QByteArray& out, int value) {
    char digits[10];
    int count = 0;
    do {
        digits[count++] = char('0' + value % 10);
        value /= 10;
    } while (value > 0);
    while (count > 0)
        out += digits[--count];
}

// Appends the file of a picture to `path`: `<name>-<width>x<height>-<ratio in hundredths>.runs`,
// the name percent-encoded so that no name reaches outside the folder and no two pictures share
// a file. False for a name too long to keep. Built by hand: a start builds one for every picture
// it looks for, and Qt's percent-encoding and numbers cost several times as much.
bool appendFileName(QByteArray& path, QByteArrayView name, QSize pixels, int hundredths) {
    if (name.isEmpty() || name.size() > kMaxNameBytes)
        return false;
    constexpr char kHex[] = "0123456789ABCDEF";
    for (const char c : name) {
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
            c == '-' || c == '_' || c == '.') {
            path += c;
        } else {
            const auto byte = std::uint8_t(c);
            path += '%';
            path += kHex[byte >> 4];
            path += kHex[byte & 15];
        }
    }
    path += '-';
    appendNumber(path, pixels.width());
    path += 'x';
    appendNumber(path, pixels.height());
    path += '-';
    appendNumber(path, hundredths);
    path += ".runs";
    return true;
}

// The longest runs of a picture of `pixels`: a literal run of one pixel takes two words.
qsizetype longestRuns(QSize pixels) {
    return qsizetype(pixels.width()) * pixels.height() * 8;
}

// Reads the whole of an open file into `into` in one call where the system allows it; false for
// anything but a regular file of `minimum` to `maximum` bytes read to its end.
bool readWhole(int fd, qsizetype minimum, qsizetype maximum, QByteArray& into) {
    struct stat status;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || status.st_size < minimum ||
        status.st_size > maximum)
        return false;
    const qsizetype size = qsizetype(status.st_size);
    into.resize(size);
    qsizetype done = 0;
    while (done < size) {
        const ssize_t got = ::read(fd, into.data() + done, size_t(size - done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false;
        done += got;
    }
    return true;
}

} // namespace

PictureCache::PictureCache(QString folder, QByteArray edition, QObject* parent)
    : QObject(parent), folder_(std::move(folder)), edition_(std::move(edition)) {
    const QByteArray encoded = edition_.toPercentEncoding();
    if (!folder_.isEmpty() && !encoded.isEmpty() && encoded.size() <= kMaxEncodedEdition) {
        editionName_ = QString::fromLatin1(encoded);
        editionPath_ = folder_ + QLatin1Char('/') + editionName_ + QLatin1Char('/');
        editionPathBytes_ = QFile::encodeName(editionPath_);
        writable_ = true;
    }
    writeTimer_.setSingleShot(true);
    writeTimer_.setInterval(kWriteDelayMs);
    connect(&writeTimer_, &QTimer::timeout, this, &PictureCache::flush);
}

PictureCache::~PictureCache() {
    flush();
}

QString PictureCache::userFolder() {
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    return cache.isEmpty() ? QString() : cache + QStringLiteral("/pictures");
}

// Without pictures of its own to fingerprint, a program could not tell its drawings from another
// build's of the same version: it keeps none.
QByteArray PictureCache::programEdition() {
    const QByteArray pictures = prerenderedEdition();
    if (pictures.isEmpty())
        return {};
    // The drawings hold words, so each language keeps pictures of its own.
    QByteArray edition = QCoreApplication::applicationVersion().toUtf8() + '-' + pictures;
    if (currentLanguage() != Language::Greek)
        edition += '-' + languageCode(currentLanguage()).toLatin1();
    return edition;
}

std::optional<QImage> PictureCache::find(const QString& name, QSize pixels, qreal ratio) const {
    const int hundredths = hundredthsOf(ratio);
    if (editionPathBytes_.isEmpty() || hundredths == 0 || !withinBounds(pixels))
        return std::nullopt;
    const QByteArray utf8 = name.toUtf8();
    QByteArray path;
    path.reserve(editionPathBytes_.size() + 3 * utf8.size() + 32);
    path += editionPathBytes_;
    if (!appendFileName(path, utf8, pixels, hundredths))
        return std::nullopt;
    // Not blocking: a pipe put in the folder's place opens at once and is no regular file.
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return std::nullopt;
    const qsizetype expected = qsizetype(sizeof(Header)) + edition_.size() + utf8.size();
    const bool read =
        readWhole(fd, expected, std::min(expected + longestRuns(pixels), kMaxFileBytes), buffer_);
    ::close(fd);

    std::optional<QImage> picture;
    Header header;
    if (read)
        std::memcpy(&header, buffer_.constData(), sizeof header);
    const QByteArrayView bytes(buffer_);
    if (read && header.magic == kMagic && header.version == kVersion && keptFormat(header.format) &&
        header.width == std::uint32_t(pixels.width()) &&
        header.height == std::uint32_t(pixels.height()) &&
        header.hundredths == std::uint32_t(hundredths) &&
        header.editionLength == std::uint32_t(edition_.size()) &&
        header.nameLength == std::uint32_t(utf8.size()) &&
        header.runsLength == std::uint64_t(bytes.size() - expected) &&
        bytes.sliced(sizeof header, edition_.size()) == edition_ &&
        bytes.sliced(sizeof header + edition_.size(), utf8.size()) == utf8 &&
        header.checksum == checksum(bytes.sliced(kCheckedFrom))) {
        QImage image(pixels, QImage::Format(header.format));
        if (!image.isNull() && unpackRuns(bytes.sliced(expected), image)) {
            image.setDevicePixelRatio(ratio);
            picture = std::move(image);
        }
    }
    // Whatever lies under a picture's file name and is not that picture goes, so that the
    // picture is painted and written afresh.
    if (!picture)
        ::unlink(path.constData());
    return picture;
}

void PictureCache::keep(const QString& name, const QImage& image) {
    const int hundredths = hundredthsOf(image.devicePixelRatio());
    if (!writable_ || hundredths == 0 || !withinBounds(image.size()) ||
        !keptFormat(image.format()) || image.bytesPerLine() != qsizetype(image.width()) * 4 ||
        name.isEmpty() || name.toUtf8().size() > kMaxNameBytes)
        return;
    const auto same = std::find_if(pending_.begin(), pending_.end(), [&](const Pending& kept) {
        return kept.name == name && kept.image.size() == image.size() &&
               hundredthsOf(kept.image.devicePixelRatio()) == hundredths;
    });
    if (same != pending_.end())
        same->image = image;
    else if (pending_.size() < size_t(kMaxFiles))
        pending_.push_back({name, image});
    writeTimer_.start();
}

void PictureCache::forgetPending() {
    writeTimer_.stop();
    pending_.clear();
}

void PictureCache::flush() {
    writeTimer_.stop();
    const std::vector<Pending> pictures = std::exchange(pending_, {});
    if (pictures.empty() || !writable_)
        return;
    if (!prepared_ && !prepareFolder())
        return giveUp();
    for (const Pending& picture : pictures) {
        if (!write(picture))
            return giveUp();
    }
    keepWithinBounds();
}

bool PictureCache::prepareFolder() {
    if (!QDir().mkpath(editionPath_))
        return false;
    removeOtherEditions();
    prepared_ = true;
    return true;
}

// The cache folder holds this program's pictures alone: anything in it but this edition's folder
// is left from another version or another build's drawings, and no one reads it again.
void PictureCache::removeOtherEditions() const {
    QDirIterator entries(folder_,
                         QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    int removed = 0;
    while (entries.hasNext() && removed < kMaxStrangersRemoved) {
        entries.next();
        const QFileInfo entry = entries.fileInfo();
        if (entry.fileName() == editionName_)
            continue;
        // A link goes, never what it leads to.
        if (entry.isDir() && !entry.isSymLink())
            QDir(entry.filePath()).removeRecursively();
        else
            QFile::remove(entry.filePath());
        ++removed;
    }
}

// Reading a picture leaves its file as it was, to keep reads cheap: the oldest are the oldest
// written.
void PictureCache::keepWithinBounds() const {
    const QFileInfoList files =
        QDir(editionPath_).entryInfoList(QDir::Files | QDir::Hidden | QDir::System, QDir::Time);
    int count = 0;
    qint64 bytes = 0;
    for (const QFileInfo& file : files) {
        ++count;
        bytes += file.size();
        if (count > kMaxFiles || bytes > kMaxFolderBytes)
            QFile::remove(file.filePath());
    }
}

bool PictureCache::write(const Pending& picture) const {
    const QImage& image = picture.image;
    const QByteArray name = picture.name.toUtf8();
    const int hundredths = hundredthsOf(image.devicePixelRatio());
    const QByteArray runs = packRuns(image);
    Header header{};
    header.magic = kMagic;
    header.version = kVersion;
    header.format = std::uint32_t(image.format());
    header.width = std::uint32_t(image.width());
    header.height = std::uint32_t(image.height());
    header.hundredths = std::uint32_t(hundredths);
    header.editionLength = std::uint32_t(edition_.size());
    header.nameLength = std::uint32_t(name.size());
    header.runsLength = std::uint64_t(runs.size());
    QByteArray bytes;
    bytes.reserve(qsizetype(sizeof header) + edition_.size() + name.size() + runs.size());
    bytes.append(reinterpret_cast<const char*>(&header), sizeof header);
    bytes.append(edition_).append(name).append(runs);
    // A picture of incompressible noise may outgrow what a read accepts: it is painted instead.
    if (bytes.size() > kMaxFileBytes)
        return true;
    header.checksum = checksum(QByteArrayView(bytes).sliced(kCheckedFrom));
    std::memcpy(bytes.data() + offsetof(Header, checksum), &header.checksum,
                sizeof header.checksum);

    QByteArray path = editionPathBytes_;
    appendFileName(path, name, image.size(), hundredths);
    QSaveFile file(QFile::decodeName(path));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

// A folder that cannot be written now will not be written this run: trying again at every
// picture would only cost each paint that makes one.
void PictureCache::giveUp() {
    writable_ = false;
    forgetPending();
}

} // namespace content
