#pragma once

#include <QCoreApplication>
#include <QString>

// The texts of the teacher's table of hand-ins, in its window and in the CSV it writes.
namespace content::results {

inline QString caption() {
    //: The title of the teacher's window that lists the students' hand-ins: "%1" the folder's
    //: name.
    return QCoreApplication::translate("Results", "Παραδόσεις — %1");
}
inline QString folder() {
    //: Above the table: "%1" the path of the folder the hand-ins are read from.
    return QCoreApplication::translate("Results", "Φάκελος: %1");
}
inline QString tableName() {
    //: What a screen reader calls the table of the hand-ins.
    return QCoreApplication::translate("Results", "Οι παραδόσεις των μαθητών");
}
inline QString search() {
    //: The label of the field that shows only the hand-ins whose name or class holds its text.
    return QCoreApplication::translate("Results", "Αναζήτηση:");
}
inline QString searchHint() {
    //: Greyed in the empty search field.
    return QCoreApplication::translate("Results", "όνομα ή τάξη");
}
inline QString searchName() {
    //: What a screen reader calls the search field.
    return QCoreApplication::translate("Results", "Αναζήτηση με όνομα ή τάξη");
}

// The order of the table, for the keys and screen readers as for the mouse on the columns'
// heads: the column, and whether the largest, latest or last in alphabetical order comes first.
inline QString sortBy() {
    //: The label of the list that chooses the column the table is ordered by.
    return QCoreApplication::translate("Results", "Ταξινόμηση:");
}
inline QString descending() {
    //: A check box beside the list of columns: the table in descending order.
    return QCoreApplication::translate("Results", "Φθίνουσα");
}

// The columns, as the window heads them; the sections' as "%1" the section's number.
inline QString name() {
    //: The student's name, as typed at the hand-in.
    return QCoreApplication::translate("Results", "Όνομα");
}
inline QString schoolClass() {
    //: The student's class at school, such as Β2.
    return QCoreApplication::translate("Results", "Τάξη");
}
inline QString handedIn() {
    //: The date and time the work was handed in.
    return QCoreApplication::translate("Results", "Παράδοση");
}
inline QString grade() {
    //: The student's mark for the worksheet, in per cent; not a degree.
    return QCoreApplication::translate("Results", "Βαθμός");
}
inline QString section() {
    return QCoreApplication::translate("Results", "Ενότητα %1");
}
inline QString checks() {
    //: How many times the student asked for a check before handing in.
    return QCoreApplication::translate("Results", "Έλεγχοι");
}
inline QString duration() {
    //: How long the student worked, from the start of the worksheet to the hand-in.
    return QCoreApplication::translate("Results", "Διάρκεια");
}
inline QString account() {
    //: The login the work was handed in from.
    return QCoreApplication::translate("Results", "Λογαριασμός");
}
inline QString file() {
    //: The file name of the hand-in's record in the folder.
    return QCoreApplication::translate("Results", "Αρχείο");
}
inline QString status() {
    //: A column of the CSV: whether the file is a hand-in or cannot be read.
    return QCoreApplication::translate("Results", "Κατάσταση");
}
// The CSV heads a section's column with its full marks: "%1" its number, "%2" the marks.
inline QString sectionOutOf() {
    return QCoreApplication::translate("Results", "Ενότητα %1 (από %2)");
}
inline QString percent() {
    //: The grade in per cent, as in 72 %.
    return QCoreApplication::translate("Results", "%1 %");
}

// A file in the folder that is not a hand-in this program reads.
inline QString unreadable() {
    //: In the name's column, for a file that is not a hand-in the table can read: "%1" the
    //: file's name.
    return QCoreApplication::translate("Results", "Δεν διαβάζεται: %1");
}
inline QString unreadableWhy() {
    return QCoreApplication::translate(
        "Results", "Το αρχείο δεν είναι παράδοση αυτού του προγράμματος, ή είναι κατεστραμμένο ή "
                   "άλλης έκδοσης.");
}
// The CSV's status column.
inline QString isHandIn() {
    //: In the CSV's status column, for a file that is a hand-in.
    return QCoreApplication::translate("Results", "παράδοση");
}
inline QString isUnreadable() {
    //: In the CSV's status column, for a file that is not a hand-in the table can read.
    return QCoreApplication::translate("Results", "δεν διαβάζεται");
}

// Under the table: how many hand-ins and unreadable files there are, and how many the search
// shows.
inline QString handInCount() {
    //: Under the table: how many hand-ins the folder holds.
    return QCoreApplication::translate("Results", "Παραδόσεις: %1");
}
inline QString unreadableCount() {
    return QCoreApplication::translate("Results", "Αρχεία που δεν διαβάζονται: %1");
}
inline QString shownCount() {
    //: How many rows the search leaves in the table.
    return QCoreApplication::translate("Results", "Εμφανίζονται: %1");
}
inline QString folderNotRead() {
    //: Under the table, when the folder cannot be read again: "%1" its path.
    return QCoreApplication::translate(
        "Results", "Ο φάκελος %1 δεν διαβάζεται τώρα· ο πίνακας δείχνει ό,τι βρέθηκε πριν.");
}

// The commands, on buttons under the table.
inline QString openPage() {
    //: A button: opens the selected student's page, a PDF document.
    return QCoreApplication::translate("Results", "Άνοιγμα PDF");
}
inline QString saveCsv() {
    //: A button: saves the table as a CSV file, through a file dialog.
    return QCoreApplication::translate("Results", "Αποθήκευση ως CSV...");
}
inline QString saveCsvTitle() {
    return QCoreApplication::translate("Results", "Αποθήκευση ως CSV");
}
inline QString csvFiles() {
    //: The file dialog's filter: keep "(*.csv)" as it is.
    return QCoreApplication::translate("Results", "Αρχεία CSV (*.csv)");
}
inline QString refresh() {
    //: A button: reads the folder again.
    return QCoreApplication::translate("Results", "Ανανέωση");
}

// Messages, each with a file's path that a teacher can open or look for by hand.
inline QString notSaved() {
    return QCoreApplication::translate("Results", "Ο πίνακας δεν αποθηκεύτηκε στο αρχείο\n%1");
}
inline QString pageNotFound() {
    return QCoreApplication::translate(
        "Results", "Η σελίδα του μαθητή σε PDF δεν βρέθηκε. Θα ήταν το αρχείο\n%1");
}
inline QString pageNotOpened() {
    return QCoreApplication::translate(
        "Results", "Η σελίδα του μαθητή δεν άνοιξε. Βρίσκεται στο αρχείο\n%1\nκαι μπορείτε να "
                   "την ανοίξετε από εκεί με ένα πρόγραμμα για αρχεία PDF.");
}

} // namespace content::results
