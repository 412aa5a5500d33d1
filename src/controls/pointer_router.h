#pragma once

#include <QObject>
#include <QPointF>

#include <functional>

namespace controls {

class Control;
class Form;

// Carries the pointer through the control tree on the twips geometry: mouse events to the
// control under the pointer (or to the control that was pressed, while a button is held), and,
// during a manual drag, drag-over and drop to whatever lies under the pointer. Real mouse input
// and positions injected by tests take the same path: everything arrives here in twips of the
// form's client area.
class PointerRouter : public QObject {
public:
    explicit PointerRouter(Form& form);
    ~PointerRouter() override;

    void press(QPointF client, Qt::MouseButton button, Qt::KeyboardModifiers modifiers = {});
    void move(QPointF client, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers = {});
    void release(QPointF client, Qt::MouseButton button, Qt::KeyboardModifiers modifiers = {});
    void doubleClick(QPointF client, Qt::MouseButton button, Qt::KeyboardModifiers modifiers = {});

    // Starts a manual drag of `source` at once, with no movement threshold.
    void beginDrag(Control& source);
    // Ends the drag and drops the source where the pointer is; nothing happens without a drag.
    void endDrag();
    // Ends a drag that the student did not end (the window lost activation, or a release never
    // arrived) with a drop on the window background, whatever lies under the pointer.
    void abandonDrag();
    bool isDragging() const { return dragSource_ != nullptr; }
    Control* dragSource() const { return dragSource_; }

    QPointF pointer() const { return pointer_; }

    // Called once the handlers of a press, release, double-click or drop have all run, for
    // whatever must follow the window's new state.
    void setSettledHandler(std::function<void()> handler) { settled_ = std::move(handler); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class DropOn { UnderPointer, Background };
    void deliverDragOver();
    void drop(DropOn where = DropOn::UnderPointer);
    void settle() const;
    QPointF clientFromGlobal(QPointF global) const;

    Form& form_;
    QPointF pointer_;
    Control* captured_ = nullptr;
    Control* pressed_ = nullptr;
    Control* dragSource_ = nullptr;
    Control* dragTarget_ = nullptr;
    bool cursorOverridden_ = false;
    std::function<void()> settled_;
};

} // namespace controls
