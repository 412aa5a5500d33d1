#pragma once

#include "controls/control.h"

#include <QPointF>

namespace worksheet {
class Worksheet;
}

// Over a reaction picture or a coefficient box the dragged compound follows the pointer at every
// level: the twin in the section, the viewport twin and the card itself. `at` is the pointer in
// the picture's or the box's twips.
namespace placement {

void followOverReaction(worksheet::Worksheet& ws, int picture, controls::Control& card, QPointF at);
void followOverBox(worksheet::Worksheet& ws, int box, controls::Control& card, QPointF at);

} // namespace placement
