#pragma once

#include "assistive/keyboard_stop.h"
#include "model/description.h"

#include <QObject>
#include <QPointer>

#include <array>

class QKeyEvent;

namespace model {
struct Marking;
class Worksheet;
} // namespace model

namespace view {
class Board;
}

namespace assistive {

class Announcer;

// The keyboard's way through the window, and what a screen reader hears on it.
//
// The blanks of the reactions and the grade are keyboard stops. Tab walks the grade while it is
// shown, the scroll bar, then reaction by reaction from top to bottom its blanks and its shown
// coefficient boxes, left to right; Shift+Tab walks back. On a blank, Space, Enter and the arrow
// keys put the compounds in palette order one after another, Delete and Backspace take the
// compound out, and F1 says these keys again; Page Up and Page Down turn the section there as
// anywhere on the board. A screen reader hears them with the first blank reached after start-up
// or a restart, once; each change the student makes to a blank is said at once. A coefficient
// box that goes while it has the focus hands it to the blank whose emptying took it away, so
// that the student stays in the reaction they were working on.
class BlankStops : public QObject {
public:
    BlankStops(view::Board& board, Announcer& announcer);

private:
    // Chains the keyboard focus as above, through the coefficient boxes that are made.
    void chainFocus();
    // Puts the compound that follows (step 1) or precedes (step -1), in palette order, the one
    // the blank holds; an empty blank takes the first or the last column's compound.
    void cycleCompound(int blank, int step);
    bool keyPressed(int blank, const QKeyEvent& event);
    void blankChanged(int blank, bool byStudent);
    void gradeChanged();
    // After a check: the focus goes to the grade, named with it and with what the check did.
    void announceCheck(const model::Marking& marking);
    // After a restart, or work taken up again: the focus goes to the first blank of the section
    // in view, and the keys are told again.
    void afterNewStart();
    void press(int blank);
    // Gives `stop` the focus, which a screen reader speaks with its name and description; one
    // that has it already is said through the announcer instead, since a reader speaks only a
    // focus that moves.
    void focusAnew(KeyboardStop* stop);
    // While the key hint is due every blank is described with it, so that the first one reached
    // speaks it; once that blank is left, no blank is.
    void setKeyHintDue(bool due);
    KeyboardStop* firstBlankInView() const;

    view::Board& board_;
    model::Worksheet& worksheet_;
    Announcer& announcer_;
    std::array<QPointer<KeyboardStop>, model::kBlanks> stops_;
    QPointer<KeyboardStop> grade_;
    bool keyHintDue_ = false;
};

} // namespace assistive
