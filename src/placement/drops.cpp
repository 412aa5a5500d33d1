#include "placement/drops.h"

#include "layout/coefficient_boxes.h"
#include "layout/ghost.h"
#include "layout/send_home.h"
#include "worksheet/worksheet.h"

namespace placement {

namespace {

// Where the compound of `side` of reaction picture `P` lies across its section box, for a card
// `width` wide.
double cardLeft(const model::Reaction& reaction, int side, const controls::Image& P, double width) {
    const model::CardPlace& place = reaction.cards[side];
    double origin = 0;
    switch (place.origin) {
    case model::CardPlace::Origin::PictureRight:
        origin = double(P.left()) + P.width();
        break;
    case model::CardPlace::Origin::SplitInPicture:
        origin = reaction.split - P.left();
        break;
    case model::CardPlace::Origin::Split:
        origin = reaction.split;
        break;
    case model::CardPlace::Origin::SectionBox:
        break;
    }
    return origin - (place.rightEdge ? width : 0) + place.offset;
}

// Lays the dragged copy into `slot`: a compound already there goes home, the slot records the
// copy, its section twin covers the blank (centred on the picture's middle line, a little
// raised), and the card and its viewport twin leave the screen.
void placeInBlank(worksheet::Worksheet& ws, int slot, controls::Control& card) {
    const model::Blank& blank = model::blank(slot);
    const model::Reaction& reaction = model::reaction(blank.reaction);
    const controls::Image& P = ws.ui.ImgSyntactic(blank.reaction);
    const std::int16_t k = ws.model.DraggedCopy;
    auto& placed = ws.model.SlotTable[slot].Placed;
    if (placed != model::kEmpty)
        layout::sendHome(ws.ui, ws.model, placed);
    placed = k;
    auto& twin = ws.ui.ImgMolecularOfSection(reaction.section, k);
    twin.setTop(float(P.top() + P.height() / 2.0 - card.height() / 2.0 - model::kCardRaise));
    twin.setLeft(float(cardLeft(reaction, blank.side, P, card.width())));
    layout::putAside(ws.ui.ImgMolecular00(k), card);
    layout::putAside(card, card);
}

// A reaction whose blanks are all filled shows its coefficient boxes.
void showCoefficientsIfComplete(worksheet::Worksheet& ws, int picture) {
    const model::BlankRange blanks = model::blanksOf(picture);
    for (int slot = blanks.first; slot < blanks.first + blanks.count; ++slot) {
        if (ws.model.SlotTable[slot].Placed == model::kEmpty)
            return;
    }
    layout::showCoefficients(ws.ui, picture);
}

} // namespace

void dropOnReaction(worksheet::Worksheet& ws, int picture, controls::Control& card, QPointF at) {
    const model::Reaction& reaction = model::reaction(picture);
    const model::BlankRange blanks = model::blanksOf(picture);
    int slot = blanks.first;
    if (blanks.count == 2) {
        const float split = reaction.split - ws.ui.ImgSyntactic(picture).left();
        if (!(at.x() < split))
            slot = blanks.first + 1;
    }
    placeInBlank(ws, slot, card);
    showCoefficientsIfComplete(ws, picture);
}

void dropOnBox(worksheet::Worksheet& ws, int box, controls::Control& card) {
    const int slot = model::box(box).fills;
    placeInBlank(ws, slot, card);
    // Every complete reaction of the section shows its boxes again, not only this one.
    const int section = model::sectionOfBlank(slot);
    for (const model::CoefficientGroup& group : model::kGroupTable) {
        if (model::sectionOfReaction(group.reaction) == section)
            showCoefficientsIfComplete(ws, group.reaction);
    }
}

} // namespace placement
