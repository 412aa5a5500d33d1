#pragma once

#include <QCoreApplication>
#include <QString>

#include <array>

// The texts of the printed worksheet, its answer key and a student's sheet that the window does
// not show. The title, the section titles and the compounds' names are the window's own.
namespace content::paper {

// The student's details, each followed by a line to write on.
inline std::array<QString, 3> details() {
    return {QCoreApplication::translate("Paper", "Όνομα:"),
            //: The student's class at school, as in "Τάξη: Β΄ Λυκείου".
            QCoreApplication::translate("Paper", "Τάξη:"),
            QCoreApplication::translate("Paper", "Ημερομηνία:")};
}

inline QString instructions() {
    return QCoreApplication::translate(
        "Paper",
        "Γράψτε σε κάθε κενό των αντιδράσεων τον χημικό τύπο της ένωσης που λείπει. Οι ενώσεις "
        "είναι οι πέντε παρακάτω· η καθεμιά μπορεί να χρειαστεί σε περισσότερα από ένα κενά. Στα "
        "διακεκομμένα πλαίσια γράψτε τους ακέραιους συντελεστές των αντιδράσεων.");
}

inline QString compoundsHeading() {
    return QCoreApplication::translate("Paper", "Οι ενώσεις");
}

// The answer key: its title after the worksheet's, the total where the student's details stand
// on the worksheet, each section's full marks on its frame, and, beside them on the frame of a
// section whose reactions have two products, that they go either way round.
inline QString answerKeyTitle() {
    return QCoreApplication::translate("Paper", "%1 — Λύσεις");
}
inline QString total() {
    return QCoreApplication::translate("Paper", "Σύνολο μονάδων: %1");
}
inline QString sectionPoints() {
    return QCoreApplication::translate("Paper", "%1 μονάδες");
}
// A student's own sheet, as handed in: its title in a PDF reader or a print queue, "%1" the
// worksheet's, "%2" the student's name, "%3" their class; the date and time written on the
// date's line; the grade and the checks where the worksheet says what to do; and each section's
// marks earned out of its full marks on its frame.
inline QString studentTitle() {
    return QCoreApplication::translate("Paper", "%1 — %2, %3");
}
inline QString dateAndTime() {
    //: The date and time a student handed in their work, as QDateTime::toString writes it: d day,
    //: M month, MMM its short name, yyyy year, HH hour, mm minutes.
    return QCoreApplication::translate("Paper", "d/M/yyyy HH:mm");
}
inline QString grade() {
    return QCoreApplication::translate("Paper", "Βαθμός: %1 %");
}
inline QString checks() {
    //: How many times the student had the worksheet checked before handing it in.
    return QCoreApplication::translate("Paper", "Έλεγχοι πριν από την παράδοση: %1");
}
inline QString sectionEarned() {
    //: A section's marks on a student's sheet: "%1" earned, "%2" the section's full marks.
    return QCoreApplication::translate("Paper", "%1 από %2 μονάδες");
}

inline QString eitherOrder() {
    return QCoreApplication::translate(
        "Paper", "Τα δύο προϊόντα κάθε αντίδρασης γράφονται με οποιαδήποτε σειρά.");
}

} // namespace content::paper
