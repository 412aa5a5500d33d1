#pragma once

#include <QString>

namespace worksheet {
class Worksheet;
}

namespace assistive {

// Where a slot lies: its reaction picture, and whether it is the picture's left or only blank
// (0) or its right blank (1).
struct BlankPlace {
    int picture = 0;
    int blank = 0;
};
BlankPlace blankOf(int slot);
// The section whose box holds the slot's blank.
int sectionOfSlot(int slot);
bool hasTwoBlanks(int picture);

// What a screen reader says of a blank: its reaction, which blank it is and what it holds.
QString blankName(const worksheet::Worksheet& ws, int slot);

// What a screen reader says of a coefficient box: the term it multiplies.
QString boxName(const worksheet::Worksheet& ws, int box);
// The slot whose compound a box multiplies, or -1 for a box of a reactant of the drawing.
int slotOfBox(int box);

} // namespace assistive
