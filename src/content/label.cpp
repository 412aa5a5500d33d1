#include "content/label.h"

#include "content/fonts.h"
#include "content/look.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace content {

LabelStyle titleStyle() {
    return {
        controlFont(9.75, true), look::kTitleText, look::kTitleBack, Qt::AlignCenter, false, true};
}

LabelStyle noteStyle() {
    return {controlFont(9.75, false),     look::kText, look::kGround,
            Qt::AlignLeft | Qt::AlignTop, true,        false};
}

LabelStyle gradeStyle() {
    return {controlFont(24, true),
            look::kGradeText,
            look::kGradeBack,
            Qt::AlignRight | Qt::AlignVCenter,
            false,
            true};
}

void paintLabel(QPainter& painter, const QRect& pixels, const LabelStyle& style,
                const QString& text) {
    if (style.back)
        painter.fillRect(pixels, *style.back);
    if (style.border) {
        // Never thinner than a pixel of the screen, which would fade it.
        painter.setPen(
            QPen(look::kLabelBorder, std::max(1.0, 1 / painter.deviceTransform().m11())));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(pixels.adjusted(0, 0, -1, -1));
    }
    painter.setFont(style.font);
    painter.setPen(style.text);
    const QRect box = style.border ? pixels.adjusted(2, 1, -2, -1) : pixels;
    painter.drawText(box, int(style.alignment) | (style.wordWrap ? Qt::TextWordWrap : 0), text);
}

QSize fittedLabelSize(const LabelStyle& style, const QString& text) {
    const QSize size = QFontMetrics(style.font).size(Qt::TextSingleLine, text);
    const int frame = style.border ? 2 : 0;
    return size + QSize(2 * frame, 2 * frame);
}

} // namespace content
