#pragma once

#include <QString>

#include <array>

// Every text the main window shows, in one place.
namespace content::texts {

inline const QString kCaption = QStringLiteral("Παρασκευές οργανικών οξέων");

inline const QString kMenuHelp = QStringLiteral("Βοήθεια");
inline const QString kMenuCheck = QStringLiteral("Έλεγχος");
inline const QString kMenuRestart = QStringLiteral("Απ' την αρχή");
inline const QString kMenuSheet = QStringLiteral("Φύλλο εργασίας");
inline const QString kMenuSeparator = QStringLiteral("|");
inline const QString kMenuAbout = QStringLiteral("Περί...");
inline const QString kMenuExit = QStringLiteral("Έξοδος");

inline const QString kTitleIndustry = QStringLiteral("Βιομηχανική παρασκευή");
inline const QString kTitleLaboratory = QStringLiteral("Στο εργαστήριο");

// The note of each section, shown once the section is fully right.
inline const std::array<QString, 5> kNotes{
    QStringLiteral("Το «βιομηχανικό» οξικό οξύ το οποίο χρησιμοποιείται στη σύνθεση άλλων "
                   "προϊόντων παρασκευάζεται με τους παραπάνω τρεις τρόπους"),
    QStringLiteral("Το ξίδι είναι διάλυμα οξικού οξέος, το οποίο παρασκευάζεται από τη ζύμωση "
                   "κρασιού ή άλλου αλκοολούχου ποτού μικρής περιεκτικότητας σε οινόπνευμα "
                   "(περίπου 5% - 8%). Κατά τη διεργασία αυτή λαμβάνει χώρα οξείδωση της "
                   "αιθυλικής αλκοόλης προς οξικό οξύ παρουσία του ένζυμου αλκοολοξειδάση."),
    QStringLiteral("Από τα ζωικά ή φυτικά λίπη μπορούμε με κατάλληλη διεργασία να πάρουμε τα "
                   "ανώτερα μέλη της σειράς με μεγάλη καθαρότητα."),
    QStringLiteral("Το αιθανικό οξύ παρασκευάζεται με οξείδωση της αιθυλικής αλκοόλης με τα "
                   "κατάλληλα οξειδωτικά μέσα. Η παρασκευή αυτή μπορεί κάλλιστα να εφαρμοστεί "
                   "και για άλλα κορεσμένα μονοκαρβοξυλικά οξέα."),
    QStringLiteral("Το αιθανικό οξύ παρασκευάζεται με υδρόλυση του αιθανονιτριλίου παρουσία "
                   "οξέος ή βάσης. H παρασκευή αυτή μπορεί κάλλιστα να εφαρμοστεί και για άλλα "
                   "κορεσμένα μονοκαρβοξυλικά οξέα."),
};

// The help message: three lines.
inline const QString kHelpTitle = QStringLiteral("Βοήθεια");
inline const std::array<QString, 3> kHelpLines{
    QStringLiteral("Σύρετε με πατημένο κλικ τις ενώσεις που βρίσκονται σε πράσινο πλαίσιο στο "
                   "πάνω μέρος του παραθύρου, πάνω στις αντίστοιχες αντιδράσεις που βρίσκονται "
                   "σε κίτρινο πλαίσιο."),
    QStringLiteral("Προσθέσετε τους ακέραιους συντελεστές των αντιδράσεων."),
    QStringLiteral("Όταν τελειώσετε ζητήστε έλεγχο της προσπάθειάς σας."),
};

// Hints of the cards, shown while the pointer moves over them.
inline const QString kHintDrag = QStringLiteral("η μεταφορά ξεκινάει με πατημένο κλικ");
inline const QString kHintRemove = QStringLiteral("αφαιρέστε το με διπλό κλικ");

} // namespace content::texts
