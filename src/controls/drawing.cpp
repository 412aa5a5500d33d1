#include "controls/drawing.h"

#include <QPainter>

namespace controls {

QPixmap Drawing::pixmap(QSize size, qreal devicePixelRatio) const {
    if (size.isEmpty())
        return {};
    const auto key = std::make_tuple(size.width(), size.height(), devicePixelRatio);
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

} // namespace controls
