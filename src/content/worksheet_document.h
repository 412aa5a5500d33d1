#pragma once

#include <QByteArray>
#include <QString>

class QPagedPaintDevice;

namespace model {
struct HandIn;
}

namespace content {

// The printable worksheet, and its answer key: the same page, with every blank holding its right
// compound as its card, every coefficient mark the smallest whole numbers the check accepts, each
// section's full marks on its frame and the total in place of the student's details.
enum class Sheet { Worksheet, AnswerKey };

// Writes `sheet` to `path` as an A4 PDF: the title, lines for the student's name, class and
// date, what to do, the five compounds, then the five sections with every reaction picture, its
// blanks and coefficient marks. The window's own drawings paint it, in their paper fills, on as
// few pages as keep the formulas at 9 points or more; no picture is split between pages. The
// file is replaced whole or left as it was; false if it could not be written.
bool writeWorksheetDocument(const QString& path, Sheet sheet = Sheet::Worksheet);

// A student's own sheet, as handed in: the same page, with the compounds they put into the blanks
// as cards where the key has its answers, their coefficients as typed in the coefficient marks
// (made smaller, and then cut short, where they are too long for the mark), each section's marks
// earned out of its full marks on its frame, and their name, class and the date and time on the
// lines for their details, with the grade and the number of checks made before handing in where
// the worksheet says what to do. Everything it says is in words and numbers, so that it reads in
// black and white.
//
// As an A4 PDF document, whole, or nothing when it could not be painted.
QByteArray studentDocument(const model::HandIn& work);
// Painted on any paged device, such as a printer: laid out on A4 and, on a smaller page, scaled
// down whole. False when the device could not be painted on or took no new page.
bool paintStudentSheet(QPagedPaintDevice& device, const model::HandIn& work);

} // namespace content
