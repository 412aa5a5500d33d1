// On a scaled screen the window keeps its size in twips and its pixels multiply: every drawing is
// rendered for the device pixel ratio, never blown up, and the pointer finds the same places.
#include "content/drawings.h"
#include "content/geometry.h"
#include "support/on_white.h"
#include "support/window_fixture.h"
#include "view/section_view.h"

#include <QApplication>
#include <QTest>

namespace {

// Mean difference per channel between two images of one size, 0 to 255.
double meanDifference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y);
            const QColor q = b.pixelColor(x, y);
            sum += std::abs(p.red() - q.red()) + std::abs(p.green() - q.green()) +
                   std::abs(p.blue() - q.blue());
        }
    }
    return sum / (3.0 * a.width() * a.height());
}

} // namespace

class HighDpiTest : public QObject {
    Q_OBJECT

private slots:
    // The window keeps its size in logical pixels; only the pixels behind them multiply.
    void theWindowKeepsItsGeometry() {
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
        WindowFixture f;
        QCOMPARE(f.board.size(), QSize(915, 548));
        QCOMPARE(f.board.sectionView(0)->parentWidget()->geometry(), QRect(8, 60, 873, 473));
    }

    // A palette column is its card's drawing rendered at ratio 2, stacked eighteen deep, pixel
    // for pixel.
    void cardsArePaintedAtTheScreensRatio() {
        WindowFixture f;
        f.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        const QImage board = f.board.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(board.devicePixelRatio(), 2.0);
        const QRect logical =
            content::toPixels(content::paletteCard(f.worksheet.columnOf(Propanoic)));
        const QRect device(logical.topLeft() * 2, logical.size() * 2);
        const QPixmap sharp = content::cardDrawing(Propanoic).pixmap(device.size(), 2);
        QCOMPARE(sharp.size(), device.size());
        QImage shown = board.copy(device);
        shown.setDevicePixelRatio(2);
        QCOMPARE(meanDifference(shown, onWhite(sharp, model::kCardsPerCompound)), 0.0);
    }

    // The ratio-2 card is the ratio-1 card with more detail: alike when reduced, clearly unlike
    // the ratio-1 card blown up.
    void aSharpCardIsNotABlownUpOne() {
        const content::Drawing& drawing = content::cardDrawing(GeneralAcid);
        const QSize size(149, 29);
        const QImage sharp = onWhite(drawing.pixmap(size * 2, 2));
        const QImage plain = onWhite(drawing.pixmap(size, 1));
        const QImage reduced = sharp.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const QImage blownUp =
            plain.scaled(size * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        const double alike = meanDifference(reduced, plain);
        const double unlike = meanDifference(sharp, blownUp);
        QVERIFY2(alike < 12, qPrintable(QString::number(alike)));
        QVERIFY2(unlike > 2 * alike, qPrintable(QString("%1 vs %2").arg(unlike).arg(alike)));
    }

    // The pointer's logical pixels are the same twips on a scaled screen: a drop a pixel left of
    // picture 5's split line fills its left blank, one on the line its right blank.
    void theSplitLineLiesWhereItDoesUnscaled() {
        WindowFixture f;
        f.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        f.showSection(3);
        f.dropAt(Water, f.onPicture(5, 6900 - content::kTwipsPerPixel));
        f.dropAt(Ethanoic, f.onPicture(5, 6900));
        QCOMPARE(f.worksheet.compoundIn(6), int(Water));
        QCOMPARE(f.worksheet.compoundIn(7), int(Ethanoic));
    }
};

int main(int argc, char* argv[]) {
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    HighDpiTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_high_dpi.moc"
