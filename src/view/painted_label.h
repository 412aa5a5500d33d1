#pragma once

#include "content/label.h"

#include <QPixmap>
#include <QString>

#include <optional>

class QPainter;

namespace view {

// A text painted in its box. One on a background of its own is drawn into a picture the second
// time it is painted at a size, and every later repaint copies that: laying out and drawing a
// word-wrapped note would otherwise take most of the time of the repaint that follows a check.
// The first time it is drawn straight away, as most texts are painted just once.
class PaintedLabel {
public:
    PaintedLabel(content::LabelStyle style, QString text);

    void setText(const QString& text);

    // Paints the text in `pixels`, set for a box of `setFor` pixels and scaled from there.
    void paint(QPainter& painter, const QRect& pixels, QSize setFor) const;
    // The size, in pixels at 100 %, of the box that just holds the text on one line, border
    // included. Measured once per text: the grade's box is asked for its size on every check.
    QSize fittedSize() const;
    // Lets go of the picture, for a text no longer on the screen.
    void release() const;

private:
    content::LabelStyle style_;
    QString text_;
    mutable std::optional<QSize> fitted_;
    mutable QPixmap rendered_;
    mutable bool paintedOnce_ = false;
};

} // namespace view
