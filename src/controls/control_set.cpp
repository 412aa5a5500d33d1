#include "controls/control_set.h"

#include "controls/form.h"

namespace controls {

Control* ControlSet::find(int index) const {
    const auto found = elements_.find(index);
    return found == elements_.end() ? nullptr : found->second;
}

Control& ControlSet::operator[](int index) const {
    Control* element = find(index);
    Q_ASSERT_X(element, "ControlSet", "no element with that index");
    return *element;
}

Control& ControlSet::load(int index) {
    if (Control* existing = find(index))
        return *existing;
    Q_ASSERT_X(!elements_.empty(), "ControlSet::load", "a set to copy from has a first element");
    return form_.loadElement(*elements_.begin()->second, index);
}

} // namespace controls
