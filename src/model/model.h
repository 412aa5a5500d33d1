#pragma once

#include "model/tables.h"

#include <array>
#include <cstdint>
#include <optional>

namespace model {

inline constexpr std::int16_t kEmpty = -1;

// One blank of a reaction picture: what a right compound earns there, the compound that
// belongs there, and the copy that lies there now (kEmpty when none).
struct Slot {
    std::int16_t Points = 0;
    std::int16_t Answer = 0;
    std::int16_t Placed = 0;
};

using SlotTable = std::array<Slot, kSlots>;

// Everything the window knows about the exercise.
struct Model {
    model::SlotTable SlotTable{};
    // Full marks of each section; they add up to 100, so the grade is a percentage.
    std::array<std::int16_t, kSections> SectionPoints{};
    // Palette column of each compound, a permutation drawn at every restart; absent before the
    // first restart.
    std::optional<std::array<std::int16_t, kCompounds>> PaletteColumn;
    // Copy index of the card being dragged, or of the last one dragged.
    std::int16_t DraggedCopy = 0;
};

// The answer key and the section points from the worksheet's tables, every slot empty.
inline Model answerKey() {
    Model made;
    for (int slot = 0; slot < kSlots; ++slot)
        made.SlotTable[slot] = {blank(slot).points, blank(slot).answer, kEmpty};
    made.SectionPoints = kFullMarks;
    return made;
}

// The compound a copy shows.
inline int compoundOf(int copy) {
    return copy % kCompounds;
}

} // namespace model
