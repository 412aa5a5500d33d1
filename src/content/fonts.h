#pragma once

#include <QFont>

namespace content {

// The one sans-serif face of the program. The controls were designed in "MS Sans Serif" and the
// drawings in Arial; Liberation Sans has Arial's metrics and the Greek letters, DejaVu Sans stands
// in should it be missing, and the scripts install both. Naming installed families directly
// spares Qt an alias search at start-up.
QFont sansSerifFont();

// The controls' face at a size in points.
QFont controlFont(qreal points, bool bold);

} // namespace content
