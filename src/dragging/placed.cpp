#include "dragging/placed.h"

#include "content/texts.h"
#include "dragging/ghost.h"
#include "layout/coefficient_boxes.h"
#include "layout/return_pictures.h"
#include "worksheet/worksheet.h"

#include <optional>

namespace dragging {

namespace {

struct SlotRange {
    int first;
    int last;
};

constexpr SlotRange kSectionSlots[content::kSections]{{0, 2}, {3, 4}, {5, 5}, {6, 11}, {12, 17}};

// A section twin below its box's top edge has been moved into the section.
bool isPlaced(const worksheet::Worksheet& ws, int section, int copy) {
    return ws.ui.ImgMolecularOfSection(section, copy).top() > 0;
}

// The slot of the section that holds the copy, the first in ascending order.
std::optional<int> slotHolding(const worksheet::Worksheet& ws, int section, int copy) {
    const SlotRange range = kSectionSlots[section];
    for (int s = range.first; s <= range.last; ++s) {
        if (ws.model.SlotTable[s].Placed == copy)
            return s;
    }
    return std::nullopt;
}

void hideGradeAndNote(worksheet::Worksheet& ws, int section) {
    ws.ui.LGrade.setVisible(false);
    ws.ui.Label1(section).setVisible(false);
}

// A twin in view that no slot of its section records: it goes home, and no slot changes.
void returnStray(worksheet::Worksheet& ws, int section, int copy) {
    layout::ReturnPictures(ws, std::int16_t(copy));
    hideGradeAndNote(ws, section);
}

} // namespace

void ImgMolecularSection_DblClick(worksheet::Worksheet& ws, int section, int Index) {
    if (!isPlaced(ws, section, Index))
        return;
    const std::optional<int> slot = slotHolding(ws, section, Index);
    if (!slot) {
        returnStray(ws, section, Index);
        return;
    }
    const int s = *slot;
    ws.ui.LGrade.setVisible(false);
    if (section == 4)
        ws.ui.Label1(4).setVisible(false);
    ws.model.SlotTable[s].Placed = worksheet::kEmpty;
    layout::ReturnPictures(ws, std::int16_t(Index));
    // Taking a compound out of a reaction forgets its coefficients, even where the other blank
    // of the reaction still holds a compound.
    if (section == 0)
        layout::HideCoefficients(ws, std::int16_t(s));
    else if (section == 4)
        layout::HideCoefficients(ws, std::int16_t(8 + (s - 12) / 2));
    if (section != 4)
        ws.ui.Label1(section).setVisible(false);
}

void ImgMolecularSection_DragDrop(worksheet::Worksheet& ws, int section, int Index) {
    const std::int16_t dragged = ws.model.DraggedCopy;
    const std::optional<int> slot =
        isPlaced(ws, section, Index) ? slotHolding(ws, section, Index) : std::nullopt;
    if (!slot) {
        // Nothing here takes the dragged copy, so it goes home rather than stay where the drag
        // left it; a stray twin under it goes home too.
        if (isPlaced(ws, section, Index))
            returnStray(ws, section, Index);
        layout::ReturnPictures(ws, dragged);
        return;
    }
    const auto& old = ws.ui.ImgMolecularOfSection(section, Index);
    auto& twin = ws.ui.ImgMolecularOfSection(section, dragged);
    twin.setLeft(old.left());
    twin.setTop(old.top());
    ws.model.SlotTable[*slot].Placed = dragged;
    layout::ReturnPictures(ws, std::int16_t(Index));
    hideGradeAndNote(ws, section);
    // The dragged card and its viewport twin leave the screen as after any drop into a blank;
    // left where the drag put them they would show in the viewport's margin later.
    auto& card = ws.ui.ImgMolecular(dragged);
    putAside(ws.ui.ImgMolecular00(dragged), card);
    putAside(card, card);
}

void ImgMolecularSection_DragOver(worksheet::Worksheet& ws, int section, int Index,
                                  controls::Control& Source, float X, float Y) {
    const auto& under = ws.ui.ImgMolecularOfSection(section, Index);
    placeGhost(ws.ui.ImgMolecularOfSection(section, ws.model.DraggedCopy),
               double(under.left()) + X, double(under.top()) + Y, Source.height());
}

void ImgMolecularSection_MouseMove(worksheet::Worksheet& ws, int section, int Index) {
    ws.ui.ImgMolecularOfSection(section, Index).setToolTip(content::texts::kHintRemove);
}

void ImgMolecular00_DragOver(worksheet::Worksheet& ws, int Index, controls::Control& Source,
                             float X, float Y) {
    const auto& under = ws.ui.ImgMolecular00(Index);
    placeGhost(ws.ui.ImgMolecular00(ws.model.DraggedCopy), double(under.left()) + X,
               double(under.top()) + Y, Source.height());
}

// A viewport twin takes no compound: the dragged copy goes home instead of being stranded.
void ImgMolecular00_DragDrop(worksheet::Worksheet& ws, int) {
    layout::ReturnPictures(ws, ws.model.DraggedCopy);
}

} // namespace dragging
