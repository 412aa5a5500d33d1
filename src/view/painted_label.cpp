#include "view/painted_label.h"

#include "content/look.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>

namespace view {

PaintedLabel::PaintedLabel(LabelStyle style, QString text)
    : style_(std::move(style)), text_(std::move(text)) {}

void PaintedLabel::setText(const QString& text) {
    if (text == text_)
        return;
    text_ = text;
    release();
}

void PaintedLabel::release() const {
    rendered_ = {};
    paintedOnce_ = false;
}

QSize PaintedLabel::fittedSize() const {
    const QSize text = QFontMetrics(style_.font).size(Qt::TextSingleLine, text_);
    const int frame = style_.border ? 2 : 0;
    return text + QSize(2 * frame, 2 * frame);
}

void PaintedLabel::paint(QPainter& painter, const QRect& pixels) const {
    const qreal ratio = painter.device()->devicePixelRatioF();
    const bool drawn = rendered_.deviceIndependentSize() == QSizeF(pixels.size()) &&
                       rendered_.devicePixelRatio() == ratio;
    if (!style_.back || (!drawn && !paintedOnce_)) {
        paintedOnce_ = true;
        paintText(painter, pixels);
        return;
    }
    if (!drawn) {
        QPixmap picture(pixels.size() * ratio);
        picture.setDevicePixelRatio(ratio);
        QPainter onPicture(&picture);
        paintText(onPicture, QRect(QPoint(0, 0), pixels.size()));
        onPicture.end();
        rendered_ = picture;
    }
    painter.drawPixmap(pixels.topLeft(), rendered_);
}

void PaintedLabel::paintText(QPainter& painter, const QRect& pixels) const {
    if (style_.back)
        painter.fillRect(pixels, *style_.back);
    if (style_.border) {
        painter.setPen(content::look::kLabelBorder);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(pixels.adjusted(0, 0, -1, -1));
    }
    painter.setFont(style_.font);
    painter.setPen(style_.text);
    const QRect box = style_.border ? pixels.adjusted(2, 1, -2, -1) : pixels;
    painter.drawText(box, int(style_.alignment) | (style_.wordWrap ? Qt::TextWordWrap : 0), text_);
}

} // namespace view
