#pragma once

#include "controls/control.h"

#include <QPointF>

namespace worksheet {
class Worksheet;
}

// Cards released over the places that take them. No drop is refused: any compound goes into
// any blank, and the check judges it later.
namespace placement {

// A card released over reaction picture `picture`, `at` in the picture's twips: the blank on
// the pointer's side of the picture's split line takes it.
void dropOnReaction(worksheet::Worksheet& ws, int picture, controls::Control& card, QPointF at);

// A card released over coefficient box `box` fills the blank the box stands for; the box's text
// is left alone and where in the box it lands does not matter.
void dropOnBox(worksheet::Worksheet& ws, int box, controls::Control& card);

} // namespace placement
