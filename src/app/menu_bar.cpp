#include "app/menu_bar.h"

#include <QApplication>
#include <QKeyEvent>

namespace app {

MenuBar::MenuBar(QWidget* parent) : QMenuBar(parent) {}

void MenuBar::skipWithKeyboard(QAction* action) {
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
    case Qt::Key_Down: {
        // The focus goes back first, so that a message or window the command opens returns
        // the student to where they were.
        QAction* command = commands[at];
        leave();
        command->trigger();
        break;
    }
    case Qt::Key_Escape:
        leave();
        break;
    default:
        QMenuBar::keyPressEvent(event);
        return;
    }
    event->accept();
}

void MenuBar::focusOutEvent(QFocusEvent* event) {
    QMenuBar::focusOutEvent(event);
    setActiveAction(nullptr);
    returnFocusTo_ = nullptr;
}

} // namespace app
