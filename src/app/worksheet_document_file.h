#pragma once

#include "content/url_opener.h"
#include "content/worksheet_document.h"

#include <QString>

namespace app {

// A printable document, the worksheet or its answer key, as an installation lays it out under a
// data directory.
QString documentInData(content::Sheet sheet);

// The installed document: first in share/ beside `programDir` (the prefix the program itself was
// installed into, wherever it was moved), then in the XDG data directories; empty when none is
// readable.
QString installedDocument(content::Sheet sheet, const QString& programDir);

// The document to open: the installed one, or else a copy in the user's cache directory,
// written there when it is missing or older than the program. Empty when neither can be had.
QString documentFile(content::Sheet sheet);

// Hands that document's file:// address to `opener`. Whatever goes wrong in finding, writing or
// opening it is no concern of the worksheet's: nothing opens, nothing is said.
void openDocument(content::Sheet sheet, const content::UrlOpener& opener);

} // namespace app
