#pragma once

#include <QString>

namespace app {

// The printable worksheet as an installation lays it out, under a data directory.
inline const QString kWorksheetDocumentInData =
    QStringLiteral("organic-acid-preparations/organic-acid-preparations-worksheet.pdf");

// The installed worksheet document: first in share/ beside `programDir` (the prefix the program
// itself was installed into, wherever it was moved), then in the XDG data directories; empty
// when none is readable.
QString installedWorksheetDocument(const QString& programDir);

// The worksheet document to open: the installed one, or else a copy in the user's cache
// directory, written there when it is missing or older than the program. Empty when neither can
// be had.
QString worksheetDocumentFile();

} // namespace app
