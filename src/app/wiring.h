#pragma once

namespace app {

class MainWindow;

// Links every control set and menu command of the window, event by event, to the function that
// answers it: one row each, so that a control's name leads to all it does.
void wireEvents(MainWindow& window);

} // namespace app
