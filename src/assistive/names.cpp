#include "assistive/names.h"

#include "content/drawings.h"
#include "content/spoken.h"
#include "worksheet/worksheet.h"

namespace assistive {

namespace spoken = content::spoken;

namespace {

const QString& compoundIn(const worksheet::Worksheet& ws, int slot, const QString& ifEmpty) {
    const std::int16_t copy = ws.model.SlotTable[slot].Placed;
    return copy == model::kEmpty ? ifEmpty : spoken::kCompounds[model::compoundOf(copy)];
}

} // namespace

QString blankName(const worksheet::Worksheet& ws, int slot) {
    const model::Blank& blank = model::blank(slot);
    const QString& which = !model::hasTwoBlanks(blank.reaction) ? spoken::kOnlyBlank
                           : blank.side == 0                    ? spoken::kFirstBlank
                                                                : spoken::kSecondBlank;
    return spoken::kBlank.arg(content::reactionDrawing(blank.reaction).accessibleName(), which,
                              compoundIn(ws, slot, spoken::kEmptyBlank));
}

QString boxName(const worksheet::Worksheet& ws, int box) {
    const model::CoefficientBox& term = model::box(box);
    if (term.termBlank == model::kNone)
        return spoken::kCoefficient.arg(QStringView(term.reactant));
    return spoken::kCoefficient.arg(compoundIn(ws, term.termBlank, spoken::kCompoundOfBlank));
}

} // namespace assistive
