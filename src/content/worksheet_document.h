#pragma once

#include <QString>

namespace content {

// Writes the printable worksheet to `path` as an A4 PDF: the title, lines for the student's
// name, class and date, what to do, the five compounds, then the five sections with every
// reaction picture, its blanks and coefficient marks empty. The window's own drawings paint it,
// in their paper fills, on as few pages as keep the formulas at 9 points or more; no picture is
// split between pages. The file is replaced whole or left as it was; false if it could not be
// written.
bool writeWorksheetDocument(const QString& path);

} // namespace content
