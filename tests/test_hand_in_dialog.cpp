// Handing in, as the student does it: the menu's command and its dialog by keys and by mouse, the
// two files it leaves in the folder and what they hold, the folder a school sets for everyone,
// file names made of whatever was typed, and the faults that leave nothing half-written and the
// work in the window as it was.
#include "app/hand_in_files.h"
#include "assistive/announcer.h"
#include "assistive/keyboard_stop.h"
#include "content/language.h"
#include "model/hand_in.h"
#include "model/marking.h"
#include "support/window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <functional>
#include <optional>
#include <sys/resource.h>
#include <unistd.h>

namespace {

const QString kWorksheetFolder = QStringLiteral("Παρασκευές οργανικών οξέων");

QWidget* focused() {
    return QApplication::focusWidget();
}

void key(Qt::Key k) {
    QTest::keyClick(focused(), k);
}

// Types as a keyboard does, Greek letters included, into whatever has the focus.
void type(const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(focused(), &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(focused(), &release);
    }
}

// Everything of the worksheet and its window that handing in must leave as it was.
QStringList state(const WindowFixture& f) {
    QStringList all;
    for (int blank = 0; blank < model::kBlanks; ++blank)
        all << QString::number(f.worksheet.compoundIn(blank));
    for (int compound = 0; compound < model::kCompounds; ++compound)
        all << QString::number(f.worksheet.cardsLeft(compound));
    for (int box = 0; box < model::kCoefficientBoxes; ++box)
        all << f.box(box)->text() << QString::number(f.box(box)->isVisible());
    for (int section = 0; section < model::kSections; ++section)
        all << QString::number(f.worksheet.isNoteShown(section));
    all << QString::number(f.worksheet.grade().value_or(-1))
        << QString::number(f.board.gradeRect().isEmpty()) << QString::number(f.worksheet.checks());
    return all;
}

// Two reactions of the first section right, one with its coefficients; a compound in the last
// section; and one check asked for.
void halfFinished(WindowFixture& f) {
    f.fill(0, Ethanoic);
    f.fill(1, Ethanoic);
    f.box(1)->setText("2");
    f.fill(16, Ammonia);
    f.give(Command::Check);
}

QLineEdit* field(QWidget* dialog, const QString& name) {
    for (QLineEdit* edit : dialog->findChildren<QLineEdit*>()) {
        if (edit->accessibleName() == name)
            return edit;
    }
    return nullptr;
}

QPushButton* button(QWidget* dialog, const QString& text) {
    for (QPushButton* each : dialog->findChildren<QPushButton*>()) {
        if (each->text() == text)
            return each;
    }
    return nullptr;
}

// Runs `inside` once the modal window that `trigger` opens is up, then returns: what is inside
// may open another (handing in does, to say how it went), which `then` is given. A failing check
// closes what is open, so that the test fails at once instead of waiting on a window.
void whileModal(const std::function<void()>& trigger, const std::function<void(QWidget*)>& inside) {
    bool ran = false;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        modal->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), modal);
        inside(modal);
        ran = true;
        if (QTest::currentTestFailed() && modal->isVisible())
            modal->close();
    });
    trigger();
    QVERIFY(ran);
}

// The message box `trigger` opens, closed: its icon and text.
std::pair<QMessageBox::Icon, QString> messageAfter(const std::function<void()>& trigger) {
    std::pair<QMessageBox::Icon, QString> told{QMessageBox::NoIcon, QString()};
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            told = {box->icon(), box->text()};
            box->close();
        }
    });
    trigger();
    return told;
}

QStringList filesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

model::HandIn someWork() {
    model::HandIn work;
    work.id = QUuid::createUuid();
    work.name = QStringLiteral("Νίκος Γεωργίου");
    work.schoolClass = QStringLiteral("Γ1");
    work.handedIn = QDateTime(QDate(2026, 12, 9), QTime(10, 15, 30), Qt::OffsetFromUTC, 7200);
    work.blanks.fill(model::kNone);
    return work;
}

} // namespace

class HandInDialogTest : public QObject {
    Q_OBJECT

private slots:
    // The program's own name, under which its settings are kept.
    void initTestCase() {
        QCoreApplication::setApplicationName("organic-acid-preparations");
        QVERIFY(content::useLanguage(content::Language::Greek));
    }

    // Every test has a home, a configuration and a system configuration of its own. Qt reads
    // where the configurations are once a run, so they are moved by hand.
    void init() {
        scratch_ = std::make_unique<QTemporaryDir>();
        QVERIFY(scratch_->isValid());
        qputenv("HOME", QFile::encodeName(scratch_->filePath("home")));
        QVERIFY(QDir().mkpath(scratch_->filePath("home")));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           scratch_->filePath("config"));
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope,
                           scratch_->filePath("xdg"));
    }

    // By keys alone: F10 and the arrows to "Παράδοση...", the name's field has the focus, Tab
    // goes to the class, Enter hands in. The PDF and the record appear in the worksheet's folder
    // in Documents under one name; the record holds the work, and its score is the grade a check
    // then gives; the message names the folder and both files; the window is as it was.
    void aStudentHandsInByKeys() {
        WindowFixture f;
        f.window->show();
        f.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        halfFinished(f);
        // A blank of the section in view.
        QWidget* blank = f.stop(16);
        blank->setFocus();
        QCOMPARE(focused(), blank);
        const QStringList before = state(f);
        const QString folder = scratch_->filePath("home/Documents/" + kWorksheetFolder);

        std::pair<QMessageBox::Icon, QString> told;
        whileModal(
            [&] {
                key(Qt::Key_F10);
                for (int i = 0; i < 4; ++i)
                    key(Qt::Key_Right);
                QCOMPARE(f.window->menuBar()->activeAction(), f.command(Command::HandIn));
                key(Qt::Key_Return);
            },
            [&](QWidget* dialog) {
                QCOMPARE(dialog->windowTitle(), QString("Παράδοση εργασίας"));
                QCOMPARE(focused(), field(dialog, "Ονοματεπώνυμο"));
                type("Μαρία Παπαδοπούλου");
                key(Qt::Key_Tab);
                QCOMPARE(focused(), field(dialog, "Τάξη"));
                type("Β2");
                QCOMPARE(field(dialog, "Φάκελος")->text(), folder);
                told = messageAfter([&] { key(Qt::Key_Return); });
                QVERIFY(!dialog->isVisible());
            });
        QCOMPARE(state(f), before);
        f.window->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), f.window.get());
        QCOMPARE(focused(), blank);

        const QStringList files = filesIn(folder);
        QCOMPARE(files.size(), qsizetype(2));
        const QString base = QFileInfo(files[0]).completeBaseName();
        QVERIFY2(base.startsWith("Μαρία Παπαδοπούλου - Β2 - "), qPrintable(base));
        QCOMPARE(files, (QStringList{base + ".json", base + ".pdf"}));
        QCOMPARE(told.first, QMessageBox::Information);
        for (const QString& part : {folder, files[0], files[1]})
            QVERIFY2(told.second.contains(part), qPrintable(told.second));

        // The owner and the folder's group may read them, no one else.
        for (const QString& file : files)
            QCOMPARE(QFileInfo(QDir(folder).filePath(file)).permissions() &
                         ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser),
                     QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
        QFile pdf(QDir(folder).filePath(base + ".pdf"));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.readAll().startsWith("%PDF-"));
        QFile json(QDir(folder).filePath(base + ".json"));
        QVERIFY(json.open(QIODevice::ReadOnly));
        const std::optional<model::HandIn> record = model::handInOf(json.readAll());
        QVERIFY(record);
        QCOMPARE(record->name, QString("Μαρία Παπαδοπούλου"));
        QCOMPARE(record->schoolClass, QString("Β2"));
        QCOMPARE(record->checks, 1);
        QCOMPARE(record->blanks, f.worksheet.blanks());
        QCOMPARE(record->boxes, f.worksheet.coefficients());
        QVERIFY(qAbs(record->handedIn.secsTo(QDateTime::currentDateTime())) < 60);
        f.give(Command::Check);
        QCOMPARE(record->marking().grade, f.worksheet.grade().value());
    }

    // By the mouse: a click on "Παράδοση" hands in, with the name and class last typed, which the
    // next hand-in offers again; two hand-ins keep both pairs of files.
    void aStudentHandsInByMouseWithTheDetailsLastTyped() {
        WindowFixture f;
        f.window->show();
        const QString folder = scratch_->filePath("home/Documents/" + kWorksheetFolder);
        const auto handIn = [&](const std::function<void(QWidget*)>& fillIn) {
            whileModal([&] { f.give(Command::HandIn); },
                       [&](QWidget* dialog) {
                           fillIn(dialog);
                           QPushButton* handInButton = button(dialog, "Παράδοση");
                           QVERIFY(handInButton && handInButton->isDefault());
                           const auto told = messageAfter(
                               [&] { QTest::mouseClick(handInButton, Qt::LeftButton); });
                           QCOMPARE(told.first, QMessageBox::Information);
                       });
        };
        handIn([](QWidget* dialog) {
            field(dialog, "Ονοματεπώνυμο")->setText("  Γιάννης Κ.  ");
            field(dialog, "Τάξη")->setText("Α3");
        });
        handIn([](QWidget* dialog) {
            QCOMPARE(field(dialog, "Ονοματεπώνυμο")->text(), QString("Γιάννης Κ."));
            QCOMPARE(field(dialog, "Τάξη")->text(), QString("Α3"));
        });
        const QStringList files = filesIn(folder);
        QCOMPARE(files.size(), qsizetype(4));
        for (const QString& file : files)
            QVERIFY2(file.startsWith("Γιάννης Κ - Α3 - "), qPrintable(file));
    }

    // "Εκτύπωση..." prints the same sheet through Qt's print dialog, loaded for the purpose: the
    // printer chosen gets the student's page with their name, class and grade, under a job name
    // that is a plain file name whatever was typed; nothing is written to the folder, and the
    // window is as it was.
    void printingGivesThePrinterTheStudentsSheet() {
        WindowFixture f;
        f.window->show();
        halfFinished(f);
        const QStringList before = state(f);
        const QString printed = scratch_->filePath("printed.pdf");
        whileModal(
            [&] { f.give(Command::HandIn); },
            [&](QWidget* dialog) {
                field(dialog, "Ονοματεπώνυμο")->setText("Ελένη Δήμου/..");
                field(dialog, "Τάξη")->setText("Β1");
                whileModal(
                    [&] { QTest::mouseClick(button(dialog, "Εκτύπωση..."), Qt::LeftButton); },
                    [&](QWidget* modal) {
                        auto* printing = qobject_cast<QPrintDialog*>(modal);
                        QVERIFY(printing);
                        printing->printer()->setOutputFormat(QPrinter::PdfFormat);
                        printing->printer()->setOutputFileName(printed);
                        // As a click on Print would, with the printer left as it is.
                        printing->done(QDialog::Accepted);
                    });
                QVERIFY(dialog->isVisible());
                QTest::keyClick(dialog, Qt::Key_Escape);
            });
        QCOMPARE(state(f), before);
        QVERIFY(!QFileInfo::exists(scratch_->filePath("home/Documents")));
        QProcess pdftotext;
        pdftotext.start("pdftotext", {"-raw", printed, "-"});
        QVERIFY(pdftotext.waitForFinished());
        const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
        const int grade = model::mark(f.worksheet.blanks(), f.worksheet.coefficients()).grade;
        for (const QString& part :
             {QString("Ελένη Δήμου"), QString("Β1"), QString("Βαθμός: %1 %").arg(grade)})
            QVERIFY2(text.contains(part), qPrintable(part + "\n" + text));
    }

    // With nothing typed before, the name offered is the account's full name, as the system's
    // account database gives it (the first field of its comment), and the class is empty.
    void theAccountsFullNameIsOfferedFirst() {
        QProcess getent;
        getent.start("getent", {"passwd", QString::number(geteuid())});
        QVERIFY(getent.waitForFinished());
        const QString fullName = QString::fromLocal8Bit(getent.readAllStandardOutput())
                                     .section(':', 4, 4)
                                     .section(',', 0, 0)
                                     .trimmed();
        WindowFixture f;
        whileModal([&] { f.give(Command::HandIn); },
                   [&](QWidget* dialog) {
                       QCOMPARE(field(dialog, "Ονοματεπώνυμο")->text(), fullName);
                       QCOMPARE(field(dialog, "Τάξη")->text(), QString());
                       key(Qt::Key_Escape);
                       QVERIFY(!dialog->isVisible());
                   });
        QVERIFY(!QFileInfo::exists(scratch_->filePath("home/Documents")));
    }

    // A name or a class that is empty or only spaces is asked for, in words on the dialog and in
    // a screen reader's ears, and the focus goes to the field to fill; nothing is handed in
    // until both are given, and Escape leaves with nothing written.
    void aMissingNameOrClassIsAskedFor_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("schoolClass");
        QTest::addColumn<QString>("told");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("pressed");
        QTest::newRow("no name") << ""
                                 << "Β2"
                                 << "Γράψτε το ονοματεπώνυμό σας."
                                 << "Ονοματεπώνυμο"
                                 << "Παράδοση";
        QTest::newRow("a class of spaces, to print") << "Μαρία"
                                                     << "   "
                                                     << "Γράψτε την τάξη σας."
                                                     << "Τάξη"
                                                     << "Εκτύπωση...";
        QTest::newRow("neither") << " \t "
                                 << ""
                                 << "Γράψτε το ονοματεπώνυμο και την τάξη σας."
                                 << "Ονοματεπώνυμο"
                                 << "Παράδοση";
    }
    void aMissingNameOrClassIsAskedFor() {
        QFETCH(QString, name);
        QFETCH(QString, schoolClass);
        QFETCH(QString, told);
        QFETCH(QString, focus);
        QFETCH(QString, pressed);
        WindowFixture f;
        f.window->show();
        whileModal([&] { f.give(Command::HandIn); },
                   [&](QWidget* dialog) {
                       field(dialog, "Ονοματεπώνυμο")->setText(name);
                       field(dialog, "Τάξη")->setText(schoolClass);
                       button(dialog, pressed)->click();
                       QVERIFY(dialog->isVisible());
                       QVERIFY(!QApplication::activeModalWidget() ||
                               QApplication::activeModalWidget() == dialog);
                       QStringList shown;
                       for (QLabel* label : dialog->findChildren<QLabel*>()) {
                           if (label->isVisible())
                               shown << label->text();
                       }
                       QVERIFY2(shown.contains(told), qPrintable(shown.join('\n')));
                       // The announcer has no meta-object of its own to find it by.
                       assistive::Announcer* announcer = nullptr;
                       for (QWidget* child : dialog->findChildren<QWidget*>()) {
                           if (auto* found = dynamic_cast<assistive::Announcer*>(child))
                               announcer = found;
                       }
                       QVERIFY(announcer);
                       QCOMPARE(announcer->words(), told);
                       QCOMPARE(focused(), field(dialog, focus));
                       QVERIFY(!focused()->accessibleDescription().isEmpty());
                       key(Qt::Key_Escape);
                       QVERIFY(!dialog->isVisible());
                   });
        QVERIFY(!QFileInfo::exists(scratch_->filePath("home/Documents")));
    }

    // A folder that cannot be made, or a disk that fills up as the files are written: a message
    // names the folder and what went wrong, nothing is left in the folder, not even half a file,
    // the dialog stays for another try, and the work is in the window as it was.
    void aFailingFolderIsToldAndLeavesNothing_data() {
        QTest::addColumn<bool>("full");
        QTest::newRow("a folder under a file") << false;
        QTest::newRow("a full disk") << true;
    }
    void aFailingFolderIsToldAndLeavesNothing() {
        QFETCH(bool, full);
        const QString folder = scratch_->filePath(full ? "handed-in" : "not-a-folder/handed-in");
        QFile blocker(scratch_->filePath("not-a-folder"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        userSetting(app::kHandInFolderKey, folder);
        WindowFixture f;
        f.window->show();
        halfFinished(f);
        const QStringList before = state(f);

        // A file may grow to a few kilobytes: the record fits, the PDF does not.
        rlimit limit{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &limit), 0);
        const rlimit original = limit;
        const auto previous = std::signal(SIGXFSZ, SIG_IGN);
        std::pair<QMessageBox::Icon, QString> told;
        whileModal([&] { f.give(Command::HandIn); },
                   [&](QWidget* dialog) {
                       field(dialog, "Ονοματεπώνυμο")->setText("Μαρία");
                       field(dialog, "Τάξη")->setText("Β2");
                       if (full) {
                           limit.rlim_cur = 16 * 1024;
                           QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
                       }
                       told = messageAfter([&] { button(dialog, "Παράδοση")->click(); });
                       QCOMPARE(setrlimit(RLIMIT_FSIZE, &original), 0);
                       QVERIFY(dialog->isVisible());
                       dialog->close();
                   });
        setrlimit(RLIMIT_FSIZE, &original);
        std::signal(SIGXFSZ, previous);
        QCOMPARE(told.first, QMessageBox::Warning);
        QVERIFY2(told.second.contains(folder), qPrintable(told.second));
        QVERIFY2(told.second.contains("δεν παραδόθηκε"), qPrintable(told.second));
        // What the system said of the file it could not write, or that the folder is missing.
        QVERIFY2(told.second.contains(full ? "File too large" : "δεν υπάρχει"),
                 qPrintable(told.second));
        QCOMPARE(filesIn(folder), QStringList());
        QCOMPARE(state(f), before);
    }

    // Coefficients typed so long that their record would be too large to read back are not
    // handed in: the student is told, and nothing is written.
    void workTooLongForItsRecordIsNotHandedIn() {
        WindowFixture f;
        for (int blank = 0; blank < model::kBlanks; ++blank)
            QVERIFY(f.worksheet.place(blank, model::blankRecord(blank).answer));
        for (int box = 0; box < model::kCoefficientBoxes; ++box)
            f.worksheet.setCoefficient(box, QString(32767, '1'));
        const model::HandIn work = app::handInNow(f.worksheet, "Μαρία", "Β2");
        const QString folder = scratch_->filePath("handed-in");
        QCOMPARE(app::writeHandIn(folder, work).outcome, app::HandInWriting::TooLong);
        QCOMPARE(filesIn(folder), QStringList());
    }

    // Two hand-ins of one student in the same second keep both: the second pair of files takes
    // the next free name, and an existing file of either kind is never written over.
    void handInsInTheSameSecondKeepBoth() {
        const QString folder = scratch_->filePath("handed-in");
        const model::HandIn work = someWork();
        const app::HandInWriting first = app::writeHandIn(folder, work);
        const app::HandInWriting second = app::writeHandIn(folder, work);
        QCOMPARE(first.outcome, app::HandInWriting::Written);
        QCOMPARE(second.outcome, app::HandInWriting::Written);
        const QString base = "Νίκος Γεωργίου - Γ1 - 2026-12-09 10.15.30";
        QCOMPARE(QFileInfo(first.record).fileName(), base + ".json");
        QCOMPARE(QFileInfo(second.record).fileName(), base + " (2).json");
        QCOMPARE(QFileInfo(second.pdf).fileName(), base + " (2).pdf");

        QFile stray(QDir(folder).filePath(base + " (3).pdf"));
        QVERIFY(stray.open(QIODevice::WriteOnly));
        stray.write("kept");
        stray.close();
        const app::HandInWriting third = app::writeHandIn(folder, work);
        QCOMPARE(QFileInfo(third.record).fileName(), base + " (4).json");
        QVERIFY(stray.open(QIODevice::ReadOnly));
        QCOMPARE(stray.readAll(), QByteArray("kept"));
        QCOMPARE(filesIn(folder).size(), qsizetype(7));
    }

    // Whatever was typed makes one plain name in the folder: no way out of it, nothing hidden,
    // invisible or troublesome to a shell or a Windows share, at most 80 characters before the
    // extension, and the Greek kept.
    void fileNamesAreMadeOfWhatWasTyped_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("schoolClass");
        QTest::addColumn<QString>("base");
        const QString time = "2026-12-09 10.15.30";
        QTest::newRow("Greek") << "Μαρία Παπαδοπούλου"
                               << "Β2"
                               << "Μαρία Παπαδοπούλου - Β2 - " + time;
        QTest::newRow("a path") << "../../etc/passwd"
                                << "Β2/.."
                                << "etc passwd - Β2 - " + time;
        QTest::newRow("quotes") << "Μαρία \"Μ.\" O'Brien `x`"
                                << "Β'2"
                                << "Μαρία Μ. O Brien x - Β 2 - " + time;
        QTest::newRow("Windows' reserved") << "a<b>c:d*e?f|g\\h"
                                           << "Β2"
                                           << "a b c d e f g h - Β2 - " + time;
        QTest::newRow("control characters") << "Μαρία\tΠαπα\nδοπούλου\x01\x7f"
                                            << "Β2\r"
                                            << "Μαρία Παπα δοπούλου - Β2 - " + time;
        QTest::newRow("invisible characters") << QString("Μαρία\u202e\u200bfdp.exe") << "Β2"
                                              << "Μαρίαfdp.exe - Β2 - " + time;
        QTest::newRow("a hidden file") << ".profile"
                                       << "..."
                                       << "profile - " + time;
        QTest::newRow("only spaces") << "   "
                                     << "\u2028 " << time;
        QTest::newRow("10,000 characters")
            << QString(10000, QChar(0x3b1)) << QString(10000, 'x')
            << QString(40, QChar(0x3b1)) + " - " + QString(15, 'x') + " - " + time;
        QTest::newRow("a letter beyond 16 bits at the cut")
            << QString(39, 'a') + QString::fromUcs4(U"\U0001F600b") << "Β2"
            << QString(39, 'a') + QString::fromUcs4(U"\U0001F600") + " - Β2 - " + time;
        QTest::newRow("decomposed Greek") << QString("Μαρι\u0301α") << "Β2"
                                          << "Μαρία - Β2 - " + time;
    }
    void fileNamesAreMadeOfWhatWasTyped() {
        QFETCH(QString, name);
        QFETCH(QString, schoolClass);
        QFETCH(QString, base);
        const QString made = app::handInBaseName(name, schoolClass,
                                                 QDateTime(QDate(2026, 12, 9), QTime(10, 15, 30)));
        QCOMPARE(made, base);
        QVERIFY(made.toUcs4().size() <= 80);
        const QString folder = scratch_->filePath("handed-in");
        QCOMPARE(QFileInfo(QDir(folder).filePath(made + ".pdf")).absolutePath(), folder);
    }

    // The school's folder, set once for every account in the system-wide settings, comes before
    // any the student's own settings set; without either the work goes into the worksheet's
    // folder in Documents. A folder may be given from the home folder.
    void theSchoolsFolderComesFirst_data() {
        QTest::addColumn<QString>("school");
        QTest::addColumn<QString>("own");
        QTest::addColumn<QString>("used");
        QTest::newRow("neither") << ""
                                 << ""
                                 << "home/Documents/" + kWorksheetFolder;
        QTest::newRow("the student's own") << ""
                                           << "/srv/own"
                                           << "/srv/own";
        QTest::newRow("the school's") << "\"/srv/school, chemistry\""
                                      << ""
                                      << "/srv/school, chemistry";
        QTest::newRow("both") << "/srv/school"
                              << "/srv/own"
                              << "/srv/school";
        QTest::newRow("from home") << "~/handed in"
                                   << ""
                                   << "home/handed in";
    }
    void theSchoolsFolderComesFirst() {
        QFETCH(QString, school);
        QFETCH(QString, own);
        QFETCH(QString, used);
        if (!school.isEmpty())
            writeSetting(scratch_->filePath("xdg/organic-acid-preparations/"
                                            "organic-acid-preparations.conf"),
                         "[hand-in]\nfolder=" + school);
        if (!own.isEmpty())
            userSetting(app::kHandInFolderKey, own);
        QCOMPARE(app::handInFolder(), used.startsWith('/') ? used : scratch_->filePath(used));
    }

private:
    void userSetting(const QString& key, const QString& value) {
        QSettings settings(QCoreApplication::applicationName(),
                           QCoreApplication::applicationName());
        settings.setValue(key, value);
    }

    // A settings file as a system administrator writes it, by hand.
    void writeSetting(const QString& path, const QString& line) {
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(line.toUtf8() + "\n");
    }

    std::unique_ptr<QTemporaryDir> scratch_;
};

QTEST_MAIN(HandInDialogTest)
#include "test_hand_in_dialog.moc"
