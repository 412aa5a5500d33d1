#pragma once

#include "content/texts.h"

#include <QString>

// What a screen reader says of the worksheet: the compounds and reactions in words, with their
// formulae spelled out in plain characters that a speech synthesiser can read.
namespace content::spoken {

// A compound by its name and formula, "αιθανικό οξύ, CH3COOH", and its formula alone.
inline QString compound(int number) {
    const model::CompoundRecord& record = model::kCompoundTable.at(number);
    return texts::fromModel(record.name) + QStringLiteral(", ") + texts::fromModel(record.formula);
}
inline QString formula(int number) {
    return texts::fromModel(model::kCompoundTable.at(number).formula);
}

// The sections, as the scroll bar and each section's box are named: "%1" the section's number,
// "%2" its title, or what it is about where it has none.
inline const QString kSection = QStringLiteral("Ενότητα %1 από 5, %2");
inline QString sectionSubject(int section) {
    const model::Section& record = model::section(section);
    return texts::fromModel(record.title.empty() ? record.subject : record.title);
}

// A blank: "%1" the reaction, "%2" which blank, "%3" what it holds.
inline const QString kBlank = QStringLiteral("%1: %2, %3");
inline const QString kOnlyBlank = QStringLiteral("κενό προϊόντος");
inline const QString kFirstBlank = QStringLiteral("πρώτο κενό προϊόντος");
inline const QString kSecondBlank = QStringLiteral("δεύτερο κενό προϊόντος");
inline const QString kEmptyBlank = QStringLiteral("άδειο");
// The keys of a blank, heard once after start-up and after a restart, and again with F1.
inline const QString kBlankKeys =
    QStringLiteral("Διάστημα, Enter ή βέλη: η επόμενη ένωση. Delete: αφαίρεση της ένωσης. "
                   "Page Down, Page Up: η επόμενη ή η προηγούμενη ενότητα. F1: ξανά αυτές οι "
                   "οδηγίες.");

// A coefficient box: the term it multiplies and its reaction. A reactant: "%1" its formula, "%2"
// the reaction. A product: "%1" which product, "%2" the compound in its blank, "%3" the reaction;
// or, while the blank is empty, "%1" which product and "%2" the reaction.
inline const QString kReactantCoefficient = QStringLiteral("Συντελεστής του %1, %2");
inline const QString kProductCoefficient = QStringLiteral("Συντελεστής του %1 %2, %3");
inline const QString kEmptyProductCoefficient = QStringLiteral("Συντελεστής του %1, %2");
inline const QString kOnlyProduct = QStringLiteral("προϊόντος");
inline const QString kFirstProduct = QStringLiteral("πρώτου προϊόντος");
inline const QString kSecondProduct = QStringLiteral("δεύτερου προϊόντος");

// The grade as the label shows it, and, while it is shown, as the keyboard stop over it is
// named after a check: "%1" the grade in per cent, followed by what the check did.
inline const QString kGrade = QStringLiteral("Βαθμός");
// A new zoom of the worksheet, in per cent.
inline const QString kZoomHeard = QStringLiteral("Μέγεθος %1 %");
inline const QString kGradeHeard = QStringLiteral("Βαθμός: %1 %.");
inline const QString kNoSectionRight = QStringLiteral("Καμία ενότητα δεν είναι σωστή.");
inline const QString kOneSectionRight = QStringLiteral("Σωστή η ενότητα %1.");
// "%1" the sections but the last, "%2" the last.
inline const QString kSectionsRight = QStringLiteral("Σωστές οι ενότητες %1 και %2.");
inline const QString kNothingReturned = QStringLiteral("Καμία ένωση δεν επέστρεψε στην παλέτα.");
inline const QString kOneReturned = QStringLiteral("Μία ένωση επέστρεψε στην παλέτα.");
inline const QString kSomeReturned = QStringLiteral("%1 ενώσεις επέστρεψαν στην παλέτα.");
inline const QString kOneCoefficientsCleared =
    QStringLiteral("Σβήστηκαν οι λάθος συντελεστές μιας αντίδρασης.");
inline const QString kCoefficientsCleared =
    QStringLiteral("Σβήστηκαν οι λάθος συντελεστές %1 αντιδράσεων.");

} // namespace content::spoken
