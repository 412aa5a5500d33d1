#pragma once

#include <QPointF>
#include <QRectF>

namespace worksheet {
class Worksheet;
}

namespace assistive {

// The green blank of `slot`, in twips of its section box.
QRectF blankRect(const worksheet::Worksheet& ws, int slot);
// The middle of that blank, in twips of the client area.
QPointF blankCentre(const worksheet::Worksheet& ws, int slot);

// The copy whose card lies in front of the palette column of `compound`, or -1 if none does.
int paletteFrontCopy(const worksheet::Worksheet& ws, int compound);

// The keyboard moves cards through the pointer's own path, so that every rule of the mouse
// holds: placing is a press on the palette's front card of the compound and a release on the
// middle of the blank; removing is a double-click there. The slot's section must be in view.
void placeCompound(worksheet::Worksheet& ws, int slot, int compound);
void removeCompound(worksheet::Worksheet& ws, int slot);

// Places the compound that follows (step 1) or precedes (step -1), in palette order, the one the
// blank holds; an empty blank takes the first or the last column's compound.
void cycleCompound(worksheet::Worksheet& ws, int slot, int step);

} // namespace assistive
