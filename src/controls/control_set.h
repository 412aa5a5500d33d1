#pragma once

#include "controls/control.h"

#include <QString>

#include <map>

namespace controls {

// An indexed set of controls that share one name and one handler per event. Elements can be
// created at run time; they take the properties of the set's first element.
class ControlSet {
public:
    ControlSet(Form& form, QString name) : form_(form), name_(std::move(name)) {}
    ControlSet(const ControlSet&) = delete;
    ControlSet& operator=(const ControlSet&) = delete;

    const QString& name() const { return name_; }
    Handlers& handlers() { return handlers_; }

    // The element with that index, or nullptr.
    Control* find(int index) const;
    // The element with that index; it must exist.
    Control& operator[](int index) const;
    int count() const { return static_cast<int>(elements_.size()); }
    const std::map<int, Control*>& elements() const { return elements_; }

    // Creates element `index` as a copy of the first element, hidden and in front of its layer.
    Control& load(int index);

private:
    friend class Control;
    friend class Form;

    Form& form_;
    QString name_;
    Handlers handlers_;
    std::map<int, Control*> elements_;
};

} // namespace controls
