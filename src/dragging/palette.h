#pragma once

#include "controls/control.h"

namespace worksheet {
class Worksheet;
}

// The compound cards of the palette: a press starts a drag of the card at once.
namespace dragging {

void ImgMolecular_MouseDown(worksheet::Worksheet& ws, int Index);
void ImgMolecular_MouseMove(worksheet::Worksheet& ws, int Index);
void ImgMolecular_MouseUp(worksheet::Worksheet& ws, int Index);
void ImgMolecular_DragOver(worksheet::Worksheet& ws, int Index, controls::Control& Source,
                           float X, float Y);
void ImgMolecular_DragDrop(worksheet::Worksheet& ws, int Index);

} // namespace dragging
