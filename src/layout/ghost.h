#pragma once

#include "content/catalogue.h"
#include "controls/control.h"

namespace layout {

// The ghost rule: a picture standing for the dragged copy lies with its left edge a little right
// of the pointer and its vertical middle on the pointer, so that it is never under the pointer
// itself. `x` and `y` are the pointer in the picture's own container; `height` is the dragged
// card's. Left is set before top.
inline void placeGhost(controls::Control& picture, double x, double y, double height) {
    picture.setLeft(float(x + content::kGhostOffset));
    picture.setTop(float(y - height / 2));
}

// Out of sight just beyond the left edge of its container, where a dropped card and its
// viewport twin wait while the copy lies in a slot.
inline void putAside(controls::Control& picture, const controls::Control& source) {
    picture.setTop(0);
    picture.setLeft(-source.width());
}

} // namespace layout
