#include "assistive/keyboard_placement.h"

#include "assistive/names.h"
#include "content/drawings.h"
#include "controls/drawing.h"
#include "worksheet/worksheet.h"

namespace assistive {

QRectF blankRect(const worksheet::Worksheet& ws, int slot) {
    const BlankPlace place = blankOf(slot);
    const controls::Image& picture = ws.ui.ImgSyntactic(place.picture);
    const QRectF logical = content::reactionSlotRect(place.picture, place.blank);
    const QSizeF extent = picture.picture()->logicalSize();
    const qreal sx = picture.width() / extent.width();
    const qreal sy = picture.height() / extent.height();
    return QRectF(picture.left() + logical.left() * sx, picture.top() + logical.top() * sy,
                  logical.width() * sx, logical.height() * sy);
}

QPointF blankCentre(const worksheet::Worksheet& ws, int slot) {
    const int section = sectionOfSlot(slot);
    return ws.ui.Pic(section).originInForm() + blankRect(ws, slot).center();
}

int paletteFrontCopy(const worksheet::Worksheet& ws, int compound) {
    auto& form = ws.ui.Form1;
    for (int copy = compound; copy < worksheet::kCopies; copy += content::kCompounds) {
        const controls::Image& card = ws.ui.ImgMolecular(copy);
        const QPointF centre = card.rect().center();
        if (form.contains(centre) && form.hitTest(centre).control == &card)
            return copy;
    }
    return -1;
}

void placeCompound(worksheet::Worksheet& ws, int slot, int compound) {
    auto& router = ws.ui.Form1.router();
    const int copy = paletteFrontCopy(ws, compound);
    if (router.isDragging() || copy < 0)
        return;
    router.press(ws.ui.ImgMolecular(copy).rect().center(), Qt::LeftButton);
    router.release(blankCentre(ws, slot), Qt::LeftButton);
}

void removeCompound(worksheet::Worksheet& ws, int slot) {
    auto& router = ws.ui.Form1.router();
    if (router.isDragging() || ws.model.SlotTable[slot].Placed == worksheet::kEmpty)
        return;
    const QPointF centre = blankCentre(ws, slot);
    router.doubleClick(centre, Qt::LeftButton);
    router.release(centre, Qt::LeftButton);
}

void cycleCompound(worksheet::Worksheet& ws, int slot, int step) {
    if (!ws.model.PaletteColumn)
        return;
    const auto& columns = *ws.model.PaletteColumn;
    const std::int16_t copy = ws.model.SlotTable[slot].Placed;
    int column = step > 0 ? -1 : content::kCompounds;
    if (copy != worksheet::kEmpty)
        column = columns[worksheet::compoundOf(copy)];
    const int next = (column + step + content::kCompounds) % content::kCompounds;
    for (int compound = 0; compound < content::kCompounds; ++compound) {
        if (columns[compound] == next) {
            placeCompound(ws, slot, compound);
            return;
        }
    }
}

} // namespace assistive
