#pragma once

#include "controls/control.h"

#include <QPointF>

namespace worksheet {
class Worksheet;
}

// Compounds placed in a section's blanks, shown by the twins of that section: a double-click
// takes one out, a drop of another card on it replaces it, and the dragged copy's twin follows
// the pointer over it.
namespace dragging {

// A double-click on the twin of `copy` in section `section`.
void removePlaced(worksheet::Worksheet& ws, int section, int copy);
// The dragged card released over the twin of `copy` in section `section`.
void dropOnPlaced(worksheet::Worksheet& ws, int section, int copy);
// Over a placed compound only the dragged copy's twin in that section follows the pointer, `at`
// in the placed twin's twips.
void followOverPlaced(worksheet::Worksheet& ws, int section, int copy, controls::Control& card,
                      QPointF at);
void hintOverPlaced(worksheet::Worksheet& ws, int section, int copy);

// Over a viewport twin only the dragged copy's viewport twin follows.
void followOverViewportTwin(worksheet::Worksheet& ws, int copy, controls::Control& card,
                            QPointF at);

} // namespace dragging
