#pragma once

#include "model/hand_in.h"

#include <QByteArray>
#include <QString>

#include <map>
#include <memory>
#include <vector>

namespace app {

// One file of a folder of hand-ins, as the teacher's table lists it: a hand-in's record, or a
// file that is none.
struct ResultsEntry {
    // The file's name in the folder.
    QString fileName;
    // The student's work; none when the file is not a record this program reads. Shared, as
    // every reading of the folder keeps the work of the files that did not change.
    std::shared_ptr<const model::HandIn> work;
    // The student's page, <base>.pdf beside a record <base>.json; empty for a file that is not
    // named as a record.
    QString pdf;
};

// A folder that hand-ins are written into, read as it stands now and again whenever asked.
//
// The folder is one that students may write into, so every file in it is untrusted: only the
// regular files directly in it are read, never a link's target (which could be anywhere, a
// FIFO that would never answer among them), nor a FIFO, device, socket or folder. A record,
// <base>.json, is read no further than a record can be long; the student's page beside it,
// <base>.pdf, belongs to it and is not listed on its own. Every other file, a link, a .json
// that is not a whole record of this program, is listed by name as one that cannot be read.
// Hidden files are left out, as a file manager leaves them out.
class ResultsFolder {
public:
    enum class Failure { None, Missing, NotFolder, Unreadable };

    explicit ResultsFolder(QString path);

    const QString& path() const { return path_; }

    // Reads the folder again; a file unchanged since the last reading is not read again. On a
    // failure the entries of the last reading stay.
    Failure read();

    // By file name.
    const std::vector<ResultsEntry>& entries() const { return entries_; }

private:
    // What tells that a file is the one read before: the same file, length and time of the last
    // change to it, which unlike the time of writing no one can set back.
    struct Identity {
        quint64 device = 0;
        quint64 inode = 0;
        qint64 size = 0;
        qint64 changedSeconds = 0;
        qint64 changedNanoseconds = 0;
        // A regular file, not a link.
        bool regular = false;
        bool operator==(const Identity&) const = default;
    };
    struct Known {
        Identity identity;
        ResultsEntry entry;
    };

    QString path_;
    std::vector<ResultsEntry> entries_;
    // Entries by the file's name as the folder holds it, in bytes.
    std::map<QByteArray, Known> known_;
};

} // namespace app
