#pragma once

#include "content/addresses.h"

#include <QCoreApplication>
#include <QString>
#include <QUrl>

// The program's web addresses and the credits that go with them, in one place.
namespace content::links {

// The About window's three links: the emblem, the author's name and the maker's logo. A school
// configures its own when it builds the program.
inline const QUrl kSchoolPage{QString::fromUtf16(configured::kSchoolPage)};
inline const QUrl kProgramCollection{QString::fromUtf16(configured::kProgramCollection)};
inline const QUrl kMakerPage{QString::fromUtf16(configured::kMakerPage)};

// The author as the About window names him, and in the genitive for the link's tooltip.
inline QString authorCredit() {
    return QCoreApplication::translate("About", "Ο καθηγητής Χημείας του Λυκείου");
}
inline QString authorCreditGenitive() {
    return QCoreApplication::translate("About", "καθηγητή Χημείας του Λυκείου");
}

inline QString usageNotice() {
    return QCoreApplication::translate(
        "About", "Το πρόγραμμα αυτό αποτελεί αναπόσπαστο μέρος του ιστότοπου του σχολείου "
                 "και δεν επιτρέπεται να χρησιμοποιείται χωριστά από αυτόν.");
}

} // namespace content::links
