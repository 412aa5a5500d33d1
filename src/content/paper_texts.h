#pragma once

#include <QCoreApplication>
#include <QString>

#include <array>

// The texts of the printed worksheet that the window does not show. The title, the section
// titles and the compounds' names are the window's own.
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
inline QString eitherOrder() {
    return QCoreApplication::translate(
        "Paper", "Τα δύο προϊόντα κάθε αντίδρασης γράφονται με οποιαδήποτε σειρά.");
}

} // namespace content::paper
