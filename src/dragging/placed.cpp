#include "dragging/placed.h"

#include "content/texts.h"
#include "layout/coefficient_boxes.h"
#include "layout/ghost.h"
#include "layout/send_home.h"
#include "worksheet/worksheet.h"

#include <optional>

namespace dragging {

namespace {

// A section twin below its box's top edge has been moved into the section.
bool isPlaced(const worksheet::Worksheet& ws, int section, int copy) {
    return ws.ui.ImgMolecularOfSection(section, copy).top() > 0;
}

// The slot of the section that holds the copy, the first in ascending order.
std::optional<int> slotHolding(const worksheet::Worksheet& ws, int section, int copy) {
    const model::BlankRange range = model::blanksOfSection(section);
    for (int s = range.first; s < range.first + range.count; ++s) {
        if (ws.model.SlotTable[s].Placed == copy)
            return s;
    }
    return std::nullopt;
}

void hideGradeAndNote(worksheet::Worksheet& ws, int section) {
    ws.ui.LGrade.setVisible(false);
    ws.ui.Label1(section).setVisible(false);
}

} // namespace

// A twin in view that no slot of its section records goes home, and no slot changes.
void removePlaced(worksheet::Worksheet& ws, int section, int copy) {
    if (!isPlaced(ws, section, copy))
        return;
    const std::optional<int> slot = slotHolding(ws, section, copy);
    hideGradeAndNote(ws, section);
    if (slot)
        ws.model.SlotTable[*slot].Placed = model::kEmpty;
    layout::sendHome(ws.ui, ws.model, copy);
    // Taking a compound out of a reaction forgets its coefficients, even where the other blank
    // of the reaction still holds a compound.
    if (slot)
        layout::hideCoefficients(ws.ui, model::blank(*slot).reaction);
}

void dropOnPlaced(worksheet::Worksheet& ws, int section, int copy) {
    const std::int16_t dragged = ws.model.DraggedCopy;
    const bool placed = isPlaced(ws, section, copy);
    const std::optional<int> slot = placed ? slotHolding(ws, section, copy) : std::nullopt;
    if (!slot) {
        // Nothing here takes the dragged copy, so it goes home rather than stay where the drag
        // left it; a stray twin under it goes home too.
        if (placed) {
            layout::sendHome(ws.ui, ws.model, copy);
            hideGradeAndNote(ws, section);
        }
        layout::sendHome(ws.ui, ws.model, dragged);
        return;
    }
    const auto& old = ws.ui.ImgMolecularOfSection(section, copy);
    auto& twin = ws.ui.ImgMolecularOfSection(section, dragged);
    twin.setLeft(old.left());
    twin.setTop(old.top());
    ws.model.SlotTable[*slot].Placed = dragged;
    layout::sendHome(ws.ui, ws.model, copy);
    hideGradeAndNote(ws, section);
    // The dragged card and its viewport twin leave the screen as after any drop into a blank;
    // left where the drag put them they would show in the viewport's margin later.
    auto& card = ws.ui.ImgMolecular(dragged);
    layout::putAside(ws.ui.ImgMolecular00(dragged), card);
    layout::putAside(card, card);
}

void followOverPlaced(worksheet::Worksheet& ws, int section, int copy, controls::Control& card,
                      QPointF at) {
    const auto& under = ws.ui.ImgMolecularOfSection(section, copy);
    layout::placeGhost(ws.ui.ImgMolecularOfSection(section, ws.model.DraggedCopy),
                       double(under.left()) + at.x(), double(under.top()) + at.y(), card.height());
}

void hintOverPlaced(worksheet::Worksheet& ws, int section, int copy) {
    ws.ui.ImgMolecularOfSection(section, copy).setToolTip(content::texts::kHintRemove);
}

void followOverViewportTwin(worksheet::Worksheet& ws, int copy, controls::Control& card,
                            QPointF at) {
    const auto& under = ws.ui.ImgMolecular00(copy);
    layout::placeGhost(ws.ui.ImgMolecular00(ws.model.DraggedCopy), double(under.left()) + at.x(),
                       double(under.top()) + at.y(), card.height());
}

} // namespace dragging
