#pragma once

#include "content/catalogue.h"

namespace layout {

// The boxes of a reaction's coefficient group, numbered as the reaction picture; a reaction
// without coefficients has none, and these do nothing for it.

// Shows the boxes, keeping what was typed in them.
void showCoefficients(const content::MainControls& ui, int group);

// Empties the boxes and hides them: hiding a group forgets what was typed.
void hideCoefficients(const content::MainControls& ui, int group);

// Empties the boxes, which stay shown.
void clearCoefficients(const content::MainControls& ui, int group);

} // namespace layout
