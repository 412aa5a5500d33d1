#pragma once

#include "controls/control.h"

namespace worksheet {
class Worksheet;
}

// Over a reaction picture or a coefficient box the dragged compound follows the pointer at every
// level: the twin in the section, the viewport twin and the card itself.
namespace placement {

void ImgSyntactic_DragOver(worksheet::Worksheet& ws, int Index, controls::Control& Source,
                           float X, float Y);
void tCoefficient_DragOver(worksheet::Worksheet& ws, int Index, controls::Control& Source,
                           float X, float Y);

} // namespace placement
