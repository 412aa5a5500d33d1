#include "app/menu_bar.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QPointer>

namespace app {

namespace {

const char* const kSeparating = "separating";

// What a screen reader finds at an item that only separates: a separator, which nothing presses.
class SeparatorAccessible : public QAccessibleInterface {
public:
    explicit SeparatorAccessible(QAction* action) : action_(action) {}

    bool isValid() const override { return action_ && bar(); }
    QObject* object() const override { return action_; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(bar());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text) const override { return {}; }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        QMenuBar* owner = bar();
        return owner->actionGeometry(action_).translated(owner->mapToGlobal(QPoint(0, 0)));
    }
    QAccessible::Role role() const override { return QAccessible::Separator; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.disabled = true;
        state.invisible = !bar()->isVisible();
        return state;
    }

private:
    QMenuBar* bar() const {
        for (QObject* owner : action_->associatedObjects()) {
            if (auto* menuBar = qobject_cast<QMenuBar*>(owner))
                return menuBar;
        }
        return nullptr;
    }

    QPointer<QAction> action_;
};

QAccessibleInterface* separatorFactory(const QString&, QObject* object) {
    auto* action = qobject_cast<QAction*>(object);
    if (action && action->property(kSeparating).toBool())
        return new SeparatorAccessible(action);
    return nullptr;
}

} // namespace

MenuBar::MenuBar(QWidget* parent) : QMenuBar(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(&separatorFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

void MenuBar::setSeparating(QAction* action) {
    action->setProperty(kSeparating, true);
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
