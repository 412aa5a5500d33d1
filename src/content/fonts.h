#pragma once

#include <QFont>

namespace content {

// The sans-serif face of the window's controls. The design asks for "MS Sans Serif" with the
// Greek character set; Liberation Sans (or DejaVu Sans) has the Greek glyphs and is installed
// by the scripts. Naming installed families directly spares Qt an alias search at start-up.
QFont controlFont(qreal points, bool bold);

} // namespace content
