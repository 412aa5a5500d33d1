#include "view/ghost.h"

#include "content/drawings.h"

#include <QPainter>

namespace view {

Ghost::Ghost(QWidget* board, content::PictureCache* pictures)
    : QWidget(board), pictures_(pictures) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void Ghost::carry(int compound, const QRect& pixels) {
    if (compound != compound_) {
        compound_ = compound;
        update();
    }
    setGeometry(pixels);
    show();
}

void Ghost::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    content::cardDrawing(compound_).draw(painter, rect(), pictures_);
}

} // namespace view
