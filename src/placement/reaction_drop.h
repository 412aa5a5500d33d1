#pragma once

#include "controls/control.h"

namespace worksheet {
class Worksheet;
}

namespace placement {

// A card released over reaction picture `Index`: the blank on the pointer's side of the
// picture's split line takes it. No drop is refused; the check judges it later.
void ImgSyntactic_DragDrop(worksheet::Worksheet& ws, int Index, controls::Control& Source,
                           float X, float Y);

} // namespace placement
