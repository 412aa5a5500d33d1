#include "assistive/keyboard_placement.h"

#include "content/drawings.h"
#include "controls/drawing.h"
#include "worksheet/worksheet.h"

namespace assistive {

QRectF blankRect(const worksheet::Worksheet& ws, int slot) {
    const model::Blank& blank = model::blank(slot);
    const controls::Image& picture = ws.ui.ImgSyntactic(blank.reaction);
    const QRectF logical = content::reactionSlotRect(blank.reaction, blank.side);
    const QSizeF extent = picture.picture()->logicalSize();
    const qreal sx = picture.width() / extent.width();
    const qreal sy = picture.height() / extent.height();
    return QRectF(picture.left() + logical.left() * sx, picture.top() + logical.top() * sy,
                  logical.width() * sx, logical.height() * sy);
}

QPointF blankCentre(const worksheet::Worksheet& ws, int slot) {
    return ws.ui.Pic(model::sectionOfBlank(slot)).originInForm() + blankRect(ws, slot).center();
}

int paletteFrontCopy(const worksheet::Worksheet& ws, int compound) {
    auto& form = ws.ui.Form1;
    for (int copy = compound; copy < model::kCopies; copy += model::kCompounds) {
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
    if (router.isDragging() || ws.model.SlotTable[slot].Placed == model::kEmpty)
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
    int column = step > 0 ? -1 : model::kCompounds;
    if (copy != model::kEmpty)
        column = columns[model::compoundOf(copy)];
    const int next = (column + step + model::kCompounds) % model::kCompounds;
    for (int compound = 0; compound < model::kCompounds; ++compound) {
        if (columns[compound] == next) {
            placeCompound(ws, slot, compound);
            return;
        }
    }
}

} // namespace assistive
