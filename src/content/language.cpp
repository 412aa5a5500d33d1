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
    // bar. The system's catalogue comes first; where it has none, as Debian has none in Greek,
    // the program's own, which holds the few the window shows; else Qt's English stays.
    auto* qt = new QTranslator(QCoreApplication::instance());
    const QString catalogue = QStringLiteral("qtbase_") + languageCode(language);
    if (qt->load(catalogue, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        qt->load(QStringLiteral(":/i18n/") + catalogue))
        QCoreApplication::installTranslator(qt);
    current = language;
    return true;
}

Language currentLanguage() {
    return current;
}

} // namespace content
