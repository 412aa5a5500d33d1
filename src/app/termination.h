#pragma once

namespace app {

// SIGTERM and SIGHUP, which a logout without a session manager sends, and SIGINT, a terminal's
// Ctrl+C, end the program as its exit command does: the application quits from its event loop,
// an ordinary end. A signal the program was started ignoring stays ignored. Needs the
// application object; installed once, however often asked.
void quitOnTerminationSignals();

} // namespace app
