#pragma once

#include <cstdint>

namespace worksheet {

class Worksheet;

// Marks the whole worksheet, whichever section is in view: scores every section against the
// answer key, sends wrong compounds home, empties wrong coefficients, reveals the note of every
// section at full marks and shows the grade in per cent.
void mnuCheck_Click(Worksheet& ws);

// Whether the coefficients typed into group `g` give its reaction's ratio; a wrong group's
// boxes are emptied (and stay shown).
void CheckCoefficients(Worksheet& ws, std::int16_t g, bool& ok);

} // namespace worksheet
