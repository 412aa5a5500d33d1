#pragma once

#include <QString>
#include <QUrl>

// The program's web addresses and the credits that go with them, in one place.
namespace content::links {

// The About window's three links: the emblem, the author's name and the maker's logo.
inline const QUrl kSchoolPage{QStringLiteral("https://example.org/school/")};
inline const QUrl kProgramCollection{QStringLiteral("https://example.org/school/programs/")};
inline const QUrl kMakerPage{QStringLiteral("https://example.net/")};

// The author as the About window names him, and in the genitive for the link's tooltip.
inline const QString kAuthorCredit = QStringLiteral("Ο καθηγητής Χημείας του Λυκείου");
inline const QString kAuthorCreditGenitive = QStringLiteral("καθηγητή Χημείας του Λυκείου");

inline const QString kUsageNotice =
    QStringLiteral("Το πρόγραμμα αυτό αποτελεί αναπόσπαστο μέρος του ιστότοπου του σχολείου "
                   "και δεν επιτρέπεται να χρησιμοποιείται χωριστά από αυτόν.");

} // namespace content::links
