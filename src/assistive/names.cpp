#include "assistive/names.h"

#include "content/spoken.h"
#include "content/texts.h"
#include "model/worksheet.h"

#include <QStringList>

namespace assistive {

namespace spoken = content::spoken;
using content::texts::fromModel;

namespace {

const QString& whichBlank(int blank) {
    if (!model::hasTwoBlanks(model::reactionOfBlank(blank)))
        return spoken::kOnlyBlank;
    return model::sideOfBlank(blank) == 0 ? spoken::kFirstBlank : spoken::kSecondBlank;
}

const QString& whichProduct(int blank) {
    if (!model::hasTwoBlanks(model::reactionOfBlank(blank)))
        return spoken::kOnlyProduct;
    return model::sideOfBlank(blank) == 0 ? spoken::kFirstProduct : spoken::kSecondProduct;
}

} // namespace

QString blankName(const model::Worksheet& worksheet, int blank) {
    const int compound = worksheet.compoundIn(blank);
    return spoken::kBlank.arg(
        fromModel(model::reaction(model::reactionOfBlank(blank)).spoken), whichBlank(blank),
        compound == model::kNone ? spoken::kEmptyBlank : spoken::compound(compound));
}

QString boxName(const model::Worksheet& worksheet, int box) {
    const model::BoxRecord& term = model::boxRecord(box);
    const QString reaction = fromModel(model::reaction(model::reactionOfBox(box)).spokenForBoxes);
    const int blank = model::termBlankOf(box);
    if (blank == model::kNone)
        return spoken::kReactantCoefficient.arg(fromModel(term.reactant), reaction);
    const int compound = worksheet.compoundIn(blank);
    if (compound == model::kNone)
        return spoken::kEmptyProductCoefficient.arg(whichProduct(blank), reaction);
    return spoken::kProductCoefficient.arg(whichProduct(blank), spoken::formula(compound),
                                           reaction);
}

QString sectionName(int section) {
    return spoken::kSection.arg(section + 1).arg(spoken::sectionSubject(section));
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
