#pragma once

#include "model/description.h"

#include <QRectF>
#include <QString>

#include <array>

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

// Where the key writes its answers: the card in each blank and the number of each coefficient
// box, in points of the page from its top left corner, and the page (from 0) it is on.
struct AnswerPlace {
    int page = 0;
    QRectF points;
};
struct AnswerPlaces {
    std::array<AnswerPlace, model::kBlanks> cards;
    std::array<AnswerPlace, model::kCoefficientBoxes> numbers;
};
AnswerPlaces answerPlaces();

} // namespace content
