#pragma once

#include <QFont>

namespace content {

// The one sans-serif face of the program. The controls were designed in "MS Sans Serif" and the
// drawings in Arial; Liberation Sans has Arial's metrics and the Greek letters, DejaVu Sans stands
// in should it be missing, and the scripts install both. Naming installed families directly
// spares Qt an alias search at start-up. Other faces are not merged in for missing letters: text
// that a student types may need them (typedTextFont).
QFont sansSerifFont();

// The controls' face at a size in points.
QFont controlFont(qreal points, bool bold);

// The same for text a student types, in which any letter may turn up: other faces fill in
// what the face lacks.
QFont typedTextFont(qreal points, bool bold);

} // namespace content
