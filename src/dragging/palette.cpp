#include "dragging/palette.h"

#include "content/texts.h"
#include "controls/drawing.h"
#include "layout/ghost.h"
#include "layout/send_home.h"
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

void startDrag(worksheet::Worksheet& ws, int copy) {
    if (!inPalette(ws, copy))
        return;
    // The ghost and its twins draw over every other picture while they follow the pointer.
    for (controls::Image* picture : ws.ui.picturesOf(copy))
        picture->bringToFront();
    ws.model.DraggedCopy = std::int16_t(copy);
    auto& card = ws.ui.ImgMolecular(copy);
    card.setDragIcon(dropIconCursor(ws.ui.DropIcon));
    ws.ui.Form1.router().beginDrag(card);
    // What the last check revealed goes as soon as the student changes the worksheet.
    ws.ui.LGrade.setVisible(false);
    for (int s = 0; s < model::kSections; ++s)
        ws.ui.Label1(s).setVisible(false);
}

void hintOverCard(worksheet::Worksheet& ws, int copy) {
    ws.ui.ImgMolecular(copy).setToolTip(inPalette(ws, copy) ? content::texts::kHintDrag
                                                            : content::texts::kHintRemove);
}

void followOverCard(worksheet::Worksheet& ws, int copy, controls::Control& card, QPointF at) {
    const auto& under = ws.ui.ImgMolecular(copy);
    layout::placeGhost(card, double(under.left()) + at.x(), double(under.top()) + at.y(),
                       card.height());
}

} // namespace dragging
