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
inline QString menuHandIn() {
    //: A menu command: the student hands in their work to the teacher, as a PDF and a record.
    return QCoreApplication::translate("Window", "Παράδοση...");
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

// What the window says as it opens after a run that did not end ordinarily: the work it left is
// back; or what it left could not be read, with the path of the file, set aside for a teacher.
inline QString workTakenUp() {
    return QCoreApplication::translate(
        "Window", "Την προηγούμενη φορά το πρόγραμμα δεν έκλεισε κανονικά. Η εργασία σας δεν "
                  "χάθηκε: το φύλλο εργασίας είναι όπως το αφήσατε.");
}
inline QString workUnreadable() {
    return QCoreApplication::translate(
        "Window", "Η εργασία που είχε μείνει από την προηγούμενη φορά δεν ήταν δυνατό να "
                  "διαβαστεί, γι' αυτό το φύλλο εργασίας ξεκινά από την αρχή. Το αρχείο της "
                  "φυλάχτηκε ως\n%1");
}

// The hand-in's dialog: its title, what it does, the student's details, the folder the work goes
// to and its three buttons; what it says when a detail is missing; and the messages that follow,
// with the folder's path and the two files' names, or what went wrong.
inline QString handInTitle() {
    //: The title of the dialog in which a student hands in their work.
    return QCoreApplication::translate("HandIn", "Παράδοση εργασίας");
}
inline QString handInIntro() {
    return QCoreApplication::translate(
        "HandIn", "Η εργασία σας βαθμολογείται όπως είναι τώρα και παραδίδεται στον καθηγητή σας "
                  "σε δύο αρχεία: το φύλλο σας ως PDF και την καταγραφή του. Το φύλλο στο "
                  "παράθυρο μένει όπως είναι.");
}
inline QString handInName() {
    //: The label of the field for the student's full name.
    return QCoreApplication::translate("HandIn", "Ονοματεπώνυμο:");
}
inline QString handInClass() {
    //: The label of the field for the student's class at school, such as "Β2".
    return QCoreApplication::translate("HandIn", "Τάξη:");
}
inline QString handInClassExample() {
    //: The hint in the empty field for the class: an example of a class's name.
    return QCoreApplication::translate("HandIn", "π.χ. Β2");
}
inline QString handInFolder() {
    //: The label of the folder the work is handed in to.
    return QCoreApplication::translate("HandIn", "Φάκελος:");
}
inline QString handInButton() {
    //: The dialog's button that hands the work in.
    return QCoreApplication::translate("HandIn", "Παράδοση");
}
inline QString handInPrint() {
    //: The dialog's button that prints the student's sheet.
    return QCoreApplication::translate("HandIn", "Εκτύπωση...");
}
inline QString handInCancel() {
    return QCoreApplication::translate("HandIn", "Άκυρο");
}
inline QString handInNameMissing() {
    return QCoreApplication::translate("HandIn", "Γράψτε το ονοματεπώνυμό σας.");
}
inline QString handInClassMissing() {
    return QCoreApplication::translate("HandIn", "Γράψτε την τάξη σας.");
}
inline QString handInBothMissing() {
    return QCoreApplication::translate("HandIn", "Γράψτε το ονοματεπώνυμο και την τάξη σας.");
}
// After a hand-in: "%1" the folder, "%2" and "%3" the two files' names.
inline QString handedIn() {
    return QCoreApplication::translate(
        "HandIn",
        "Η εργασία σας παραδόθηκε. Τα δύο αρχεία της βρίσκονται στον φάκελο\n%1\n\n%2\n%3");
}
// Why the work was not handed in, "%1" the folder; then what the system said, and what to do.
inline QString handInNoFolder() {
    return QCoreApplication::translate(
        "HandIn", "Η εργασία δεν παραδόθηκε: ο φάκελος\n%1\nδεν υπάρχει και δεν ήταν δυνατό να "
                  "δημιουργηθεί.");
}
inline QString handInNotWritten() {
    return QCoreApplication::translate(
        "HandIn", "Η εργασία δεν παραδόθηκε: δεν ήταν δυνατό να γραφτεί στον φάκελο\n%1");
}
inline QString handInTooLong() {
    return QCoreApplication::translate(
        "HandIn", "Η εργασία δεν παραδόθηκε: το ονοματεπώνυμο, η τάξη ή κάποιος συντελεστής έχει "
                  "τόσο μεγάλο κείμενο που η καταγραφή της δεν θα διαβαζόταν. Συντομέψτε το και "
                  "δοκιμάστε ξανά.");
}
inline QString handInStillHere() {
    return QCoreApplication::translate(
        "HandIn", "Τίποτα δεν γράφτηκε και η εργασία σας είναι ακόμη στο παράθυρο. Δοκιμάστε "
                  "ξανά, τυπώστε την ή ζητήστε βοήθεια από τον καθηγητή σας.");
}
inline QString handInNotPrinted() {
    return QCoreApplication::translate("HandIn", "Η εκτύπωση δεν έγινε.");
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
