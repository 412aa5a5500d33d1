#pragma once

#include "content/catalogue.h"
#include "model/model.h"

#include <random>

namespace worksheet {

// The worksheet of the main window: its controls and its model, owned together for as long as
// the window lives. Every handler works on this one object.
class Worksheet {
public:
    // Creates the window's controls in `form`.
    explicit Worksheet(controls::Form& form);

    content::MainControls ui;
    model::Model model;
    std::mt19937 random;
};

} // namespace worksheet
