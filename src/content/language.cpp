#include "content/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace content {

namespace {

Language current = Language::Greek;

} // namespace

QString languageCode(Language language) {
    return language == Language::English ? QStringLiteral("en") : QStringLiteral("el");
}

std::optional<Language> languageOfCode(QStringView code) {
    if (code == u"el")
        return Language::Greek;
    if (code == u"en")
        return Language::English;
    return std::nullopt;
}

bool loadCatalogue(QTranslator& translator, Language language) {
    if (language == Language::Greek)
        return true;
    return translator.load(QStringLiteral(":/i18n/organic-acid-preparations_") +
                           languageCode(language));
}

bool useLanguage(Language language) {
    auto* own = new QTranslator(QCoreApplication::instance());
    if (!loadCatalogue(*own, language)) {
        delete own;
        return false;
    }
    if (!own->isEmpty())
        QCoreApplication::installTranslator(own);
    // Qt's own texts: the message box's buttons, the context menus of text boxes and the scroll
    // bar. Where Qt's translations directory has no catalogue for the language, Qt's English
    // stays.
    auto* qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(QStringLiteral("qtbase_") + languageCode(language),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    current = language;
    return true;
}

Language currentLanguage() {
    return current;
}

} // namespace content
