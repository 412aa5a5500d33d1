#pragma once

#include "model/marking.h"

namespace worksheet {

class Worksheet;

// Marks the whole worksheet, whichever section is in view, and shows the outcome: wrong
// compounds go home, wrong coefficients are emptied, the note of every section at full marks
// and the grade in per cent appear. Returns the marking.
model::Marking check(Worksheet& ws);

} // namespace worksheet
