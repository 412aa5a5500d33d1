#include "app/hand_in_files.h"

#include "content/worksheet_document.h"
#include "model/worksheet.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QUuid>

#include <algorithm>
#include <string>

#include <cerrno>
#include <pwd.h>
#include <unistd.h>

namespace app {

namespace {

// The worksheet's folder in Documents keeps its Greek name whatever language a student chose, so
// that every student's work is in the one folder a teacher looks in.
const QString kWorksheetFolder = QStringLiteral("Παρασκευές οργανικών οξέων");

constexpr qsizetype kLongestName = 40;
constexpr qsizetype kLongestClass = 15;
// Far more hand-ins of one name in one second than anyone makes.
constexpr int kMostSameNames = 1000;

QString folderSetting(QSettings::Scope scope) {
    const QString program = QCoreApplication::applicationName();
    QSettings settings(scope, program, program);
    settings.setFallbacksEnabled(false);
    // An unquoted comma makes a list of an INI file's value.
    const QVariant value = settings.value(kHandInFolderKey);
    const QString folder = value.metaType().id() == QMetaType::QStringList
                               ? value.toStringList().join(QLatin1Char(','))
                               : value.toString();
    return folder.trimmed();
}

const passwd* account() {
    return getpwuid(geteuid());
}

// Characters that a shell, a Windows share or a path would take for something else.
bool isTroublesome(char32_t c) {
    return c == U'/' || c == U'\\' || c == U':' || c == U'*' || c == U'?' || c == U'"' ||
           c == U'\'' || c == U'`' || c == U'<' || c == U'>' || c == U'|';
}

// A part of a file name made of what was typed: what would trouble a path, a share or a shell is
// a space, what cannot be seen is left out, spaces run together, dots and spaces go from either
// end, and at most `most` characters are kept.
QString fileNamePart(const QString& typed, qsizetype most) {
    std::u32string kept;
    for (const char32_t c : typed.normalized(QString::NormalizationForm_C).toUcs4()) {
        switch (QChar::category(c)) {
        case QChar::Other_Format:
        case QChar::Other_Surrogate:
        case QChar::Other_PrivateUse:
        case QChar::Other_NotAssigned:
            continue;
        case QChar::Other_Control:
        case QChar::Separator_Line:
        case QChar::Separator_Paragraph:
            kept += U' ';
            continue;
        default:
            kept += QChar::isSpace(c) || isTroublesome(c) ? U' ' : c;
        }
    }
    QString part = QString::fromUcs4(kept.data(), qsizetype(kept.size())).simplified();
    const auto isEdge = [](QChar c) { return c == QLatin1Char('.') || c == QLatin1Char(' '); };
    const auto trim = [&] {
        while (!part.isEmpty() && isEdge(part.front()))
            part.remove(0, 1);
        while (!part.isEmpty() && isEdge(part.back()))
            part.chop(1);
    };
    trim();
    // Counted in letters, not in halves of those beyond 16 bits.
    qsizetype end = 0;
    for (qsizetype letters = 0; end < part.size() && letters < most; ++letters)
        end += part.at(end).isHighSurrogate() ? 2 : 1;
    if (end < part.size()) {
        part.truncate(end);
        trim();
    }
    return part;
}

// Writes `content` whole into a new temporary file, and makes sure that it reached the disk, or
// the server of a network folder, which may say only then that it is full.
bool writeTemporary(QTemporaryFile& file, const QByteArray& content, QString& reason) {
    if (!file.open()) {
        reason = file.errorString();
        return false;
    }
    // A write that stops short says why only when asked to go on.
    for (qint64 written = 0; written < content.size();) {
        const qint64 more = file.write(content.constData() + written, content.size() - written);
        if (more <= 0) {
            reason = file.errorString();
            return false;
        }
        written += more;
    }
    // For the teacher: the folder's group may read it, as a school's shared folder gives its
    // files the teacher's group, and other students may not, whatever their umask says.
    if (!file.flush() || !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ReadGroup)) {
        reason = file.errorString();
        return false;
    }
    if (fsync(file.handle()) != 0) {
        reason = qt_error_string(errno);
        return false;
    }
    return true;
}

} // namespace

QString handInFolder() {
    for (const QSettings::Scope scope : {QSettings::SystemScope, QSettings::UserScope}) {
        const QString folder = folderSetting(scope);
        if (folder.isEmpty())
            continue;
        if (folder == QLatin1String("~"))
            return QDir::homePath();
        if (folder.startsWith(QLatin1String("~/")))
            return QDir::cleanPath(QDir::home().filePath(folder.mid(2)));
        return QDir::cleanPath(QDir::home().absoluteFilePath(folder));
    }
    return QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
        .filePath(kWorksheetFolder);
}

QString accountLogin() {
    if (const passwd* entry = account())
        return QString::fromLocal8Bit(entry->pw_name);
    return qEnvironmentVariable("USER");
}

QString accountFullName() {
    const passwd* entry = account();
    if (!entry || !entry->pw_gecos)
        return {};
    return QString::fromLocal8Bit(entry->pw_gecos).section(QLatin1Char(','), 0, 0).trimmed();
}

model::HandIn handInNow(const model::Worksheet& worksheet, const QString& name,
                        const QString& schoolClass) {
    const QDateTime now = QDateTime::currentDateTime();
    model::HandIn work;
    work.id = QUuid::createUuid();
    work.name = name.trimmed();
    work.schoolClass = schoolClass.trimmed();
    work.account = accountLogin();
    // The offset goes with the time, so that the record says when it was where it was made.
    work.handedIn = now.toOffsetFromUtc(now.offsetFromUtc());
    // A clock put back, or a worksheet open for longer than a record holds, is no reason to lose
    // the work.
    work.seconds = std::clamp(worksheet.begun().secsTo(now), qint64(0), model::kLongestDuration);
    work.checks = worksheet.checks();
    work.blanks = worksheet.blanks();
    work.boxes = worksheet.coefficients();
    return work;
}

QString handInBaseName(const QString& name, const QString& schoolClass, const QDateTime& time) {
    QStringList parts;
    for (const QString& part :
         {fileNamePart(name, kLongestName), fileNamePart(schoolClass, kLongestClass),
          time.toString(QStringLiteral("yyyy-MM-dd HH.mm.ss"))}) {
        if (!part.isEmpty())
            parts << part;
    }
    return parts.join(QStringLiteral(" - "));
}

HandInWriting writeHandIn(const QString& folder, const model::HandIn& work) {
    const auto failed = [](HandInWriting::Outcome outcome, const QString& reason = {}) {
        return HandInWriting{outcome, {}, {}, reason};
    };
    const QByteArray record = model::statementOf(work);
    if (!model::handInOf(record))
        return failed(HandInWriting::TooLong);
    if (!QDir().mkpath(folder) || !QFileInfo(folder).isDir())
        return failed(HandInWriting::NoFolder);
    const QByteArray document = content::studentDocument(work);
    if (document.isEmpty())
        return failed(HandInWriting::NotWritten);

    // Looking a name up needs no right to list the folder, which a school's shared folder may
    // not give its students.
    const QDir dir(folder);
    const QString base = handInBaseName(work.name, work.schoolClass, work.handedIn);
    QString pdfPath;
    QString recordPath;
    for (int n = 1; n <= kMostSameNames && pdfPath.isEmpty(); ++n) {
        const QString name = n == 1 ? base : QStringLiteral("%1 (%2)").arg(base).arg(n);
        const QString pdf = dir.filePath(name + QStringLiteral(".pdf"));
        const QString json = dir.filePath(name + QStringLiteral(".json"));
        if (!QFileInfo::exists(pdf) && !QFileInfo::exists(json)) {
            pdfPath = pdf;
            recordPath = json;
        }
    }
    if (pdfPath.isEmpty())
        return failed(HandInWriting::NotWritten);

    QTemporaryFile pdf(pdfPath);
    QTemporaryFile json(recordPath);
    QString reason;
    if (!writeTemporary(pdf, document, reason) || !writeTemporary(json, record, reason))
        return failed(HandInWriting::NotWritten, reason);
    // A rename never takes a name that another file has taken meanwhile. The temporary files go
    // with their objects unless they were given their names.
    if (!pdf.rename(pdfPath))
        return failed(HandInWriting::NotWritten, pdf.errorString());
    pdf.setAutoRemove(false);
    if (!json.rename(recordPath)) {
        QFile::remove(pdfPath);
        return failed(HandInWriting::NotWritten, json.errorString());
    }
    json.setAutoRemove(false);
    return {HandInWriting::Written, pdfPath, recordPath, {}};
}

} // namespace app
