#include "app/results_folder.h"

#include "app/bounded_read.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <optional>

namespace app {

namespace {

const QByteArray kRecordSuffix = QByteArrayLiteral(".json");
const QByteArray kPageSuffix = QByteArrayLiteral(".pdf");

// The folder is read with the system's own calls rather than QDir and QFile: they say when a
// listing fails part of the way (a network share gone), and they open a file without following
// a link and without waiting on a FIFO put in a file's place since it was listed.
class Listing {
public:
    explicit Listing(const QString& path) {
        const int folder =
            ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (folder < 0) {
            error_ = errno;
            return;
        }
        handle_ = ::fdopendir(folder);
        if (!handle_) {
            error_ = errno;
            ::close(folder);
        }
    }
    ~Listing() {
        if (handle_)
            ::closedir(handle_);
    }
    Listing(const Listing&) = delete;
    Listing& operator=(const Listing&) = delete;

    // The error that kept the folder from being opened; 0 when it is open.
    int error() const { return error_; }
    int folder() const { return ::dirfd(handle_); }
    DIR* handle() const { return handle_; }

private:
    DIR* handle_ = nullptr;
    int error_ = 0;
};

} // namespace

ResultsFolder::ResultsFolder(QString path)
    : path_(QDir::cleanPath(QFileInfo(path).absoluteFilePath())) {}

ResultsFolder::Failure ResultsFolder::read() {
    const Listing listing(path_);
    if (listing.error() == ENOENT)
        return Failure::Missing;
    if (listing.error() == ENOTDIR)
        return Failure::NotFolder;
    if (listing.error() != 0)
        return Failure::Unreadable;

    // Every regular file and link directly in the folder, by name.
    std::map<QByteArray, Identity> files;
    for (;;) {
        errno = 0;
        const dirent* each = ::readdir(listing.handle());
        if (!each) {
            if (errno != 0)
                return Failure::Unreadable;
            break;
        }
        const QByteArray name(each->d_name);
        if (name.startsWith('.'))
            continue;
        struct stat info {};
        if (::fstatat(listing.folder(), each->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0) {
            // A file removed since the folder was listed is simply not there; any other error
            // leaves the folder unread, not empty.
            if (errno == ENOENT)
                continue;
            return Failure::Unreadable;
        }
        if (S_ISREG(info.st_mode) || S_ISLNK(info.st_mode))
            files.emplace(name, Identity{quint64(info.st_dev), quint64(info.st_ino),
                                         qint64(info.st_size), qint64(info.st_ctim.tv_sec),
                                         qint64(info.st_ctim.tv_nsec), S_ISREG(info.st_mode)});
    }

    std::vector<ResultsEntry> entries;
    entries.reserve(files.size());
    std::map<QByteArray, Known> known;
    for (const auto& [name, identity] : files) {
        const bool namedRecord = name.endsWith(kRecordSuffix);
        const QByteArray base = name.chopped(namedRecord ? kRecordSuffix.size() : 0);
        if (name.endsWith(kPageSuffix) &&
            files.count(name.chopped(kPageSuffix.size()) + kRecordSuffix))
            continue;
        const auto before = known_.find(name);
        if (before != known_.end() && before->second.identity == identity) {
            entries.push_back(before->second.entry);
        } else {
            ResultsEntry entry;
            entry.fileName = QFile::decodeName(name);
            if (namedRecord) {
                entry.pdf = QDir(path_).filePath(QFile::decodeName(base + kPageSuffix));
                std::optional<model::HandIn> work;
                if (identity.regular)
                    work = model::handInOf(
                        readBounded(listing.folder(), name.constData(), model::kLargestRecord)
                            .bytes.value_or(QByteArray()));
                if (work)
                    entry.work = std::make_shared<const model::HandIn>(std::move(*work));
            }
            entries.push_back(entry);
        }
        known.emplace(name, Known{identity, entries.back()});
    }
    entries_ = std::move(entries);
    known_ = std::move(known);
    return Failure::None;
}

} // namespace app
