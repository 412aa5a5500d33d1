#pragma once

#include <QByteArray>

#include <optional>

namespace app {

// A file the program only reads, such as a student's record or the work it kept, may be anything
// by the time it is read: a link, a pipe, a device, a file of gigabytes. It is read without
// following a link or waiting on a pipe, and only if it is a regular file, up to one byte more
// than `limit`, so that a longer file is told from one that fits at no more cost.
struct BoundedRead {
    // The error that kept the file from being opened, 0 when it was opened.
    int openError = 0;
    // Nothing when it could not be opened or read, or is not a regular file.
    std::optional<QByteArray> bytes;
};

// `name` in the folder open as `folder`, or in the current one with AT_FDCWD (a whole path then).
BoundedRead readBounded(int folder, const char* name, qsizetype limit);

} // namespace app
