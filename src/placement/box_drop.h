#pragma once

#include "controls/control.h"

namespace worksheet {
class Worksheet;
}

namespace placement {

// A card released over coefficient box `Index` fills the blank the box stands for; the box's
// text is left alone and the drop position does not matter.
void tCoefficient_DragDrop(worksheet::Worksheet& ws, int Index, controls::Control& Source);

} // namespace placement
