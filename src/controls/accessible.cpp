// Screen readers see widgets; images and labels have none, so each container tells of the
// lightweight controls a sighted student can see in it, and each of those gets an interface of
// its own that lives as long as the control.

#include "controls/container_widget.h"
#include "controls/focus_stop.h"
#include "controls/form.h"

#include <QAccessibleWidget>

#include <algorithm>
#include <vector>

namespace controls {

namespace {

QAccessible::Role roleOf(const Control& control) {
    switch (control.kind()) {
    case Kind::Label:
        return QAccessible::StaticText;
    case Kind::Image:
        return QAccessible::Graphic;
    default:
        return QAccessible::Client;
    }
}

// The part of `control` its container shows, in global pixels; empty when it shows none.
QRect shownRect(const Control& control) {
    const QWidget* host = control.container()->widget();
    const QRect pixels = control.pixelRect() & host->rect();
    if (pixels.isEmpty() || !control.isVisible() || !host->isVisible())
        return {};
    return QRect(host->mapToGlobal(pixels.topLeft()), pixels.size());
}

class ControlAccessible : public QAccessibleInterface {
public:
    explicit ControlAccessible(const Control& control) : control_(control) {}

    bool isValid() const override { return true; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return control_.container()->widget()->window()->windowHandle();
    }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(control_.container()->widget());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override {
        switch (t) {
        case QAccessible::Name:
            return control_.accessibleName();
        case QAccessible::Description:
            return control_.accessibleDescription().isEmpty() ? control_.toolTip()
                                                              : control_.accessibleDescription();
        default:
            return {};
        }
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override { return shownRect(control_); }
    QAccessible::Role role() const override { return roleOf(control_); }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.invisible = !control_.isVisible() || !control_.container()->widget()->isVisible();
        state.offscreen = shownRect(control_).isEmpty();
        return state;
    }

private:
    const Control& control_;
};

class ContainerAccessible : public QAccessibleWidget {
public:
    explicit ContainerAccessible(ContainerWidget* widget)
        : QAccessibleWidget(widget, widget->container().kind() == Kind::Form ? QAccessible::Client
                                                                             : QAccessible::Pane) {}

    int childCount() const override { return QAccessibleWidget::childCount() + int(seen().size()); }

    QAccessibleInterface* child(int index) const override {
        const int widgets = QAccessibleWidget::childCount();
        if (index < widgets)
            return QAccessibleWidget::child(index);
        const std::vector<const Control*> shown = seen();
        index -= widgets;
        return index < int(shown.size()) ? accessibleInterfaceOf(*shown[index]) : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child)
            return -1;
        if (child->object())
            return QAccessibleWidget::indexOfChild(child);
        const std::vector<const Control*> shown = seen();
        for (size_t i = 0; i < shown.size(); ++i) {
            if (accessibleInterfaceOf(*shown[i]) == child)
                return QAccessibleWidget::childCount() + int(i);
        }
        return -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override {
        const QWidget* host = container().widget();
        const QPointF twips =
            QPointF(host->mapFromGlobal(QPoint(x, y))) * container().form().twipsPerPixel();
        const Hit hit = container().hitTest(twips);
        if (hit.control && hit.control != &container() && !hit.control->isWindowed() &&
            hit.control->container() == &container() && !hit.control->accessibleName().isEmpty())
            return accessibleInterfaceOf(*hit.control);
        return QAccessibleWidget::childAt(x, y);
    }

private:
    Container& container() const { return static_cast<ContainerWidget*>(widget())->container(); }

    // The named lightweight controls a student can see here, top to bottom and left to right.
    // Of the cards stacked on one place only the front one counts, as only it can be taken.
    std::vector<const Control*> seen() const {
        Container& here = container();
        const QRectF client(0, 0, here.width(), here.height());
        std::vector<const Control*> shown;
        for (const Control* child : here.lightweightChildren()) {
            if (!child->isVisible())
                continue;
            const QPointF centre = child->rect().center();
            if (!client.contains(centre) || here.hitTest(centre).control != child ||
                child->accessibleName().isEmpty())
                continue;
            shown.push_back(child);
        }
        std::stable_sort(shown.begin(), shown.end(), [](const Control* a, const Control* b) {
            return a->top() != b->top() ? a->top() < b->top() : a->left() < b->left();
        });
        return shown;
    }
};

// A focus stop keeps its own name, which it announces itself when it changes, and answers a
// screen reader's "press" as its key would.
class FocusStopAccessible : public QAccessibleWidget {
public:
    explicit FocusStopAccessible(FocusStop* stop) : QAccessibleWidget(stop, stop->role()) {}

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
    FocusStop* stop() const { return static_cast<FocusStop*>(widget()); }
};

QAccessibleInterface* interfaceFactory(const QString&, QObject* object) {
    if (auto* container = dynamic_cast<ContainerWidget*>(object))
        return new ContainerAccessible(container);
    if (auto* stop = dynamic_cast<FocusStop*>(object))
        return new FocusStopAccessible(stop);
    return nullptr;
}

} // namespace

void installAccessibleInterfaces() {
    static const bool installed = [] {
        QAccessible::installFactory(&interfaceFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

QAccessibleInterface* accessibleInterfaceOf(const Control& control) {
    if (QWidget* w = control.widget())
        return QAccessible::queryAccessibleInterface(w);
    if (!control.accessibleId_)
        control.accessibleId_ =
            QAccessible::registerAccessibleInterface(new ControlAccessible(control));
    return QAccessible::accessibleInterface(control.accessibleId_);
}

} // namespace controls
