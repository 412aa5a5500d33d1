#include "dragging/tracking.h"

#include "dragging/ghost.h"
#include "layout/return_pictures.h"
#include "worksheet/worksheet.h"

namespace dragging {

namespace {

// The three pictures of the dragged copy at one pointer position given in section `section`'s
// box: its twin there, the viewport twin and the card.
void followInSection(worksheet::Worksheet& ws, int section, controls::Control& Source, double x,
                     double y) {
    const auto& pic = ws.ui.Pic(section);
    const auto& viewport = ws.ui.PicContainer;
    const std::int16_t k = ws.model.DraggedCopy;
    const double h = Source.height();
    placeGhost(ws.ui.ImgMolecularOfSection(section, k), x, y, h);
    placeGhost(ws.ui.ImgMolecular00(k), pic.left() + x, pic.top() + y, h);
    placeGhost(Source, viewport.left() + pic.left() + x, viewport.top() + pic.top() + y, h);
}

// The viewport twin and the twins of every visible section, for a pointer in the viewport.
void followInViewport(worksheet::Worksheet& ws, double x, double y, double h) {
    const std::int16_t k = ws.model.DraggedCopy;
    placeGhost(ws.ui.ImgMolecular00(k), x, y, h);
    for (int s = 0; s < content::kSections; ++s) {
        const auto& pic = ws.ui.Pic(s);
        if (pic.isVisible())
            placeGhost(ws.ui.ImgMolecularOfSection(s, k), x - pic.left(), y - pic.top(), h);
    }
}

} // namespace

void Form_DragOver(worksheet::Worksheet& ws, controls::Control& Source, float X, float Y) {
    const auto& form = ws.ui.Form1;
    if (X < form.scaleLeft() + kEdgeZone || X > form.scaleLeft() + form.scaleWidth() - kEdgeZone ||
        Y < form.scaleTop() + kEdgeZone || Y > form.scaleTop() + form.scaleHeight() - kEdgeZone) {
        ws.ui.Form1.router().endDrag();
        layout::ReturnPictures(ws, ws.model.DraggedCopy);
        return;
    }
    const double h = Source.height();
    placeGhost(Source, X, Y, h);
    const auto& viewport = ws.ui.PicContainer;
    followInViewport(ws, double(X) - viewport.left(), double(Y) - viewport.top(), h);
}

void PicContainer_DragOver(worksheet::Worksheet& ws, controls::Control& Source, float X, float Y) {
    const auto& viewport = ws.ui.PicContainer;
    const double h = Source.height();
    placeGhost(Source, viewport.left() + double(X), viewport.top() + double(Y), h);
    followInViewport(ws, X, Y, h);
}

void Pic_DragOver(worksheet::Worksheet& ws, int Index, controls::Control& Source, float X,
                  float Y) {
    if (ws.ui.Pic(Index).isVisible())
        followInSection(ws, Index, Source, X, Y);
}

void cTitle_DragOver(worksheet::Worksheet& ws, int Index, controls::Control& Source, float X,
                     float Y) {
    if (!ws.ui.Pic(Index).isVisible())
        return;
    const auto& title = ws.ui.cTitle(Index);
    followInSection(ws, Index, Source, title.left() + double(X), title.top() + double(Y));
}

void Label1_DragOver(worksheet::Worksheet& ws, int Index, controls::Control& Source, float X,
                     float Y) {
    const auto& note = ws.ui.Label1(Index);
    followInSection(ws, Index, Source, note.left() + double(X), note.top() + double(Y));
}

void VScroll1_DragOver(worksheet::Worksheet& ws) {
    layout::ReturnPictures(ws, ws.model.DraggedCopy);
}

void Background_DragDrop(worksheet::Worksheet& ws) {
    layout::ReturnPictures(ws, ws.model.DraggedCopy);
}

void VScroll1_DragDrop(worksheet::Worksheet& ws) {
    ws.ui.Form1.router().endDrag();
    layout::ReturnPictures(ws, ws.model.DraggedCopy);
}

} // namespace dragging
