#include "assistive/blank_stops.h"

#include "assistive/keyboard_placement.h"
#include "assistive/names.h"
#include "content/spoken.h"
#include "model/marking.h"
#include "worksheet/worksheet.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <QStringList>

#include <algorithm>
#include <vector>

namespace assistive {

BlankStops::BlankStops(worksheet::Worksheet& ws, Announcer& announcer)
    : ws_(ws), announcer_(announcer) {
    for (int slot = 0; slot < model::kSlots; ++slot) {
        auto* stop =
            new controls::FocusStop(ws.ui.Pic(model::sectionOfBlank(slot)), blankRect(ws, slot));
        stop->keyPressed = [this, slot](const QKeyEvent& event) { return keyPressed(slot, event); };
        stop->pressed = [this, slot] { press(slot); };
        stop->focusLeft = [this] {
            if (keyHintDue_)
                setKeyHintDue(false);
        };
        stops_[slot] = stop;
    }
    grade_ = new controls::FocusStop(ws.ui.Form1, ws.ui.LGrade.rect(), QAccessible::StaticText);
    grade_->hide();
    for (int box = 0; box < model::kCoefficientBoxes; ++box) {
        if (model::box(box).termBlank == model::kNone)
            ws.ui.tCoefficient(box).setAccessibleName(boxName(ws, box));
    }
    for (int section = 0; section < model::kSections; ++section)
        ws.ui.Pic(section).setAccessibleName(sectionName(section));
    sectionShown();
    // No slot holds this, so the first refresh names every blank.
    named_.fill(std::int16_t(model::kEmpty - 1));
    refresh();
    chainFocus();
    setKeyHintDue(true);
}

void BlankStops::setKeyHintDue(bool due) {
    keyHintDue_ = due;
    for (controls::FocusStop* stop : stops_) {
        if (stop)
            stop->setAccessibleDescription(due ? content::spoken::kBlankKeys : QString());
    }
}

void BlankStops::refresh(Changes changes) {
    QStringList said;
    for (int slot = 0; slot < model::kSlots; ++slot) {
        const std::int16_t placed = ws_.model.SlotTable[slot].Placed;
        if (placed == named_[slot])
            continue;
        named_[slot] = placed;
        if (changes == Changes::Said) {
            const bool focused = stops_[slot] && stops_[slot]->hasFocus();
            said << (!focused                      ? blankName(ws_, slot)
                     : placed == model::kEmpty ? content::spoken::kEmptyBlank
                                               : content::spoken::kCompounds[model::compoundOf(placed)]);
        }
        if (stops_[slot])
            stops_[slot]->setName(blankName(ws_, slot));
        for (int box = 0; box < model::kCoefficientBoxes; ++box) {
            if (model::box(box).termBlank == slot)
                ws_.ui.tCoefficient(box).setAccessibleName(boxName(ws_, box));
        }
    }
    if (grade_ && grade_->isHidden() == ws_.ui.LGrade.isVisible())
        grade_->setVisible(ws_.ui.LGrade.isVisible());
    if (!said.isEmpty())
        announcer_.say(said.join(u' '));
}

void BlankStops::chainFocus() {
    std::vector<QWidget*> chain{grade_, ws_.ui.VScroll1.widget()};
    for (int picture = 0; picture < model::kReactions; ++picture) {
        const model::BlankRange blanks = model::blanksOf(picture);
        for (int slot = blanks.first; slot < blanks.first + blanks.count; ++slot)
            chain.push_back(stops_[slot]);
        // Boxes whose widgets are not made yet join the chain when they are.
        if (const model::CoefficientGroup* group = model::groupOf(picture)) {
            for (int box = group->firstBox; box < group->firstBox + group->boxCount; ++box) {
                if (QWidget* widget = ws_.ui.tCoefficient(box).widget())
                    chain.push_back(widget);
            }
        }
    }
    for (size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

void BlankStops::sectionShown() {
    ws_.ui.VScroll1.setAccessibleName(sectionName(ws_.ui.VScroll1.value()));
}

void BlankStops::focusAnew(controls::FocusStop* stop) {
    if (!stop->hasFocus()) {
        stop->setFocus(Qt::OtherFocusReason);
        return;
    }
    announcer_.say(stop->name(), stop->accessibleDescription());
}

void BlankStops::announceCheck(const model::Marking& marking) {
    grade_->setPlace(ws_.ui.LGrade.rect());
    // All in the name: a reader speaks a label's name when it takes the focus, not its
    // description.
    grade_->setName(content::spoken::kGradeHeard.arg(marking.grade) + u' ' +
                    checkOutcome(marking));
    grade_->show();
    focusAnew(grade_);
}

void BlankStops::afterRestart() {
    // The front card of each column is another one now: announced as new, so that a screen
    // reader that keeps a picture of the window looks again.
    for (int compound = 0; compound < model::kCompounds; ++compound) {
        const int copy = paletteFrontCopy(ws_, compound);
        if (copy < 0)
            continue;
        QAccessibleEvent created(controls::accessibleInterfaceOf(ws_.ui.ImgMolecular(copy)),
                                 QAccessible::ObjectCreated);
        ws_.ui.Form1.announce(created);
    }
    setKeyHintDue(true);
    if (controls::FocusStop* first = firstBlankInView())
        focusAnew(first);
}

controls::FocusStop* BlankStops::firstBlankInView() const {
    for (int slot = 0; slot < model::kSlots; ++slot) {
        if (stops_[slot] && ws_.ui.Pic(model::sectionOfBlank(slot)).isVisible())
            return stops_[slot];
    }
    return nullptr;
}

bool BlankStops::keyPressed(int slot, const QKeyEvent& event) {
    // Shortcuts with Ctrl or Alt belong to the window, not to the blank.
    if (event.modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier))
        return false;
    switch (event.key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Right:
    case Qt::Key_Down:
        cycleCompound(ws_, slot, 1);
        return true;
    case Qt::Key_Left:
    case Qt::Key_Up:
        cycleCompound(ws_, slot, -1);
        return true;
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        removeCompound(ws_, slot);
        return true;
    case Qt::Key_PageUp:
        turnSection(-1);
        return true;
    case Qt::Key_PageDown:
        turnSection(1);
        return true;
    case Qt::Key_F1:
        announcer_.say(content::spoken::kBlankKeys);
        return true;
    default:
        return false;
    }
}

// A screen reader's "press" on a blank does what Space does, bringing the blank's section into
// view first if need be: a card only goes where the student could see it go.
void BlankStops::press(int slot) {
    const int section = model::sectionOfBlank(slot);
    if (!ws_.ui.Pic(section).isVisible())
        ws_.ui.VScroll1.setValue(section);
    cycleCompound(ws_, slot, 1);
}

// As the scroll bar would turn. The focus goes straight to the first blank of the new section,
// before the old one hides: hiding the focused blank would hand the focus to the next widget of
// the chain first, and a screen reader would speak that too.
void BlankStops::turnSection(int step) {
    QScrollBar* bar = ws_.ui.VScroll1.scrollBar();
    const int section = std::clamp(bar->value() + step, bar->minimum(), bar->maximum());
    if (section == bar->value())
        return;
    ws_.ui.Pic(section).setVisible(true);
    const model::BlankRange blanks = model::blanksOfSection(section);
    stops_[blanks.first]->setFocus(Qt::TabFocusReason);
    bar->triggerAction(step < 0 ? QAbstractSlider::SliderPageStepSub
                                : QAbstractSlider::SliderPageStepAdd);
}

} // namespace assistive
