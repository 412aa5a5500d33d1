#include "app/worksheet_document_file.h"

#include "content/worksheet_document.h"

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

QString cachedWorksheetDocument() {
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (dir.isEmpty() || !QDir().mkpath(dir))
        return {};
    const QString path = QDir(dir).filePath(QFileInfo(kWorksheetDocumentInData).fileName());
    // A copy older than the program may show drawings that the program has changed since.
    const QFileInfo cached(path);
    const QFileInfo program(QCoreApplication::applicationFilePath());
    if (isReadableFile(path) && cached.lastModified() >= program.lastModified())
        return path;
    return content::writeWorksheetDocument(path) ? path : QString();
}

} // namespace

QString installedWorksheetDocument(const QString& programDir) {
    const QString beside =
        QDir::cleanPath(programDir + QStringLiteral("/../share/") + kWorksheetDocumentInData);
    if (isReadableFile(beside))
        return beside;
    const QStringList found =
        QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, kWorksheetDocumentInData);
    for (const QString& path : found) {
        if (isReadableFile(path))
            return path;
    }
    return {};
}

QString worksheetDocumentFile() {
    const QString installed = installedWorksheetDocument(QCoreApplication::applicationDirPath());
    return installed.isEmpty() ? cachedWorksheetDocument() : installed;
}

} // namespace app
