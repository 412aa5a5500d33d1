#include "controls/pointer_router.h"

#include "controls/form.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

namespace controls {

namespace {

// The window background takes whatever lies outside the client area, so that a drag released
// outside the window still ends somewhere.
Hit hitAt(Form& form, QPointF client) {
    if (!form.contains(client))
        return {&form, client};
    return form.hitTest(client);
}

MouseEventArgs argsAt(const Control& control, QPointF client, Qt::MouseButtons buttons,
                      Qt::KeyboardModifiers modifiers) {
    const QPointF local = client - control.originInForm();
    return {buttons, modifiers, float(local.x()), float(local.y())};
}

} // namespace

PointerRouter::PointerRouter(Form& form) : form_(form) { qApp->installEventFilter(this); }

PointerRouter::~PointerRouter() {
    if (cursorOverridden_)
        QApplication::restoreOverrideCursor();
}

void PointerRouter::press(QPointF client, Qt::MouseButton button,
                          Qt::KeyboardModifiers modifiers) {
    pointer_ = client;
    if (isDragging())
        return;
    Control* target = hitAt(form_, client).control;
    captured_ = pressed_ = target;
    if (const auto& handler = target->handlers().mouseDown)
        handler(target->index(), argsAt(*target, client, button, modifiers));
    // The drag starts with the press itself: what lies under the pointer hears of it at once.
    if (isDragging() && !dragTarget_)
        deliverDragOver();
    settle();
}

void PointerRouter::move(QPointF client, Qt::MouseButtons buttons,
                         Qt::KeyboardModifiers modifiers) {
    pointer_ = client;
    if (isDragging()) {
        // A drag outlives no button, but a release that never reached us was not made over
        // what lies under the pointer now.
        if (buttons == Qt::NoButton)
            abandonDrag();
        else
            deliverDragOver();
        return;
    }
    if (buttons == Qt::NoButton)
        captured_ = nullptr;
    Control* target = captured_ ? captured_ : hitAt(form_, client).control;
    if (const auto& handler = target->handlers().mouseMove)
        handler(target->index(), argsAt(*target, client, buttons, modifiers));
}

void PointerRouter::release(QPointF client, Qt::MouseButton button,
                            Qt::KeyboardModifiers modifiers) {
    pointer_ = client;
    if (isDragging()) {
        captured_ = pressed_ = nullptr;
        drop();
        return;
    }
    Control* target = captured_ ? captured_ : hitAt(form_, client).control;
    const bool clicked = pressed_ == target && hitAt(form_, client).control == target;
    captured_ = pressed_ = nullptr;
    if (const auto& handler = target->handlers().mouseUp)
        handler(target->index(), argsAt(*target, client, button, modifiers));
    if (clicked) {
        if (const auto& handler = target->handlers().click)
            handler(target->index());
    }
    settle();
}

void PointerRouter::doubleClick(QPointF client, Qt::MouseButton, Qt::KeyboardModifiers) {
    pointer_ = client;
    if (isDragging())
        return;
    Control* target = hitAt(form_, client).control;
    captured_ = target;
    pressed_ = nullptr;
    if (const auto& handler = target->handlers().doubleClick)
        handler(target->index());
    settle();
}

void PointerRouter::beginDrag(Control& source) {
    dragSource_ = &source;
    dragTarget_ = nullptr;
    if (cursorOverridden_) {
        QApplication::restoreOverrideCursor();
        cursorOverridden_ = false;
    }
    if (source.dragIcon()) {
        QApplication::setOverrideCursor(*source.dragIcon());
        cursorOverridden_ = true;
    }
}

void PointerRouter::endDrag() {
    if (isDragging())
        drop();
}

void PointerRouter::abandonDrag() {
    if (isDragging())
        drop(DropOn::Background);
}

void PointerRouter::deliverDragOver() {
    Control* source = dragSource_;
    const Hit hit = hitAt(form_, pointer_);
    Control* previous = dragTarget_;
    dragTarget_ = hit.control;
    QPointF local = hit.local;
    if (previous && previous != hit.control) {
        if (const auto& handler = previous->handlers().dragOver) {
            const QPointF inPrevious = pointer_ - previous->originInForm();
            handler(previous->index(), *source, float(inPrevious.x()), float(inPrevious.y()),
                    DragState::Leave);
        }
        // Leaving may have ended this drag, or started another.
        if (dragSource_ != source || dragTarget_ != hit.control)
            return;
        // It may also have moved the control now under the pointer (the dragged card itself,
        // which the pointer can catch up with): its drag-over must see the pointer where that
        // control lies now, or the ghost jumps ahead of the pointer.
        local = pointer_ - hit.control->originInForm();
    }
    const DragState state = previous == hit.control ? DragState::Over : DragState::Enter;
    if (const auto& handler = hit.control->handlers().dragOver)
        handler(hit.control->index(), *source, float(local.x()), float(local.y()), state);
}

void PointerRouter::drop(DropOn where) {
    Control* source = dragSource_;
    dragSource_ = nullptr;
    dragTarget_ = nullptr;
    if (cursorOverridden_) {
        QApplication::restoreOverrideCursor();
        cursorOverridden_ = false;
    }
    const Hit hit = where == DropOn::Background ? Hit{&form_, pointer_} : hitAt(form_, pointer_);
    if (const auto& handler = hit.control->handlers().dragDrop)
        handler(hit.control->index(), *source, float(hit.local.x()), float(hit.local.y()));
    settle();
}

void PointerRouter::settle() const {
    if (settled_)
        settled_();
}

QPointF PointerRouter::clientFromGlobal(QPointF global) const {
    return form_.widget()->mapFromGlobal(global) * form_.twipsPerPixel();
}

// While a drag is on, every mouse event of the application belongs to it, whichever widget the
// toolkit would have given it to.
bool PointerRouter::eventFilter(QObject* watched, QEvent* event) {
    if (!isDragging())
        return false;
    switch (event->type()) {
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: {
        if (!watched->isWidgetType())
            return false;
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QPointF client = clientFromGlobal(mouse->globalPosition());
        if (event->type() == QEvent::MouseMove)
            move(client, mouse->buttons(), mouse->modifiers());
        else if (event->type() == QEvent::MouseButtonRelease)
            release(client, mouse->button(), mouse->modifiers());
        return true;
    }
    // A drag holds the input: the wheel or a key must not switch sections under the ghost.
    case QEvent::ShortcutOverride:
        // Claimed, so that no shortcut (F10 for the menu bar) fires either.
        event->accept();
        return watched->isWidgetType();
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        return watched->isWidgetType();
    case QEvent::WindowDeactivate:
        if (watched == form_.widget()->window())
            abandonDrag();
        return false;
    default:
        return false;
    }
}

} // namespace controls
