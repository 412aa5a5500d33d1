#pragma once

#include <QString>

#include <array>

// What a screen reader says of the worksheet: the compounds and reactions in words, with their
// formulae spelled out in plain characters that a speech synthesiser can read.
namespace content::spoken {

// The compounds of the cards, in compound order.
inline const std::array<QString, 5> kCompounds{
    QStringLiteral("νερό, H2O"),
    QStringLiteral("αιθανικό οξύ, CH3COOH"),
    QStringLiteral("προπανικό οξύ, CH3CH2COOH"),
    QStringLiteral("κορεσμένο μονοκαρβοξυλικό οξύ, CνH2ν+1COOH"),
    QStringLiteral("αμμωνία, NH3"),
};

// A blank: "%1" the reaction, "%2" which blank, "%3" what it holds.
inline const QString kBlank = QStringLiteral("%1: %2, %3");
inline const QString kOnlyBlank = QStringLiteral("κενό προϊόντος");
inline const QString kFirstBlank = QStringLiteral("πρώτο κενό προϊόντος");
inline const QString kSecondBlank = QStringLiteral("δεύτερο κενό προϊόντος");
inline const QString kEmptyBlank = QStringLiteral("άδειο");
inline const QString kBlankKeys =
    QStringLiteral("Διάστημα, Enter ή βέλη: η επόμενη ένωση. Delete: αφαίρεση της ένωσης.");

// A coefficient box: "%1" the term it multiplies.
inline const QString kCoefficient = QStringLiteral("Συντελεστής για: %1");
// The term of a box whose blank is empty.
inline const QString kCompoundOfBlank = QStringLiteral("την ένωση του κενού");

// What the grade label is; its name is the percentage it shows.
inline const QString kGrade = QStringLiteral("Βαθμός");

} // namespace content::spoken
