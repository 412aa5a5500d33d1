#pragma once

#include "controls/control.h"

#include <QPointF>

namespace worksheet {
class Worksheet;
}

// The compound cards of the palette: a press starts a drag of the card at once.
namespace dragging {

// A press on card `copy` that lies in the palette starts its drag, and hides the grade and the
// notes of the last check.
void startDrag(worksheet::Worksheet& ws, int copy);
// The pointer over card `copy`: its hint tells how it is moved, or, out of the palette, taken out.
void hintOverCard(worksheet::Worksheet& ws, int copy);
// Over a palette card only the dragged card itself follows the pointer, `at` in card `copy`'s
// twips.
void followOverCard(worksheet::Worksheet& ws, int copy, controls::Control& card, QPointF at);

} // namespace dragging
