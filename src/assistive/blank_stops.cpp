#include "assistive/blank_stops.h"

#include "assistive/announcer.h"
#include "assistive/keyboard_stop.h"
#include "assistive/names.h"
#include "content/geometry.h"
#include "content/spoken.h"
#include "model/worksheet.h"
#include "view/board.h"
#include "view/section_view.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>

#include <vector>

namespace assistive {

namespace spoken = content::spoken;

BlankStops::BlankStops(view::Board& board, Announcer& announcer)
    : QObject(&board), board_(board), worksheet_(board.worksheet()), announcer_(announcer) {
    for (int blank = 0; blank < model::kBlanks; ++blank) {
        auto* stop = new KeyboardStop(board.sectionView(model::sectionOfBlank(blank)),
                                      board.zoom().toPixels(content::slotOf(blank)));
        stop->keyPressed = [this, blank](const QKeyEvent& event) {
            return keyPressed(blank, event);
        };
        stop->pressed = [this, blank] { press(blank); };
        stop->focusLeft = [this] {
            if (keyHintDue_)
                setKeyHintDue(false);
        };
        stop->setName(blankName(worksheet_, blank));
        stops_[blank] = stop;
    }
    grade_ = new KeyboardStop(&board, {}, QAccessible::StaticText);
    grade_->hide();
    for (int box = 0; box < model::kCoefficientBoxes; ++box) {
        if (QLineEdit* edit = board.sectionView(model::sectionOfBox(box))->boxEdit(box))
            edit->setAccessibleName(boxName(worksheet_, box));
    }
    const auto nameScrollBar = [this](int section) {
        board_.scrollBar()->setAccessibleName(sectionName(section));
    };
    nameScrollBar(board.sectionInView());
    connect(&board, &view::Board::sectionShown, this, nameScrollBar);
    connect(&board, &view::Board::zoomChanged, this, [this] {
        for (int blank = 0; blank < model::kBlanks; ++blank)
            stops_[blank]->setPlace(board_.zoom().toPixels(content::slotOf(blank)));
        if (grade_->isVisible())
            grade_->setPlace(board_.gradeRect());
    });
    for (int section = 0; section < model::kSections; ++section)
        connect(board.sectionView(section), &view::SectionView::boxesMade, this,
                &BlankStops::chainFocus);

    connect(&worksheet_, &model::Worksheet::blankChanged, this,
            [this](int blank, model::Worksheet::Cause cause) {
                blankChanged(blank, cause == model::Worksheet::Cause::Student);
            });
    connect(&worksheet_, &model::Worksheet::gradeChanged, this, &BlankStops::gradeChanged);
    connect(&worksheet_, &model::Worksheet::checked, this, &BlankStops::announceCheck);
    connect(&worksheet_, &model::Worksheet::restarted, this, &BlankStops::afterNewStart);
    connect(&worksheet_, &model::Worksheet::restored, this, &BlankStops::afterNewStart);
    chainFocus();
    setKeyHintDue(true);
}

void BlankStops::setKeyHintDue(bool due) {
    keyHintDue_ = due;
    for (KeyboardStop* stop : stops_) {
        if (stop)
            stop->setAccessibleDescription(due ? spoken::blankKeys() : QString());
    }
}

// The blank's name and the names of the boxes that multiply its compound follow what it holds.
// What the student did is said at once: on the focused blank the compound, or that it is
// empty; on any other blank, where the mouse put a card, the blank's whole name.
void BlankStops::blankChanged(int blank, bool byStudent) {
    const QString name = blankName(worksheet_, blank);
    if (KeyboardStop* stop = stops_[blank])
        stop->setName(name);
    for (int box = 0; box < model::kCoefficientBoxes; ++box) {
        if (model::termBlankOf(box) != blank)
            continue;
        QLineEdit* edit = board_.sectionView(model::sectionOfBox(box))->boxEdit(box);
        const QString boxHeard = boxName(worksheet_, box);
        // The toolkit announces every call, changed or not.
        if (edit && edit->accessibleName() != boxHeard)
            edit->setAccessibleName(boxHeard);
    }
    // The boxes go after this, once the reaction has lost its compound; the focus leaves a box
    // of this reaction before then, for the blank that emptied, which says what it holds.
    const int number = model::reactionOfBlank(blank);
    if (worksheet_.compoundIn(blank) == model::kNone) {
        const view::SectionView* section = board_.sectionView(model::reaction(number).section);
        const int first = model::firstBoxOf(number);
        for (int box = first; box < first + model::reaction(number).boxCount; ++box) {
            if (const QLineEdit* edit = section->boxEdit(box);
                edit && edit == board_.window()->focusWidget()) {
                stops_[blank]->setFocus(Qt::OtherFocusReason);
                return;
            }
        }
    }
    if (!byStudent)
        return;
    const int compound = worksheet_.compoundIn(blank);
    if (stops_[blank] && stops_[blank]->hasFocus())
        announcer_.say(compound == model::kNone ? spoken::emptyBlank()
                                                : spoken::compound(compound));
    else
        announcer_.say(name);
}

// The grade's stop shows while the grade does.
void BlankStops::gradeChanged() {
    const bool shown = worksheet_.grade().has_value();
    if (shown)
        grade_->setPlace(board_.gradeRect());
    if (grade_->isHidden() == shown)
        grade_->setVisible(shown);
}

void BlankStops::chainFocus() {
    std::vector<QWidget*> chain{grade_, board_.scrollBar()};
    for (int number = 0; number < model::kReactions; ++number) {
        const model::Reaction& reaction = model::reaction(number);
        const int firstBlank = model::firstBlankOf(number);
        for (int blank = firstBlank; blank < firstBlank + reaction.blankCount; ++blank)
            chain.push_back(stops_[blank]);
        // Boxes not made yet join the chain when they are.
        const int firstBox = model::firstBoxOf(number);
        for (int box = firstBox; box < firstBox + reaction.boxCount; ++box) {
            if (QLineEdit* edit = board_.sectionView(reaction.section)->boxEdit(box)) {
                if (edit->accessibleName().isEmpty())
                    edit->setAccessibleName(boxName(worksheet_, box));
                chain.push_back(edit);
            }
        }
    }
    for (size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

void BlankStops::focusAnew(KeyboardStop* stop) {
    if (!stop->hasFocus()) {
        stop->setFocus(Qt::OtherFocusReason);
        return;
    }
    announcer_.say(stop->name(), stop->accessibleDescription());
}

// The grade's stop is placed and shown already: a check announces its grade before itself.
void BlankStops::announceCheck(const model::Marking& marking) {
    // All in the name: a reader speaks a label's name when it takes the focus, not its
    // description.
    grade_->setName(spoken::gradeHeard().arg(marking.grade) + u' ' + checkOutcome(marking));
    focusAnew(grade_);
}

void BlankStops::afterNewStart() {
    setKeyHintDue(true);
    if (KeyboardStop* first = firstBlankInView())
        focusAnew(first);
}

KeyboardStop* BlankStops::firstBlankInView() const {
    const int section = board_.sectionInView();
    for (int blank = 0; blank < model::kBlanks; ++blank) {
        if (model::sectionOfBlank(blank) == section)
            return stops_[blank];
    }
    return nullptr;
}

void BlankStops::cycleCompound(int blank, int step) {
    if (board_.isDragging())
        return;
    const int compound = worksheet_.compoundIn(blank);
    const int column = compound == model::kNone ? (step > 0 ? -1 : model::kCompounds)
                                                : worksheet_.columnOf(compound);
    const int next = (column + step + model::kCompounds) % model::kCompounds;
    worksheet_.place(blank, worksheet_.compoundInColumn(next));
}

bool BlankStops::keyPressed(int blank, const QKeyEvent& event) {
    // Shortcuts with Ctrl or Alt belong to the window, not to the blank.
    if (event.modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier))
        return false;
    switch (event.key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Right:
    case Qt::Key_Down:
        cycleCompound(blank, 1);
        return true;
    case Qt::Key_Left:
    case Qt::Key_Up:
        cycleCompound(blank, -1);
        return true;
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        worksheet_.clear(blank);
        return true;
    case Qt::Key_F1:
        announcer_.say(spoken::blankKeys());
        return true;
    default:
        return false;
    }
}

// A screen reader's "press" on a blank does what Space does, bringing the blank's section into
// view first if need be: a card only goes where the student could see it go.
void BlankStops::press(int blank) {
    board_.showSection(model::sectionOfBlank(blank));
    cycleCompound(blank, 1);
}

} // namespace assistive
