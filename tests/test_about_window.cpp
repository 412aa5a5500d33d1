#include "app/about_window.h"
#include "content/about_pictures.h"
#include "content/geometry.h"
#include "content/links.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryFile>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

#include <array>
#include <functional>
#include <stdexcept>
#include <utility>

using app::AboutWindow;

namespace {

// Runs one modal showing with `during` acting inside it. A showing that `during` leaves open is
// closed afterwards, so that a failing check cannot hang the test.
int showModally(AboutWindow& window, const std::function<void()>& during) {
    QTimer::singleShot(0, &window, [&] {
        during();
        if (window.isVisible())
            window.reject();
    });
    return window.exec();
}

QWidget* control(AboutWindow& window, const char* name) {
    return window.findChild<QWidget*>(QString::fromLatin1(name));
}

QPoint centreOf(QWidget* widget) {
    return widget->rect().center();
}

// Where each control lies in twips.
const std::array<std::pair<const char*, QRect>, 6> kControls{{
    {"usageNotice", QRect(60, 4080, 7995, 795)},
    {"okButton", QRect(3120, 4980, 1935, 315)},
    {"schoolEmblem", QRect(2460, 420, 3195, 3195)},
    {"authorCredit", QRect(165, 1260, 3705, 1665)},
    {"emblemGround", QRect(60, 60, 4005, 4005)},
    {"makerLogo", QRect(4020, 60, 4005, 4005)},
}};

// Where the second, small screen begins.
constexpr QPoint kSmallScreen(1280, 0);

// The main window at full size, its frame's corner at `corner`.
void layOutMainWindow(QWidget& main, QPoint corner) {
    main.setFixedSize(915, 567);
    main.move(corner);
}

} // namespace

class AboutWindowTest : public QObject {
    Q_OBJECT

private slots:
    // A click on a link asks for that link's own address; the window stays open and modal.
    void eachLinkOpensItsAddressAndStaysOpen_data();
    void eachLinkOpensItsAddressAndStaysOpen();
    // Pressing a link and letting go elsewhere is no click.
    void releaseOffTheLinkOpensNothing();
    // A link that cannot open changes nothing in the window and shows no message.
    void failingLinkChangesNothing_data();
    void failingLinkChangesNothing();
    // Every showing is centred on the screen, also after the student moved the window before.
    void everyShowingIsCentred();
    // The window lies over the main window, or in the middle of the screen while the main window
    // is not shown; where that would leave part of it off the screen, it is moved in just enough.
    void centredOnTheMainWindowAndWhollyOnScreen_data();
    void centredOnTheMainWindowAndWhollyOnScreen();
    // On a screen too small for it the window shrinks, every control and text in proportion; on
    // a roomy screen it is full size again.
    void shrinksInProportionWhereItCannotFit();
    // OK holds the focus on every showing, so Enter and the space bar close the window.
    void okHasTheFocusAndAnswersTheKey_data();
    void okHasTheFocusAndAnswersTheKey();
    // Escape leaves the window open; the close box closes it.
    void escapeIsIgnoredAndTheCloseBoxCloses();
    // The notice ends with an empty line and typing cannot change it.
    void noticeEndsWithAnEmptyLineAndIsReadOnly();
    // Each control lies where its twips put it, in the stacking order of its listing.
    void controlsLieWhereTheirTwipsSay_data();
    void controlsLieWhereTheirTwipsSay();
    void controlsStackInListingOrder_data();
    void controlsStackInListingOrder();
    // The emblem is a square dark red drawing on a transparent ground, the logo a square colour
    // picture.
    void picturesAreSquare();
};

void AboutWindowTest::eachLinkOpensItsAddressAndStaysOpen_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QUrl>("address");
    QTest::newRow("emblem") << "schoolEmblem" << content::links::kSchoolPage;
    QTest::newRow("author") << "authorCredit" << content::links::kProgramCollection;
    QTest::newRow("logo") << "makerLogo" << content::links::kMakerPage;
}

void AboutWindowTest::eachLinkOpensItsAddressAndStaysOpen() {
    QFETCH(QString, name);
    QFETCH(QUrl, address);
    QList<QUrl> opened;
    const auto record = [&](const QUrl& url) {
        opened.append(url);
        return true;
    };
    AboutWindow window(record, QIcon(), QCursor(Qt::PointingHandCursor));
    bool openAfterClick = false;
    showModally(window, [&] {
        QWidget* link = control(window, name.toLatin1());
        QTest::mouseClick(link, Qt::LeftButton, {}, centreOf(link));
        openAfterClick = window.isVisible() && QApplication::activeModalWidget() == &window;
    });
    QCOMPARE(opened, QList<QUrl>{address});
    QCOMPARE(address.scheme(), QStringLiteral("https"));
    QVERIFY(openAfterClick);
}

void AboutWindowTest::releaseOffTheLinkOpensNothing() {
    int asked = 0;
    const auto count = [&](const QUrl&) {
        ++asked;
        return true;
    };
    AboutWindow window(count, QIcon(), QCursor());
    QWidget* emblem = control(window, "schoolEmblem");
    showModally(window, [&] {
        QTest::mousePress(emblem, Qt::LeftButton, {}, centreOf(emblem));
        QTest::mouseRelease(emblem, Qt::LeftButton, {}, QPoint(emblem->width() + 5, 5));
        QTest::mousePress(control(window, "makerLogo"), Qt::LeftButton);
        QTest::mouseRelease(emblem, Qt::LeftButton, {}, centreOf(emblem));
    });
    QCOMPARE(asked, 0);
}

void AboutWindowTest::failingLinkChangesNothing_data() {
    QTest::addColumn<bool>("throws");
    QTest::newRow("opener says no") << false;
    QTest::newRow("opener throws") << true;
}

void AboutWindowTest::failingLinkChangesNothing() {
    QFETCH(bool, throws);
    int asked = 0;
    AboutWindow window(
        [&](const QUrl&) -> bool {
            ++asked;
            if (throws)
                throw std::runtime_error("no browser");
            return false;
        },
        QIcon(), QCursor(Qt::PointingHandCursor));
    bool unchanged = false;
    showModally(window, [&] {
        const auto windowsBefore = QApplication::topLevelWidgets();
        const QString noticeBefore = window.findChild<QPlainTextEdit*>()->toPlainText();
        QWidget* focusBefore = window.focusWidget();
        for (const char* name : {"schoolEmblem", "authorCredit", "makerLogo"})
            QTest::mouseClick(control(window, name), Qt::LeftButton, {},
                              centreOf(control(window, name)));
        unchanged = window.isVisible() && QApplication::topLevelWidgets() == windowsBefore &&
                    QApplication::activeModalWidget() == &window &&
                    window.findChild<QPlainTextEdit*>()->toPlainText() == noticeBefore &&
                    window.focusWidget() == focusBefore;
    });
    QCOMPARE(asked, 3);
    QVERIFY(unchanged);
}

void AboutWindowTest::everyShowingIsCentred() {
    AboutWindow window([](const QUrl&) { return true; }, QIcon(), QCursor());
    const QPoint screenCentre = window.screen()->geometry().center();
    QPoint firstCentre;
    QPoint secondCentre;
    showModally(window, [&] {
        firstCentre = window.frameGeometry().center();
        window.move(3, 5);
    });
    QCOMPARE(window.pos(), QPoint(3, 5));
    showModally(window, [&] { secondCentre = window.frameGeometry().center(); });
    QVERIFY2((firstCentre - screenCentre).manhattanLength() <= 1, "first showing");
    QVERIFY2((secondCentre - screenCentre).manhattanLength() <= 1, "showing after a move");
}

void AboutWindowTest::centredOnTheMainWindowAndWhollyOnScreen_data() {
    QTest::addColumn<QPoint>("mainCorner");
    QTest::addColumn<bool>("mainShown");
    QTest::addColumn<bool>("movedIn");
    QTest::newRow("over the main window") << QPoint(300, 40) << true << false;
    QTest::newRow("main window not shown") << QPoint(300, 40) << false << false;
    QTest::newRow("main window past the right edge") << QPoint(700, 100) << true << true;
    QTest::newRow("main window above the top") << QPoint(50, -250) << true << true;
    QTest::newRow("screen smaller than the window") << kSmallScreen << true << true;
}

void AboutWindowTest::centredOnTheMainWindowAndWhollyOnScreen() {
    QFETCH(QPoint, mainCorner);
    QFETCH(bool, mainShown);
    QFETCH(bool, movedIn);
    QWidget main;
    layOutMainWindow(main, mainCorner);
    main.setVisible(mainShown);
    QVERIFY(!mainShown || QTest::qWaitForWindowExposed(&main));
    const QRect room = QGuiApplication::screenAt(main.geometry().center())->availableGeometry();
    AboutWindow window([](const QUrl&) { return true; }, QIcon(), QCursor(), &main);
    QRect frame;
    showModally(window, [&] { frame = window.frameGeometry(); });
    QVERIFY(frame.size() != window.size());
    QVERIFY(room.contains(frame));
    // Off the aim only by being moved in, and then it touches the edge it was moved in from.
    const QPoint aim = mainShown ? main.frameGeometry().center() : room.center();
    const QPoint off = frame.center() - aim;
    QCOMPARE(qAbs(off.x()) > 1 || qAbs(off.y()) > 1, movedIn);
    QVERIFY(qAbs(off.x()) <= 1 || frame.left() == room.left() || frame.right() == room.right());
    QVERIFY(qAbs(off.y()) <= 1 || frame.top() == room.top() || frame.bottom() == room.bottom());
}

void AboutWindowTest::shrinksInProportionWhereItCannotFit() {
    QWidget main;
    layOutMainWindow(main, kSmallScreen);
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    AboutWindow window([](const QUrl&) { return true; }, QIcon(), QCursor(), &main);
    auto* ok = window.findChild<QPushButton*>(QStringLiteral("okButton"));
    auto* credit = window.findChild<QLabel*>(QStringLiteral("authorCredit"));
    showModally(window, [] {});
    const double scale = window.width() / 537.0;
    QVERIFY(scale < 1);
    QVERIFY(qAbs(window.height() - 355 * scale) <= 1);
    for (const auto& [name, twips] : kControls) {
        const QRect actual = control(window, name)->geometry();
        const QRectF expected(twips.x() * scale / 15, twips.y() * scale / 15,
                              twips.width() * scale / 15, twips.height() * scale / 15);
        // The author's name may need more lines than the design height holds.
        const bool grows = control(window, name) == credit;
        QVERIFY2(qAbs(actual.x() - expected.x()) <= 1 && qAbs(actual.y() - expected.y()) <= 1 &&
                     qAbs(actual.width() - expected.width()) <= 1 &&
                     (grows ? actual.height() >= expected.height() - 1
                            : qAbs(actual.height() - expected.height()) <= 1),
                 name);
    }
    QVERIFY(qAbs(ok->font().pointSizeF() - 8 * scale) < 0.05);
    QVERIFY(qAbs(credit->font().pointSizeF() - 24 * scale) < 0.05);

    main.move(100, 100);
    showModally(window, [] {});
    QCOMPARE(window.size(), QSize(537, 355));
    QCOMPARE(ok->font().pointSizeF(), 8.0);
    QCOMPARE(credit->font().pointSizeF(), 24.0);
}

void AboutWindowTest::okHasTheFocusAndAnswersTheKey_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("return") << int(Qt::Key_Return);
    QTest::newRow("enter") << int(Qt::Key_Enter);
    QTest::newRow("space") << int(Qt::Key_Space);
}

void AboutWindowTest::okHasTheFocusAndAnswersTheKey() {
    QFETCH(int, key);
    AboutWindow window([](const QUrl&) { return true; }, QIcon(), QCursor());
    auto* ok = window.findChild<QPushButton*>(QStringLiteral("okButton"));
    // The first showing leaves the focus in the notice, which must not carry over.
    QWidget* focusedFirst = nullptr;
    showModally(window, [&] {
        focusedFirst = window.focusWidget();
        window.findChild<QPlainTextEdit*>()->setFocus();
    });
    QWidget* focusedAgain = nullptr;
    const int result = showModally(window, [&] {
        focusedAgain = window.focusWidget();
        if (focusedAgain)
            QTest::keyClick(focusedAgain, Qt::Key(key));
    });
    QCOMPARE(focusedFirst, ok);
    QCOMPARE(focusedAgain, ok);
    QCOMPARE(result, int(QDialog::Accepted));
}

void AboutWindowTest::escapeIsIgnoredAndTheCloseBoxCloses() {
    AboutWindow window([](const QUrl&) { return true; }, QIcon(), QCursor());
    bool openAfterEscape = false;
    bool closedByCloseBox = false;
    showModally(window, [&] {
        QTest::keyClick(window.findChild<QPushButton*>(), Qt::Key_Escape);
        QTest::keyClick(&window, Qt::Key_Escape);
        openAfterEscape = window.isVisible();
        closedByCloseBox = window.close() && !window.isVisible();
    });
    QVERIFY(openAfterEscape);
    QVERIFY(closedByCloseBox);
}

void AboutWindowTest::noticeEndsWithAnEmptyLineAndIsReadOnly() {
    AboutWindow window([](const QUrl&) { return true; }, QIcon(), QCursor());
    auto* comment = window.findChild<QPlainTextEdit*>(QStringLiteral("usageNotice"));
    QString shown;
    QString afterTyping;
    showModally(window, [&] {
        shown = comment->toPlainText();
        comment->setFocus();
        QTest::keyClicks(comment, QStringLiteral("abc"));
        QTest::keyClick(comment, Qt::Key_Backspace);
        QTest::keyClick(comment, Qt::Key_Delete);
        QTest::keyClick(comment, Qt::Key_Return);
        afterTyping = comment->toPlainText();
    });
    QCOMPARE(shown, content::links::usageNotice() + u'\n');
    QCOMPARE(comment->document()->lastBlock().text(), QString());
    QCOMPARE(afterTyping, shown);
}

void AboutWindowTest::controlsLieWhereTheirTwipsSay_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    for (const auto& [name, twips] : kControls)
        QTest::newRow(name) << name << twips;
}

void AboutWindowTest::controlsLieWhereTheirTwipsSay() {
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    AboutWindow window([](const QUrl&) { return true; }, QIcon(), QCursor());
    const QRect expected(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15);
    const QRect actual = control(window, name.toLatin1())->geometry();
    QCOMPARE(actual.topLeft(), expected.topLeft());
    QCOMPARE(actual.width(), expected.width());
    if (name == u"authorCredit") {
        // The author's name may need more lines than the design height holds.
        auto* label = window.findChild<QLabel*>(QStringLiteral("authorCredit"));
        QVERIFY(actual.height() >= expected.height());
        QVERIFY(actual.height() >= label->heightForWidth(actual.width()));
    } else {
        QCOMPARE(actual.height(), expected.height());
    }
    QCOMPARE(window.minimumSize(), QSize(537, 355));
    QCOMPARE(window.maximumSize(), QSize(537, 355));
}

void AboutWindowTest::controlsStackInListingOrder_data() {
    QTest::addColumn<QPoint>("twips");
    QTest::addColumn<QString>("onTop");
    QTest::newRow("emblem over the name") << QPoint(3000, 2000) << "schoolEmblem";
    QTest::newRow("name over the white square") << QPoint(1000, 2000) << "authorCredit";
    QTest::newRow("white square over the logo") << QPoint(4040, 3800) << "emblemGround";
    QTest::newRow("logo beside the emblem") << QPoint(7000, 2000) << "makerLogo";
    QTest::newRow("notice over the white square") << QPoint(1000, 4200) << "usageNotice";
}

void AboutWindowTest::controlsStackInListingOrder() {
    QFETCH(QPoint, twips);
    QFETCH(QString, onTop);
    AboutWindow window([](const QUrl&) { return true; }, QIcon(), QCursor());
    QWidget* hit = window.childAt(twips / 15);
    QWidget* expected = control(window, onTop.toLatin1());
    QVERIFY(hit);
    QVERIFY2(hit == expected || expected->isAncestorOf(hit), qPrintable(hit->objectName()));
}

void AboutWindowTest::picturesAreSquare() {
    const auto emblem = content::makeSchoolEmblem();
    QCOMPARE(emblem->logicalSize().width(), emblem->logicalSize().height());
    const QImage rendered = emblem->pixmap(QSize(213, 213), 1).toImage();
    QCOMPARE(rendered.pixelColor(0, 0).alpha(), 0);
    QCOMPARE(rendered.pixelColor(106, 2).rgb(), QColor(0x80, 0, 0).rgb());
    // Between its rings the ground is transparent, so the name under the emblem reads through.
    QCOMPARE(emblem->pixmap(QSize(640, 640), 1).toImage().pixelColor(98, 320).alpha(), 0);

    const QImage logo = content::makeMakerLogo();
    QCOMPARE(logo.size(), QSize(960, 960));
    QVERIFY(!logo.allGray());
}

int main(int argc, char* argv[]) {
    // Two screens side by side: a roomy one, and a netbook's 1024 × 600 at 200 %, which leaves
    // 512 × 300 pixels to lay windows out in. Each window has a frame, as under a window manager.
    QTemporaryFile screens;
    if (!screens.open())
        return 1;
    screens.write(R"({"screens": [
        {"name": "roomy", "x": 0, "y": 0, "width": 1280, "height": 800},
        {"name": "small", "x": 1280, "y": 0, "width": 512, "height": 300, "dpr": 2}],
        "windowFrameMargins": true})");
    screens.flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(screens.fileName()));
    QApplication::setAttribute(Qt::AA_Use96Dpi);
    QApplication app(argc, argv);
    AboutWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_about_window.moc"
