#pragma once

#include "controls/control.h"

#include <QPointF>

namespace worksheet {
class Worksheet;
}

// The drag over the window's background controls: one ghost of the dragged compound follows the
// pointer across the palette, the viewport and the section in view; a drop there, the window's
// edge zone and the scroll bar send the copy home. `at` is the pointer in the twips of the
// control under it.
namespace dragging {

// The window's background; within its edge zone the drag ends and the copy goes home.
void followOverWindow(worksheet::Worksheet& ws, controls::Control& card, QPointF at);
void followOverViewport(worksheet::Worksheet& ws, controls::Control& card, QPointF at);
void followOverSection(worksheet::Worksheet& ws, int section, controls::Control& card, QPointF at);
void followOverTitle(worksheet::Worksheet& ws, int section, controls::Control& card, QPointF at);
void followOverNote(worksheet::Worksheet& ws, int section, controls::Control& card, QPointF at);
// The scroll bar parks the ghost; the drag goes on.
void parkOverScrollBar(worksheet::Worksheet& ws);

// The background, viewport, section boxes, titles, notes, the scroll bar, palette cards and
// viewport twins take no compound: a drop there sends the dragged copy home rather than strand
// it, or leave a card below the palette holding it from both its slot and its column.
void dropOnBackground(worksheet::Worksheet& ws);

} // namespace dragging
