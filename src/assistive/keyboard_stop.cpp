#include "assistive/keyboard_stop.h"

#include "content/device_pixels.h"
#include "content/look.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>

namespace assistive {

namespace {

// The frame lies this many pixels outside the place, so that it never hides what is in it.
constexpr int kFrameGap = 3;

// A keyboard stop keeps its own name, which it announces itself when it changes, and answers a
// screen reader's "press" as its key would.
class KeyboardStopAccessible : public QAccessibleWidget {
public:
    explicit KeyboardStopAccessible(KeyboardStop* stop) : QAccessibleWidget(stop, stop->role()) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return stop()->name();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (stop()->pressed)
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& action) override {
        if (action == pressAction() && stop()->pressed)
            stop()->pressed();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    KeyboardStop* stop() const { return static_cast<KeyboardStop*>(widget()); }
};

} // namespace

QAccessibleInterface* keyboardStopInterface(const QString&, QObject* object) {
    if (auto* stop = dynamic_cast<KeyboardStop*>(object))
        return new KeyboardStopAccessible(stop);
    return nullptr;
}

KeyboardStop::KeyboardStop(QWidget* parent, const QRect& place, QAccessible::Role role)
    : QWidget(parent), role_(role) {
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setPlace(place);
    show();
}

void KeyboardStop::setPlace(const QRect& place) {
    const int margin = kFrameGap + content::look::kFocusFrameWidth;
    setGeometry(place.adjusted(-margin, -margin, margin, margin));
}

void KeyboardStop::setName(const QString& name) {
    if (name == name_)
        return;
    name_ = name;
    QAccessibleEvent notice(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&notice);
}

void KeyboardStop::paintEvent(QPaintEvent*) {
    if (!hasFocus())
        return;
    QPainter painter(this);
    content::fillFrame(painter, rect(), content::look::kFocusFrameWidth,
                       content::look::kFocusFrame);
}

void KeyboardStop::keyPressEvent(QKeyEvent* event) {
    if (keyPressed && keyPressed(*event))
        event->accept();
    else
        QWidget::keyPressEvent(event);
}

void KeyboardStop::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void KeyboardStop::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
    if (focusLeft)
        focusLeft();
}

} // namespace assistive
