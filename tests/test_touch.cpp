// A finger on a touch screen works the board as the mouse does: the toolkit turns the touches the
// board leaves alone into mouse events.
#include "content/geometry.h"
#include "support/window_fixture.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QPointingDevice>
#include <QStyleHints>
#include <QTest>

#include <memory>

namespace {

QPoint onPlacedCard(int blank) {
    const model::Rect section = content::sectionBox(model::sectionOfBlank(blank));
    const model::Rect card = content::placedCard(blank);
    return WindowFixture::pixels({content::kViewport.left + section.left + card.left + 1000,
                                  content::kViewport.top + section.top + card.top + 200});
}

} // namespace

class TouchTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { screen_.reset(QTest::createTouchDevice()); }

    // A finger dragged from a palette card to a blank lays the card there; one tap on the placed
    // compound leaves it, a double tap takes it out and its reaction's boxes go.
    void aFingerDragPlacesACardAndADoubleTapRemovesIt() {
        WindowFixture f;
        f.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        QWidget* board = &f.board;
        const QPoint card = WindowFixture::pixels(f.onPalette(Ethanoic));
        const QPoint blank = WindowFixture::pixels(f.onBlank(1));

        QTest::touchEvent(board, screen_.get()).press(0, card);
        QVERIFY(f.board.isDragging());
        QTest::touchEvent(board, screen_.get()).move(0, (card + blank) / 2);
        QCOMPARE(f.carried().compound, int(Ethanoic));
        QTest::touchEvent(board, screen_.get()).move(0, blank);
        QTest::touchEvent(board, screen_.get()).release(0, blank);
        QVERIFY(!f.board.isDragging());
        QCOMPARE(f.worksheet.compoundIn(1), int(Ethanoic));
        QVERIFY(f.box(2)->isVisible());

        const QPoint placed = onPlacedCard(1);
        QTest::touchEvent(board, screen_.get()).press(0, placed);
        QTest::touchEvent(board, screen_.get()).release(0, placed);
        QCOMPARE(f.worksheet.compoundIn(1), int(Ethanoic));
        QTest::qWait(QGuiApplication::styleHints()->mouseDoubleClickInterval() + 50);

        QTest::touchEvent(board, screen_.get()).press(0, placed);
        QTest::touchEvent(board, screen_.get()).release(0, placed);
        QTest::touchEvent(board, screen_.get()).press(0, placed);
        QTest::touchEvent(board, screen_.get()).release(0, placed);
        QCOMPARE(f.worksheet.compoundIn(1), model::kNone);
        QCOMPARE(f.board.cardsOn(f.worksheet.columnOf(Ethanoic)), model::kCardsPerCompound);
        QVERIFY(!f.box(2)->isVisible());
    }

    // A finger lifted over the palette sends the card home, as the mouse would.
    void aCardLetGoOverThePaletteGoesHome() {
        WindowFixture f;
        f.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        QWidget* board = &f.board;
        const QPoint card = WindowFixture::pixels(f.onPalette(Water));
        const QPoint beside = card + QPoint(300, 5);
        QTest::touchEvent(board, screen_.get()).press(0, card);
        QVERIFY(f.board.isDragging());
        QTest::touchEvent(board, screen_.get()).move(0, beside);
        QTest::touchEvent(board, screen_.get()).release(0, beside);
        QVERIFY(!f.board.isDragging());
        QVERIFY(f.carried().place.isNull());
        QCOMPARE(f.board.cardsOn(f.worksheet.columnOf(Water)), model::kCardsPerCompound);
        for (int blank = 0; blank < model::kBlanks; ++blank)
            QCOMPARE(f.worksheet.compoundIn(blank), model::kNone);
    }

private:
    // The caller owns the device it made.
    std::unique_ptr<QPointingDevice> screen_;
};

QTEST_MAIN(TouchTest)
#include "test_touch.moc"
