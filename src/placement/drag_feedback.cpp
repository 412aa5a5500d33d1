#include "placement/drag_feedback.h"

#include "layout/ghost.h"
#include "worksheet/worksheet.h"

namespace placement {

namespace {

void follow(worksheet::Worksheet& ws, const controls::Control& under, int section,
            controls::Control& card, QPointF at) {
    const double h = card.height();
    const std::int16_t k = ws.model.DraggedCopy;
    double x = double(under.left()) + at.x();
    double y = double(under.top()) + at.y();
    layout::placeGhost(ws.ui.ImgMolecularOfSection(section, k), x, y, h);
    x += ws.ui.Pic(section).left();
    y += ws.ui.Pic(section).top();
    layout::placeGhost(ws.ui.ImgMolecular00(k), x, y, h);
    x += ws.ui.PicContainer.left();
    y += ws.ui.PicContainer.top();
    layout::placeGhost(card, x, y, h);
}

} // namespace

void followOverReaction(worksheet::Worksheet& ws, int picture, controls::Control& card,
                        QPointF at) {
    follow(ws, ws.ui.ImgSyntactic(picture), model::sectionOfReaction(picture), card, at);
}

void followOverBox(worksheet::Worksheet& ws, int box, controls::Control& card, QPointF at) {
    follow(ws, ws.ui.tCoefficient(box), model::sectionOfBox(box), card, at);
}

} // namespace placement
