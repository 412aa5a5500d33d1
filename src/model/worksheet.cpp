#include "model/worksheet.h"

#include <algorithm>
#include <chrono>

namespace model {

namespace {

std::uint32_t clockSeed() {
    return std::uint32_t(std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

bool isFilled(const Blanks& blanks, int number) {
    const int first = firstBlankOf(number);
    for (int blank = first; blank < first + reaction(number).blankCount; ++blank) {
        if (blanks[blank] == kNone)
            return false;
    }
    return true;
}

bool couldHold(const Worksheet::State& state) {
    std::array<int, kCompounds> placed{};
    for (int compound : state.blanks) {
        if (compound == kNone)
            continue;
        if (compound < 0 || compound >= kCompounds || ++placed[compound] > kCardsPerCompound)
            return false;
    }
    std::array<bool, kCompounds> taken{};
    for (int column : state.columns) {
        if (column < 0 || column >= kCompounds || taken[column])
            return false;
        taken[column] = true;
    }
    for (int box = 0; box < kCoefficientBoxes; ++box) {
        const QString& text = state.coefficients[box];
        if (text.size() > kBoxTextLimit ||
            (!text.isEmpty() && !isFilled(state.blanks, reactionOfBox(box))))
            return false;
    }
    return state.checks >= 0 && state.begun.isValid();
}

} // namespace

Worksheet::Worksheet(QObject* parent) : QObject(parent) {
    blanks_.fill(kNone);
    restart();
}

bool Worksheet::isComplete(int number) const {
    return isFilled(blanks_, number);
}

int Worksheet::compoundInColumn(int column) const {
    const auto found = std::find(columns_.begin(), columns_.end(), column);
    return found == columns_.end() ? kNone : int(found - columns_.begin());
}

int Worksheet::cardsLeft(int compound) const {
    return kCardsPerCompound - int(std::count(blanks_.begin(), blanks_.end(), compound));
}

bool Worksheet::place(int blank, int compound) {
    if (compound < 0 || compound >= kCompounds || cardsLeft(compound) == 0)
        return false;
    hideRevealed();
    setBlank(blank, compound, Cause::Student);
    return true;
}

void Worksheet::clear(int blank) {
    if (blanks_.at(blank) == kNone)
        return;
    setGrade(std::nullopt);
    setNote(sectionOfBlank(blank), false);
    setBlank(blank, kNone, Cause::Student);
}

void Worksheet::setCoefficient(int box, const QString& text) {
    if (coefficients_.at(box) == text)
        return;
    coefficients_[box] = text;
    emit coefficientChanged(box);
}

void Worksheet::setBlank(int blank, int compound, Cause cause) {
    if (blanks_.at(blank) == compound)
        return;
    const int number = reactionOfBlank(blank);
    const bool wasComplete = isComplete(number);
    blanks_[blank] = compound;
    emit blankChanged(blank, cause);
    if (isComplete(number) == wasComplete)
        return;
    // A reaction that loses a compound forgets its coefficients, even where its other blank
    // still holds one.
    if (wasComplete) {
        for (int box = firstBoxOf(number); box < firstBoxOf(number) + reaction(number).boxCount;
             ++box)
            setCoefficient(box, QString());
    }
    if (reaction(number).boxCount > 0)
        emit boxesShownChanged(number);
}

Marking Worksheet::check() {
    const Marking marking = mark(blanks_, coefficients_);
    for (int blank : marking.emptied)
        setBlank(blank, kNone, Cause::Check);
    for (int number : marking.cleared) {
        for (int box = firstBoxOf(number); box < firstBoxOf(number) + reaction(number).boxCount;
             ++box)
            setCoefficient(box, QString());
    }
    // A check never hides what an earlier one showed.
    for (int s = 0; s < kSections; ++s) {
        if (marking.fullMarks[s])
            setNote(s, true);
    }
    ++checks_;
    grade_ = marking.grade;
    emit gradeChanged();
    emit checked(marking);
    return marking;
}

void Worksheet::restart() {
    restart(clockSeed());
}

void Worksheet::restart(std::uint32_t seed) {
    for (int blank = 0; blank < kBlanks; ++blank)
        setBlank(blank, kNone, Cause::Restart);
    for (int box = 0; box < kCoefficientBoxes; ++box)
        setCoefficient(box, QString());
    hideRevealed();
    checks_ = 0;
    begun_ = QDateTime::currentDateTimeUtc();
    random_.seed(seed);
    shuffle();
    emit restarted();
}

// Each compound draws a column uniformly until it finds one not yet taken.
void Worksheet::shuffle() {
    std::array<int, kCompounds> drawn;
    drawn.fill(kNone);
    std::uniform_int_distribution<int> column(0, kCompounds - 1);
    for (int c = 0; c < kCompounds; ++c) {
        int r;
        do
            r = column(random_);
        while (std::find(drawn.begin(), drawn.end(), r) != drawn.end());
        drawn[c] = r;
    }
    columns_ = drawn;
    emit paletteChanged();
}

void Worksheet::hideRevealed() {
    setGrade(std::nullopt);
    for (int s = 0; s < kSections; ++s)
        setNote(s, false);
}

Worksheet::State Worksheet::state() const {
    return {blanks_, columns_, coefficients_, checks_, begun_};
}

// Emptied first, as a restart empties it, so that each reaction shows its boxes as its blanks fill
// and only then takes their texts.
bool Worksheet::restore(const State& state) {
    if (!couldHold(state))
        return false;
    for (int blank = 0; blank < kBlanks; ++blank)
        setBlank(blank, kNone, Cause::Restore);
    hideRevealed();
    columns_ = state.columns;
    emit paletteChanged();
    for (int blank = 0; blank < kBlanks; ++blank)
        setBlank(blank, state.blanks[blank], Cause::Restore);
    for (int box = 0; box < kCoefficientBoxes; ++box)
        setCoefficient(box, state.coefficients[box]);
    checks_ = state.checks;
    begun_ = state.begun;
    emit restored();
    return true;
}

void Worksheet::setGrade(std::optional<int> grade) {
    if (grade_ == grade)
        return;
    grade_ = grade;
    emit gradeChanged();
}

void Worksheet::setNote(int section, bool shown) {
    if (notes_.at(section) == shown)
        return;
    notes_[section] = shown;
    emit noteChanged(section);
}

} // namespace model
