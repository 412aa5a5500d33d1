#pragma once

#include "content/catalogue.h"

namespace layout {

// Sizes each section box so that its frame sits in it with equal margins above and below.
void sizeSections(const content::MainControls& ui);

// Shows section `section` centred in the viewport and parks the others out of sight; a value
// outside 0..4 hides them all.
void showSection(const content::MainControls& ui, int section);

} // namespace layout
