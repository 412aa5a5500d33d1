#include "app/menu_bar.h"

#include "assistive/accessible.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QPointer>

namespace app {

MenuBar::MenuBar(QWidget* parent) : QMenuBar(parent) {}

void MenuBar::setSeparating(QAction* action) {
    assistive::markSeparating(action);
    skipped_.append(action);
}

void MenuBar::toggleKeyboard() {
    if (hasKeyboard()) {
        leave();
        return;
    }
    const QList<QAction*> commands = walkable();
    if (commands.isEmpty())
        return;
    returnFocusTo_ = QApplication::focusWidget();
    setFocus(Qt::MenuBarFocusReason);
    setActiveAction(commands.first());
}

QList<QAction*> MenuBar::walkable() const {
    QList<QAction*> commands;
    for (QAction* action : actions()) {
        if (action->isVisible() && action->isEnabled() && !action->isSeparator() &&
            !skipped_.contains(action))
            commands.append(action);
    }
    return commands;
}

void MenuBar::leave() {
    setActiveAction(nullptr);
    QWidget* back = returnFocusTo_;
    returnFocusTo_ = nullptr;
    if (back && back->isVisible())
        back->setFocus(Qt::MenuBarFocusReason);
    else
        clearFocus();
}

void MenuBar::keyPressEvent(QKeyEvent* event) {
    const QList<QAction*> commands = walkable();
    if (commands.isEmpty()) {
        QMenuBar::keyPressEvent(event);
        return;
    }
    // The pointer passing over the bar may have taken the highlight away.
    const qsizetype at = commands.indexOf(activeAction());
    if (at < 0 && event->key() != Qt::Key_Escape) {
        setActiveAction(commands.first());
        event->accept();
        return;
    }
    const bool leftToRight = layoutDirection() == Qt::LeftToRight;
    switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Left: {
        const int step = (event->key() == Qt::Key_Right) == leftToRight ? 1 : -1;
        setActiveAction(commands[(at + step + commands.size()) % commands.size()]);
        break;
    }
    case Qt::Key_Home:
        setActiveAction(commands.first());
        break;
    case Qt::Key_End:
        setActiveAction(commands.last());
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
    case Qt::Key_Down:
        give(commands[at]);
        break;
    case Qt::Key_Escape:
        leave();
        break;
    default:
        QMenuBar::keyPressEvent(event);
        return;
    }
    event->accept();
}

// The focus goes back first, so that a message or window the command opens returns the student
// to where they were as it closes. The window's manager may still hand the focus elsewhere when
// the window comes back, so it is put where the student was once more, unless the command gave
// it to a place of its own (the check to the grade, a restart to the first blank).
void MenuBar::give(QAction* command) {
    const QPointer<QWidget> back = returnFocusTo_;
    leave();
    bool moved = false;
    const QMetaObject::Connection watch =
        connect(qApp, &QApplication::focusChanged, this, [&](QWidget*, QWidget* now) {
            if (now && now != back && now->window() == window())
                moved = true;
        });
    command->trigger();
    disconnect(watch);
    if (!moved && back && back->isVisible())
        back->setFocus(Qt::OtherFocusReason);
}

// Another window taking the input, for a moment or until the student comes back, does not take
// the bar out of their hands: it comes back with the same command highlighted.
void MenuBar::focusInEvent(QFocusEvent* event) {
    QMenuBar::focusInEvent(event);
    if (event->reason() == Qt::ActiveWindowFocusReason && resumeAt_)
        setActiveAction(resumeAt_);
    resumeAt_ = nullptr;
}

void MenuBar::focusOutEvent(QFocusEvent* event) {
    const bool windowLeft = event->reason() == Qt::ActiveWindowFocusReason;
    resumeAt_ = windowLeft ? activeAction() : nullptr;
    QMenuBar::focusOutEvent(event);
    setActiveAction(nullptr);
    if (!windowLeft)
        returnFocusTo_ = nullptr;
}

} // namespace app
