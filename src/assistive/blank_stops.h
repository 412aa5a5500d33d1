#pragma once

#include "controls/focus_stop.h"
#include "model/tables.h"

#include <QPointer>

#include <array>
#include <cstdint>

namespace worksheet {
class Worksheet;
}

namespace assistive {

// The blanks of the reactions as keyboard stops, and the names a screen reader hears for the
// blanks and the coefficient boxes.
//
// Each blank of the section in view is a stop after the scroll bar and before the coefficient
// boxes, left to right and top to bottom. On a stop, Space, Enter and the arrow keys place the
// compounds in palette order one after another, Delete and Backspace take the compound out, and
// Page Up and Page Down turn to the previous or next section.
class BlankStops {
public:
    explicit BlankStops(worksheet::Worksheet& ws);
    BlankStops(const BlankStops&) = delete;
    BlankStops& operator=(const BlankStops&) = delete;

    controls::FocusStop* stop(int slot) const { return stops_.at(slot); }

    // Brings the names up to date with the worksheet; a name that changes is announced.
    void refresh();

    // Chains the keyboard focus: the scroll bar, the blanks, then the coefficient boxes whose
    // widgets are made, in the order of their tab indices.
    void chainFocus();

private:
    bool keyPressed(int slot, const QKeyEvent& event);
    void turnSection(int step);

    worksheet::Worksheet& ws_;
    std::array<QPointer<controls::FocusStop>, model::kSlots> stops_;
    // The copy each slot held when its names were last made; names change only with it.
    std::array<std::int16_t, model::kSlots> named_;
};

} // namespace assistive
