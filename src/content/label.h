#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include <optional>

class QPainter;

// The texts of the window that sit in boxes of their own: a section's title on its tab, a
// section's note, the grade.
namespace content {

// How such a text is set.
struct LabelStyle {
    QFont font;
    QColor text;
    // None lets what lies below show through.
    std::optional<QColor> back;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    bool wordWrap = false;
    bool border = false;
};

LabelStyle titleStyle();
LabelStyle noteStyle();
LabelStyle gradeStyle();

// Paints `text` in `pixels`: the background, the single border, the text inside.
void paintLabel(QPainter& painter, const QRect& pixels, const LabelStyle& style,
                const QString& text);

// The size, in pixels, of the box that just holds `text` on one line, border included.
QSize fittedLabelSize(const LabelStyle& style, const QString& text);

} // namespace content
