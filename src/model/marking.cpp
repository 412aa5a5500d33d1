#include "model/marking.h"

#include "model/coefficients.h"

#include <numeric>
#include <span>

namespace model {

namespace {

class Marker {
public:
    Marker(const Blanks& blanks, const BoxTexts& texts) : blanks_(blanks), texts_(texts) {
        for (int r = 0; r < kReactions; ++r)
            markReaction(r);
        for (int s = 0; s < kSections; ++s)
            result_.fullMarks[s] = result_.scores[s] == fullMarksOf(s);
        result_.grade = std::accumulate(result_.scores.begin(), result_.scores.end(), 0);
    }

    Marking result() && { return std::move(result_); }

private:
    bool filled(int blank) const { return blanks_[blank] != kNone; }

    void empty(int blank) {
        blanks_[blank] = kNone;
        result_.emptied.push_back(blank);
    }

    // A blank of a pair takes either answer of the pair.
    bool right(int blank, int number) const {
        const Reaction& each = reaction(number);
        for (int side = 0; side < each.blankCount; ++side) {
            if (blanks_[blank] == each.blanks.at(side).answer)
                return true;
        }
        return false;
    }

    void markReaction(int number) {
        const Reaction& each = reaction(number);
        const int first = firstBlankOf(number);
        const int last = first + each.blankCount - 1;
        int& score = result_.scores[each.section];
        if (each.blankCount == 2 && filled(first) && filled(last) &&
            blanks_[first] == blanks_[last])
            empty(last);
        bool complete = true;
        for (int blank = first; blank <= last; ++blank) {
            if (!filled(blank)) {
                complete = false;
            } else if (right(blank, number)) {
                score += blankRecord(blank).points;
            } else {
                empty(blank);
                complete = false;
            }
        }
        if (each.boxCount > 0 && complete)
            judgeCoefficients(number, score);
    }

    void judgeCoefficients(int number, int& score) {
        const Reaction& each = reaction(number);
        const std::span<const QString> boxes(texts_.data() + firstBoxOf(number), each.boxCount);
        if (coefficientsRight(each, boxes))
            score += each.bonus;
        else
            result_.cleared.push_back(number);
    }

    Blanks blanks_;
    const BoxTexts& texts_;
    Marking result_;
};

} // namespace

Marking mark(const Blanks& blanks, const BoxTexts& texts) {
    return Marker(blanks, texts).result();
}

} // namespace model
