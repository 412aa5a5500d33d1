// The menu bar: captions, help, the printable worksheet, the About window.
#include "app/about_window.h"
#include "app/worksheet_document_file.h"
#include "content/language.h"
#include "content/texts.h"
#include "content/worksheet_document.h"
#include "support/window_fixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenuBar>
#include <QMenu>
#include <QMessageBox>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <optional>

namespace {

// Everything of a worksheet in progress that a menu command other than check, restart and
// exit must leave alone.
struct Snapshot {
    std::vector<int> placed;
    std::vector<QString> texts;
    std::vector<bool> shown;
    std::optional<int> grade;
    QRect gradeShown;

    explicit Snapshot(const WindowFixture& f) {
        for (int blank = 0; blank < model::kBlanks; ++blank)
            placed.push_back(f.worksheet.compoundIn(blank));
        for (int b = 0; b < model::kCoefficientBoxes; ++b) {
            texts.push_back(f.box(b)->text());
            shown.push_back(!f.box(b)->isHidden());
        }
        grade = f.worksheet.grade();
        gradeShown = f.board.gradeRect();
    }
    bool operator==(const Snapshot&) const = default;
};

void halfFinished(WindowFixture& f) {
    f.fill(0, Ethanoic);
    f.fill(12, Ethanoic);
    f.fill(13, Ammonia);
    f.box(0)->setText("2");
    f.box(9)->setText("5");
    f.give(Command::Check);
}

// Runs `inside` once the modal window that `trigger` opens is up, then returns. A check that
// fails inside returns before the window is closed: it is closed then, so that the test fails at
// once instead of waiting on the window until it is killed.
void whileModal(const std::function<void()>& trigger, const std::function<void(QWidget*)>& inside) {
    bool ran = false;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        inside(modal);
        ran = true;
        if (QTest::currentTestFailed() && modal->isVisible())
            modal->close();
    });
    trigger();
    QVERIFY(ran);
}

// Where the printable worksheet lies under a data directory, as the manual pages say.
const QString kInstalledDocument =
    QStringLiteral("organic-acid-preparations/organic-acid-preparations-worksheet.pdf");

bool isPdf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray content = file.readAll();
    return content.startsWith("%PDF-") && content.trimmed().endsWith("%%EOF");
}

void makeFile(const QString& path) {
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

QStringList messages;
void recordMessage(QtMsgType, const QMessageLogContext&, const QString& message) {
    messages << message;
}

} // namespace

class MenusTest : public QObject {
    Q_OBJECT

private slots:
    // The worksheet's language, as the program starts in it, with Qt's own texts in it too.
    void initTestCase() {
        systemTemp_ = QDir::tempPath();
        QVERIFY(content::useLanguage(content::Language::Greek));
    }

    // Every test starts with an empty cache and no installed document: the XDG directories and
    // the temporary directory are scratch directories, so nothing of the machine or the user's
    // home is found or written.
    void init() {
        qputenv("TMPDIR", QFile::encodeName(systemTemp_));
        scratch_ = std::make_unique<QTemporaryDir>();
        QVERIFY(scratch_->isValid());
        qputenv("XDG_CACHE_HOME", QFile::encodeName(scratch_->filePath("cache")));
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(scratch_->filePath("runtime")));
        qputenv("TMPDIR", QFile::encodeName(scratch_->filePath("tmp")));
        QVERIFY(QDir().mkpath(scratch_->filePath("tmp")));
        qputenv("XDG_DATA_HOME", QFile::encodeName(scratch_->filePath("data-home")));
        qputenv("XDG_DATA_DIRS", QFile::encodeName(scratch_->filePath("data")));
    }

    // Eight top-level commands in order, no submenus, no access keys.
    void theMenuBarHoldsEightCommands() {
        WindowFixture f;
        const QList<QAction*> actions = f.window->menuBar()->actions();
        QStringList captions;
        for (QAction* action : actions) {
            captions << action->text();
            QVERIFY(!action->menu());
            QVERIFY(action->isEnabled() && action->isVisible() && !action->isCheckable());
        }
        QCOMPARE(captions, (QStringList{"Βοήθεια", "Έλεγχος", "Απ' την αρχή", "Φύλλο εργασίας",
                                        "Παράδοση...", "|", "Περί...", "Έξοδος"}));
    }

    void theSeparatorItemDoesNothing() {
        WindowFixture f;
        halfFinished(f);
        const Snapshot before(f);
        f.give(Command::Separator);
        QVERIFY(Snapshot(f) == before);
        QVERIFY(f.opened.empty());
        QVERIFY(!QApplication::activeModalWidget());
    }

    // The help box: its title, its lines, an information icon, OK and a button that names the
    // other language in its own words; the worksheet is as it was afterwards.
    void helpShowsItsLinesInAModalBox() {
        WindowFixture f;
        halfFinished(f);
        const Snapshot before(f);
        whileModal([&] { f.give(Command::Help); },
                   [&](QWidget* modal) {
                       auto* box = qobject_cast<QMessageBox*>(modal);
                       QVERIFY(box);
                       QCOMPARE(box->windowTitle(), QString("Βοήθεια"));
                       QCOMPARE(box->text(), content::texts::helpLines()[0] + "\n" +
                                                 content::texts::helpLines()[1] + "\n" +
                                                 content::texts::helpLines()[2] + "\n" +
                                                 content::texts::helpLines()[3]);
                       QCOMPARE(box->icon(), QMessageBox::Information);
                       QStringList buttons;
                       for (QAbstractButton* button : box->buttons())
                           buttons << button->text();
                       buttons.sort();
                       QCOMPARE(buttons, (QStringList{"English", "Εντάξει"}));
                       box->button(QMessageBox::Ok)->click();
                   });
        QVERIFY(Snapshot(f) == before);
    }

    // With nothing installed and no document beside the program, the command writes the
    // document into the cache and opens it there as a local file.
    void theWorksheetCommandOpensADocumentWrittenIntoTheCache() {
        WindowFixture f;
        halfFinished(f);
        const Snapshot before(f);
        f.give(Command::Sheet);
        const QString cached = scratch_->filePath("cache/" + QCoreApplication::applicationName() +
                                                  "/organic-acid-preparations-worksheet.pdf");
        QCOMPARE(f.opened, std::vector<QUrl>{QUrl::fromLocalFile(cached)});
        QVERIFY(isPdf(cached));
        QVERIFY(Snapshot(f) == before);
        QVERIFY(!QApplication::activeModalWidget());
    }

    // A copy goes where it can be written: the user's cache, else the runtime directory, else
    // the temporary directory.
    void aCopyGoesWhereItCanBeWritten_data() {
        QTest::addColumn<QStringList>("unwritable");
        QTest::addColumn<QString>("where");
        QTest::newRow("runtime directory")
            << QStringList{"cache"} << "runtime/" + QCoreApplication::applicationName();
        QTest::newRow("temporary directory") << QStringList{"cache", "runtime"} << "tmp";
    }
    void aCopyGoesWhereItCanBeWritten() {
        QFETCH(QStringList, unwritable);
        QFETCH(QString, where);
        for (const QString& dir : unwritable)
            makeFile(scratch_->filePath(dir));
        std::vector<QUrl> opened;
        const auto opening = app::openDocument(content::Sheet::Worksheet, [&](const QUrl& url) {
            opened.push_back(url);
            return true;
        });
        QCOMPARE(opening.outcome, app::DocumentOpening::Opened);
        QCOMPARE(opened.size(), size_t(1));
        const QFileInfo copy(opened[0].toLocalFile());
        QCOMPARE(copy.absolutePath(), scratch_->filePath(where));
        QVERIFY(isPdf(copy.filePath()));
    }

    // Whatever keeps the worksheet from opening, a box says so and names the file, for a teacher
    // to open by hand: the copy an opener failed on, or where the document is installed when it
    // is nowhere to be had and no copy can be written. The worksheet is as it was.
    void aDocumentThatCannotBeOpenedIsReportedWithItsPath_data() {
        QTest::addColumn<bool>("nowhere");
        QTest::newRow("the opener fails") << false;
        QTest::newRow("nothing found, nothing writable") << true;
    }
    void aDocumentThatCannotBeOpenedIsReportedWithItsPath() {
        QFETCH(bool, nowhere);
        if (nowhere) {
            for (const char* dir : {"cache", "runtime", "tmp"}) {
                QVERIFY(QDir(scratch_->filePath(dir)).removeRecursively());
                makeFile(scratch_->filePath(dir));
            }
        }
        const QString path =
            nowhere ? QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../share/" +
                                      kInstalledDocument)
                    : scratch_->filePath("cache/" + QCoreApplication::applicationName() +
                                         "/organic-acid-preparations-worksheet.pdf");
        WindowFixture f;
        f.openerSucceeds = false;
        halfFinished(f);
        const Snapshot before(f);
        QString title;
        QString text;
        whileModal([&] { f.give(Command::Sheet); },
                   [&](QWidget* modal) {
                       // Closed before any check, so that a failing one leaves no box open.
                       if (auto* box = qobject_cast<QMessageBox*>(modal))
                           text = box->text();
                       title = modal->windowTitle();
                       modal->close();
                   });
        QCOMPARE(title, QString("Φύλλο εργασίας"));
        QVERIFY2(text.contains(path), qPrintable(text));
        QCOMPARE(f.opened.size(), size_t(nowhere ? 0 : 1));
        QVERIFY(Snapshot(f) == before);
        QVERIFY(!QApplication::activeModalWidget());
    }

    // The answer key takes the worksheet's road with a file of its own: written into the cache
    // from the build tree, opened where it is installed.
    void theAnswerKeyIsFoundAsTheWorksheetIs() {
        std::vector<QUrl> opened;
        const app::UrlOpener recorder = [&](const QUrl& url) {
            opened.push_back(url);
            return true;
        };
        app::openDocument(content::Sheet::AnswerKey, recorder);
        const QString cached = scratch_->filePath("cache/" + QCoreApplication::applicationName() +
                                                  "/organic-acid-preparations-answers.pdf");
        QCOMPARE(opened, std::vector<QUrl>{QUrl::fromLocalFile(cached)});
        QVERIFY(isPdf(cached));
        QVERIFY(
            !QFileInfo::exists(scratch_->filePath("cache/" + QCoreApplication::applicationName() +
                                                  "/organic-acid-preparations-worksheet.pdf")));

        const QString key = app::documentInData(content::Sheet::AnswerKey);
        QVERIFY(key.endsWith("/organic-acid-preparations-answers.pdf"));
        const QString installed = scratch_->filePath("data/" + key);
        makeFile(installed);
        opened.clear();
        app::openDocument(content::Sheet::AnswerKey, recorder);
        QCOMPARE(opened, std::vector<QUrl>{QUrl::fromLocalFile(installed)});
    }

    // An opener that throws has failed to open the document, as one that says so.
    void anOpenerThatThrowsHasFailed() {
        const app::DocumentOpening opening =
            app::openDocument(content::Sheet::AnswerKey,
                              [](const QUrl&) -> bool { throw std::runtime_error("no handler"); });
        QCOMPARE(opening.outcome, app::DocumentOpening::NotOpened);
        QVERIFY(isPdf(opening.path));
    }

    // The cached copy is written once, and again only when it is older than the program.
    void theCachedDocumentIsWrittenAgainOnlyWhenOlderThanTheProgram() {
        WindowFixture f;
        f.give(Command::Sheet);
        const QString cached = f.opened.at(0).toLocalFile();
        const auto setModified = [&](const QDateTime& time) {
            QFile file(cached);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(time, QFileDevice::FileModificationTime));
        };
        const QDateTime program = QFileInfo(QCoreApplication::applicationFilePath()).lastModified();
        const QDateTime later = program.addSecs(60);
        setModified(later);
        f.give(Command::Sheet);
        QCOMPARE(QFileInfo(cached).lastModified(), later);
        setModified(program.addSecs(-60));
        f.give(Command::Sheet);
        QVERIFY(QFileInfo(cached).lastModified() >= program);
        QVERIFY(isPdf(cached));
        QCOMPARE(f.opened.size(), size_t(3));
    }

    // An installed document is opened where it lies, and nothing is written into the cache.
    void anInstalledDocumentIsOpenedWhereItLies() {
        const QString installed = scratch_->filePath("data/" + kInstalledDocument);
        QVERIFY(QDir().mkpath(QFileInfo(installed).path()));
        QVERIFY(content::writeWorksheetDocument(installed));
        WindowFixture f;
        f.give(Command::Sheet);
        QCOMPARE(f.opened, std::vector<QUrl>{QUrl::fromLocalFile(installed)});
        QVERIFY(isPdf(installed));
        QVERIFY(!QFileInfo::exists(scratch_->filePath("cache")));
    }

    // The share/ directory of the program's own prefix comes first, then the program's own
    // directory, where the build leaves the documents, then the XDG data directories; for the
    // worksheet and for its key, and neither document is taken for the other.
    void theProgramsOwnPrefixComesFirst_data() {
        QTest::addColumn<bool>("key");
        QTest::newRow("worksheet") << false;
        QTest::newRow("answer key") << true;
    }
    void theProgramsOwnPrefixComesFirst() {
        QFETCH(bool, key);
        const auto sheet = key ? content::Sheet::AnswerKey : content::Sheet::Worksheet;
        const auto other = key ? content::Sheet::Worksheet : content::Sheet::AnswerKey;
        const QString inData = app::documentInData(sheet);
        const QString bin = scratch_->filePath("prefix/bin");
        const QString beside = scratch_->filePath("prefix/share/" + inData);
        const QString built = bin + "/" + QFileInfo(inData).fileName();
        const QString elsewhere = scratch_->filePath("data/" + inData);
        makeFile(beside);
        makeFile(built);
        makeFile(elsewhere);
        QCOMPARE(app::installedDocument(sheet, bin), beside);
        QCOMPARE(app::installedDocument(other, bin), QString());
        QVERIFY(QFile::remove(beside));
        QCOMPARE(app::installedDocument(sheet, bin), built);
        QVERIFY(QFile::remove(built));
        QCOMPARE(app::installedDocument(sheet, bin), elsewhere);
        QVERIFY(QFile::remove(elsewhere));
        QCOMPARE(app::installedDocument(sheet, bin), QString());
    }

    // The desktop's own opener reports in its result that nothing could open the document, as
    // on this platform, which has no desktop to ask; Qt's complaint on the terminal is held
    // back, as the program says so in its own words.
    void theDesktopsOpenerReportsFailureInItsResult() {
        const QString document = scratch_->filePath("worksheet.pdf");
        QVERIFY(content::writeWorksheetDocument(document));
        messages.clear();
        const QtMessageHandler previous = qInstallMessageHandler(recordMessage);
        const bool opened = app::desktopUrlOpener()(QUrl::fromLocalFile(document));
        qInstallMessageHandler(previous);
        QVERIFY(!opened);
        QCOMPARE(messages, QStringList());
    }

    // One About window serves the whole run; it is modal and leaves the worksheet alone.
    void theAboutWindowIsCreatedOnceAndKept() {
        WindowFixture f;
        halfFinished(f);
        const Snapshot before(f);
        QPointer<QWidget> first;
        whileModal([&] { f.give(Command::About); },
                   [&](QWidget* modal) {
                       QVERIFY(dynamic_cast<app::AboutWindow*>(modal));
                       QCOMPARE(modal->windowTitle(), QString("Παρασκευές οργανικών οξέων, 2014"));
                       QCOMPARE(modal->parentWidget(), f.window.get());
                       first = modal;
                       modal->close();
                   });
        whileModal([&] { f.give(Command::About); },
                   [&](QWidget* modal) {
                       QCOMPARE(modal, first.data());
                       modal->close();
                   });
        QVERIFY(first);
        QVERIFY(Snapshot(f) == before);
    }

    // Qt's own texts that the window shows come in Greek too: the edit menus of the boxes and
    // the scroll bar's, though Debian carries no Greek catalogue of Qt's.
    void standardTextsAreGreek() {
        QLineEdit edit;
        edit.setText("12");
        std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
        QStringList texts;
        for (QAction* action : menu->actions()) {
            if (!action->isSeparator())
                texts << action->text().section('\t', 0, 0);
        }
        QCOMPARE(texts, (QStringList{"&Αναίρεση", "&Επανάληψη", "Απο&κοπή", "Α&ντιγραφή",
                                     "Ε&πικόλληση", "Διαγραφή", "Επιλογή όλων"}));
        QCOMPARE(QCoreApplication::translate("QScrollBar", "Scroll here"), QString("Κύλιση εδώ"));
    }

private:
    std::unique_ptr<QTemporaryDir> scratch_;
    QString systemTemp_;
};

QTEST_MAIN(MenusTest)
#include "test_menus.moc"
