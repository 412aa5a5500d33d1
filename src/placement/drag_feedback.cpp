#include "placement/drag_feedback.h"

#include "dragging/ghost.h"
#include "placement/place_copy.h"
#include "worksheet/worksheet.h"

namespace placement {

namespace {

void follow(worksheet::Worksheet& ws, const controls::Control& under, int section,
            controls::Control& Source, float X, float Y) {
    const double h = Source.height();
    const std::int16_t k = ws.model.DraggedCopy;
    double x = double(under.left()) + X;
    double y = double(under.top()) + Y;
    dragging::placeGhost(ws.ui.ImgMolecularOfSection(section, k), x, y, h);
    x += ws.ui.Pic(section).left();
    y += ws.ui.Pic(section).top();
    dragging::placeGhost(ws.ui.ImgMolecular00(k), x, y, h);
    x += ws.ui.PicContainer.left();
    y += ws.ui.PicContainer.top();
    dragging::placeGhost(Source, x, y, h);
}

} // namespace

void ImgSyntactic_DragOver(worksheet::Worksheet& ws, int Index, controls::Control& Source,
                           float X, float Y) {
    follow(ws, ws.ui.ImgSyntactic(Index), sectionOfPicture(Index), Source, X, Y);
}

void tCoefficient_DragOver(worksheet::Worksheet& ws, int Index, controls::Control& Source,
                           float X, float Y) {
    follow(ws, ws.ui.tCoefficient(Index), sectionOfBox(Index), Source, X, Y);
}

} // namespace placement
