#pragma once

#include "model/description.h"

#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>
#include <span>

namespace model {

// The value a coefficient box stands for: an empty box means 1, otherwise the text's leading
// number rounded to an integer (halves to even). Nothing when the text cannot be a 16-bit
// coefficient at all, which makes its reaction's coefficients wrong.
std::optional<std::int16_t> readCoefficient(QStringView text);

// Whether the texts of a reaction's boxes, left to right, give its ratio: all positive and a
// whole multiple of its smallest coefficients.
bool coefficientsRight(const Reaction& reaction, std::span<const QString> texts);

} // namespace model
