#include "dragging/palette.h"

#include "content/texts.h"
#include "controls/drawing.h"
#include "dragging/ghost.h"
#include "layout/return_pictures.h"
#include "worksheet/worksheet.h"

#include <QGuiApplication>

namespace dragging {

namespace {

// A card counts as lying in the palette while it is not below the viewport's top edge.
bool inPalette(const worksheet::Worksheet& ws, int copy) {
    return !(ws.ui.ImgMolecular(copy).top() > ws.ui.PicContainer.top());
}

QCursor dropIconCursor(const controls::Image& dropIcon) {
    const QPixmap icon = dropIcon.picture()->pixmap(QSize(32, 32), qApp->devicePixelRatio());
    return QCursor(icon, 16, 16);
}

} // namespace

void ImgMolecular_MouseDown(worksheet::Worksheet& ws, int Index) {
    if (!inPalette(ws, Index))
        return;
    // The ghost and its twins draw over every other picture while they follow the pointer.
    for (controls::Image* picture : ws.ui.picturesOf(Index))
        picture->bringToFront();
    ws.model.DraggedCopy = std::int16_t(Index);
    auto& card = ws.ui.ImgMolecular(Index);
    card.setDragIcon(dropIconCursor(ws.ui.DropIcon));
    ws.ui.Form1.router().beginDrag(card);
    // What the last check revealed goes as soon as the student changes the worksheet.
    ws.ui.LGrade.setVisible(false);
    for (int s = 0; s < content::kSections; ++s)
        ws.ui.Label1(s).setVisible(false);
}

void ImgMolecular_MouseMove(worksheet::Worksheet& ws, int Index) {
    ws.ui.ImgMolecular(Index).setToolTip(inPalette(ws, Index) ? content::texts::kHintDrag
                                                              : content::texts::kHintRemove);
}

void ImgMolecular_MouseUp(worksheet::Worksheet& ws, int) { ws.ui.Form1.router().endDrag(); }

void ImgMolecular_DragOver(worksheet::Worksheet& ws, int Index, controls::Control& Source,
                           float X, float Y) {
    const auto& under = ws.ui.ImgMolecular(Index);
    placeGhost(Source, double(under.left()) + X, double(under.top()) + Y, Source.height());
}

// Every drop on a card sends the dragged copy home; a card below the palette could otherwise
// keep a dragged copy from both its slot and its column.
void ImgMolecular_DragDrop(worksheet::Worksheet& ws, int) {
    layout::ReturnPictures(ws, ws.model.DraggedCopy);
}

} // namespace dragging
