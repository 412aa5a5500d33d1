#include "support/on_white.h"

#include "content/drawings.h"

#include <QPainter>

QImage onWhite(const QPixmap& picture, int times) {
    QImage image(picture.size(), QImage::Format_RGB32);
    image.setDevicePixelRatio(picture.devicePixelRatio());
    image.fill(Qt::white);
    QPainter painter(&image);
    for (int i = 0; i < times; ++i)
        painter.drawPixmap(0, 0, picture);
    return image;
}

QImage cardsOnWhite(int compound, QSize size, int count) {
    return onWhite(content::cardDrawing(compound).pixmap(size, 1), count);
}
