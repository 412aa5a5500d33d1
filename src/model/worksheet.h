#pragma once

#include "model/marking.h"

#include <QDateTime>
#include <QObject>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <random>

namespace model {

// The most characters a coefficient box takes: a line edit's own limit.
inline constexpr int kBoxTextLimit = 32767;

// The worksheet a student is filling in, and everything that is true of it: the compound in
// each blank, the order of the palette's columns, the text of each coefficient box, and what
// the last check revealed. Every input ends in one of its operations, which apply the
// worksheet's rules; its signals tell whoever shows it what changed.
//
// The rules: a compound put into a blank sends the one there back to the palette; a reaction
// shows its coefficient boxes while all its blanks are filled, and forgets what was typed in
// them once one is emptied; a check sends back every wrong compound, empties wrong
// coefficients and reveals the grade and the notes of the sections at full marks, which the
// next change of the worksheet hides again.
class Worksheet : public QObject {
    Q_OBJECT

public:
    // Why a blank changed: the student's own placing or removing, a check, a restart, or work
    // taken up again.
    enum class Cause { Student, Check, Restart, Restore };
    Q_ENUM(Cause)

    // What the student has made of the worksheet, all that outlasts a run: the compound in each
    // blank, the palette's column of each compound, the boxes' texts, the checks asked for and
    // when the worksheet was begun. What a check revealed is not part of it: the next change
    // hides it anyway.
    struct State {
        Blanks blanks{};
        std::array<int, kCompounds> columns{};
        BoxTexts coefficients;
        int checks = 0;
        QDateTime begun;

        bool operator==(const State& other) const = default;
    };

    // A fresh worksheet, its palette shuffled by the clock.
    explicit Worksheet(QObject* parent = nullptr);

    // The compound in a blank, or kNone.
    int compoundIn(int blank) const { return blanks_.at(blank); }
    const Blanks& blanks() const { return blanks_; }
    // Whether every blank of a reaction is filled: it then shows its coefficient boxes.
    bool isComplete(int reaction) const;
    bool isBoxShown(int box) const { return isComplete(reactionOfBox(box)); }
    const QString& coefficient(int box) const { return coefficients_.at(box); }
    const BoxTexts& coefficients() const { return coefficients_; }

    // The palette column, 0 (leftmost) to 4, of a compound's cards, and the compound of a column.
    int columnOf(int compound) const { return columns_.at(compound); }
    int compoundInColumn(int column) const;
    // How many of a compound's cards lie on the palette: those not in a blank.
    int cardsLeft(int compound) const;

    // The grade the last check revealed, while it shows.
    std::optional<int> grade() const { return grade_; }
    bool isNoteShown(int section) const { return notes_.at(section); }
    // How many checks the student has asked for since the worksheet was begun, and when that
    // was: a restart begins it anew.
    int checks() const { return checks_; }
    const QDateTime& begun() const { return begun_; }

    // Puts a card of `compound` from the palette into `blank`; false when the palette has none
    // left. A card taken up from the palette hides what the last check revealed.
    bool place(int blank, int compound);
    // Takes the compound out of `blank`, back to the palette; this hides the grade and the note
    // of the blank's section.
    void clear(int blank);
    void setCoefficient(int box, const QString& text);
    // Marks the whole worksheet and applies what the marking says.
    Marking check();
    // A fresh worksheet: every blank and box empty, nothing revealed, the palette shuffled anew,
    // by the clock or by `seed`.
    void restart();
    void restart(std::uint32_t seed);
    // A card is taken up from the palette: the grade and the notes go, as the student begins to
    // change the worksheet.
    void hideRevealed();

    State state() const;
    // The worksheet as `state` says, nothing revealed; false, and nothing changed, where no
    // worksheet could be in that state: a blank holds no compound of the palette, a compound is in
    // more blanks than it has cards, the columns are not one for each compound, a box holds more
    // than a box takes, or text while its reaction shows no boxes, the checks are fewer than none,
    // or there is no time begun.
    bool restore(const State& state);

signals:
    void blankChanged(int blank, model::Worksheet::Cause cause);
    // A reaction's boxes appeared or went.
    void boxesShownChanged(int reaction);
    void coefficientChanged(int box);
    void paletteChanged();
    void gradeChanged();
    void noteChanged(int section);
    // After a check has been applied, with what it found.
    void checked(const model::Marking& marking);
    void restarted();
    // After a whole state was taken up.
    void restored();

private:
    void setBlank(int blank, int compound, Cause cause);
    void setGrade(std::optional<int> grade);
    void setNote(int section, bool shown);
    void shuffle();

    Blanks blanks_;
    std::array<int, kCompounds> columns_{};
    BoxTexts coefficients_;
    std::optional<int> grade_;
    std::array<bool, kSections> notes_{};
    int checks_ = 0;
    QDateTime begun_;
    std::mt19937 random_;
};

} // namespace model
