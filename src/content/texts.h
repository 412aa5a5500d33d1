#pragma once

#include "model/description.h"

#include <QString>

#include <array>
#include <string_view>

// Every text the main window shows, in one place; the sections' titles and notes are the
// worksheet's own (model/description.h).
namespace content::texts {

inline QString fromModel(std::u16string_view text) {
    return QString::fromUtf16(text.data(), qsizetype(text.size()));
}

inline QString sectionTitle(int section) {
    return fromModel(model::section(section).title);
}
inline QString note(int section) {
    return fromModel(model::section(section).note);
}

inline const QString kCaption = QStringLiteral("Παρασκευές οργανικών οξέων");

inline const QString kMenuHelp = QStringLiteral("Βοήθεια");
inline const QString kMenuCheck = QStringLiteral("Έλεγχος");
inline const QString kMenuRestart = QStringLiteral("Απ' την αρχή");
inline const QString kMenuSheet = QStringLiteral("Φύλλο εργασίας");
inline const QString kMenuSeparator = QStringLiteral("|");
inline const QString kMenuAbout = QStringLiteral("Περί...");
inline const QString kMenuExit = QStringLiteral("Έξοδος");

// The help message: three lines, and the keys of the zoom.
inline const QString kHelpTitle = QStringLiteral("Βοήθεια");
inline const std::array<QString, 4> kHelpLines{
    QStringLiteral("Σύρετε με πατημένο κλικ τις ενώσεις που βρίσκονται σε πράσινο πλαίσιο στο "
                   "πάνω μέρος του παραθύρου, πάνω στις αντίστοιχες αντιδράσεις που βρίσκονται "
                   "σε κίτρινο πλαίσιο."),
    QStringLiteral("Προσθέσετε τους ακέραιους συντελεστές των αντιδράσεων."),
    QStringLiteral("Όταν τελειώσετε ζητήστε έλεγχο της προσπάθειάς σας."),
    QStringLiteral("Με Ctrl και + ή Ctrl και − (ή με Ctrl και τη ροδέλα του ποντικιού) το φύλλο "
                   "μεγαλώνει ή μικραίνει· με Ctrl και 0 επιστρέφει στο κανονικό του μέγεθος."),
};

// Hints of the cards, shown while the pointer moves over them.
inline const QString kHintDrag = QStringLiteral("η μεταφορά ξεκινάει με πατημένο κλικ");
inline const QString kHintRemove = QStringLiteral("αφαιρέστε το με διπλό κλικ");

// The menu command's message when the printable worksheet cannot be opened, with the file's
// path, so that a teacher can open it by hand.
inline const QString kSheetNotOpened =
    QStringLiteral("Το φύλλο εργασίας δεν άνοιξε. Βρίσκεται στο αρχείο\n%1\nκαι μπορείτε να το "
                   "ανοίξετε από εκεί με ένα πρόγραμμα για αρχεία PDF.");
// ... and when it is neither where it is installed nor could be written anywhere else.
inline const QString kSheetNotFound =
    QStringLiteral("Το φύλλο εργασίας δεν βρέθηκε στο αρχείο\n%1\nκαι δεν ήταν δυνατό να γραφτεί "
                   "αντίγραφό του σε άλλο φάκελο.");

} // namespace content::texts
