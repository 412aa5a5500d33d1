#pragma once

#include <QStringList>
#include <QStringView>

#include <cstdint>
#include <optional>

namespace worksheet {

// The value a coefficient box stands for: an empty box means 1, otherwise the text's leading
// number rounded to an integer (halves to even). Nothing when the text cannot be a 16-bit
// coefficient at all, which makes its reaction's coefficients wrong.
std::optional<std::int16_t> readCoefficient(QStringView text);

// Whether the coefficient texts of group `group` (0, 1, 2, 8, 9 or 10), left to right, give the
// reaction's ratio. Groups without coefficients are always right.
bool coefficientsRight(int group, const QStringList& texts);

} // namespace worksheet
