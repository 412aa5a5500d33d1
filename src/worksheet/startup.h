#pragma once

namespace worksheet {

class Worksheet;

// Fixes the answer key and the section points, and creates the further 85 copies of every
// picture set, the lowest copy index of each compound in front.
void createCopies(Worksheet& ws);

// The window opens: sections sized and section 0 shown, the copies created, a fresh worksheet.
void loadWorksheet(Worksheet& ws);

// A fresh worksheet: empty slots, a newly shuffled palette, every copy home, grade, notes and
// coefficient boxes hidden. The section in view stays.
void restart(Worksheet& ws);

} // namespace worksheet
