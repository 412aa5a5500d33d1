#pragma once

#include "controls/focus_stop.h"
#include "model/tables.h"

#include <QPointer>

#include <array>
#include <cstdint>

namespace model {
struct Marking;
}

namespace worksheet {
class Worksheet;
}

namespace assistive {

// The keyboard's way through the window, and the names a screen reader hears on it.
//
// The blanks of the reactions and the grade are keyboard stops. Tab walks the grade while it is
// shown, the scroll bar, then reaction by reaction from top to bottom its blanks and its shown
// coefficient boxes, left to right; Shift+Tab walks back. On a blank, Space, Enter and the arrow
// keys place the compounds in palette order one after another, Delete and Backspace take the
// compound out, and Page Up and Page Down turn to the previous or next section.
class BlankStops {
public:
    explicit BlankStops(worksheet::Worksheet& ws);
    BlankStops(const BlankStops&) = delete;
    BlankStops& operator=(const BlankStops&) = delete;

    controls::FocusStop* stop(int slot) const { return stops_.at(slot); }
    controls::FocusStop* gradeStop() const { return grade_; }

    // Brings the names up to date with the worksheet; a name that changes is announced. The
    // grade's stop shows while the grade does.
    void refresh();

    // Chains the keyboard focus as above, through the coefficient boxes whose widgets are made.
    void chainFocus();

    // Names the scroll bar after the section in view.
    void sectionShown();

    // After a check: the focus goes to the grade, named with it and described with what the
    // check did.
    void announceCheck(const model::Marking& marking);

    // After a restart: the focus goes to the first blank of the section in view, and assistive
    // technology hears that the palette's cards are others now.
    void afterRestart();

private:
    bool keyPressed(int slot, const QKeyEvent& event);
    void turnSection(int step);
    void press(int slot);
    void focusAnew(QWidget* stop);
    controls::FocusStop* firstBlankInView() const;

    worksheet::Worksheet& ws_;
    std::array<QPointer<controls::FocusStop>, model::kSlots> stops_;
    QPointer<controls::FocusStop> grade_;
    // The copy each slot held when its names were last made; names change only with it.
    std::array<std::int16_t, model::kSlots> named_;
};

} // namespace assistive
