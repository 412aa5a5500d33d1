#include "app/language_setting.h"

#include <QCoreApplication>
#include <QSettings>

namespace app {

namespace {

const QString kKey = QStringLiteral("language");

// ~/.config/<program>/<program>.conf
QSettings settings() {
    const QString name = QCoreApplication::applicationName();
    return QSettings(name, name);
}

} // namespace

content::Language savedLanguage() {
    return content::languageOfCode(settings().value(kKey).toString())
        .value_or(content::Language::Greek);
}

void saveLanguage(content::Language language) {
    QSettings kept(settings());
    kept.setValue(kKey, content::languageCode(language));
}

} // namespace app
