#include "model/marking.h"

#include "model/coefficients.h"

#include <numeric>
#include <span>

namespace model {

namespace {

class Marker {
public:
    Marker(const Model& model, const BoxTexts& texts) : slots_(model.SlotTable), texts_(texts) {
        for (int picture = 0; picture < kReactions; ++picture)
            markReaction(picture);
        for (int section = 0; section < kSections; ++section)
            result_.fullMarks[section] = result_.scores[section] == model.SectionPoints[section];
        result_.grade = std::accumulate(result_.scores.begin(), result_.scores.end(), 0);
    }

    Marking result() && { return std::move(result_); }

private:
    bool filled(int slot) const { return slots_[slot].Placed != kEmpty; }
    int compoundIn(int slot) const { return compoundOf(slots_[slot].Placed); }

    void empty(int slot, const CoefficientGroup* group) {
        slots_[slot].Placed = kEmpty;
        result_.emptied.push_back(slot);
        if (group && (result_.hidden.empty() || result_.hidden.back() != group->reaction))
            result_.hidden.push_back(group->reaction);
    }

    // A blank of a pair takes either answer of the pair.
    bool right(int slot, BlankRange blanks) const {
        for (int each = blanks.first; each < blanks.first + blanks.count; ++each) {
            if (compoundIn(slot) == slots_[each].Answer)
                return true;
        }
        return false;
    }

    void markReaction(int picture) {
        const BlankRange blanks = blanksOf(picture);
        const CoefficientGroup* group = groupOf(picture);
        int& score = result_.scores[sectionOfReaction(picture)];
        const int last = blanks.first + blanks.count - 1;
        if (blanks.count == 2 && filled(blanks.first) && filled(last) &&
            compoundIn(blanks.first) == compoundIn(last))
            empty(last, group);
        bool complete = true;
        for (int slot = blanks.first; slot <= last; ++slot) {
            if (!filled(slot)) {
                complete = false;
            } else if (right(slot, blanks)) {
                score += slots_[slot].Points;
            } else {
                empty(slot, group);
                complete = false;
            }
        }
        if (group && complete)
            judgeCoefficients(*group, score);
    }

    void judgeCoefficients(const CoefficientGroup& group, int& score) {
        const std::span<const QString> boxes(texts_.data() + group.firstBox, group.boxCount);
        if (coefficientsRight(group, boxes))
            score += group.bonus;
        else
            result_.cleared.push_back(group.reaction);
    }

    SlotTable slots_;
    const BoxTexts& texts_;
    Marking result_;
};

} // namespace

Marking mark(const Model& model, const BoxTexts& texts) {
    return Marker(model, texts).result();
}

} // namespace model
