#pragma once

#include "controls/kinds.h"

namespace worksheet {
class Worksheet;
}

namespace placement {

// Section of a reaction picture, and of a coefficient box.
int sectionOfPicture(int picture);
int sectionOfBox(int box);

// Lays the dragged copy into `slot` of reaction picture `P` in section `section`: a compound
// already there goes home, the slot records the copy, its section twin covers the blank at
// `twinLeft` (centred on the picture's middle line, raised by 35 twips), and the card and its
// viewport twin leave the screen.
void placeDraggedCopy(worksheet::Worksheet& ws, int slot, const controls::Image& P, int section,
                      controls::Control& Source, double twinLeft);

} // namespace placement
