// The worksheet on the screens a class has. The window opens whole on its screen, at 100 % where
// that fits and as large as fits where it does not; the pointer finds what the zoomed picture
// shows; a card covers its blank and frames stay sharp at any zoom and pixel ratio; the keys,
// the wheel and the window's border set the zoom, and a screen reader hears it. CTest runs this
// once on each screen of tests/screens.
#include "app/zooming.h"
#include "content/drawings.h"
#include "content/geometry.h"
#include "content/look.h"
#include "support/screen_reader.h"
#include "support/window_fixture.h"
#include "view/section_view.h"

#include <QApplication>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QTest>
#include <QWheelEvent>

#include <cmath>

namespace {

const QRgb kYellow = qRgb(0xFF, 0xFF, 0x00);

QString zoomHeard(const WindowFixture& f) {
    return QStringLiteral("Μέγεθος %1 %").arg(std::lround(f.board.zoom().factor() * 100));
}

// The zoom set on the board and the window sized for it, as the keys do.
void zoomTo(WindowFixture& f, double zoom) {
    f.board.setZoom(content::Zoom(zoom));
    f.window->resize(f.board.size() + QSize(0, f.window->menuBar()->height()));
}

void openOnScreen(WindowFixture& f) {
    f.window->showOnScreen();
    QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
}

// The window opened on its screen, at `zoom` unless that is 0, and two pixels wider than the
// worksheet: it keeps its zoom and puts the board a pixel in, which on a screen scaled by a half
// lies between two pixels of the device.
void openBetweenDevicePixels(WindowFixture& f, double zoom) {
    openOnScreen(f);
    if (zoom > 0)
        zoomTo(f, zoom);
    f.window->resize(f.window->width() + 2, f.window->height());
    QCOMPARE(f.board.x(), 1);
}

// The window lies whole, frame and all, in the part of its screen that panels leave free.
bool liesWithinTheScreen(const QWidget& window) {
    return window.screen()->availableGeometry().contains(window.frameGeometry());
}

// A rectangle of a section's twips where it lies on a picture of the window, in pixels of the
// device.
QRectF onShot(const WindowFixture& f, int section, const model::Rect& twips, qreal ratio) {
    const QPointF origin = f.board.sectionView(section)->mapTo(f.window.get(), QPoint(0, 0));
    const double perTwip = f.board.zoom().factor() / content::kTwipsPerPixel;
    return QRectF((origin + QPointF(twips.left, twips.top) * perTwip) * ratio,
                  QSizeF(twips.width, twips.height) * perTwip * ratio);
}

// Around a blank that holds a compound the window shows the compound's card, pixel for pixel
// as it lies on the picture's yellow, and the yellow: nothing of the green slot or its outline.
void checkCardCoversItsBlank(const WindowFixture& f, const QImage& shot, int blank) {
    const qreal ratio = shot.devicePixelRatio();
    const int section = model::sectionOfBlank(blank);
    const QSize card = f.board.zoom().pictureRect(content::placedCard(blank)).size();
    QImage face(content::devicePixels(card, ratio), QImage::Format_RGB32);
    face.setDevicePixelRatio(ratio);
    face.fill(kYellow);
    {
        QPainter painter(&face);
        painter.drawPixmap(
            0, 0, content::cardDrawing(f.worksheet.compoundIn(blank)).pixmap(face.size(), ratio));
    }
    const QPoint expected =
        onShot(f, section, content::placedCard(blank), ratio).topLeft().toPoint();
    QRect found;
    for (int dy = -1; dy <= 1 && found.isNull(); ++dy) {
        for (int dx = -1; dx <= 1 && found.isNull(); ++dx) {
            const QRect at(expected + QPoint(dx, dy), face.size());
            if (shot.copy(at).convertToFormat(QImage::Format_RGB32) == face)
                found = at;
        }
    }
    QVERIFY2(!found.isNull(), qPrintable(QStringLiteral("the card on blank %1").arg(blank)));
    // Where the slot shows with its outline, nine twips round it, and half a pixel more where
    // the outline's edge is smoothed.
    const model::Rect slot = content::slotOf(blank);
    const QRectF outline =
        onShot(f, section, {slot.left - 9, slot.top - 9, slot.width + 18, slot.height + 18}, ratio)
            .adjusted(-0.5, -0.5, 0.5, 0.5);
    const QRect around = outline.toAlignedRect();
    for (int y = around.top(); y <= around.bottom(); ++y) {
        for (int x = around.left(); x <= around.right(); ++x) {
            if (!outline.contains(QPointF(x + 0.5, y + 0.5)))
                continue;
            if (!found.contains(x, y) && shot.pixel(x, y) != kYellow)
                QFAIL(qPrintable(QString::asprintf("blank %d shows %s at %d,%d", blank,
                                                   qPrintable(QColor(shot.pixel(x, y)).name()), x,
                                                   y)));
        }
    }
}

// Crossing a line of the screen, the colours met, in order, without repeats.
QList<QRgb> coloursAlong(const QImage& shot, QPoint from, QPoint step, int count) {
    QList<QRgb> met;
    for (int i = 0; i < count; ++i) {
        const QRgb colour = shot.pixel(from + i * step) | 0xFF000000;
        if (met.isEmpty() || met.last() != colour)
            met << colour;
    }
    return met;
}

} // namespace

class ZoomTest : public QObject {
    Q_OBJECT

private slots:
    // The whole window lies in the screen's free area, centred, title bar, menu bar and all; at
    // 100 % where that fits, otherwise as large as fits, the window then filling the free area's
    // width or its height.
    void theWindowOpensWholeAndAsLargeAsFits() {
        WindowFixture f;
        openOnScreen(f);
        const QRect free = f.window->screen()->availableGeometry();
        const QRect frame = f.window->frameGeometry();
        QVERIFY2(liesWithinTheScreen(*f.window), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                                .arg(frame.x())
                                                                .arg(frame.y())
                                                                .arg(frame.width())
                                                                .arg(frame.height())));
        QVERIFY((frame.center() - free.center()).manhattanLength() <= 2);
        const double zoom = f.board.zoom().factor();
        QVERIFY(zoom <= 1);
        if (zoom < 1)
            QVERIFY(frame.width() >= free.width() - 1 || frame.height() >= free.height() - 1);
        // The board shows whole under the menu bar.
        const QRect board(f.board.mapTo(f.window.get(), QPoint(0, 0)), f.board.size());
        QVERIFY(f.window->rect().contains(board));
        QCOMPARE(f.board.size(), view::Board::sizeAt(content::Zoom(zoom)));
    }

    // At the zoom the window opens at, a card dropped on a blank fills it, on either side of a
    // picture's split line; a double-click takes it out; the dragged card lies beside the
    // pointer, its middle on the pointer's height, the size of the palette's cards; and near the
    // window's edge the drag ends.
    void thePointerFindsWhatThePictureShows() {
        WindowFixture f;
        openOnScreen(f);
        f.dropAt(Ethanoic, f.onBlank(0));
        QCOMPARE(f.worksheet.compoundIn(0), int(Ethanoic));
        f.doubleClick(f.onPlacedCard(0));
        QCOMPARE(f.worksheet.compoundIn(0), model::kNone);
        f.showSection(3);
        f.dropAt(Water, f.onPicture(5, 6900 - 150));
        f.dropAt(Propanoic, f.onPicture(5, 6900 + 150));
        QCOMPARE(f.worksheet.compoundIn(6), int(Water));
        QCOMPARE(f.worksheet.compoundIn(7), int(Propanoic));

        const double perTwip = f.board.zoom().factor() / content::kTwipsPerPixel;
        f.grab(Ammonia);
        const QPointF over(6000, 1500);
        f.moveTo(over);
        const QPoint pointer = f.pixelAt(over);
        const QRect ghost = f.carried().place;
        QVERIFY(!ghost.isNull());
        QVERIFY(std::abs(ghost.left() - (pointer.x() + 60 * perTwip)) <= 1);
        QVERIFY(std::abs(ghost.center().y() - pointer.y()) <= 1);
        QCOMPARE(ghost.size(), f.board.zoom().pictureRect(content::paletteCard(0)).size());
        f.moveTo({content::kClientArea.right() - 300, 1500});
        QVERIFY(f.board.isDragging());
        f.moveTo({content::kClientArea.right() - 90, 1500});
        QVERIFY(!f.board.isDragging());
        QCOMPARE(f.board.cardsOn(f.worksheet.columnOf(Ammonia)), model::kCardsPerCompound);
    }

    // Off the pixels the worksheet was drawn for, a card in a blank still covers it whole, on
    // the screen's pixel ratio at the zoom the window opens at and at 125 %.
    void aPlacedCardCoversItsBlank_data() {
        QTest::addColumn<double>("zoom");
        QTest::newRow("as opened") << 0.0;
        QTest::newRow("125 %") << 1.25;
    }
    void aPlacedCardCoversItsBlank() {
        QFETCH(double, zoom);
        WindowFixture f;
        openBetweenDevicePixels(f, zoom);
        const qreal ratio = f.window->devicePixelRatioF();
        if (f.board.zoom() == content::Zoom() && ratio == std::floor(ratio))
            QSKIP("on the pixels the worksheet was drawn for, cards lie on blanks as drawn");
        for (int blank = 0; blank < model::kBlanks; ++blank)
            f.worksheet.place(blank, model::blankRecord(blank).answer);
        for (int section : {0, 1, 4}) {
            f.showSection(section);
            const QImage shot = f.window->grab().toImage();
            for (int blank = 0; blank < model::kBlanks; ++blank) {
                if (model::sectionOfBlank(blank) == section)
                    checkCardCoversItsBlank(f, shot, blank);
            }
        }
    }

    // A section's frame and a title's tab are sharp at every zoom and pixel ratio: crossing
    // their edges, a line of the screen meets their colours and the ground's, and nothing
    // between.
    void framesLieOnWholePixels_data() {
        QTest::addColumn<double>("zoom");
        QTest::newRow("as opened") << 0.0;
        QTest::newRow("125 %") << 1.25;
        QTest::newRow("67 %") << 0.67;
    }
    void framesLieOnWholePixels() {
        namespace look = content::look;
        QFETCH(double, zoom);
        WindowFixture f;
        openBetweenDevicePixels(f, zoom);
        const QImage shot = f.window->grab().toImage();
        const qreal ratio = shot.devicePixelRatio();
        const model::Rect& frame = model::section(0).frame;
        const QRect edge = onShot(f, 0, frame, ratio).toRect();
        const int middle = edge.center().y();
        const QList<QRgb> across =
            coloursAlong(shot, {edge.left() - 4, middle}, {1, 0}, int(8 * ratio) + 8);
        QCOMPARE(across, (QList<QRgb>{look::kGround.rgb(), look::kFrameBorder.rgb(),
                                      look::kFrameFill.rgb()}));
        const QRect tab = onShot(f, 0, model::kTitleRect, ratio).toRect();
        const QList<QRgb> down =
            coloursAlong(shot, {tab.left() + tab.width() / 4, tab.top() - 4}, {0, 1}, 8);
        QCOMPARE(down, (QList<QRgb>{look::kGround.rgb(), look::kLabelBorder.rgb(),
                                    look::kTitleBack.rgb()}));
    }

    // Ctrl++ (or Ctrl+=, or the wheel turned away with Ctrl held) makes the worksheet and the
    // window larger where the screen has room, Ctrl+− (or the wheel turned back) smaller, Ctrl+0
    // brings back the zoom the window opened at; the window stays whole on its screen and a
    // screen reader hears each new zoom once.
    void theKeysAndTheWheelStepTheZoom_data() {
        QTest::addColumn<int>("key"); // 0 for the wheel
        QTest::addColumn<int>("direction");
        QTest::newRow("Ctrl++") << int(Qt::Key_Plus) << 1;
        QTest::newRow("Ctrl+=") << int(Qt::Key_Equal) << 1;
        QTest::newRow("wheel away") << 0 << 1;
        QTest::newRow("Ctrl+-") << int(Qt::Key_Minus) << -1;
        QTest::newRow("wheel back") << 0 << -1;
    }
    void theKeysAndTheWheelStepTheZoom() {
        QFETCH(int, key);
        QFETCH(int, direction);
        WindowFixture f;
        openOnScreen(f);
        ScreenReader reader;
        const double opened = f.board.zoom().factor();
        const QSize before = f.window->size();
        const auto step = [&] {
            if (key) {
                QTest::keyClick(f.window.get(), Qt::Key(key), Qt::ControlModifier);
                return;
            }
            const QPointF at = f.board.sectionView(0)->rect().center();
            QWheelEvent wheel(at, f.board.sectionView(0)->mapToGlobal(at), {}, {0, 120 * direction},
                              Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(f.board.sectionView(0), &wheel);
        };
        step();
        const double zoom = f.board.zoom().factor();
        QCOMPARE(reader.said(), QStringList{zoomHeard(f)});
        // The window system moves the window in its own time.
        QTRY_VERIFY(liesWithinTheScreen(*f.window));
        QCOMPARE(f.window->centralWidget()->size(), f.board.size());
        if (direction < 0) {
            QVERIFY(zoom < opened);
            QVERIFY(f.window->width() < before.width());
        } else if (zoom > opened) {
            QVERIFY(f.window->width() > before.width());
        } else {
            // Only a screen without room for more keeps the zoom: the window fills it already.
            const QRect free = f.window->screen()->availableGeometry();
            const QRect frame = f.window->frameGeometry();
            QVERIFY(frame.width() >= free.width() - 1 || frame.height() >= free.height() - 1);
        }
        reader.heard.clear();
        QTest::keyClick(f.window.get(), Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(f.board.zoom().factor(), opened);
        QCOMPARE(f.window->size(), before);
        QCOMPARE(reader.said(), QStringList{zoomHeard(f)});
    }

    // A window the desktop resizes shows the worksheet as large as its new client area holds,
    // in proportion and in its middle; the new zoom is heard once the resizing rests.
    void resizingTheWindowZoomsTheWorksheet() {
        WindowFixture f;
        openOnScreen(f);
        ScreenReader reader;
        const double opened = f.board.zoom().factor();
        f.window->resize(f.window->width() * 4 / 5, f.window->height());
        QVERIFY(f.board.zoom().factor() < opened);
        const QSize stage = f.window->centralWidget()->size();
        const QSize board = f.board.size();
        QVERIFY(board.width() <= stage.width() && board.height() <= stage.height());
        QVERIFY(stage.width() - board.width() <= 1 || stage.height() - board.height() <= 1);
        const QPoint corner = f.board.pos();
        QVERIFY(std::abs(corner.x() * 2 + board.width() - stage.width()) <= 1);
        QVERIFY(std::abs(corner.y() * 2 + board.height() - stage.height()) <= 1);
        QVERIFY(reader.said().isEmpty());
        QTRY_COMPARE(reader.said(), QStringList{zoomHeard(f)});
    }
};

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ZoomTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_zoom.moc"
