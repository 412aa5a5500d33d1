// What reaches the screen after each change: the window is read as it was last flushed, not
// painted afresh, so that a change the board or a section forgets to repaint shows as the old
// picture left standing.
#include "content/geometry.h"
#include "content/look.h"
#include "support/on_white.h"
#include "support/window_fixture.h"
#include "view/section_view.h"

#include <QAction>
#include <QScreen>
#include <QTest>

namespace look = content::look;

namespace {

void showWindow(WindowFixture& f) {
    f.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
}

// Lets the pending repaints reach the screen.
void flush() {
    QCoreApplication::processEvents();
    QTest::qWait(30);
}

// The part of the window as shown that lies at `pixels` of the board.
QImage shownAt(const WindowFixture& f, const QRect& pixels) {
    return f.shown()
        .copy(pixels.translated(f.board.mapTo(f.window.get(), QPoint())))
        .convertToFormat(QImage::Format_RGB32);
}

// Where a rectangle of a section box lies on the board, in pixels.
QRect onBoard(const WindowFixture& f, int section, const model::Rect& twips) {
    return content::toPixels(twips).translated(f.board.sectionView(0)->parentWidget()->pos() +
                                               f.board.sectionView(section)->pos());
}

// The share of an image's pixels that are `colour`.
double shareOf(const QImage& image, const QColor& colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y).rgb() == colour.rgb() ? 1 : 0;
    }
    return double(count) / (image.width() * image.height());
}

// The inside of a card, away from its rounded corners and antialiased edges.
QRect inside(const QRect& card) {
    return card.adjusted(4, 4, -4, -4);
}

QImage insideOf(const QImage& card) {
    return card.copy(inside(QRect(QPoint(), card.size())));
}

bool paletteShows(const WindowFixture& f, int column, int compound, int cards) {
    const QRect card = content::toPixels(content::paletteCard(column));
    return shownAt(f, card) == cardsOnWhite(compound, card.size(), cards);
}

} // namespace

class RepaintTest : public QObject {
    Q_OBJECT

private slots:
    // After a drop the placed card is on the screen over its blank, though the pointer let it
    // go far from there.
    void aDropPutsTheCardOnTheScreen_data() {
        QTest::addColumn<int>("blank");
        QTest::addColumn<double>("x");
        QTest::newRow("picture 0's blank") << 0 << 100.0;
        QTest::newRow("picture 3's right blank") << 4 << 11500.0;
        QTest::newRow("picture 4's blank") << 5 << 100.0;
        QTest::newRow("picture 6's left blank") << 8 << 100.0;
        QTest::newRow("picture 10's right blank") << 17 << 12000.0;
    }
    void aDropPutsTheCardOnTheScreen() {
        QFETCH(int, blank);
        QFETCH(double, x);
        WindowFixture f;
        showWindow(f);
        const int section = model::sectionOfBlank(blank);
        f.showSection(section);
        flush();
        const QRect card = onBoard(f, section, content::placedCard(blank));
        const QImage expected = insideOf(cardsOnWhite(Propanoic, card.size()));
        QVERIFY(shownAt(f, inside(card)) != expected);

        f.dropAt(Propanoic, f.onPicture(model::reactionOfBlank(blank), x));
        QCOMPARE(f.worksheet.compoundIn(blank), int(Propanoic));
        flush();
        QCOMPARE(shownAt(f, inside(card)), expected);
    }

    // A double-click takes the card off the screen: its blank shows as it did before.
    void aRemovedCardLeavesTheScreen() {
        WindowFixture f;
        showWindow(f);
        f.showSection(3);
        flush();
        const QRect card = onBoard(f, 3, content::placedCard(9));
        const QImage empty = shownAt(f, card);
        f.fill(9, Water);
        flush();
        QVERIFY(shownAt(f, card) != empty);
        const QPoint onIt = WindowFixture::pixels(f.onBlank(9));
        QTest::mousePress(&f.board, Qt::LeftButton, {}, onIt);
        QTest::mouseRelease(&f.board, Qt::LeftButton, {}, onIt);
        QTest::mouseDClick(&f.board, Qt::LeftButton, {}, onIt);
        QTest::mouseRelease(&f.board, Qt::LeftButton, {}, onIt);
        QCOMPARE(f.worksheet.compoundIn(9), model::kNone);
        flush();
        QCOMPARE(shownAt(f, card), empty);
    }

    // Each step of a drag moves the card on the screen: it shows at its new place beside the
    // pointer and is gone from the old one; let go, it is gone altogether.
    void aDragStepMovesTheCardOnTheScreen() {
        WindowFixture f;
        showWindow(f);
        flush();
        // Three places in the viewport's white margin above section 0, apart from each other.
        const QPoint a(100, 95);
        const QPoint b(400, 95);
        const QPoint c(700, 95);
        const auto ghostAt = [](QPoint pointer) {
            return QRect(pointer + QPoint(4, -14), QSize(149, 29));
        };
        const QImage card = cardsOnWhite(Water, QSize(149, 29));
        const QImage white = cardsOnWhite(Water, QSize(149, 29), 0);
        QCOMPARE(shownAt(f, ghostAt(a)), white);

        f.grab(Water);
        f.moveTo(a * content::kTwipsPerPixel);
        flush();
        QCOMPARE(shownAt(f, ghostAt(a)), card);
        f.moveTo(b * content::kTwipsPerPixel);
        flush();
        QCOMPARE(shownAt(f, ghostAt(b)), card);
        QCOMPARE(shownAt(f, ghostAt(a)), white);
        f.moveTo(c * content::kTwipsPerPixel);
        flush();
        QCOMPARE(shownAt(f, ghostAt(c)), card);
        f.releaseAt(c * content::kTwipsPerPixel);
        flush();
        QVERIFY(!f.board.isDragging());
        QCOMPARE(shownAt(f, ghostAt(b)), white);
        QCOMPARE(shownAt(f, ghostAt(c)), white);
    }

    // The last card of a column, taken up, leaves the column empty on the screen; back home it
    // shows again.
    void theLastCardOfAColumnLeavesItEmptyOnTheScreen() {
        WindowFixture f;
        for (int blank = 1; blank < model::kBlanks; ++blank)
            QVERIFY(f.worksheet.place(blank, Ammonia));
        showWindow(f);
        flush();
        const int column = f.worksheet.columnOf(Ammonia);
        QVERIFY(paletteShows(f, column, Ammonia, 1));
        f.grab(Ammonia);
        f.moveTo({6000, 1500});
        flush();
        QVERIFY(paletteShows(f, column, Ammonia, 0));
        f.releaseAt({6000, 1500});
        flush();
        QVERIFY(paletteShows(f, column, Ammonia, 1));
    }

    // A check puts the grade's red box and the note of a section found right on the screen; a
    // restart takes them off again, and the palette shows its new order.
    void aCheckShowsTheGradeAndTheNoteAndARestartTakesThemOff() {
        WindowFixture f;
        showWindow(f);
        f.fill(5, GeneralAcid);
        f.showSection(2);
        flush();
        const QRect note = onBoard(f, 2, model::section(2).noteRect).adjusted(2, 2, -2, -2);
        const QRect card = inside(onBoard(f, 2, content::placedCard(5)));
        const QImage cardShown = shownAt(f, card);
        QCOMPARE(shareOf(shownAt(f, note), look::kFrameFill), 1.0);

        f.give(Command::Check);
        QVERIFY(f.worksheet.isNoteShown(2));
        flush();
        const QRect grade = f.board.gradeRect();
        QVERIFY(!grade.isEmpty());
        const QRect gradeInside = grade.adjusted(3, 3, -3, -3);
        QVERIFY2(shareOf(shownAt(f, gradeInside), look::kGradeBack) > 0.5,
                 "the grade's red box is not on the screen");
        const QImage noteShown = shownAt(f, note);
        QCOMPARE(shareOf(noteShown, look::kFrameFill), 0.0);
        QVERIFY2(shareOf(noteShown, look::kGround) < 0.98, "the note's words are not there");

        std::array<int, model::kCompounds> before{};
        for (int column = 0; column < model::kCompounds; ++column)
            before[column] = f.worksheet.compoundInColumn(column);
        // Until the palette comes out in another order, so that its columns must be repainted.
        for (int i = 0; i < 50 && f.worksheet.compoundInColumn(0) == before[0]; ++i)
            f.give(Command::Restart);
        QVERIFY(f.worksheet.compoundInColumn(0) != before[0]);
        flush();
        QCOMPARE(shareOf(shownAt(f, gradeInside), look::kGround), 1.0);
        QCOMPARE(shareOf(shownAt(f, note), look::kFrameFill), 1.0);
        QVERIFY(shownAt(f, card) != cardShown);
        for (int column = 0; column < model::kCompounds; ++column)
            QVERIFY2(paletteShows(f, column, f.worksheet.compoundInColumn(column),
                                  model::kCardsPerCompound),
                     qPrintable(QString("column %1").arg(column)));
    }

    // The board repaints the grade itself when it comes, changes and goes, with no other widget
    // over it that would repaint it anyway, as the main window's keyboard stop for the grade does.
    void theBoardAloneRepaintsTheGrade() {
        model::Worksheet worksheet;
        view::Board board(worksheet);
        board.show();
        QVERIFY(QTest::qWaitForWindowExposed(&board));
        flush();
        const auto shownGrade = [&](const QRect& grade) {
            return board.screen()
                ->grabWindow(board.winId())
                .toImage()
                .copy(grade.adjusted(3, 3, -3, -3))
                .convertToFormat(QImage::Format_RGB32);
        };
        worksheet.check();
        flush();
        const QRect first = board.gradeRect();
        QVERIFY(!first.isEmpty());
        QVERIFY2(shareOf(shownGrade(first), look::kGradeBack) > 0.5,
                 "the grade's red box is not on the screen");

        worksheet.place(5, GeneralAcid);
        QVERIFY(!worksheet.grade());
        flush();
        QCOMPARE(shareOf(shownGrade(first), look::kGround), 1.0);

        worksheet.check();
        QCOMPARE(worksheet.grade(), std::optional<int>(3));
        flush();
        QVERIFY2(shareOf(shownGrade(board.gradeRect()), look::kGradeBack) > 0.5,
                 "the grade's red box is not on the screen");
    }
};

QTEST_MAIN(RepaintTest)
#include "test_repaint.moc"
