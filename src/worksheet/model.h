#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace worksheet {

inline constexpr int kSlots = 18;
inline constexpr int kCopies = 90;
inline constexpr std::int16_t kEmpty = -1;

// One blank of a reaction picture: what a right compound earns there, the compound that
// belongs there, and the copy that lies there now (kEmpty when none).
struct Slot {
    std::int16_t Points = 0;
    std::int16_t Answer = 0;
    std::int16_t Placed = 0;
};

// Everything the window knows about the exercise.
struct Model {
    std::array<Slot, kSlots> SlotTable{};
    // Full marks of each section; they add up to 100, so the grade is a percentage.
    std::array<std::int16_t, 5> SectionPoints{};
    // Palette column of each compound, a permutation drawn at every restart; absent before the
    // first restart.
    std::optional<std::array<std::int16_t, 5>> PaletteColumn;
    // Copy index of the card being dragged, or of the last one dragged.
    std::int16_t DraggedCopy = 0;
};

// The compound a copy shows.
inline int compoundOf(int copy) { return copy % 5; }

} // namespace worksheet
