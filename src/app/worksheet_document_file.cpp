#include "app/worksheet_document_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace app {

namespace {

bool isReadableFile(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && info.isReadable();
}

QString cachedDocument(content::Sheet sheet) {
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (dir.isEmpty() || !QDir().mkpath(dir))
        return {};
    const QString path = QDir(dir).filePath(QFileInfo(documentInData(sheet)).fileName());
    // A copy older than the program may show drawings that the program has changed since.
    const QFileInfo cached(path);
    const QFileInfo program(QCoreApplication::applicationFilePath());
    if (isReadableFile(path) && cached.lastModified() >= program.lastModified())
        return path;
    return content::writeWorksheetDocument(path, sheet) ? path : QString();
}

} // namespace

QString documentInData(content::Sheet sheet) {
    return sheet == content::Sheet::AnswerKey
               ? QStringLiteral("organic-acid-preparations/organic-acid-preparations-answers.pdf")
               : QStringLiteral(
                     "organic-acid-preparations/organic-acid-preparations-worksheet.pdf");
}

QString installedDocument(content::Sheet sheet, const QString& programDir) {
    const QString inData = documentInData(sheet);
    const QString beside = QDir::cleanPath(programDir + QStringLiteral("/../share/") + inData);
    if (isReadableFile(beside))
        return beside;
    const QStringList found =
        QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, inData);
    for (const QString& path : found) {
        if (isReadableFile(path))
            return path;
    }
    return {};
}

QString documentFile(content::Sheet sheet) {
    const QString installed = installedDocument(sheet, QCoreApplication::applicationDirPath());
    return installed.isEmpty() ? cachedDocument(sheet) : installed;
}

void openDocument(content::Sheet sheet, const content::UrlOpener& opener) {
    try {
        const QString file = documentFile(sheet);
        if (!file.isEmpty())
            opener(QUrl::fromLocalFile(file));
    } catch (...) {
    }
}

} // namespace app
