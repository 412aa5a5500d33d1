#include "view/painted_label.h"

#include "content/device_pixels.h"

#include <QPaintDevice>
#include <QPainter>

namespace view {

PaintedLabel::PaintedLabel(content::LabelStyle style, QString text)
    : style_(std::move(style)), text_(std::move(text)) {}

void PaintedLabel::setText(const QString& text) {
    if (text == text_)
        return;
    text_ = text;
    fitted_.reset();
    release();
}

QSize PaintedLabel::fittedSize() const {
    if (!fitted_)
        fitted_ = content::fittedLabelSize(style_, text_);
    return *fitted_;
}

void PaintedLabel::release() const {
    rendered_ = {};
    paintedOnce_ = false;
}

// The label is set at its size at 100 % and scaled from there, so that a note breaks its lines
// alike at every zoom; it begins on a whole pixel of the device.
void PaintedLabel::paint(QPainter& painter, const QRect& pixels, QSize setFor) const {
    if (pixels.isEmpty() || setFor.isEmpty())
        return;
    const qreal ratio = painter.device()->devicePixelRatioF();
    const QPointF corner = content::onDevicePixels(painter, pixels).topLeft();
    const auto paintScaled = [&](QPainter& on, QPointF at) {
        on.save();
        on.translate(at);
        on.scale(qreal(pixels.width()) / setFor.width(), qreal(pixels.height()) / setFor.height());
        content::paintLabel(on, QRect(QPoint(0, 0), setFor), style_, text_);
        on.restore();
    };
    const QSize devicePixels = content::devicePixels(pixels.size(), ratio);
    const bool drawn = rendered_.size() == devicePixels && rendered_.devicePixelRatio() == ratio;
    if (!style_.back || (!drawn && !paintedOnce_)) {
        paintedOnce_ = true;
        paintScaled(painter, corner);
        return;
    }
    if (!drawn) {
        QPixmap picture(devicePixels);
        picture.setDevicePixelRatio(ratio);
        picture.fill(*style_.back);
        QPainter onPicture(&picture);
        paintScaled(onPicture, QPointF(0, 0));
        onPicture.end();
        rendered_ = picture;
    }
    painter.drawPixmap(corner, rendered_);
}

} // namespace view
