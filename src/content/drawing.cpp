#include "content/drawing.h"

#include "content/device_pixels.h"
#include "content/picture_cache.h"
#include "content/prerendered.h"

#include <QPainter>

namespace content {

namespace {

// Copies a picture whose pixels are the device's to `at`, a whole pixel of the device. On a screen
// scaled by a fraction the painter would take it for a picture to scale, pixel by pixel at
// several times the cost; undoing the scale leaves a plain copy.
void copyToDevice(QPainter& painter, QPointF at, const QImage& picture) {
    const qreal scale = painter.deviceTransform().m11();
    if (scale == 1 || picture.devicePixelRatio() != scale) {
        painter.drawImage(at, picture);
        return;
    }
    const QImage pixels(picture.constBits(), picture.width(), picture.height(),
                        picture.bytesPerLine(), picture.format());
    painter.save();
    painter.scale(1 / scale, 1 / scale);
    painter.drawImage(at * scale, pixels);
    painter.restore();
}

} // namespace

void Drawing::draw(QPainter& painter, const QRect& area, PictureCache* cache, int times) const {
    if (area.isEmpty() || times < 1)
        return;
    const qreal ratio = painter.device()->devicePixelRatioF();
    const QRectF target = onDevicePixels(painter, area);
    const QSize pixels = devicePixels(area.size(), ratio);
    const Key key(pixels.width(), pixels.height(), ratio);
    if (shownManyTimes() || times > 1 || cache_.count(key) || !paintedOnce_.insert(key).second) {
        const QPixmap picture = pixmap(pixels, ratio, cache);
        for (int drawn = 0; drawn < times; ++drawn)
            painter.drawPixmap(target.topLeft(), picture);
        return;
    }
    if (const std::optional<QImage> built = prerenderedPicture(pictureName(), pixels, ratio)) {
        copyToDevice(painter, target.topLeft(), *built);
        return;
    }
    if (cache && !pictureName().isEmpty()) {
        copyToDevice(painter, target.topLeft(), cachedPicture(pixels, ratio, *cache));
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paintInto(painter, target);
    painter.restore();
}

QPixmap Drawing::pixmap(QSize pixels, qreal devicePixelRatio, PictureCache* cache) const {
    if (pixels.isEmpty())
        return {};
    const Key key(pixels.width(), pixels.height(), devicePixelRatio);
    if (const auto found = cache_.find(key); found != cache_.end())
        return found->second;
    if (std::optional<QImage> built = prerenderedPicture(pictureName(), pixels, devicePixelRatio))
        return cache_.emplace(key, QPixmap::fromImage(std::move(*built))).first->second;
    if (cache && !pictureName().isEmpty())
        return cache_
            .emplace(key, QPixmap::fromImage(cachedPicture(pixels, devicePixelRatio, *cache)))
            .first->second;
    return cache_.emplace(key, QPixmap::fromImage(rendered(pixels, devicePixelRatio)))
        .first->second;
}

QImage Drawing::cachedPicture(QSize pixels, qreal ratio, PictureCache& cache) const {
    if (std::optional<QImage> kept = cache.find(pictureName(), pixels, ratio))
        return *kept;
    QImage image = rendered(pixels, ratio);
    cache.keep(pictureName(), image);
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
