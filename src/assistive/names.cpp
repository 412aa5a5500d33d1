#include "assistive/names.h"

#include "content/spoken.h"
#include "content/texts.h"
#include "model/worksheet.h"

#include <QStringList>

namespace assistive {

namespace spoken = content::spoken;
using content::texts::fromModel;
using content::texts::translated;

namespace {

QString whichBlank(int blank) {
    if (!model::hasTwoBlanks(model::reactionOfBlank(blank)))
        return spoken::onlyBlank();
    return model::sideOfBlank(blank) == 0 ? spoken::firstBlank() : spoken::secondBlank();
}

QString whichProduct(int blank) {
    if (!model::hasTwoBlanks(model::reactionOfBlank(blank)))
        return spoken::onlyProduct();
    return model::sideOfBlank(blank) == 0 ? spoken::firstProduct() : spoken::secondProduct();
}

} // namespace

QString blankName(const model::Worksheet& worksheet, int blank) {
    const int compound = worksheet.compoundIn(blank);
    return spoken::blankName().arg(
        translated("Reactions", model::reaction(model::reactionOfBlank(blank)).spoken),
        whichBlank(blank),
        compound == model::kNone ? spoken::emptyBlank() : spoken::compound(compound));
}

QString boxName(const model::Worksheet& worksheet, int box) {
    const model::BoxRecord& term = model::boxRecord(box);
    const QString reaction =
        translated("Reactions", model::reaction(model::reactionOfBox(box)).spokenForBoxes);
    const int blank = model::termBlankOf(box);
    if (blank == model::kNone)
        return spoken::reactantCoefficient().arg(fromModel(term.reactant), reaction);
    const int compound = worksheet.compoundIn(blank);
    if (compound == model::kNone)
        return spoken::emptyProductCoefficient().arg(whichProduct(blank), reaction);
    return spoken::productCoefficient().arg(whichProduct(blank), spoken::formula(compound),
                                            reaction);
}

QString sectionName(int section) {
    return spoken::sectionName().arg(section + 1).arg(spoken::sectionSubject(section));
}

QString checkOutcome(const model::Marking& marking) {
    QStringList right;
    for (int section = 0; section < model::kSections; ++section) {
        if (marking.fullMarks[section])
            right << QString::number(section + 1);
    }
    QString outcome;
    if (right.isEmpty())
        outcome = spoken::noSectionRight();
    else if (right.size() == 1)
        outcome = spoken::oneSectionRight().arg(right.front());
    else
        outcome = spoken::sectionsRight().arg(
            right.mid(0, right.size() - 1).join(QStringLiteral(", ")), right.back());
    const qsizetype returned = qsizetype(marking.emptied.size());
    outcome += u' ' + (returned == 0   ? spoken::nothingReturned()
                       : returned == 1 ? spoken::oneReturned()
                                       : spoken::someReturned().arg(returned));
    const qsizetype cleared = qsizetype(marking.cleared.size());
    if (cleared == 1)
        outcome += u' ' + spoken::oneCoefficientsCleared();
    else if (cleared > 1)
        outcome += u' ' + spoken::coefficientsCleared().arg(cleared);
    return outcome;
}

} // namespace assistive
