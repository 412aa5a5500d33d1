// A finger on a touch screen: dragging a card from the palette into a blank places it, and a
// double tap on a placed compound takes it out again.
#include "assistive/keyboard_placement.h"
#include "support/window_fixture.h"

#include <QGuiApplication>
#include <QPointingDevice>
#include <QStyleHints>
#include <QTest>

#include <memory>

namespace {

QPoint pixels(const WindowFixture& f, QPointF client) {
    return (client / f.ui.Form1.twipsPerPixel()).toPoint();
}

} // namespace

class TouchTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { screen_.reset(QTest::createTouchDevice()); }

    void aFingerDragPlacesACardAndADoubleTapRemovesIt() {
        WindowFixture f;
        f.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        QWidget* client = f.ui.Form1.widget();
        const int copy = f.frontCopy(Ethanoic);
        const QPoint card = pixels(f, f.ui.ImgMolecular(copy).rect().center());
        const QPoint blank = pixels(f, assistive::blankCentre(f.ws, 1));

        QTest::touchEvent(client, screen_.get()).press(0, card);
        QVERIFY(f.router().isDragging());
        QTest::touchEvent(client, screen_.get()).move(0, (card + blank) / 2);
        QTest::touchEvent(client, screen_.get()).move(0, blank);
        QTest::touchEvent(client, screen_.get()).release(0, blank);
        QVERIFY(!f.router().isDragging());
        QCOMPARE(f.model.SlotTable[1].Placed, std::int16_t(copy));
        QVERIFY(f.ui.tCoefficient(2).isVisible());

        // One tap on the placed compound is not enough.
        QTest::touchEvent(client, screen_.get()).press(0, blank);
        QTest::touchEvent(client, screen_.get()).release(0, blank);
        QCOMPARE(f.model.SlotTable[1].Placed, std::int16_t(copy));
        QTest::qWait(QGuiApplication::styleHints()->mouseDoubleClickInterval() + 50);

        QTest::touchEvent(client, screen_.get()).press(0, blank);
        QTest::touchEvent(client, screen_.get()).release(0, blank);
        QTest::touchEvent(client, screen_.get()).press(0, blank);
        QTest::touchEvent(client, screen_.get()).release(0, blank);
        QCOMPARE(f.model.SlotTable[1].Placed, model::kEmpty);
        QCOMPARE(f.ui.ImgMolecular(copy).left(), kPaletteLefts[(*f.model.PaletteColumn)[Ethanoic]]);
        QVERIFY(!f.ui.tCoefficient(2).isVisible());
    }

    // A finger lifted over the palette sends the card home, as the mouse would.
    void aCardLetGoOutsideTheBlanksGoesHome() {
        WindowFixture f;
        f.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        QWidget* client = f.ui.Form1.widget();
        const int copy = f.frontCopy(Water);
        const QPoint card = pixels(f, f.ui.ImgMolecular(copy).rect().center());
        QTest::touchEvent(client, screen_.get()).press(0, card);
        QTest::touchEvent(client, screen_.get()).move(0, card + QPoint(300, 5));
        QTest::touchEvent(client, screen_.get()).release(0, card + QPoint(300, 5));
        QVERIFY(!f.router().isDragging());
        QCOMPARE(f.ui.ImgMolecular(copy).left(), kPaletteLefts[(*f.model.PaletteColumn)[Water]]);
        QCOMPARE(f.ui.ImgMolecular(copy).top(), kPaletteTop);
        for (const auto& slot : f.model.SlotTable)
            QCOMPARE(slot.Placed, model::kEmpty);
    }

private:
    // The caller owns the device it made.
    std::unique_ptr<QPointingDevice> screen_;
};

QTEST_MAIN(TouchTest)
#include "test_touch.moc"
