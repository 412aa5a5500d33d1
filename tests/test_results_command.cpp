// `--results FOLDER --csv`, the program itself run with no display: every hand-in of a folder
// on standard output as CSV with its fields, every other file named as unreadable, whatever the
// students left in the folder; a folder that cannot be read is named, with status 1.
#include "model/hand_in.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

// A hand-in: the first `rightBlanks` blanks hold their answers, and the boxes are empty.
model::HandIn handIn(const QString& name, const QString& schoolClass, int rightBlanks,
                     QTime handedIn) {
    model::HandIn work;
    work.id = QUuid::createUuid();
    work.name = name;
    work.schoolClass = schoolClass;
    work.account = QStringLiteral("b2-07");
    work.handedIn = QDateTime(QDate(2026, 12, 9), handedIn);
    work.seconds = 25 * 60 + 7;
    work.checks = 3;
    work.blanks.fill(model::kNone);
    for (int blank = 0; blank < rightBlanks; ++blank)
        work.blanks[blank] = int(model::blankRecord(blank).answer);
    return work;
}

void writeFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    QCOMPARE(file.write(content), content.size());
}

// Reads CSV as RFC 4180 has it: fields between commas, a quoted field holding commas, doubled
// quotes and line breaks, each record ended by CRLF. Empty when the text breaks those rules.
QList<QStringList> parseCsv(const QByteArray& csv) {
    const QString text = QString::fromUtf8(csv);
    QList<QStringList> records;
    QStringList record;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"') {
                field += c;
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == u'"' && field.isEmpty()) {
            quoted = true;
        } else if (c == u',') {
            record << field;
            field.clear();
        } else if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            record << field;
            records << record;
            record.clear();
            field.clear();
            ++i;
        } else if (c == u'\r' || c == u'\n' || c == u'"') {
            return {};
        } else {
            field += c;
        }
    }
    return quoted || !field.isEmpty() || !record.isEmpty() ? QList<QStringList>() : records;
}

struct Run {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

// The program run with no display and no platform for Qt, in the locale `lang`.
Run run(const QStringList& arguments, const QString& lang = QStringLiteral("C")) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* unset :
         {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LC_ALL", "LC_MESSAGES"})
        environment.remove(QString::fromLatin1(unset));
    environment.insert(QStringLiteral("LANG"), lang);
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(PROGRAM), arguments);
    Run result;
    if (!program.waitForFinished(30'000)) {
        program.kill();
        program.waitForFinished();
        return result;
    }
    result.status = program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
    result.out = program.readAllStandardOutput();
    result.err = program.readAllStandardError();
    return result;
}

const QStringList kHead{"Name",
                        "Class",
                        "Handed in",
                        "Mark",
                        "Section 1 (out of 25)",
                        "Section 2 (out of 6)",
                        "Section 3 (out of 3)",
                        "Section 4 (out of 18)",
                        "Section 5 (out of 48)",
                        "Checks",
                        "Time taken",
                        "Account",
                        "File",
                        "Status"};

} // namespace

class ResultsCommandTest : public QObject {
    Q_OBJECT

private slots:
    // Every hand-in is a row with its fields, the latest first; every other regular file is a
    // row that names it as unreadable, last: damaged, of another kind or version, nested past
    // reason, 2 GB long, a PDF without its record, a link. A record's own PDF, hidden files,
    // folders and a FIFO (which would never answer a read) are not rows. A text a spreadsheet
    // would take for a formula is written after an apostrophe; control characters, which could
    // work on a terminal, become spaces.
    void everyFileOfTheFolderIsListed() {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const auto path = [&folder](const char* name) {
            return folder.filePath(QString::fromUtf8(name));
        };
        const model::HandIn maria = handIn("Μαρία Παπαδοπούλου", "Β2", 18, QTime(10, 15, 30));
        writeFile(path("Μαρία Παπαδοπούλου-Β2-2026-12-09-1015.json"), model::statementOf(maria));
        writeFile(path("Μαρία Παπαδοπούλου-Β2-2026-12-09-1015.pdf"), "%PDF-1.4\n%%EOF\n");
        const model::HandIn quoted =
            handIn("Κώστας, \"ο Γ.\"\nδεύτερη γραμμή", "Β1", 4, QTime(10, 20));
        writeFile(path("quoted.json"), model::statementOf(quoted));
        // Formulas and controls, handed in a minute apart, the first latest.
        const QStringList hostile{"=HYPERLINK(\"http://example.com\")",
                                  "+1",
                                  "-1",
                                  "@A1",
                                  "\tταμπ",
                                  "\rεπιστροφή",
                                  "Γιώργος\x1b[2J\x07"};
        for (int i = 0; i < hostile.size(); ++i)
            writeFile(folder.filePath(QStringLiteral("hostile-%1.json").arg(i)),
                      model::statementOf(handIn(hostile[i], "Γ1", 0, QTime(11, 59 - i))));

        QJsonObject wrongTypes = QJsonDocument::fromJson(model::statementOf(maria)).object();
        wrongTypes["actor"] = QJsonObject{{"name", 7}};
        writeFile(path("wrong types.json"), QJsonDocument(wrongTypes).toJson());
        writeFile(path("another version.json"),
                  model::statementOf(maria).replace("OrganicAcidPreparations:record\": 1",
                                                    "OrganicAcidPreparations:record\": 2"));
        writeFile(path("broken.json"), model::statementOf(maria).left(500));
        writeFile(path("nested.json"), QByteArray(100'000, '['));
        writeFile(path("list.json"), "[]");
        writeFile(path("notes.txt"), "Β2: Τρίτη");
        writeFile(path("lone.pdf"), "%PDF-1.4\n%%EOF\n");
        QFile huge(path("huge.json"));
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(qint64(2) << 30));
        huge.close();
        QVERIFY(QFile::link(path("quoted.json"), path("link.json")));

        writeFile(path(".hidden.json"), model::statementOf(maria));
        QVERIFY(QDir(folder.path()).mkdir("folder.json"));
        QCOMPARE(::mkfifo(QFile::encodeName(path("fifo.json")).constData(), 0600), 0);

        const Run listed = run({"--results", folder.path(), "--csv"});
        QCOMPARE(listed.status, 0);
        QCOMPARE(listed.err, QByteArray());
        QVERIFY(listed.out.endsWith("\r\n"));
        const QList<QStringList> rows = parseCsv(listed.out);
        QVERIFY2(!rows.isEmpty(), listed.out.constData());
        QCOMPARE(rows.first(), kHead);

        QList<QStringList> expected{
            {"'=HYPERLINK(\"http://example.com\")", "Γ1", "2026-12-09 11:59:00", "0", "0", "0", "0",
             "0", "0", "3", "0:25:07", "b2-07", "hostile-0.json", "hand-in"},
            {"'+1", "Γ1", "2026-12-09 11:58:00"},
            {"'-1", "Γ1", "2026-12-09 11:57:00"},
            {"'@A1", "Γ1", "2026-12-09 11:56:00"},
            {"'\tταμπ", "Γ1", "2026-12-09 11:55:00"},
            {"'\rεπιστροφή", "Γ1", "2026-12-09 11:54:00"},
            {"Γιώργος [2J ", "Γ1", "2026-12-09 11:53:00"},
            {"Κώστας, \"ο Γ.\"\nδεύτερη γραμμή", "Β1", "2026-12-09 10:20:00", "18", "15", "3", "0",
             "0", "0", "3", "0:25:07", "b2-07", "quoted.json", "hand-in"},
            {"Μαρία Παπαδοπούλου", "Β2", "2026-12-09 10:15:30", "66", "15", "6", "3", "18", "24",
             "3", "0:25:07", "b2-07", "Μαρία Παπαδοπούλου-Β2-2026-12-09-1015.json", "hand-in"},
        };
        // The unreadable files by name, as the C locale orders them.
        for (const char* unreadable :
             {"another version.json", "broken.json", "huge.json", "link.json", "list.json",
              "lone.pdf", "nested.json", "notes.txt", "wrong types.json"})
            expected << QStringList{"",
                                    "",
                                    "",
                                    "",
                                    "",
                                    "",
                                    "",
                                    "",
                                    "",
                                    "",
                                    "",
                                    "",
                                    QString::fromUtf8(unreadable),
                                    "unreadable"};
        QCOMPARE(rows.size(), expected.size() + 1);
        for (int row = 0; row < expected.size(); ++row) {
            const QStringList& want = expected[row];
            QCOMPARE(rows[row + 1].size(), kHead.size());
            QCOMPARE(rows[row + 1].mid(0, want.size()), want);
        }
    }

    // The CSV's heads and words are in the language of the command line: the locale's, or the
    // one --language names.
    void theCsvSpeaksTheCommandLinesLanguage_data() {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("head");
        QTest::newRow("a Greek locale")
            << "el_GR.UTF-8" << QStringList{}
            << "Όνομα,Τάξη,Παράδοση,Βαθμός,Ενότητα 1 (από 25),Ενότητα 2 (από 6),";
        QTest::newRow("English asked for under a Greek locale")
            << "el_GR.UTF-8" << QStringList{"--language", "en"}
            << "Name,Class,Handed in,Mark,Section 1 (out of 25),Section 2 (out of 6),";
        QTest::newRow("Greek asked for") << "C" << QStringList{"--language", "el"}
                                         << "Όνομα,Τάξη,Παράδοση,Βαθμός,Ενότητα 1 (από 25),";
    }
    void theCsvSpeaksTheCommandLinesLanguage() {
        QFETCH(QString, lang);
        QFETCH(QStringList, options);
        QFETCH(QString, head);
        QTemporaryDir folder;
        writeFile(folder.filePath("notes.txt"), "");
        const Run listed = run(options + QStringList{"--results", folder.path(), "--csv"}, lang);
        QCOMPARE(listed.status, 0);
        QVERIFY2(QString::fromUtf8(listed.out).startsWith(head), listed.out.constData());
        const bool greek = head.startsWith("Όνομα");
        QVERIFY(listed.out.endsWith(greek ? ",notes.txt,δεν διαβάζεται\r\n"
                                          : ",notes.txt,unreadable\r\n"));
    }

    // A folder that is not there, is not a folder or cannot be read is named on standard error
    // with status 1, and nothing goes to standard output.
    void aFolderThatCannotBeReadIsNamed_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("said");
        QTest::newRow("missing") << "missing"
                                 << "The folder %1 does not exist.";
        QTest::newRow("a file") << "file"
                                << "%1 is not a folder.";
        QTest::newRow("a link to itself") << "loop"
                                          << "The folder %1 cannot be read.";
    }
    void aFolderThatCannotBeReadIsNamed() {
        QFETCH(QString, name);
        QFETCH(QString, said);
        QTemporaryDir scratch;
        writeFile(scratch.filePath("file"), "");
        QVERIFY(QFile::link(scratch.filePath("loop"), scratch.filePath("loop")));
        const QString path = scratch.filePath(name);
        const Run listed = run({"--results", path, "--csv"});
        QCOMPARE(listed.status, 1);
        QCOMPARE(listed.out, QByteArray());
        QCOMPARE(QString::fromUtf8(listed.err),
                 "organic-acid-preparations: " + said.arg(path) + "\n");
    }
};

QTEST_MAIN(ResultsCommandTest)
#include "test_results_command.moc"
