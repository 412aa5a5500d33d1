#pragma once

#include "controls/control.h"

namespace worksheet {
class Worksheet;
}

// The drag over the window's background controls: one ghost of the dragged compound follows the
// pointer across the palette, the viewport and the section in view; a drop there, the window's
// edge zone and the scroll bar send the copy home.
namespace dragging {

// Within this many twips of the client area's edges a drag ends.
inline constexpr float kEdgeZone = 180;

void Form_DragOver(worksheet::Worksheet& ws, controls::Control& Source, float X, float Y);
void PicContainer_DragOver(worksheet::Worksheet& ws, controls::Control& Source, float X, float Y);
void Pic_DragOver(worksheet::Worksheet& ws, int Index, controls::Control& Source, float X,
                  float Y);
void cTitle_DragOver(worksheet::Worksheet& ws, int Index, controls::Control& Source, float X,
                     float Y);
void Label1_DragOver(worksheet::Worksheet& ws, int Index, controls::Control& Source, float X,
                     float Y);
void VScroll1_DragOver(worksheet::Worksheet& ws);

// The background, viewport, section boxes, titles and notes take no compound.
void Background_DragDrop(worksheet::Worksheet& ws);
void VScroll1_DragDrop(worksheet::Worksheet& ws);

} // namespace dragging
