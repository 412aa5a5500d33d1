#include "view/ghost.h"

#include "content/drawings.h"

#include <QPaintEvent>
#include <QPainter>

namespace view {

Ghost::Ghost(QWidget* board, content::PictureCache* pictures)
    : QWidget(board), pictures_(pictures) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(board->rect());
}

void Ghost::show(int compound, const QRect& pixels) {
    if (place_ == pixels && compound_ == compound)
        return;
    if (place_)
        update(*place_);
    compound_ = compound;
    place_ = pixels;
    update(pixels);
}

void Ghost::clear() {
    if (!place_)
        return;
    update(*place_);
    place_.reset();
}

void Ghost::paintEvent(QPaintEvent* event) {
    if (!place_ || !place_->intersects(event->rect()))
        return;
    QPainter painter(this);
    content::cardDrawing(compound_).draw(painter, *place_, pictures_);
}

} // namespace view
