#include "controls/focus_stop.h"

#include "controls/form.h"
#include "controls/frame_painting.h"

#include <QKeyEvent>
#include <QPainter>

namespace controls {

namespace {

// The frame lies this many pixels outside the place, so that it never hides what is in it.
constexpr int kFrameGap = 3;
constexpr int kFrameWidth = 2;
// Dark enough to stand out on the white section, the yellow reactions and the green cards.
const QColor kFrameColor(0, 0, 160);

} // namespace

FocusStop::FocusStop(Container& container, const QRectF& twips, QAccessible::Role role)
    : QWidget(container.widget()), container_(container), role_(role) {
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setPlace(twips);
    show();
}

void FocusStop::setPlace(const QRectF& twips) {
    const int margin = kFrameGap + kFrameWidth;
    setGeometry(container_.toPixels(twips).adjusted(-margin, -margin, margin, margin));
}

void FocusStop::setName(const QString& name) {
    if (name == name_)
        return;
    name_ = name;
    QAccessibleEvent notice(this, QAccessible::NameChanged);
    container_.form().announce(notice);
}

void FocusStop::paintEvent(QPaintEvent*) {
    if (!hasFocus())
        return;
    QPainter painter(this);
    fillFrame(painter, rect(), kFrameWidth, kFrameColor);
}

void FocusStop::keyPressEvent(QKeyEvent* event) {
    if (keyPressed && keyPressed(*event))
        event->accept();
    else
        QWidget::keyPressEvent(event);
}

void FocusStop::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void FocusStop::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
    if (focusLeft)
        focusLeft();
}

} // namespace controls
