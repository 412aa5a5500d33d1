#include "controls/form.h"

#include "controls/kinds.h"

#include <QWidget>

#include <algorithm>

namespace controls {

Form::Form(float width, float height, float twipsPerPixel)
    : Container(Kind::Form, nullptr, nullptr, 0), twipsPerPixel_(twipsPerPixel), router_(*this) {
    form_ = this;
    set_ = &setNamed(QStringLiteral("Form"));
    set_->add(*this);
    setGeometry(0, 0, width, height);
    widget()->setFixedSize(toPixels(QRectF(0, 0, width, height)).size());
}

// Members go in reverse order: the router (which points at controls), the controls, the sets.
Form::~Form() = default;

ControlSet* Form::findSet(const QString& name) const {
    const auto found = sets_.find(name);
    return found == sets_.end() ? nullptr : found->second.get();
}

ControlSet& Form::set(const QString& name) const {
    ControlSet* found = findSet(name);
    if (!found)
        badSet(name, "does not exist");
    return *found;
}

void Form::makeDeferredWidgets(Deferred which) {
    const auto deferred = [](const Control& control) {
        return control.isWindowed() && !control.widget();
    };
    if (which == Deferred::Visible &&
        std::none_of(owned_.begin(), owned_.end(), [&](const auto& control) {
            return deferred(*control) && control->isVisible();
        }))
        return;
    std::vector<Container*> restack;
    for (const auto& control : owned_) {
        if (!deferred(*control))
            continue;
        control->makeWidget();
        if (std::find(restack.begin(), restack.end(), control->container()) == restack.end())
            restack.push_back(control->container());
    }
    if (restack.empty())
        return;
    // New widgets lie on top of their siblings: put every container's windowed layer back in its
    // listing order.
    for (Container* container : restack)
        container->restackWindowed();
    if (widgetsMade_)
        widgetsMade_();
}

ControlSet& Form::setNamed(const QString& name) {
    auto& slot = sets_[name];
    if (!slot)
        slot = std::make_unique<ControlSet>(*this, name);
    return *slot;
}

Control& Form::loadElement(const Control& first, int index) {
    Container& parent = *first.container();
    ControlSet& target = first.set();
    std::unique_ptr<Control> made;
    switch (first.kind()) {
    case Kind::PictureBox:
        made = std::make_unique<PictureBox>(&parent, target, index);
        break;
    case Kind::Image:
        made = std::make_unique<Image>(&parent, target, index);
        break;
    case Kind::Label:
        made = std::make_unique<Label>(&parent, target, index);
        break;
    case Kind::Shape:
        made = std::make_unique<Shape>(&parent, target, index);
        break;
    case Kind::TextBox:
        made = std::make_unique<TextBox>(&parent, target, index);
        break;
    case Kind::ScrollBar:
        made = std::make_unique<ScrollBar>(&parent, target, index);
        break;
    case Kind::Button:
        made = std::make_unique<Button>(&parent, target, index);
        break;
    case Kind::Form:
        Q_UNREACHABLE();
    }
    // A loaded element starts hidden, wherever its first element is.
    made->visible_ = false;
    first.copyPropertiesTo(*made);
    Control& result = *made;
    adopt(std::move(made), parent, Stacking::Front);
    return result;
}

void Form::adopt(std::unique_ptr<Control> control, Container& parent, Stacking stacking) {
    Control& child = *control;
    owned_.push_back(std::move(control));
    parent.attach(child, stacking);
}

} // namespace controls
