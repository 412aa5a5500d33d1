#pragma once

#include <vector>

namespace bench {

// Microseconds of one kind of action, each run timed twice: the action's own code alone, and
// that code plus processing the repaint it asked for on the shown window, as the event loop
// does right after it.
struct ActionTimes {
    std::vector<double> handlers;
    std::vector<double> withRepaint;
};

struct InteractionTimes {
    // The first showing of each section but the one the window opens with.
    ActionTimes firstVisit;
    ActionTimes dragStep;
    ActionTimes drop;
    ActionTimes restart;
    ActionTimes check;
    // Paint events the average drag-over step caused: proof that its repaint was timed.
    double paintsPerDragStep = 0;
};

// Drives the real main window with mouse events on its board and with its menu commands; needs a
// QApplication. Once the window has painted and finished what it does after its first frame,
// sections 1 to 4 are shown for the first time, one by one. Then each of `rounds` rounds restarts,
// drops the right compound into each of the 18 blanks, types the right coefficients and checks; an
// untimed round comes first. Then a card is dragged over a section for `dragSteps` pointer moves.
// Throws std::runtime_error when the window does not do what the figures assume (a drop that misses
// its blank, a check short of 100 %, a step that repaints nothing).
InteractionTimes timeInteraction(int rounds, int dragSteps);

} // namespace bench
