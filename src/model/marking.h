#pragma once

#include "model/description.h"

#include <QString>

#include <array>
#include <vector>

namespace model {

// The compound in each blank, kNone where it is empty.
using Blanks = std::array<int, kBlanks>;
// The text of every coefficient box, by box number.
using BoxTexts = std::array<QString, kCoefficientBoxes>;

// What a check makes of a worksheet.
struct Marking {
    // Points earned in each section, and the grade: their sum, a percentage.
    std::array<int, kSections> scores{};
    int grade = 0;
    // Blanks whose compound is wrong, or twice in its pair: it goes back to the palette.
    std::vector<int> emptied;
    // Right reactions whose coefficients are wrong: their boxes are emptied and stay.
    std::vector<int> cleared;
    // Sections at full marks, whose notes are shown.
    std::array<bool, kSections> fullMarks{};
};

// Marks the blanks and the boxes against the answer key, section by section. A blank is right
// when it holds its answer, or, for a blank of a pair, the answer of either blank of the pair;
// one compound twice in a pair counts once, and the second goes. A reaction whose blanks are all
// right earns its bonus when its coefficients are right.
Marking mark(const Blanks& blanks, const BoxTexts& texts);

} // namespace model
