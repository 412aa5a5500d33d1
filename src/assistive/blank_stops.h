#pragma once

#include "assistive/announcer.h"
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
// compound out, Page Up and Page Down turn to the previous or next section, and F1 says these
// keys again. A screen reader hears them with the first blank reached after start-up or a
// restart, once; each change of a blank is said at once, through `announcer`.
class BlankStops {
public:
    BlankStops(worksheet::Worksheet& ws, Announcer& announcer);
    BlankStops(const BlankStops&) = delete;
    BlankStops& operator=(const BlankStops&) = delete;

    controls::FocusStop* stop(int slot) const { return stops_.at(slot); }
    controls::FocusStop* gradeStop() const { return grade_; }

    // Brings the names up to date with the worksheet; a name that changes is announced. The
    // grade's stop shows while the grade does. With Changes::Said, what the student did to a
    // blank is said at once: the compound (or that it is empty) on the focused blank, the blank's
    // whole name on any other.
    enum class Changes { Quiet, Said };
    void refresh(Changes changes = Changes::Quiet);

    // Chains the keyboard focus as above, through the coefficient boxes whose widgets are made.
    void chainFocus();

    // Names the scroll bar after the section in view.
    void sectionShown();

    // After a check: the focus goes to the grade, named with it and with what the check did.
    void announceCheck(const model::Marking& marking);

    // After a restart: the focus goes to the first blank of the section in view, the keys are
    // told again, and assistive technology hears that the palette's cards are others now.
    void afterRestart();

private:
    bool keyPressed(int slot, const QKeyEvent& event);
    void turnSection(int step);
    void press(int slot);
    // Gives `stop` the focus, which a screen reader speaks with its name and description; one
    // that has it already is said through the announcer instead, since a reader speaks only a
    // focus that moves.
    void focusAnew(controls::FocusStop* stop);
    // While the key hint is due every blank is described with it, so that the first one reached
    // speaks it; once that blank is left, no blank is.
    void setKeyHintDue(bool due);
    controls::FocusStop* firstBlankInView() const;

    worksheet::Worksheet& ws_;
    Announcer& announcer_;
    bool keyHintDue_ = false;
    std::array<QPointer<controls::FocusStop>, model::kSlots> stops_;
    QPointer<controls::FocusStop> grade_;
    // The copy each slot held when its names were last made; names change only with it.
    std::array<std::int16_t, model::kSlots> named_;
};

} // namespace assistive
