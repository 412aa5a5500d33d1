#include "assistive/accessible.h"

#include "assistive/announcer.h"
#include "assistive/keyboard_stop.h"
#include "assistive/places.h"

#include <QAccessible>
#include <QAction>
#include <QMenuBar>
#include <QPointer>

namespace assistive {

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

QAccessibleInterface* separatorInterface(const QString&, QObject* object) {
    auto* action = qobject_cast<QAction*>(object);
    if (action && action->property(kSeparating).toBool())
        return new SeparatorAccessible(action);
    return nullptr;
}

} // namespace

void installAccessibleFactories() {
    static const bool installed = [] {
        for (QAccessible::InterfaceFactory factory : {&drawnPlacesInterface, &keyboardStopInterface,
                                                      &announcerInterface, &separatorInterface})
            QAccessible::installFactory(factory);
        return true;
    }();
    Q_UNUSED(installed);
}

void markSeparating(QAction* action) {
    action->setProperty(kSeparating, true);
}

} // namespace assistive
