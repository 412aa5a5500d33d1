#pragma once

#include <cstdint>

namespace worksheet {
class Worksheet;
}

namespace layout {

// The coefficient boxes of one reaction: `count` boxes from `first`, left to right. Groups 0, 1
// and 2 are the reactions of section 0, groups 8, 9 and 10 those of section 4; every other
// group has no boxes (count 0).
struct BoxRange {
    int first = 0;
    int count = 0;
};
BoxRange coefficientGroupBoxes(int group);

// Shows the boxes of group `g`, keeping what was typed in them.
void ShowCoefficients(worksheet::Worksheet& ws, std::int16_t g);

// Empties and hides the boxes of group `g`: hiding a group forgets what was typed.
void HideCoefficients(worksheet::Worksheet& ws, std::int16_t g);

} // namespace layout
