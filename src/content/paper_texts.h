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

// The answer key: its title after the worksheet's, the total where the student's details stand
// on the worksheet, each section's full marks on its frame, and, beside them on the frame of a
// section whose reactions have two products, that they go either way round.
inline const QString kAnswerKeyTitle = QStringLiteral("%1 — Λύσεις");
inline const QString kTotal = QStringLiteral("Σύνολο μονάδων: %1");
inline const QString kSectionPoints = QStringLiteral("%1 μονάδες");
inline const QString kEitherOrder =
    QStringLiteral("Τα δύο προϊόντα κάθε αντίδρασης γράφονται με οποιαδήποτε σειρά.");

} // namespace content::paper
