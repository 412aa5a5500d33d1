#pragma once

#include <QString>

namespace worksheet {
class Worksheet;
}

namespace assistive {

// What a screen reader says of a blank: its reaction, which blank it is and what it holds.
QString blankName(const worksheet::Worksheet& ws, int slot);

// What a screen reader says of a coefficient box: the term it multiplies.
QString boxName(const worksheet::Worksheet& ws, int box);

} // namespace assistive
