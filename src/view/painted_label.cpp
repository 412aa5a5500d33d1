#include "view/painted_label.h"

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

void PaintedLabel::paint(QPainter& painter, const QRect& pixels) const {
    const qreal ratio = painter.device()->devicePixelRatioF();
    const bool drawn = rendered_.deviceIndependentSize() == QSizeF(pixels.size()) &&
                       rendered_.devicePixelRatio() == ratio;
    if (!style_.back || (!drawn && !paintedOnce_)) {
        paintedOnce_ = true;
        content::paintLabel(painter, pixels, style_, text_);
        return;
    }
    if (!drawn) {
        QPixmap picture(pixels.size() * ratio);
        picture.setDevicePixelRatio(ratio);
        QPainter onPicture(&picture);
        content::paintLabel(onPicture, QRect(QPoint(0, 0), pixels.size()), style_, text_);
        onPicture.end();
        rendered_ = picture;
    }
    painter.drawPixmap(pixels.topLeft(), rendered_);
}

} // namespace view
