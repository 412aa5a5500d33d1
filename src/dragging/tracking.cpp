#include "dragging/tracking.h"

#include "layout/ghost.h"
#include "layout/send_home.h"
#include "worksheet/worksheet.h"

namespace dragging {

namespace {

// The three pictures of the dragged copy at one pointer position given in section `section`'s
// box: its twin there, the viewport twin and the card.
void followInSection(worksheet::Worksheet& ws, int section, controls::Control& card, double x,
                     double y) {
    const auto& pic = ws.ui.Pic(section);
    const auto& viewport = ws.ui.PicContainer;
    const std::int16_t k = ws.model.DraggedCopy;
    const double h = card.height();
    layout::placeGhost(ws.ui.ImgMolecularOfSection(section, k), x, y, h);
    layout::placeGhost(ws.ui.ImgMolecular00(k), pic.left() + x, pic.top() + y, h);
    layout::placeGhost(card, viewport.left() + pic.left() + x, viewport.top() + pic.top() + y, h);
}

// The viewport twin and the twins of every visible section, for a pointer in the viewport.
void followInViewport(worksheet::Worksheet& ws, double x, double y, double h) {
    const std::int16_t k = ws.model.DraggedCopy;
    layout::placeGhost(ws.ui.ImgMolecular00(k), x, y, h);
    for (int s = 0; s < model::kSections; ++s) {
        const auto& pic = ws.ui.Pic(s);
        if (pic.isVisible())
            layout::placeGhost(ws.ui.ImgMolecularOfSection(s, k), x - pic.left(), y - pic.top(), h);
    }
}

bool inEdgeZone(const controls::Form& form, QPointF at) {
    const float zone = content::kEdgeZone;
    return at.x() < form.scaleLeft() + zone ||
           at.x() > form.scaleLeft() + form.scaleWidth() - zone ||
           at.y() < form.scaleTop() + zone || at.y() > form.scaleTop() + form.scaleHeight() - zone;
}

} // namespace

void followOverWindow(worksheet::Worksheet& ws, controls::Control& card, QPointF at) {
    // Near the window's edge the drag ends as a drop on the background: the copy goes home.
    if (inEdgeZone(ws.ui.Form1, at)) {
        ws.ui.Form1.router().abandonDrag();
        return;
    }
    const double h = card.height();
    layout::placeGhost(card, at.x(), at.y(), h);
    const auto& viewport = ws.ui.PicContainer;
    followInViewport(ws, at.x() - viewport.left(), at.y() - viewport.top(), h);
}

void followOverViewport(worksheet::Worksheet& ws, controls::Control& card, QPointF at) {
    const auto& viewport = ws.ui.PicContainer;
    const double h = card.height();
    layout::placeGhost(card, viewport.left() + at.x(), viewport.top() + at.y(), h);
    followInViewport(ws, at.x(), at.y(), h);
}

void followOverSection(worksheet::Worksheet& ws, int section, controls::Control& card, QPointF at) {
    if (ws.ui.Pic(section).isVisible())
        followInSection(ws, section, card, at.x(), at.y());
}

void followOverTitle(worksheet::Worksheet& ws, int section, controls::Control& card, QPointF at) {
    if (!ws.ui.Pic(section).isVisible())
        return;
    const auto& title = ws.ui.cTitle(section);
    followInSection(ws, section, card, title.left() + at.x(), title.top() + at.y());
}

void followOverNote(worksheet::Worksheet& ws, int section, controls::Control& card, QPointF at) {
    const auto& note = ws.ui.Label1(section);
    followInSection(ws, section, card, note.left() + at.x(), note.top() + at.y());
}

void parkOverScrollBar(worksheet::Worksheet& ws) {
    layout::sendHome(ws.ui, ws.model, ws.model.DraggedCopy);
}

void dropOnBackground(worksheet::Worksheet& ws) {
    layout::sendHome(ws.ui, ws.model, ws.model.DraggedCopy);
}

} // namespace dragging
