#pragma once

#include <QString>

namespace model {
struct Marking;
}

namespace worksheet {
class Worksheet;
}

namespace assistive {

// What a screen reader says of a blank: its reaction, which blank it is and what it holds.
QString blankName(const worksheet::Worksheet& ws, int slot);

// What a screen reader says of a coefficient box: the term it multiplies and its reaction, so
// that no two boxes of the window sound alike.
QString boxName(const worksheet::Worksheet& ws, int box);

// The name of a section, for the scroll bar while it shows it and for the section's box.
QString sectionName(int section);

// What a check did, as the grade's stop is described once it is done: the sections found right,
// the compounds sent back, the coefficients emptied.
QString checkOutcome(const model::Marking& marking);

} // namespace assistive
