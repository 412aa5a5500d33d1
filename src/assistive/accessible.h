#pragma once

class QAction;

namespace assistive {

// Makes the toolkit ask this program what a screen reader finds on its own controls: the board
// and the sections with the places drawn on them, the keyboard stops, the announcer and a menu
// bar's item that only separates. Qt keeps the factories for the program's life: the first
// window installs them, and any later one finds them there.
void installAccessibleFactories();

// Marks a menu bar's item that only separates its commands: a screen reader finds a separator
// there, which nothing presses.
void markSeparating(QAction* action);

} // namespace assistive
