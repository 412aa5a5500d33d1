#pragma once

#include "content/catalogue.h"
#include "model/model.h"

namespace layout {

// Sends a copy home: its card to its compound's palette column, its six twins just above their
// containers, out of sight. The one way back for a copy; it never touches a slot.
void sendHome(const content::MainControls& ui, const model::Model& model, int copy);

} // namespace layout
