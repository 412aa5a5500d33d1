#include "content/drawing.h"

#include "content/prerendered.h"

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
    if (const std::optional<QImage> built =
            borrowedPrerenderedPicture(pictureName(), pixels.size(), ratio)) {
        painter.drawImage(pixels.topLeft(), *built);
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
    if (std::optional<QImage> built = prerenderedPicture(pictureName(), size, devicePixelRatio)) {
        ++loadCount_;
        return cache_.emplace(key, QPixmap::fromImage(std::move(*built))).first->second;
    }
    QPixmap image = QPixmap::fromImage(rendered(size, devicePixelRatio));
    ++renderCount_;
    cache_.emplace(key, image);
    return image;
}

QImage Drawing::rendered(QSize size, qreal devicePixelRatio) const {
    QImage image(size * devicePixelRatio,
                 isOpaque() ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QSizeF logical = logicalSize();
    painter.scale(size.width() / logical.width(), size.height() / logical.height());
    paint(painter);
    painter.end();
    return image;
}

} // namespace content
