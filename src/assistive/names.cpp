#include "assistive/names.h"

#include "content/drawings.h"
#include "content/spoken.h"
#include "model/marking.h"
#include "worksheet/worksheet.h"

#include <QStringList>

namespace assistive {

namespace spoken = content::spoken;

namespace {

const QString* compoundIn(const worksheet::Worksheet& ws, int slot) {
    const std::int16_t copy = ws.model.SlotTable[slot].Placed;
    return copy == model::kEmpty ? nullptr : &spoken::kFormulas[model::compoundOf(copy)];
}

} // namespace

QString blankName(const worksheet::Worksheet& ws, int slot) {
    const model::Blank& blank = model::blank(slot);
    const QString& which = !model::hasTwoBlanks(blank.reaction) ? spoken::kOnlyBlank
                           : blank.side == 0                    ? spoken::kFirstBlank
                                                                : spoken::kSecondBlank;
    const std::int16_t copy = ws.model.SlotTable[slot].Placed;
    return spoken::kBlank.arg(content::reactionDrawing(blank.reaction).accessibleName(), which,
                              copy == model::kEmpty ? spoken::kEmptyBlank
                                                    : spoken::kCompounds[model::compoundOf(copy)]);
}

QString boxName(const worksheet::Worksheet& ws, int box) {
    const model::CoefficientBox& term = model::box(box);
    const QString reaction = QStringView(model::groupOfBox(box).spoken).toString();
    if (term.termBlank == model::kNone)
        return spoken::kReactantCoefficient.arg(QStringView(term.reactant).toString(), reaction);
    const model::Blank& blank = model::blank(term.termBlank);
    const QString& which = !model::hasTwoBlanks(blank.reaction) ? spoken::kOnlyProduct
                           : blank.side == 0                    ? spoken::kFirstProduct
                                                                : spoken::kSecondProduct;
    if (const QString* formula = compoundIn(ws, term.termBlank))
        return spoken::kProductCoefficient.arg(which, *formula, reaction);
    return spoken::kEmptyProductCoefficient.arg(which, reaction);
}

QString sectionName(int section) {
    return spoken::kSection.arg(section + 1).arg(spoken::kSectionSubjects.at(section));
}

QString checkOutcome(const model::Marking& marking) {
    QStringList right;
    for (int section = 0; section < model::kSections; ++section) {
        if (marking.fullMarks[section])
            right << QString::number(section + 1);
    }
    QString outcome;
    if (right.isEmpty())
        outcome = spoken::kNoSectionRight;
    else if (right.size() == 1)
        outcome = spoken::kOneSectionRight.arg(right.front());
    else
        outcome = spoken::kSectionsRight.arg(
            right.mid(0, right.size() - 1).join(QStringLiteral(", ")), right.back());
    const qsizetype returned = qsizetype(marking.emptied.size());
    outcome += u' ' + (returned == 0   ? spoken::kNothingReturned
                       : returned == 1 ? spoken::kOneReturned
                                       : spoken::kSomeReturned.arg(returned));
    const qsizetype cleared = qsizetype(marking.cleared.size());
    if (cleared == 1)
        outcome += u' ' + spoken::kOneCoefficientsCleared;
    else if (cleared > 1)
        outcome += u' ' + spoken::kCoefficientsCleared.arg(cleared);
    return outcome;
}

} // namespace assistive
