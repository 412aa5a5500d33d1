#pragma once

#include "content/texts.h"

#include <QCoreApplication>
#include <QString>

// What a screen reader says of the worksheet: the compounds and reactions in words, with their
// formulae spelled out in plain characters that a speech synthesiser can read.
namespace content::spoken {

// A compound by its name and formula, "αιθανικό οξύ, CH3COOH", and its formula alone.
inline QString compound(int number) {
    const model::CompoundRecord& record = model::kCompoundTable.at(number);
    return texts::translated("Compounds", record.name) + QStringLiteral(", ") +
           texts::fromModel(record.formula);
}
inline QString formula(int number) {
    return texts::fromModel(model::kCompoundTable.at(number).formula);
}

// The sections, as the scroll bar and each section's box are named: "%1" the section's number,
// "%2" its title, or what it is about where it has none.
inline QString sectionName() {
    //: A section of the worksheet, as a screen reader says it: "%1" its number, "%2" its title.
    return QCoreApplication::translate("Spoken", "Ενότητα %1 από 5, %2");
}
inline QString sectionSubject(int section) {
    const model::Section& record = model::section(section);
    return texts::translated("Sections", record.title.empty() ? record.subject : record.title);
}

// A blank: "%1" the reaction, "%2" which blank, "%3" what it holds.
inline QString blankName() {
    return QCoreApplication::translate("Spoken", "%1: %2, %3");
}
inline QString onlyBlank() {
    //: A blank (an empty place to fill in) of a reaction's product, not a vacuum.
    return QCoreApplication::translate("Spoken", "κενό προϊόντος");
}
inline QString firstBlank() {
    return QCoreApplication::translate("Spoken", "πρώτο κενό προϊόντος");
}
inline QString secondBlank() {
    return QCoreApplication::translate("Spoken", "δεύτερο κενό προϊόντος");
}
inline QString emptyBlank() {
    //: A blank that holds no compound yet.
    return QCoreApplication::translate("Spoken", "άδειο");
}
// The keys of a blank, heard once after start-up and after a restart, and again with F1.
inline QString blankKeys() {
    return QCoreApplication::translate(
        "Spoken", "Διάστημα, Enter ή βέλη: η επόμενη ένωση. Delete: αφαίρεση της ένωσης. "
                  "Page Down, Page Up: η επόμενη ή η προηγούμενη ενότητα. F1: ξανά αυτές οι "
                  "οδηγίες.");
}

// A coefficient box: the term it multiplies and its reaction. A reactant: "%1" its formula, "%2"
// the reaction. A product: "%1" which product, "%2" the compound in its blank, "%3" the reaction;
// or, while the blank is empty, "%1" which product and "%2" the reaction.
inline QString reactantCoefficient() {
    //: A stoichiometric coefficient box: "%1" the reactant's formula, "%2" the reaction.
    return QCoreApplication::translate("Spoken", "Συντελεστής του %1, %2", "reactant");
}
inline QString productCoefficient() {
    //: A stoichiometric coefficient box: "%1" which product (genitive), "%2" its formula, "%3" the
    //: reaction.
    return QCoreApplication::translate("Spoken", "Συντελεστής του %1 %2, %3");
}
inline QString emptyProductCoefficient() {
    //: A stoichiometric coefficient box of a product whose blank is empty: "%1" which product
    //: (genitive), "%2" the reaction.
    return QCoreApplication::translate("Spoken", "Συντελεστής του %1, %2", "empty product");
}
inline QString onlyProduct() {
    return QCoreApplication::translate("Spoken", "προϊόντος");
}
inline QString firstProduct() {
    return QCoreApplication::translate("Spoken", "πρώτου προϊόντος");
}
inline QString secondProduct() {
    return QCoreApplication::translate("Spoken", "δεύτερου προϊόντος");
}

// The grade as the label shows it, and, while it is shown, as the keyboard stop over it is
// named after a check: "%1" the grade in per cent, followed by what the check did.
inline QString gradeLabel() {
    //: The student's mark for the worksheet, in per cent; not a degree.
    return QCoreApplication::translate("Spoken", "Βαθμός");
}
// A new zoom of the worksheet, in per cent.
inline QString zoomHeard() {
    //: Said when the worksheet is zoomed: "%1" the new zoom in per cent.
    return QCoreApplication::translate("Spoken", "Μέγεθος %1 %");
}
inline QString gradeHeard() {
    return QCoreApplication::translate("Spoken", "Βαθμός: %1 %.");
}
inline QString noSectionRight() {
    return QCoreApplication::translate("Spoken", "Καμία ενότητα δεν είναι σωστή.");
}
inline QString oneSectionRight() {
    return QCoreApplication::translate("Spoken", "Σωστή η ενότητα %1.");
}
// "%1" the sections but the last, "%2" the last.
inline QString sectionsRight() {
    return QCoreApplication::translate("Spoken", "Σωστές οι ενότητες %1 και %2.");
}
inline QString nothingReturned() {
    return QCoreApplication::translate("Spoken", "Καμία ένωση δεν επέστρεψε στην παλέτα.");
}
inline QString oneReturned() {
    return QCoreApplication::translate("Spoken", "Μία ένωση επέστρεψε στην παλέτα.");
}
inline QString someReturned() {
    return QCoreApplication::translate("Spoken", "%1 ενώσεις επέστρεψαν στην παλέτα.");
}
inline QString oneCoefficientsCleared() {
    return QCoreApplication::translate("Spoken", "Σβήστηκαν οι λάθος συντελεστές μιας αντίδρασης.");
}
inline QString coefficientsCleared() {
    return QCoreApplication::translate("Spoken", "Σβήστηκαν οι λάθος συντελεστές %1 αντιδράσεων.");
}

} // namespace content::spoken
