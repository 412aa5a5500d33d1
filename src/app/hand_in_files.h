#pragma once

#include "model/hand_in.h"

#include <QDateTime>
#include <QString>

namespace model {
class Worksheet;
}

namespace app {

// The settings key of the folder that work is handed in to.
inline const QString kHandInFolderKey = QStringLiteral("hand-in/folder");

// Where work is handed in: the folder the school set for every account, in the system-wide
// settings (/etc/xdg/<program>/<program>.conf), which a student's own settings cannot override;
// else one the user's own settings set; else the worksheet's folder in the user's Documents. A
// relative folder, or one beginning with "~/", is taken from the home folder.
QString handInFolder();

// The login the program runs under, and the full name its account gives (the first field of the
// passwd entry's comment), empty where it gives none.
QString accountLogin();
QString accountFullName();

// The student's work as it stands now, with who hands it in: the worksheet's blanks and boxes
// copied, with its checks and how long since it was begun. The worksheet is only read.
model::HandIn handInNow(const model::Worksheet& worksheet, const QString& name,
                        const QString& schoolClass);

// The name, without its extension, that a hand-in's two files share: "name - class - date time",
// such as "Μαρία Παπαδοπούλου - Β2 - 2026-12-09 10.15.30". Whatever was typed makes a plain file
// name in the folder that any share and shell take as it is: no path separators, quotes, control
// or invisible characters, or characters that Windows refuses; no leading dot; the name at most 40
// characters and the class at most 15, so at most 80 in all; never empty, as the date and time
// are always there. Greek stays Greek.
QString handInBaseName(const QString& name, const QString& schoolClass, const QDateTime& time);

// What became of a hand-in: the two files written, or why nothing was.
struct HandInWriting {
    enum Outcome { Written, NoFolder, NotWritten, TooLong };
    Outcome outcome = NotWritten;
    QString pdf;
    QString record;
    // The system's own words for a file it could not write.
    QString reason;
};

// Writes the student's sheet as a PDF and its record beside it into `folder`, made if missing,
// under the same new name: a name either file already has is never taken, the next "(2)", "(3)"
// is. Both are written whole under temporary names and then given their names, or neither is:
// nothing half-written is left. Their owner and the folder's group may read them, no one else.
// A record that would not read back as the same work (texts too long for a record) is not
// written either.
HandInWriting writeHandIn(const QString& folder, const model::HandIn& work);

} // namespace app
