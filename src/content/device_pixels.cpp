#include "content/device_pixels.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace content {

namespace {

int roundHalfUp(qreal value) {
    return int(std::floor(value + 0.5));
}

// Pixels of the device a unit of the painter's coordinates spans; the window's painters only
// scale and move.
qreal deviceScale(const QPainter& painter) {
    return painter.deviceTransform().m11();
}

} // namespace

QSize devicePixels(QSize logical, qreal ratio) {
    return QSize(roundHalfUp(logical.width() * ratio), roundHalfUp(logical.height() * ratio));
}

// The window's painters only move and scale, and the palette asks this of every card of its
// stacks at every repaint: the corner is worked out by hand, not through the transform's inverse.
QRectF onDevicePixels(const QPainter& painter, const QRect& area) {
    const QTransform toDevice = painter.deviceTransform();
    if (toDevice.type() > QTransform::TxScale) {
        const QPointF corner = toDevice.map(QPointF(area.topLeft()));
        const QRectF device(QPointF(roundHalfUp(corner.x()), roundHalfUp(corner.y())),
                            QSizeF(devicePixels(area.size(), deviceScale(painter))));
        return toDevice.inverted().mapRect(device);
    }
    const qreal sx = toDevice.m11();
    const qreal sy = toDevice.m22();
    const qreal x = roundHalfUp(area.left() * sx + toDevice.dx());
    const qreal y = roundHalfUp(area.top() * sy + toDevice.dy());
    const QSize pixels = devicePixels(area.size(), sx);
    return QRectF((x - toDevice.dx()) / sx, (y - toDevice.dy()) / sy, pixels.width() / sx,
                  pixels.height() / sy);
}

void fillFrame(QPainter& painter, const QRect& outer, qreal width, const QColor& color) {
    const QRectF area = onDevicePixels(painter, outer);
    const qreal scale = deviceScale(painter);
    const qreal band = std::max(1, roundHalfUp(width * scale)) / scale;
    if (area.width() <= 2 * band || area.height() <= 2 * band) {
        painter.fillRect(area, color);
        return;
    }
    const qreal inner = area.height() - 2 * band;
    painter.fillRect(QRectF(area.left(), area.top(), area.width(), band), color);
    painter.fillRect(QRectF(area.left(), area.bottom() - band, area.width(), band), color);
    painter.fillRect(QRectF(area.left(), area.top() + band, band, inner), color);
    painter.fillRect(QRectF(area.right() - band, area.top() + band, band, inner), color);
}

} // namespace content
