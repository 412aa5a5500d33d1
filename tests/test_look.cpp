// The worksheet keeps its own colours whatever colours the desktop gives its windows: under a
// dark desktop the boxes stay white with red digits and the sections keep their ground, while
// the menu bar and the scroll bar follow the desktop.
#include "support/window_fixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QScrollBar>
#include <QTest>

namespace {

QPalette darkDesktop() {
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x30, 0x30, 0x30));
    dark.setColor(QPalette::WindowText, QColor(0xE0, 0xE0, 0xE0));
    dark.setColor(QPalette::Base, QColor(0x40, 0x40, 0x40));
    dark.setColor(QPalette::Text, QColor(0xF0, 0xF0, 0xF0));
    dark.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::ButtonText, QColor(0xE0, 0xE0, 0xE0));
    return dark;
}

int lightness(QRgb pixel) {
    return QColor(pixel).lightness();
}

} // namespace

class LookTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        lightDesktop_ = QApplication::palette();
        QApplication::setPalette(darkDesktop());
    }
    void cleanupTestCase() { QApplication::setPalette(lightDesktop_); }

    void theWorksheetKeepsItsColoursUnderADarkDesktop() {
        WindowFixture f;
        f.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        f.fill(0, Ethanoic);
        QLineEdit* box = f.box(0);
        QVERIFY(box->isVisible());
        QTest::keyClicks(box, "8");
        QCoreApplication::processEvents();
        const QImage shown = box->grab().toImage();
        // The middle of the box away from the digit is white; the digit is red.
        QVERIFY2(lightness(shown.pixel(4, shown.height() / 2)) > 240,
                 qPrintable(QColor(shown.pixel(4, shown.height() / 2)).name()));
        int red = 0;
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                const QColor c(shown.pixel(x, y));
                red += c.red() > 180 && c.green() < 90 && c.blue() < 90;
            }
        }
        QVERIFY2(red > 10, qPrintable(QString::number(red)));

        // The board's own ground stays white under the palette.
        const QImage board = f.board.grab().toImage();
        QCOMPARE(QColor(board.pixel(2, 2)), QColor(Qt::white));
        // The desktop's colours still reach what belongs to the desktop.
        QCOMPARE(f.board.scrollBar()->palette().color(QPalette::Window),
                 darkDesktop().color(QPalette::Window));
        QCOMPARE(f.window->menuBar()->palette().color(QPalette::Window),
                 darkDesktop().color(QPalette::Window));
    }

private:
    QPalette lightDesktop_;
};

QTEST_MAIN(LookTest)
#include "test_look.moc"
