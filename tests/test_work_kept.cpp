// The work kept against a crash, on the program as it starts: the window, its worksheet and the
// keeping of its work made by the start-up code main() runs (app::Session). A program killed
// mid-work leaves its work, and the next start takes it up and says so; an ordinary end leaves
// nothing; a file that is not work is set aside; the work is never written during a drag.
//
// The program runs in processes of its own: this executable, started again with WORK_KEPT_ROLE
// set, opens the window offscreen, works on it with Qt Test's keys and prints what it did as a
// line of JSON; the test ends it with a signal or lets it end itself. The real program is
// started too, and ended with SIGTERM.
#include "app/session.h"
#include "assistive/keyboard_stop.h"
#include "content/geometry.h"
#include "content/texts.h"
#include "model/kept_work.h"
#include "view/board.h"
#include "view/section_view.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <functional>
#include <memory>
#include <sys/stat.h>

namespace {

// What a child process is to do: "work" on a fresh worksheet, or "resume" the work left; then
// end by the menu's "Έξοδος" ("menu"), by closing the window ("close"), or wait for a signal.
constexpr char kRole[] = "WORK_KEPT_ROLE";
constexpr char kEnd[] = "WORK_KEPT_END";

const QString kWorkFile = QStringLiteral("work.json");

// A blank's keyboard stop, found where the student sees its focus frame: around its slot.
assistive::KeyboardStop* stopOf(const view::Board& board, int blank) {
    const QPoint slot = board.zoom().toPixels(content::slotOf(blank)).center();
    for (QObject* child : board.sectionView(model::sectionOfBlank(blank))->children()) {
        auto* stop = dynamic_cast<assistive::KeyboardStop*>(child);
        if (stop && stop->geometry().contains(slot))
            return stop;
    }
    return nullptr;
}

QAction* command(const QMainWindow& window, const QString& caption) {
    for (QAction* action : window.menuBar()->actions()) {
        if (action->text() == caption)
            return action;
    }
    return nullptr;
}

// The worksheet in the test's own words.
QJsonObject describe(const model::Worksheet& worksheet) {
    QJsonArray blanks;
    for (int blank = 0; blank < model::kBlanks; ++blank)
        blanks.append(worksheet.compoundIn(blank));
    QJsonArray columns;
    for (int compound = 0; compound < model::kCompounds; ++compound)
        columns.append(worksheet.columnOf(compound));
    QJsonArray boxes;
    for (int box = 0; box < model::kCoefficientBoxes; ++box)
        boxes.append(worksheet.coefficient(box));
    return {{"blanks", blanks},
            {"columns", columns},
            {"boxes", boxes},
            {"checks", worksheet.checks()},
            {"begun", worksheet.begun().toString(Qt::ISODateWithMs)}};
}

// Answers the first message box that opens with OK, noting what it said.
struct NoticeReader {
    NoticeReader() {
        QObject::connect(&poll, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || answered)
                return;
            text = box->text();
            answered = true;
            box->button(QMessageBox::Ok)->click();
        });
        poll.start(20);
    }
    QTimer poll;
    QString text;
    bool answered = false;
};

// ---- The child process ----

void say(const QJsonObject& words) {
    std::fputs(QJsonDocument(words).toJson(QJsonDocument::Compact).constData(), stdout);
    std::fputs("\n", stdout);
    std::fflush(stdout);
}

bool kept(const model::Worksheet& worksheet) {
    QFile file(app::WorkKeeper::userFolder() + '/' + kWorkFile);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const auto work = model::readKeptWork(file.readAll());
    return work && *work == worksheet.state();
}

// Blank 0 gets its right compound by keys and its reaction's coefficients typed, which a check
// leaves; after the check, blank 3 gets the first column's compound.
void work(app::Session& session) {
    model::Worksheet& worksheet = session.worksheet();
    view::Board& board = session.window().board();
    const int answer = model::blankRecord(0).answer;
    for (int n = 0; n < model::kCompounds && worksheet.compoundIn(0) != answer; ++n)
        QTest::keyClick(stopOf(board, 0), Qt::Key_Space);
    for (int box : {0, 1}) {
        QLineEdit* edit = board.sectionView(0)->boxEdit(box);
        edit->setFocus();
        QTest::keyClicks(edit, QString::number(model::reaction(0).ratio[box]));
    }
    command(session.window(), content::texts::menuCheck())->trigger();
    board.showSection(1);
    QTest::keyClick(stopOf(board, 3), Qt::Key_Space);
}

int child(int argc, char* argv[], const QByteArray& role) {
    QApplication application(argc, argv);
    NoticeReader notice;
    app::Session session;
    session.show();
    if (!QTest::qWaitForWindowExposed(&session.window()))
        return 3;
    model::Worksheet& worksheet = session.worksheet();
    if (role == "work") {
        work(session);
        // A program that keeps no work says so after waiting well past the moment it would
        // write.
        const bool written = QTest::qWaitFor([&] { return kept(worksheet); }, 5000);
        say({{"kept", written}, {"notice", notice.text}, {"state", describe(worksheet)}});
    } else {
        const bool told = QTest::qWaitFor([&] { return notice.answered; }, 10000);
        // The window comes back to the front as the message closes, where a desktop's window
        // manager brings it; offscreen, nothing does.
        session.window().activateWindow();
        const assistive::KeyboardStop* first = stopOf(session.window().board(), 0);
        const bool focused =
            QTest::qWaitForWindowActive(&session.window()) && QApplication::focusWidget() == first;
        say({{"notice", told ? notice.text : QString()},
             {"focusOnFirstBlank", focused},
             {"state", describe(worksheet)}});
    }
    const QByteArray end = qgetenv(kEnd);
    if (end == "menu")
        QTimer::singleShot(
            0, [&] { command(session.window(), content::texts::menuExit())->trigger(); });
    else if (end == "close")
        QTimer::singleShot(0, [&] { session.window().close(); });
    return application.exec();
}

// The bit of a signal in a mask of /proc/<pid>/status.
bool catches(qint64 pid, int signal) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("SigCgt:"))
            return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (signal - 1)) & 1;
    }
    return false;
}

} // namespace

class WorkKeptTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> home_;

    QString dataHome() const { return home_->filePath("data"); }
    // Where a child keeps its work: the data folder of this executable's name.
    QString keptPath(const QString& name) const {
        return dataHome() + '/' + QCoreApplication::applicationName() + '/' + name;
    }

    std::unique_ptr<QProcess> start(const QString& program, QProcessEnvironment environment) {
        auto process = std::make_unique<QProcess>();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        process->setProcessEnvironment(environment);
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->start(program, {});
        return process;
    }

    std::unique_ptr<QProcess> startChild(const QByteArray& role, const QByteArray& end = {}) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_DATA_HOME", dataHome());
        environment.insert(kRole, role);
        environment.insert(kEnd, end);
        return start(QCoreApplication::applicationFilePath(), environment);
    }

    // The line a child prints once it has done its part.
    static QJsonObject said(QProcess& child) {
        while (!child.canReadLine()) {
            if (!child.waitForReadyRead(60'000))
                return {};
        }
        return QJsonDocument::fromJson(child.readLine()).object();
    }

    static bool endedOrdinarily(QProcess& process) {
        return process.waitForFinished(60'000) && process.exitStatus() == QProcess::NormalExit &&
               process.exitCode() == 0;
    }

private slots:
    void init() {
        home_ = std::make_unique<QTemporaryDir>();
        QVERIFY(home_->isValid());
    }

    // Killed mid-work, the program leaves its work; the next start brings every blank, the
    // palette's order, the boxes, the checks and the time begun back, says so, and puts the
    // focus on the first blank; it ends by "Έξοδος" and takes the file with it.
    void aKilledProgramsWorkComesBack() {
        const auto worker = startChild("work");
        const QJsonObject worked = said(*worker);
        QVERIFY(worked["kept"].toBool());
        QCOMPARE(worked["notice"].toString(), QString());
        const QJsonObject state = worked["state"].toObject();
        QCOMPARE(state["checks"].toInt(), 1);
        QCOMPARE(state["blanks"].toArray()[0].toInt(), int(model::blankRecord(0).answer));
        QVERIFY(!state["boxes"].toArray()[0].toString().isEmpty());
        QVERIFY(state["blanks"].toArray()[3].toInt() != model::kNone);

        ::kill(pid_t(worker->processId()), SIGKILL);
        QVERIFY(worker->waitForFinished(60'000));
        QCOMPARE(worker->exitStatus(), QProcess::CrashExit);
        QVERIFY(QFileInfo::exists(keptPath(kWorkFile)));

        const auto next = startChild("resume", "menu");
        const QJsonObject resumed = said(*next);
        QCOMPARE(resumed["state"].toObject(), state);
        QCOMPARE(resumed["notice"].toString(), content::texts::workTakenUp());
        QVERIFY(resumed["focusOnFirstBlank"].toBool());
        QVERIFY(endedOrdinarily(*next));
        QVERIFY(!QFileInfo::exists(keptPath(kWorkFile)));
    }

    // However the program is ended ordinarily, its work goes with it.
    void anOrdinaryEndLeavesNothing_data() {
        QTest::addColumn<QByteArray>("end");
        QTest::addColumn<int>("signal");
        QTest::newRow("Έξοδος") << QByteArray("menu") << 0;
        QTest::newRow("the window closed") << QByteArray("close") << 0;
        QTest::newRow("SIGTERM") << QByteArray() << SIGTERM;
        QTest::newRow("SIGHUP") << QByteArray() << SIGHUP;
        QTest::newRow("SIGINT") << QByteArray() << SIGINT;
    }
    void anOrdinaryEndLeavesNothing() {
        QFETCH(QByteArray, end);
        QFETCH(int, signal);
        const auto worker = startChild("work", end);
        QVERIFY(said(*worker)["kept"].toBool());
        if (signal)
            ::kill(pid_t(worker->processId()), signal);
        QVERIFY(endedOrdinarily(*worker));
        QVERIFY(!QFileInfo::exists(keptPath(kWorkFile)));
    }

    // A second program at the same account keeps none of its work, and its end does not take
    // the first one's.
    void aSecondProgramKeepsNothing() {
        const auto first = startChild("work");
        const QJsonObject firstWorked = said(*first);
        QVERIFY(firstWorked["kept"].toBool());
        const auto second = startChild("work", "menu");
        QVERIFY(!said(*second)["kept"].toBool());
        QVERIFY(endedOrdinarily(*second));

        ::kill(pid_t(first->processId()), SIGKILL);
        QVERIFY(first->waitForFinished(60'000));
        const auto next = startChild("resume", "menu");
        QCOMPARE(said(*next)["state"].toObject(), firstWorked["state"].toObject());
        QVERIFY(endedOrdinarily(*next));
    }

    // The program itself, ended with SIGTERM as it shows the work it took up, or with no home
    // to keep work in, ends ordinarily: the work goes.
    void theProgramEndsOrdinarilyOnSIGTERM_data() {
        QTest::addColumn<bool>("homeless");
        QTest::newRow("work left behind") << false;
        QTest::newRow("no home to keep work in") << true;
    }
    void theProgramEndsOrdinarilyOnSIGTERM() {
        QFETCH(bool, homeless);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        const QString workFile = dataHome() + "/organic-acid-preparations/" + kWorkFile;
        if (homeless) {
            environment.insert("HOME", "/dev/null/home");
            environment.remove("XDG_DATA_HOME");
        } else {
            environment.insert("XDG_DATA_HOME", dataHome());
            model::Worksheet left;
            left.place(0, model::Water);
            QVERIFY(QDir().mkpath(QFileInfo(workFile).path()));
            QFile file(workFile);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(model::keptWork(left.state()));
        }
        const auto program = start(WORKSHEET_PROGRAM, environment);
        QVERIFY(program->waitForStarted());
        QVERIFY(QTest::qWaitFor([&] { return catches(program->processId(), SIGTERM); }, 60'000));
        ::kill(pid_t(program->processId()), SIGTERM);
        QVERIFY(endedOrdinarily(*program));
        QVERIFY(!QFileInfo::exists(workFile));
    }

    // A file that is not work the worksheet can take up leaves it fresh; it is moved beside
    // itself under another name, as it was, and the student is told where.
    void whatIsNotWorkIsSetAside_data() {
        QTest::addColumn<std::function<void(const QString&)>>("leave");
        QTest::addColumn<QString>("asideAs");
        const auto write = [](const QByteArray& bytes) {
            return [=](const QString& path) {
                QFile file(path);
                QVERIFY(file.open(QIODevice::WriteOnly));
                file.write(bytes);
            };
        };
        model::Worksheet impossible;
        impossible.place(0, model::Water);
        model::Worksheet::State state = impossible.state();
        state.blanks[0] = model::kCompounds;
        QTest::newRow("not JSON") << std::function(write("\x89PNG\r\n")) << "work.json.unreadable";
        QTest::newRow("work no worksheet holds")
            << std::function(write(model::keptWork(state))) << "work.json.unreadable";
        QTest::newRow("larger than any work")
            << std::function<void(const QString&)>([](const QString& path) {
                   QFile file(path);
                   QVERIFY(file.open(QIODevice::WriteOnly));
                   QVERIFY(file.resize(qint64(1) << 30));
               })
            << "work.json.unreadable";
        QTest::newRow("a folder") << std::function<void(const QString&)>([](const QString& path) {
            QVERIFY(QDir().mkdir(path));
        }) << "work.json.unreadable";
        QTest::newRow("a pipe no one writes to")
            << std::function<void(const QString&)>([](const QString& path) {
                   QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
               })
            << "work.json.unreadable";
        QTest::newRow("one set aside before")
            << std::function<void(const QString&)>([=](const QString& path) {
                   write("older")(path + ".unreadable");
                   write("{")(path);
               })
            << "work.json.unreadable-2";
    }
    void whatIsNotWorkIsSetAside() {
        QFETCH(std::function<void(const QString&)>, leave);
        QFETCH(QString, asideAs);
        const QDir folder(home_->path());
        leave(folder.filePath(kWorkFile));
        const QFileInfo left(folder.filePath(kWorkFile));
        const bool leftFolder = left.isDir();
        const bool leftFile = left.isFile();
        const qint64 leftSize = left.size();
        const QFileInfo before(folder.filePath("work.json.unreadable"));
        const qint64 beforeSize = before.exists() ? before.size() : -1;

        NoticeReader notice;
        app::Session session(folder.path());
        for (int blank = 0; blank < model::kBlanks; ++blank)
            QCOMPARE(session.worksheet().compoundIn(blank), model::kNone);
        session.show();
        QVERIFY(QTest::qWaitFor([&] { return notice.answered; }, 10000));
        const QString aside = folder.filePath(asideAs);
        QCOMPARE(notice.text, content::texts::workUnreadable().arg(aside));
        struct stat status {};
        QCOMPARE(::lstat(QFile::encodeName(folder.filePath(kWorkFile)).constData(), &status), -1);
        const QFileInfo setAside(aside);
        QVERIFY(setAside.exists());
        QCOMPARE(setAside.isDir(), leftFolder);
        QCOMPARE(setAside.isFile(), leftFile);
        QCOMPARE(setAside.size(), leftSize);
        if (beforeSize >= 0)
            QCOMPARE(QFileInfo(folder.filePath("work.json.unreadable")).size(), beforeSize);
    }

    // The work is written once the changes stop, not while a card is being dragged; a restart
    // leaves a fresh worksheet, and the file goes.
    void theWorkIsWrittenOffTheDragsPath() {
        const QDir folder(home_->path());
        app::Session session(folder.path());
        session.show();
        QVERIFY(QTest::qWaitForWindowExposed(&session.window()));
        view::Board& board = session.window().board();
        QTest::keyClick(stopOf(board, 0), Qt::Key_Space);
        const QPoint card = board.zoom().toPixels(content::paletteCard(0)).center();
        QTest::mousePress(&board, Qt::LeftButton, {}, card);
        QVERIFY(board.isDragging());
        QTest::qWait(1500);
        QVERIFY(!QFileInfo::exists(folder.filePath(kWorkFile)));
        QTest::mouseRelease(&board, Qt::LeftButton, {}, card);
        QVERIFY(!board.isDragging());
        QTRY_VERIFY(QFileInfo::exists(folder.filePath(kWorkFile)));

        command(session.window(), content::texts::menuRestart())->trigger();
        QTRY_VERIFY(!QFileInfo::exists(folder.filePath(kWorkFile)));
    }

    // A data folder that cannot be made keeps nothing and tells nothing; the worksheet works.
    void noFolderKeepsNothing() {
        NoticeReader notice;
        app::Session session("/dev/null/home/.local/share/worksheet");
        session.show();
        QVERIFY(QTest::qWaitForWindowExposed(&session.window()));
        QTest::keyClick(stopOf(session.window().board(), 0), Qt::Key_Space);
        QVERIFY(session.worksheet().compoundIn(0) != model::kNone);
        QTest::qWait(1000);
        QVERIFY(!notice.answered);
    }
};

int main(int argc, char* argv[]) {
    if (const QByteArray role = qgetenv(kRole); !role.isEmpty())
        return child(argc, argv, role);
    QApplication application(argc, argv);
    WorkKeptTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_work_kept.moc"
