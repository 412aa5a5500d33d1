#pragma once

#include "model/description.h"

#include <QString>

#include <array>
#include <string_view>

// Every text the program shows or prints, in one place; the sections' titles and notes are the
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

// What the command line prints, in English or in Greek after the locale (main.cpp). The help's
// %1 is the program's name; the errors' %1 what they quote of the command line; the answer
// key's %1 the path of its file.
struct CommandLineTexts {
    QString help;
    QString unknownOption;
    QString unknownOptions;
    QString missingValue;
    QString unexpectedValue;
    QString unexpectedArgument;
    QString noDisplayForWindow;
    QString noDisplayForKey;
    QString keyNotOpened;
    QString keyNotFound;
};

inline const CommandLineTexts kCommandLineEnglish{
    QStringLiteral(
        "Usage: %1 [options]\n"
        "Παρασκευές οργανικών οξέων: a chemistry worksheet on the preparation of carboxylic "
        "acids.\n"
        "Qt's standard options, such as -platform, -style and -reverse, are accepted too.\n"
        "\n"
        "Options:\n"
        "  -h, --help     Shows this help and exits.\n"
        "  -v, --version  Shows the name and version and exits.\n"
        "  --answers      Opens the answer key, the printable worksheet filled in, in\n"
        "                 the desktop's PDF viewer, and exits.\n"),
    QStringLiteral("Unknown option '%1'."),
    QStringLiteral("Unknown options: %1."),
    QStringLiteral("Missing value after '%1'."),
    QStringLiteral("Unexpected value after '%1'."),
    QStringLiteral("Unexpected argument '%1'."),
    QStringLiteral("There is no display to open the window on."),
    QStringLiteral("There is no display to show the answer key on. It is the file %1"),
    QStringLiteral("Nothing could open the answer key. It is the file %1"),
    QStringLiteral("The answer key is not at %1 and no copy of it could be written."),
};

inline const CommandLineTexts kCommandLineGreek{
    QStringLiteral(
        "Χρήση: %1 [επιλογές]\n"
        "Παρασκευές οργανικών οξέων: φύλλο εργασίας χημείας για τις παρασκευές των καρβοξυλικών "
        "οξέων.\n"
        "Γίνονται δεκτές και οι τυπικές επιλογές της Qt, όπως -platform, -style και -reverse.\n"
        "\n"
        "Επιλογές:\n"
        "  -h, --help     Δείχνει αυτή τη βοήθεια και τερματίζει.\n"
        "  -v, --version  Δείχνει το όνομα και την έκδοση και τερματίζει.\n"
        "  --answers      Ανοίγει τις λύσεις, το φύλλο εργασίας συμπληρωμένο, στο\n"
        "                 πρόγραμμα προβολής PDF της επιφάνειας εργασίας, και τερματίζει.\n"),
    QStringLiteral("Άγνωστη επιλογή «%1»."),
    QStringLiteral("Άγνωστες επιλογές: %1."),
    QStringLiteral("Λείπει η τιμή μετά το «%1»."),
    QStringLiteral("Το «%1» δεν παίρνει τιμή."),
    QStringLiteral("Απρόσμενο όρισμα «%1»."),
    QStringLiteral("Δεν υπάρχει οθόνη για να ανοίξει το παράθυρο."),
    QStringLiteral("Δεν υπάρχει οθόνη για να εμφανιστούν οι λύσεις. Βρίσκονται στο αρχείο %1"),
    QStringLiteral("Οι λύσεις δεν άνοιξαν. Βρίσκονται στο αρχείο %1"),
    QStringLiteral("Οι λύσεις δεν βρέθηκαν στο %1 και δεν ήταν δυνατό να γραφτεί αντίγραφό τους."),
};

} // namespace content::texts
