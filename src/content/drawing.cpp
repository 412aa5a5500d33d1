#include "content/drawing.h"

#include <QPainter>

namespace content {

void Drawing::draw(QPainter& painter, const QRect& pixels) const {
    if (pixels.isEmpty())
        return;
    const qreal ratio = painter.device()->devicePixelRatioF();
    const Key key(pixels.width(), pixels.height(), ratio);
    if (shownManyTimes() || cache_.count(key) || !paintedOnce_.insert(key).second) {
        painter.drawPixmap(pixels.topLeft(), pixmap(pixels.size(), ratio));
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(pixels.topLeft());
    const QSizeF logical = logicalSize();
    painter.scale(pixels.width() / logical.width(), pixels.height() / logical.height());
    paint(painter);
    painter.restore();
}

QPixmap Drawing::pixmap(QSize size, qreal devicePixelRatio) const {
    if (size.isEmpty())
        return {};
    const Key key(size.width(), size.height(), devicePixelRatio);
    if (const auto found = cache_.find(key); found != cache_.end())
        return found->second;
    QPixmap image(size * devicePixelRatio);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QSizeF logical = logicalSize();
    painter.scale(size.width() / logical.width(), size.height() / logical.height());
    paint(painter);
    painter.end();
    ++renderCount_;
    cache_.emplace(key, image);
    return image;
}

} // namespace content
