#pragma once

#include "content/language.h"
#include "model/description.h"

#include <QCoreApplication>
#include <QString>

#include <array>
#include <string_view>

// Every text the program shows or prints, in one place; the sections' titles and notes are the
// worksheet's own (model/description.h).
namespace content::texts {

// The description's texts are UTF-8; its formulas stay as they are, its words are looked up in
// the catalogue of the language chosen, under the context that marks them there.
inline QString fromModel(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}
inline QString translated(const char* context, std::string_view text) {
    return QCoreApplication::translate(context, QByteArray(text.data(), qsizetype(text.size())));
}

inline QString sectionTitle(int section) {
    return translated("Sections", model::section(section).title);
}
inline QString note(int section) {
    return translated("Sections", model::section(section).note);
}

inline QString caption() {
    return QCoreApplication::translate("Window", "Παρασκευές οργανικών οξέων");
}

inline QString menuHelp() {
    //: A menu command: shows the help.
    return QCoreApplication::translate("Window", "Βοήθεια");
}
inline QString menuCheck() {
    //: A menu command: the worksheet marks the answers.
    return QCoreApplication::translate("Window", "Έλεγχος");
}
inline QString menuRestart() {
    //: A menu command: start the worksheet over, empty.
    return QCoreApplication::translate("Window", "Απ' την αρχή");
}
inline QString menuSheet() {
    //: A menu command, and its message's title: opens the printable worksheet, a school worksheet
    //: (not a spreadsheet).
    return QCoreApplication::translate("Window", "Φύλλο εργασίας");
}
inline const QString kMenuSeparator = QStringLiteral("|");
inline QString menuAbout() {
    //: A menu command: the About window.
    return QCoreApplication::translate("Window", "Περί...");
}
inline QString menuExit() {
    //: A menu command: quits the program.
    return QCoreApplication::translate("Window", "Έξοδος");
}

// The help message: three lines, and the keys of the zoom.
inline QString helpTitle() {
    return QCoreApplication::translate("Window", "Βοήθεια");
}
inline std::array<QString, 4> helpLines() {
    return {
        QCoreApplication::translate(
            "Window", "Σύρετε με πατημένο κλικ τις ενώσεις που βρίσκονται σε πράσινο πλαίσιο στο "
                      "πάνω μέρος του παραθύρου, πάνω στις αντίστοιχες αντιδράσεις που βρίσκονται "
                      "σε κίτρινο πλαίσιο."),
        QCoreApplication::translate("Window",
                                    "Προσθέσετε τους ακέραιους συντελεστές των αντιδράσεων."),
        QCoreApplication::translate("Window",
                                    "Όταν τελειώσετε ζητήστε έλεγχο της προσπάθειάς σας."),
        QCoreApplication::translate(
            "Window", "Με Ctrl και + ή Ctrl και − (ή με Ctrl και τη ροδέλα του ποντικιού) το φύλλο "
                      "μεγαλώνει ή μικραίνει· με Ctrl και 0 επιστρέφει στο κανονικό του μέγεθος."),
    };
}

// The help's button that changes the language for the next start, named in the language it
// chooses; and what the program says then, in both languages, as the window stays in the one.
inline QString languageButton(Language language) {
    if (language == Language::English)
        //: The name of the other language in its own words, on the help's button that chooses
        //: it: leave it as it is.
        return QCoreApplication::translate("Window", "English");
    //: As "English": the language's name in its own words; leave it as it is.
    return QCoreApplication::translate("Window", "Ελληνικά");
}
inline QString languageNextStart() {
    //: Said in both languages, as the window keeps this run's: leave both lines as they are.
    return QCoreApplication::translate(
        "Window", "Η γλώσσα θα αλλάξει την επόμενη φορά που θα ανοίξει το πρόγραμμα.\n"
                  "The language will change the next time the program starts.");
}

// Hints of the cards, shown while the pointer moves over them.
inline QString hintDrag() {
    //: Tooltip of a compound card on the palette: drag it with the button held down. Lower case,
    //: like a tooltip.
    return QCoreApplication::translate("Window", "η μεταφορά ξεκινάει με πατημένο κλικ");
}
inline QString hintRemove() {
    //: Tooltip of a compound card placed in a blank: a double click removes it.
    return QCoreApplication::translate("Window", "αφαιρέστε το με διπλό κλικ");
}

// The menu command's message when the printable worksheet cannot be opened, with the file's
// path, so that a teacher can open it by hand.
inline QString sheetNotOpened() {
    return QCoreApplication::translate(
        "Window", "Το φύλλο εργασίας δεν άνοιξε. Βρίσκεται στο αρχείο\n%1\nκαι μπορείτε να το "
                  "ανοίξετε από εκεί με ένα πρόγραμμα για αρχεία PDF.");
}
// ... and when it is neither where it is installed nor could be written anywhere else.
inline QString sheetNotFound() {
    return QCoreApplication::translate(
        "Window", "Το φύλλο εργασίας δεν βρέθηκε στο αρχείο\n%1\nκαι δεν ήταν δυνατό να γραφτεί "
                  "αντίγραφό του σε άλλο φάκελο.");
}

// What the command line prints, in Greek or in the language the locale or --language asks for
// (main.cpp). The help's %1 is the program's name; the errors' %1 what they quote of the command
// line; the answer key's %1 the path of its file, and the folder's of hand-ins its path. The
// command line speaks before there is an
// application object to hold a translator, so its texts come through `lookUp`, which takes
// each Greek text and gives it in the language chosen.
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
    QString unknownLanguage;
    QString csvWithoutResults;
    QString answersWithResults;
    QString folderMissing;
    QString notAFolder;
    QString folderUnreadable;
    QString outputFailed;
};

template <typename LookUp> CommandLineTexts commandLineTexts(LookUp lookUp) {
    return {
        //: The output of --help. Keep the options and the columns as they are.
        lookUp(QT_TRANSLATE_NOOP(
            "CommandLine",
            "Χρήση: %1 [επιλογές]\n"
            "Παρασκευές οργανικών οξέων: φύλλο εργασίας χημείας για τις παρασκευές των "
            "καρβοξυλικών οξέων.\n"
            "Γίνονται δεκτές και οι τυπικές επιλογές της Qt, όπως -platform, -style και -reverse.\n"
            "\n"
            "Επιλογές:\n"
            "  -h, --help     Δείχνει αυτή τη βοήθεια και τερματίζει.\n"
            "  -v, --version  Δείχνει το όνομα και την έκδοση και τερματίζει.\n"
            "  --answers      Ανοίγει τις λύσεις, το φύλλο εργασίας συμπληρωμένο, στο\n"
            "                 πρόγραμμα προβολής PDF της επιφάνειας εργασίας, και τερματίζει.\n"
            "  --language el|en\n"
            "                 Η γλώσσα του φύλλου εργασίας και των λύσεων: el, ελληνικά\n"
            "                 (χωρίς την επιλογή, αν δεν διαλέξατε άλλη στη βοήθεια), ή en,\n"
            "                 αγγλικά.\n"
            "  --results ΦΑΚΕΛΟΣ\n"
            "                 Ανοίγει, αντί για το φύλλο εργασίας, τον πίνακα με τις\n"
            "                 παραδόσεις των μαθητών στον ΦΑΚΕΛΟ.\n"
            "  --csv          Με την --results: γράφει τον πίνακα ως CSV στην τυπική έξοδο,\n"
            "                 χωρίς παράθυρο, και τερματίζει.\n")),
        lookUp(QT_TRANSLATE_NOOP("CommandLine", "Άγνωστη επιλογή «%1».")),
        lookUp(QT_TRANSLATE_NOOP("CommandLine", "Άγνωστες επιλογές: %1.")),
        lookUp(QT_TRANSLATE_NOOP("CommandLine", "Λείπει η τιμή μετά το «%1».")),
        lookUp(QT_TRANSLATE_NOOP("CommandLine", "Το «%1» δεν παίρνει τιμή.")),
        lookUp(QT_TRANSLATE_NOOP("CommandLine", "Απρόσμενο όρισμα «%1».")),
        lookUp(QT_TRANSLATE_NOOP("CommandLine", "Δεν υπάρχει οθόνη για να ανοίξει το παράθυρο.")),
        lookUp(QT_TRANSLATE_NOOP(
            "CommandLine",
            "Δεν υπάρχει οθόνη για να εμφανιστούν οι λύσεις. Βρίσκονται στο αρχείο %1")),
        lookUp(QT_TRANSLATE_NOOP("CommandLine", "Οι λύσεις δεν άνοιξαν. Βρίσκονται στο αρχείο %1")),
        lookUp(QT_TRANSLATE_NOOP(
            "CommandLine",
            "Οι λύσεις δεν βρέθηκαν στο %1 και δεν ήταν δυνατό να γραφτεί αντίγραφό τους.")),
        lookUp(QT_TRANSLATE_NOOP("CommandLine",
                                 "Άγνωστη γλώσσα «%1»· το φύλλο εργασίας μιλά el ή en.")),
        lookUp(QT_TRANSLATE_NOOP("CommandLine", "Η επιλογή «csv» θέλει και την «results».")),
        lookUp(QT_TRANSLATE_NOOP("CommandLine",
                                 "Οι επιλογές «answers» και «results» δεν δίνονται μαζί.")),
        //: %1 is the folder of hand-ins that --results names.
        lookUp(QT_TRANSLATE_NOOP("CommandLine", "Ο φάκελος %1 δεν υπάρχει.")),
        lookUp(QT_TRANSLATE_NOOP("CommandLine", "Το %1 δεν είναι φάκελος.")),
        lookUp(QT_TRANSLATE_NOOP("CommandLine", "Ο φάκελος %1 δεν διαβάζεται.")),
        lookUp(QT_TRANSLATE_NOOP("CommandLine", "Ο πίνακας δεν γράφτηκε ολόκληρος στην έξοδο.")),
    };
}

} // namespace content::texts
