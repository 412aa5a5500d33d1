#pragma once

#include <QString>

// Every text the main window shows, in one place.
namespace content::texts {

inline const QString kCaption = QStringLiteral("Παρασκευές οργανικών οξέων");

inline const QString kMenuHelp = QStringLiteral("Βοήθεια");
inline const QString kMenuCheck = QStringLiteral("Έλεγχος");
inline const QString kMenuRestart = QStringLiteral("Απ' την αρχή");
inline const QString kMenuSheet = QStringLiteral("Φύλλο εργασίας");
inline const QString kMenuSeparator = QStringLiteral("|");
inline const QString kMenuAbout = QStringLiteral("Περί...");
inline const QString kMenuExit = QStringLiteral("Έξοδος");

} // namespace content::texts
