// On a scaled screen every drawing is rendered for the device pixel ratio, never blown up.
#include "content/drawings.h"
#include "support/window_fixture.h"

#include <QApplication>
#include <QPainter>
#include <QTest>

namespace {

// The drawing as it lies on the white window: its transparent corners show the background.
QImage onWhite(const QPixmap& pixmap) {
    QImage image(pixmap.size(), QImage::Format_RGB32);
    image.setDevicePixelRatio(pixmap.devicePixelRatio());
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.drawPixmap(0, 0, pixmap);
    return image;
}

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
    // The window keeps its size and its twips; only the pixels behind them multiply.
    void theWindowKeepsItsGeometry() {
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
        WindowFixture f;
        QCOMPARE(f.ui.Form1.widget()->size(), QSize(915, 548));
        QCOMPARE(f.ui.PicContainer.width(), 13095.0f);
        QCOMPARE(f.ui.ImgMolecular(0).width(), 2235.0f);
    }

    // A palette card on screen is its drawing rendered at ratio 2, pixel for pixel.
    void cardsArePaintedAtTheScreensRatio() {
        WindowFixture f;
        f.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        const QImage screen = f.ui.Form1.widget()->grab().toImage();
        QCOMPARE(screen.devicePixelRatio(), 2.0);
        const int compound = 2;
        const auto& card = f.ui.ImgMolecular(compound);
        const QRect logical = f.ui.Form1.toPixels(card.rect());
        const QRect device(logical.topLeft() * 2, logical.size() * 2);
        const QImage shown = screen.copy(device).convertToFormat(QImage::Format_RGB32);
        const QPixmap sharp = content::cardDrawing(compound).pixmap(logical.size(), 2);
        QCOMPARE(sharp.size(), device.size());
        // Eighteen cards lie stacked there, so only inside the rounded corners are they opaque.
        const QRect inner = QRect(QPoint(0, 0), device.size()).adjusted(8, 8, -8, -8);
        QCOMPARE(meanDifference(shown.copy(inner), onWhite(sharp).copy(inner)), 0.0);
    }

    // The ratio-2 card is the ratio-1 card with more detail: alike when reduced, clearly unlike
    // the ratio-1 card blown up.
    void aSharpCardIsNotABlownUpOne() {
        const auto& drawing = content::cardDrawing(3);
        const QSize size(149, 29);
        const QImage sharp = onWhite(drawing.pixmap(size, 2));
        const QImage plain = onWhite(drawing.pixmap(size, 1));
        const QImage reduced = sharp.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const QImage blownUp = plain.scaled(size * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        const double alike = meanDifference(reduced, plain);
        const double unlike = meanDifference(sharp, blownUp);
        QVERIFY2(alike < 12, qPrintable(QString::number(alike)));
        QVERIFY2(unlike > 2 * alike, qPrintable(QString("%1 vs %2").arg(unlike).arg(alike)));
    }
};

int main(int argc, char* argv[]) {
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    HighDpiTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_high_dpi.moc"
