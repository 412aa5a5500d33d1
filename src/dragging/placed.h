#pragma once

#include "controls/control.h"

namespace worksheet {
class Worksheet;
}

// Compounds placed in a section's blanks: a double-click takes one out, a drop of another card on
// it replaces it, and the dragged copy's twin follows the pointer over it.
namespace dragging {

void ImgMolecularSection_DblClick(worksheet::Worksheet& ws, int section, int Index);
void ImgMolecularSection_DragDrop(worksheet::Worksheet& ws, int section, int Index);
void ImgMolecularSection_DragOver(worksheet::Worksheet& ws, int section, int Index,
                                  controls::Control& Source, float X, float Y);
void ImgMolecularSection_MouseMove(worksheet::Worksheet& ws, int section, int Index);

void ImgMolecular00_DragOver(worksheet::Worksheet& ws, int Index, controls::Control& Source,
                             float X, float Y);
void ImgMolecular00_DragDrop(worksheet::Worksheet& ws, int Index);

} // namespace dragging
