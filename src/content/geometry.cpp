#include "content/geometry.h"

namespace content {

model::Rect paletteCard(int column) {
    const double paletteRight = kGradeCorner.x();
    const double vg = (kViewport.top - kCardHeight) / 2;
    const double hg = (paletteRight - kViewport.left - model::kCompounds * kCardWidth) / 6;
    return {(kCardWidth + hg) * column + (hg + kViewport.left), vg, kCardWidth, kCardHeight};
}

model::Rect sectionBox(int section) {
    const model::Rect& frame = model::section(section).frame;
    const double height = frame.height + 2 * frame.top;
    return {kViewport.width / 2 - model::kSectionWidth / 2, kViewport.height / 2 - height / 2,
            model::kSectionWidth, height};
}

model::Rect placedCard(int blank) {
    const int number = model::reactionOfBlank(blank);
    const model::Reaction& reaction = model::reaction(number);
    const model::Rect& picture = reaction.place;
    const model::CardPlace& place = model::blankRecord(blank).card;
    double origin = 0;
    switch (place.origin) {
    case model::CardPlace::Origin::PictureRight:
        origin = picture.right();
        break;
    case model::CardPlace::Origin::SplitInPicture:
        origin = reaction.split - picture.left;
        break;
    case model::CardPlace::Origin::Split:
        origin = reaction.split;
        break;
    case model::CardPlace::Origin::SectionBox:
        break;
    }
    const double left = origin - (place.rightEdge ? kCardWidth : 0) + place.offset;
    // Centred on the picture's middle line, a little raised.
    const double top = picture.top + picture.height / 2 - kCardHeight / 2 - model::kCardRaise;
    return {left, top, kCardWidth, kCardHeight};
}

model::Rect slotOf(int blank) {
    const model::Reaction& reaction = model::reaction(model::reactionOfBlank(blank));
    const model::Rect& picture = reaction.place;
    const model::Span& span = model::blankRecord(blank).slot;
    const model::Band& band = reaction.row->slot;
    const double sx = picture.width / 16000;
    const double sy = picture.height / reaction.row->height;
    return {picture.left + span.left * sx, picture.top + band.top * sy,
            (span.right - span.left) * sx, (band.bottom - band.top) * sy};
}

model::Rect coefficientBox(int box) {
    const model::BoxRecord& record = model::boxRecord(box);
    return {record.left, record.top, kBoxWidth, kBoxHeight};
}

model::Rect ghostAt(QPointF pointer) {
    return {pointer.x() + kGhostOffset, pointer.y() - kCardHeight / 2, kCardWidth, kCardHeight};
}

bool inEdgeZone(QPointF client) {
    return client.x() < kClientArea.left + kEdgeZone ||
           client.x() > kClientArea.right() - kEdgeZone ||
           client.y() < kClientArea.top + kEdgeZone ||
           client.y() > kClientArea.bottom() - kEdgeZone;
}

} // namespace content
