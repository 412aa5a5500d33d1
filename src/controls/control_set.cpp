#include "controls/control_set.h"

#include "controls/form.h"

namespace controls {

Control& ControlSet::operator[](int index) const {
    Control* element = find(index);
    if (!element)
        badSet(name_, qPrintable(QStringLiteral("has no element %1").arg(index)));
    return *element;
}

Control* ControlSet::first() const {
    for (Control* element : elements_) {
        if (element)
            return element;
    }
    return nullptr;
}

Control& ControlSet::load(int index) {
    if (Control* existing = find(index))
        return *existing;
    const Control* model = first();
    if (!model)
        badSet(name_, "has no element to copy");
    return form_.loadElement(*model, index);
}

void ControlSet::add(Control& element) {
    const int index = element.index();
    if (index < 0)
        badSet(name_, "cannot hold a negative index");
    if (index >= int(elements_.size()))
        elements_.resize(index + 1, nullptr);
    if (!elements_[index])
        ++count_;
    elements_[index] = &element;
}

void badSet(const QString& name, const char* problem) {
    qFatal("The control set %s %s.", qPrintable(name), problem);
}

} // namespace controls
