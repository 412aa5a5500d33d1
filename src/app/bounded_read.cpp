#include "app/bounded_read.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace app {

BoundedRead readBounded(int folder, const char* name, qsizetype limit) {
    const int file = ::openat(folder, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (file < 0)
        return {errno, std::nullopt};
    BoundedRead reading;
    struct stat info {};
    if (::fstat(file, &info) == 0 && S_ISREG(info.st_mode)) {
        QByteArray bytes(std::min<qsizetype>(qsizetype(info.st_size), limit) + 1,
                         Qt::Uninitialized);
        qsizetype filled = 0;
        bool failed = false;
        while (filled < bytes.size()) {
            const ssize_t got = ::read(file, bytes.data() + filled, size_t(bytes.size() - filled));
            if (got < 0 && errno == EINTR)
                continue;
            failed = got < 0;
            if (got <= 0)
                break;
            filled += got;
        }
        if (!failed) {
            bytes.truncate(filled);
            reading.bytes = bytes;
        }
    }
    ::close(file);
    return reading;
}

} // namespace app
