#pragma once

#include <QString>
#include <QStringView>

#include <optional>

class QTranslator;

// The languages the worksheet speaks. Its texts are written in Greek, a Greek school's own; the
// program's catalogues give them in the others.
namespace content {

enum class Language { Greek, English };

// "el" and "en", as --language takes them and the settings keep them.
QString languageCode(Language language);
std::optional<Language> languageOfCode(QStringView code);

// Loads the program's own catalogue for `language` into `translator`, which is left empty for
// Greek. False when the catalogue cannot be read.
bool loadCatalogue(QTranslator& translator, Language language);

// Installs in the application the catalogues of `language`, the program's own and Qt's for its
// dialogs and menus where Qt's translations directory holds one, and makes it the language of
// the run. Once, before any window. False when the program's own catalogue cannot be read; the
// run then stays Greek.
bool useLanguage(Language language);

// The language of the run: Greek until useLanguage() chose another.
Language currentLanguage();

} // namespace content
