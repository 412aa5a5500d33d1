#pragma once

namespace worksheet {

class Worksheet;

// Marks the whole worksheet, whichever section is in view, and shows the outcome: wrong
// compounds go home, wrong coefficients are emptied, the note of every section at full marks
// and the grade in per cent appear.
void check(Worksheet& ws);

} // namespace worksheet
