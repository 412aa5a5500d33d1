#include "app/worksheet_document_file.h"

#include "content/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <array>

namespace app {

namespace {

bool isReadableFile(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && info.isReadable();
}

QString fileNameOf(content::Sheet sheet) {
    return QFileInfo(documentInData(sheet)).fileName();
}

// A copy in `dir`, a directory of the user's own.
QString copyIn(const QString& dir, content::Sheet sheet) {
    if (dir.isEmpty() || !QDir().mkpath(dir))
        return {};
    const QString path = QDir(dir).filePath(fileNameOf(sheet));
    // A copy older than the program may show drawings that the program has changed since.
    const QFileInfo copy(path);
    const QFileInfo program(QCoreApplication::applicationFilePath());
    if (isReadableFile(path) && copy.lastModified() >= program.lastModified())
        return path;
    return content::writeWorksheetDocument(path, sheet) ? path : QString();
}

// The temporary directory is shared with every user, so the copy there takes a name no one else
// can have taken; the program keeps it for the rest of its run, so that asking again writes no
// second one.
QString temporaryCopy(content::Sheet sheet) {
    static std::array<QString, 2> written;
    QString& path = written[sheet == content::Sheet::AnswerKey ? 1 : 0];
    if (isReadableFile(path))
        return path;
    QTemporaryFile file(
        QDir(QDir::tempPath())
            .filePath(QFileInfo(fileNameOf(sheet)).baseName() + QStringLiteral("-XXXXXX.pdf")));
    file.setAutoRemove(false);
    if (!file.open())
        return {};
    file.close();
    if (!content::writeWorksheetDocument(file.fileName(), sheet)) {
        file.remove();
        return {};
    }
    path = file.fileName();
    return path;
}

QString copiedDocument(content::Sheet sheet) {
    QString path = copyIn(QStandardPaths::writableLocation(QStandardPaths::CacheLocation), sheet);
    // Read from the environment, not from Qt, which would complain of an unset variable and
    // make a directory of its own in the temporary directory.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (path.isEmpty() && !runtime.isEmpty())
        path = copyIn(QDir(runtime).filePath(QCoreApplication::applicationName()), sheet);
    return path.isEmpty() ? temporaryCopy(sheet) : path;
}

} // namespace

QString documentInData(content::Sheet sheet) {
    // The Greek documents keep the names they always had; another language's end in its code.
    const QString language =
        content::currentLanguage() == content::Language::Greek
            ? QString()
            : QLatin1Char('-') + content::languageCode(content::currentLanguage());
    return QStringLiteral("organic-acid-preparations/organic-acid-preparations-%1%2.pdf")
        .arg(sheet == content::Sheet::AnswerKey ? QStringLiteral("answers")
                                                : QStringLiteral("worksheet"),
             language);
}

QString documentInPrefix(content::Sheet sheet, const QString& programDir) {
    return QDir::cleanPath(programDir + QStringLiteral("/../share/") + documentInData(sheet));
}

QString installedDocument(content::Sheet sheet, const QString& programDir) {
    for (const QString& path :
         {documentInPrefix(sheet, programDir), QDir(programDir).filePath(fileNameOf(sheet))}) {
        if (isReadableFile(path))
            return path;
    }
    const QStringList found =
        QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, documentInData(sheet));
    for (const QString& path : found) {
        if (isReadableFile(path))
            return path;
    }
    return {};
}

QString documentFile(content::Sheet sheet) {
    const QString installed = installedDocument(sheet, QCoreApplication::applicationDirPath());
    return installed.isEmpty() ? copiedDocument(sheet) : installed;
}

DocumentOpening openDocument(content::Sheet sheet, const UrlOpener& opener) {
    const QString file = documentFile(sheet);
    if (file.isEmpty())
        return {DocumentOpening::NotFound,
                documentInPrefix(sheet, QCoreApplication::applicationDirPath())};
    bool opened = false;
    try {
        opened = opener(QUrl::fromLocalFile(file));
    } catch (...) {
    }
    return {opened ? DocumentOpening::Opened : DocumentOpening::NotOpened, file};
}

} // namespace app
