#pragma once

#include "controls/control.h"

#include <QString>

#include <vector>

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
    Control* find(int index) const {
        return index >= 0 && index < int(elements_.size()) ? elements_[index] : nullptr;
    }
    // The element with that index; a missing one ends the program, in every build.
    Control& operator[](int index) const;
    int count() const { return count_; }
    // The element with the lowest index, which new elements copy; nullptr in an empty set.
    Control* first() const;

    // Creates element `index` as a copy of the first element, hidden and in front of its layer.
    Control& load(int index);

private:
    friend class Control;
    friend class Form;

    void add(Control& element);

    Form& form_;
    QString name_;
    Handlers handlers_;
    // By index; a set may have gaps (the titles are elements 0 and 3).
    std::vector<Control*> elements_;
    int count_ = 0;
};

// A set of controls of one kind, looked up by its name once: its elements come typed, and a set
// that is missing or of another kind ends the program at once, in every build.
template <class T> class SetOf {
public:
    SetOf(const Form& form, const QString& name);

    T& operator()(int index) const { return static_cast<T&>((*set_)[index]); }
    ControlSet& set() const { return *set_; }
    Handlers& handlers() const { return set_->handlers(); }

private:
    ControlSet* set_;
};

// Ends the program: the window's catalogue and its code disagree about a set.
[[noreturn]] void badSet(const QString& name, const char* problem);

} // namespace controls
