#include "content/drawing.h"

#include "content/device_pixels.h"
#include "content/prerendered.h"

#include <QPainter>

namespace content {

void Drawing::draw(QPainter& painter, const QRect& area) const {
    if (area.isEmpty())
        return;
    const qreal ratio = painter.device()->devicePixelRatioF();
    const QRectF target = onDevicePixels(painter, area);
    const QSize pixels = devicePixels(area.size(), ratio);
    const Key key(pixels.width(), pixels.height(), ratio);
    if (shownManyTimes() || cache_.count(key) || !paintedOnce_.insert(key).second) {
        painter.drawPixmap(target.topLeft(), pixmap(pixels, ratio));
        return;
    }
    if (const std::optional<QImage> built =
            borrowedPrerenderedPicture(pictureName(), pixels, ratio)) {
        painter.drawImage(target.topLeft(), *built);
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paintInto(painter, target);
    painter.restore();
}

QPixmap Drawing::pixmap(QSize pixels, qreal devicePixelRatio) const {
    if (pixels.isEmpty())
        return {};
    const Key key(pixels.width(), pixels.height(), devicePixelRatio);
    if (const auto found = cache_.find(key); found != cache_.end())
        return found->second;
    if (std::optional<QImage> built = prerenderedPicture(pictureName(), pixels, devicePixelRatio)) {
        ++loadCount_;
        return cache_.emplace(key, QPixmap::fromImage(std::move(*built))).first->second;
    }
    const QPixmap image = QPixmap::fromImage(rendered(pixels, devicePixelRatio));
    ++renderCount_;
    cache_.emplace(key, image);
    return image;
}

QImage Drawing::rendered(QSize pixels, qreal devicePixelRatio) const {
    QImage image(pixels, isOpaque() ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paintInto(painter, QRectF(QPointF(0, 0), QSizeF(pixels) / devicePixelRatio));
    painter.end();
    return image;
}

void Drawing::paintInto(QPainter& painter, const QRectF& target) const {
    painter.translate(target.topLeft());
    const QSizeF logical = logicalSize();
    painter.scale(target.width() / logical.width(), target.height() / logical.height());
    paint(painter);
}

} // namespace content
