#pragma once

#include <QAccessible>
#include <QWidget>

#include <functional>

class QKeyEvent;

namespace assistive {

// A keyboard stop over a place that is drawn rather than made of widgets: a blank, the grade.
// It takes the focus in the tab order, frames its place while it has the focus, and offers its
// keys to `keyPressed`, which says whether it used them; the pointer passes through it to what
// lies below, so the mouse never notices it.
class KeyboardStop : public QWidget {
public:
    // `place` in pixels of `parent`; `role` is what a screen reader calls it.
    KeyboardStop(QWidget* parent, const QRect& place, QAccessible::Role role = QAccessible::Button);

    std::function<bool(const QKeyEvent&)> keyPressed;
    // What a screen reader's "press" does; none when it is empty.
    std::function<void()> pressed;
    // Called when the focus leaves the stop.
    std::function<void()> focusLeft;

    void setPlace(const QRect& place);
    QAccessible::Role role() const { return role_; }

    // What a screen reader says of the place; a new name is announced at once.
    const QString& name() const { return name_; }
    void setName(const QString& name);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QAccessible::Role role_;
    QString name_;
};

// What a screen reader finds on a keyboard stop; installAccessibleFactories() installs it.
QAccessibleInterface* keyboardStopInterface(const QString& key, QObject* object);

} // namespace assistive
