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

// The reaction pictures, in picture order.
inline const std::array<QString, 11> kReactions{
    QStringLiteral("Καταλυτική οξείδωση βουτανίου, C4H10"),
    QStringLiteral("Αιθανάλη, CH3CHO, και οξυγόνο, O2, με καταλύτες"),
    QStringLiteral("Μεθανόλη, CH3OH, και μονοξείδιο του άνθρακα, CO, με καταλύτες"),
    QStringLiteral("Αιθανόλη, CH3CH2OH, και οξυγόνο, O2, με αλκοοξειδάση"),
    QStringLiteral("Ζωικά ή φυτικά λίπη"),
    QStringLiteral("Οξείδωση αιθανόλης, CH3CH2OH"),
    QStringLiteral("Οξείδωση προπανόλης, CH3CH2CH2OH"),
    QStringLiteral("Οξείδωση αλκοόλης, CνH2ν+1CH2OH"),
    QStringLiteral("Υδρόλυση αιθανονιτριλίου, CH3CN, με H+ ή OH−"),
    QStringLiteral("Υδρόλυση προπανονιτριλίου, CH3CH2CN, με H+ ή OH−"),
    QStringLiteral("Υδρόλυση νιτριλίου, CνH2ν+1CN, με H+ ή OH−"),
};

// The reactants that coefficient boxes multiply, besides the compounds of the blanks.
inline const QString kButane = QStringLiteral("βουτάνιο, C4H10");
inline const QString kEthanal = QStringLiteral("αιθανάλη, CH3CHO");
inline const QString kOxygen = QStringLiteral("οξυγόνο, O2");
inline const QString kMethanol = QStringLiteral("μεθανόλη, CH3OH");
inline const QString kCarbonMonoxide = QStringLiteral("μονοξείδιο του άνθρακα, CO");
inline const QString kEthanenitrile = QStringLiteral("αιθανονιτρίλιο, CH3CN");
inline const QString kPropanenitrile = QStringLiteral("προπανονιτρίλιο, CH3CH2CN");
inline const QString kNitrile = QStringLiteral("νιτρίλιο, CνH2ν+1CN");
inline const QString kWater = QStringLiteral("νερό, H2O");

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
