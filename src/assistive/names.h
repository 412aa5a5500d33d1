#pragma once

#include <QString>

namespace model {
struct Marking;
class Worksheet;
} // namespace model

namespace assistive {

// What a screen reader says of a blank: its reaction, which blank it is and what it holds.
QString blankName(const model::Worksheet& worksheet, int blank);

// What a screen reader says of a coefficient box: the term it multiplies and its reaction, so
// that no two boxes of the window sound alike.
QString boxName(const model::Worksheet& worksheet, int box);

// The name of a section, for the scroll bar while it shows it and for the section's box.
QString sectionName(int section);

// What a check did, as the grade's stop is named once it is done: the sections found right,
// the compounds sent back, the coefficients emptied.
QString checkOutcome(const model::Marking& marking);

} // namespace assistive
