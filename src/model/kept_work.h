#pragma once

#include "model/worksheet.h"

#include <QByteArray>

#include <optional>

namespace model {

// The work in progress as the program keeps it in a file between runs: a small JSON document
// that names its form and version, so that a file of any other kind or version is never taken
// for one.
//
// The largest document a worksheet can make, every box full of characters that JSON escapes, is
// under this size; anything larger is not one, and a reader refuses it before parsing.
inline constexpr qsizetype kKeptWorkLimit = 4 * 1024 * 1024;

QByteArray keptWork(const Worksheet::State& state);

// The state in `document`, where it is a document of this form and version whose every field
// has the right type and shape; whether a worksheet could be in that state is the worksheet's
// to say (Worksheet::restore).
std::optional<Worksheet::State> readKeptWork(const QByteArray& document);

} // namespace model
