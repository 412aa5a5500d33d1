#include "assistive/names.h"

#include "content/spoken.h"
#include "placement/place_copy.h"
#include "worksheet/worksheet.h"

#include <variant>

namespace assistive {

namespace {

namespace spoken = content::spoken;

// The term a coefficient box multiplies: a reactant of the drawing, or the compound of a slot.
using Term = std::variant<const QString*, int>;

const std::array<Term, content::kCoefficientBoxes>& boxTerms() {
    static const std::array<Term, content::kCoefficientBoxes> terms{
        &spoken::kButane,
        0,
        &spoken::kEthanal,
        &spoken::kOxygen,
        1,
        &spoken::kMethanol,
        &spoken::kCarbonMonoxide,
        2,
        &spoken::kEthanenitrile,
        &spoken::kWater,
        12,
        13,
        &spoken::kPropanenitrile,
        &spoken::kWater,
        14,
        15,
        &spoken::kNitrile,
        &spoken::kWater,
        16,
        17,
    };
    return terms;
}

} // namespace

BlankPlace blankOf(int slot) {
    if (slot <= 2)
        return {slot, 0};
    if (slot <= 4)
        return {3, slot - 3};
    if (slot == 5)
        return {4, 0};
    return {(slot + 4) / 2, slot % 2};
}

int sectionOfSlot(int slot) {
    return placement::sectionOfPicture(blankOf(slot).picture);
}

bool hasTwoBlanks(int picture) {
    return picture == 3 || picture >= 5;
}

QString blankName(const worksheet::Worksheet& ws, int slot) {
    const BlankPlace place = blankOf(slot);
    const QString& which = !hasTwoBlanks(place.picture) ? spoken::kOnlyBlank
                           : place.blank == 0           ? spoken::kFirstBlank
                                                        : spoken::kSecondBlank;
    const std::int16_t copy = ws.model.SlotTable[slot].Placed;
    const QString& holds = copy == worksheet::kEmpty
                               ? spoken::kEmptyBlank
                               : spoken::kCompounds[worksheet::compoundOf(copy)];
    return spoken::kBlank.arg(spoken::kReactions[place.picture], which, holds);
}

int slotOfBox(int box) {
    const Term& term = boxTerms().at(box);
    return std::holds_alternative<int>(term) ? std::get<int>(term) : -1;
}

QString boxName(const worksheet::Worksheet& ws, int box) {
    const Term& term = boxTerms().at(box);
    if (const auto* reactant = std::get_if<const QString*>(&term))
        return spoken::kCoefficient.arg(**reactant);
    const std::int16_t copy = ws.model.SlotTable[std::get<int>(term)].Placed;
    return spoken::kCoefficient.arg(copy == worksheet::kEmpty
                                        ? spoken::kCompoundOfBlank
                                        : spoken::kCompounds[worksheet::compoundOf(copy)]);
}

} // namespace assistive
