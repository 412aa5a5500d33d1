#pragma once

#include <QString>

#include <array>

// The texts of the printed worksheet that the window does not show. The title, the section
// titles and the compounds' names are the window's own.
namespace content::paper {

// The student's details, each followed by a line to write on.
inline const std::array<QString, 3> kDetails{QStringLiteral("Όνομα:"), QStringLiteral("Τάξη:"),
                                             QStringLiteral("Ημερομηνία:")};

inline const QString kInstructions = QStringLiteral(
    "Γράψτε σε κάθε κενό των αντιδράσεων τον χημικό τύπο της ένωσης που λείπει. Οι ενώσεις "
    "είναι οι πέντε παρακάτω· η καθεμιά μπορεί να χρειαστεί σε περισσότερα από ένα κενά. Στα "
    "διακεκομμένα πλαίσια γράψτε τους ακέραιους συντελεστές των αντιδράσεων.");

inline const QString kCompoundsHeading = QStringLiteral("Οι ενώσεις");

} // namespace content::paper
