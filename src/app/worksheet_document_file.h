#pragma once

#include "app/url_opener.h"
#include "content/worksheet_document.h"

#include <QString>

namespace app {

// A printable document, the worksheet or its answer key, as an installation lays it out under a
// data directory.
QString documentInData(content::Sheet sheet);

// Where the document is installed with the program in `programDir`: share/ beside it. This is
// the place a teacher is told of when the document is nowhere to be had.
QString documentInPrefix(content::Sheet sheet, const QString& programDir);

// The installed document: first in share/ beside `programDir` (the prefix the program itself was
// installed into, wherever it was moved), then beside the program, where the build leaves it,
// then in the XDG data directories; empty when none is readable.
QString installedDocument(content::Sheet sheet, const QString& programDir);

// The document to open: the installed one where it lies, or else a copy written where one can
// be: the user's cache directory, else the runtime directory, else the temporary directory. A
// copy is written again when it is missing or older than the program. Empty when neither the
// document nor a copy can be had.
QString documentFile(content::Sheet sheet);

// What became of a document handed to the desktop.
struct DocumentOpening {
    enum Outcome { Opened, NotFound, NotOpened };
    Outcome outcome = NotFound;
    // The file handed to the opener; when none was found, where the document is installed.
    QString path;
};

// Hands that document's file:// address to `opener`. An opener that throws has failed.
DocumentOpening openDocument(content::Sheet sheet, const UrlOpener& opener);

} // namespace app
