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

void Form::applyTabOrder() {
    std::vector<Control*> stops;
    for (const auto& control : owned_) {
        if (control->tabIndex() >= 0 && control->widget())
            stops.push_back(control.get());
    }
    std::stable_sort(stops.begin(), stops.end(),
                     [](Control* a, Control* b) { return a->tabIndex() < b->tabIndex(); });
    for (size_t i = 1; i < stops.size(); ++i)
        QWidget::setTabOrder(stops[i - 1]->widget(), stops[i]->widget());
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
