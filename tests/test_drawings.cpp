// The drawings: compound cards, reaction pictures with their slots and coefficient marks, the
// drag icon, the hand cursor and the window icon, looked at as the window renders them.
#include "content/drawings.h"
#include "content/geometry.h"
#include "content/prerendered.h"

#include <QImage>
#include <QTest>
#include <QTransform>

#include <array>
#include <functional>

using namespace content;

Q_DECLARE_METATYPE(const content::Drawing*)

namespace {

// Left, top and width of each reaction picture in its section box, in twips; all are 1110 high.
constexpr std::array<std::array<qreal, 3>, 11> kPictures{{{1500, 600, 9165},
                                                          {1440, 1740, 9165},
                                                          {1440, 2880, 9165},
                                                          {120, 120, 12135},
                                                          {2580, 120, 7335},
                                                          {1200, 600, 9630},
                                                          {1200, 1740, 9630},
                                                          {1200, 2880, 9630},
                                                          {120, 300, 12135},
                                                          {120, 1440, 12135},
                                                          {120, 2580, 12135}}};

// From a picture's logical units to twips of its section box, and to pixels at 100 %.
QTransform toSectionBox(int picture) {
    const auto [left, top, width] = kPictures[picture];
    const QSizeF logical = reactionDrawing(picture).logicalSize();
    return QTransform(width / logical.width(), 0, 0, 1110 / logical.height(), left, top);
}
QTransform toPixels(int picture) {
    const QTransform twips = toSectionBox(picture);
    return QTransform::fromScale(twips.m11() / 15, twips.m22() / 15);
}
QSize pixelSize(int picture) {
    return QSize(qRound(kPictures[picture][2] / 15), 74);
}

bool isGreen(QRgb c) {
    return qAlpha(c) == 255 && qGreen(c) > 220 && qRed(c) < 40 && qBlue(c) < 40;
}
bool isYellow(QRgb c) {
    return qAlpha(c) == 255 && qRed(c) > 220 && qGreen(c) > 220 && qBlue(c) < 40;
}
bool isDark(QRgb c) {
    return qAlpha(c) > 200 && qGray(c) < 100;
}
// A hairline at 100 % spreads over two rows of pixels, each only half as dark.
bool isHairline(QRgb c) {
    return qAlpha(c) > 200 && qGray(c) < 170;
}

int count(const QImage& image, const QRect& area, const std::function<bool(QRgb)>& test) {
    int found = 0;
    const QRect inside = area & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            found += test(image.pixel(x, y)) ? 1 : 0;
    return found;
}

} // namespace

class TestDrawings : public QObject {
    Q_OBJECT

private slots:
    // Each card shows its formula in black, centred on a green face with rounded corners, the
    // indices at half height hanging below the line.
    void cardShowsItsFormulaOnAGreenFace_data() {
        QTest::addColumn<int>("compound");
        QTest::addColumn<int>("narrowest");
        QTest::addColumn<int>("widest");
        QTest::newRow("H2O") << 0 << 26 << 40;
        QTest::newRow("CH3COOH") << 1 << 80 << 98;
        QTest::newRow("CH3CH2COOH") << 2 << 112 << 132;
        QTest::newRow("CνH2ν+1COOH") << 3 << 100 << 122;
        QTest::newRow("NH3") << 4 << 24 << 40;
    }
    void cardShowsItsFormulaOnAGreenFace() {
        QFETCH(int, compound);
        QFETCH(int, narrowest);
        QFETCH(int, widest);
        const QImage card = cardDrawing(compound).pixmap(QSize(149, 29), 1).toImage();
        QCOMPARE(qAlpha(card.pixel(0, 0)), 0);
        QVERIFY(isGreen(card.pixel(4, 14)) && isGreen(card.pixel(144, 14)));
        QRect ink; // clear of the outline in the rounded corners
        for (int y = 2; y < 27; ++y)
            for (int x = 7; x < 142; ++x)
                if (isDark(card.pixel(x, y)))
                    ink |= QRect(x, y, 1, 1);
        QVERIFY2(ink.width() >= narrowest && ink.width() <= widest,
                 qPrintable(QString::number(ink.width())));
        QVERIFY(qAbs(ink.center().x() - 74) <= 2);
        QVERIFY(ink.top() >= 4 && ink.top() <= 7);
        QVERIFY(ink.bottom() >= 22 && ink.bottom() <= 26);
    }

    // The slots in their pictures' logical units; single-blank pictures have no right blank.
    void slotLiesAsTabled_data() {
        QTest::addColumn<int>("picture");
        QTest::addColumn<int>("blank");
        QTest::addColumn<QRectF>("expected");
        const auto slot = [](qreal left, qreal right, qreal top, qreal bottom) {
            return QRectF(QPointF(left, top), QPointF(right, bottom));
        };
        for (int picture = 0; picture <= 2; ++picture)
            QTest::addRow("slot %d", picture) << picture << 0 << slot(11392, 15253, 541, 1261);
        QTest::newRow("slot 3") << 3 << 0 << slot(8613, 11533, 409, 954);
        QTest::newRow("slot 4") << 3 << 1 << slot(12741, 15660, 409, 954);
        QTest::newRow("slot 5") << 4 << 0 << slot(10579, 15404, 676, 1577);
        for (int picture = 5; picture <= 10; ++picture) {
            const bool laboratory = picture <= 7;
            QTest::addRow("slot %d", 2 * picture - 4)
                << picture << 0
                << (laboratory ? slot(7456, 11131, 515, 1201) : slot(8613, 11533, 409, 954));
            QTest::addRow("slot %d", 2 * picture - 3)
                << picture << 1
                << (laboratory ? slot(11749, 15425, 515, 1201) : slot(12741, 15660, 409, 954));
        }
        for (int picture : {0, 1, 2, 4})
            QTest::addRow("picture %d has one blank", picture) << picture << 1 << QRectF();
    }
    void slotLiesAsTabled() {
        QFETCH(int, picture);
        QFETCH(int, blank);
        QFETCH(QRectF, expected);
        QCOMPARE(reactionSlotRect(picture, blank), expected);
    }

    // A card laid on a slot, centred 35 twips above the picture's middle line at the left edge
    // that placing gives it, covers the green slot completely.
    void cardLaidOnSlotCoversIt_data() {
        QTest::addColumn<int>("picture");
        QTest::addColumn<int>("blank");
        QTest::addColumn<qreal>("cardLeft");
        for (int picture = 0; picture <= 2; ++picture)
            QTest::addRow("picture %d", picture)
                << picture << 0 << kPictures[picture][0] + 9165 - kCardWidth - 420;
        QTest::newRow("picture 3 left") << 3 << 0 << 9300 - 120 - kCardWidth - 310;
        QTest::newRow("picture 3 right") << 3 << 1 << qreal(9300 - 120 + 600);
        QTest::newRow("picture 4") << 4 << 0 << 2580 + 7335 - kCardWidth - 270;
        for (int picture = 5; picture <= 10; ++picture) {
            const qreal split = picture <= 7 ? 8100 : 9060;
            QTest::addRow("picture %d left", picture) << picture << 0 << split - kCardWidth - 180;
            QTest::addRow("picture %d right", picture)
                << picture << 1 << (picture <= 7 ? 8255. : 9770.);
        }
    }
    void cardLaidOnSlotCoversIt() {
        QFETCH(int, picture);
        QFETCH(int, blank);
        QFETCH(qreal, cardLeft);
        const qreal cardTop = kPictures[picture][1] + 1110 / 2. - kCardHeight / 2 - 35;
        const QRectF card(cardLeft, cardTop, kCardWidth, kCardHeight);
        QVERIFY(card.contains(toSectionBox(picture).mapRect(reactionSlotRect(picture, blank))));
    }

    // Each coefficient box sits inside its dashed mark, give or take the mark's outline; the
    // reactions without coefficients have no marks.
    void coefficientBoxLiesInsideItsMark_data() {
        QTest::addColumn<int>("picture");
        QTest::addColumn<QList<qreal>>("boxLefts");
        QTest::addColumn<qreal>("boxTop");
        QTest::newRow("boxes 0-1") << 0 << QList<qreal>{1800, 7500} << 960.;
        QTest::newRow("boxes 2-4") << 1 << QList<qreal>{1740, 4440, 7440} << 2100.;
        QTest::newRow("boxes 5-7") << 2 << QList<qreal>{1740, 4440, 7440} << 3240.;
        QTest::newRow("boxes 8-11") << 8 << QList<qreal>{360, 3060, 6120, 9240} << 660.;
        QTest::newRow("boxes 12-15") << 9 << QList<qreal>{360, 3060, 6120, 9300} << 1800.;
        QTest::newRow("boxes 16-19") << 10 << QList<qreal>{360, 3060, 6120, 9240} << 2940.;
        for (int picture = 3; picture <= 7; ++picture)
            QTest::addRow("picture %d", picture) << picture << QList<qreal>{} << 0.;
    }
    void coefficientBoxLiesInsideItsMark() {
        QFETCH(int, picture);
        QFETCH(QList<qreal>, boxLefts);
        QFETCH(qreal, boxTop);
        const QList<QRectF> marks = reactionMarkRects(picture);
        QCOMPARE(marks.size(), boxLefts.size());
        for (int mark = 0; mark < marks.size(); ++mark) {
            const QRectF outline =
                toSectionBox(picture).mapRect(marks[mark]).adjusted(-10, -10, 10, 10);
            QVERIFY(outline.contains(QRectF(boxLefts[mark], boxTop, 435, 330)));
        }
    }

    // At its size in the window a picture shows its slots green and nothing else green, its
    // marks dashed around yellow, a yellow face inside rounded corners, and its arrow with the
    // conditions above and below the bar clear of it.
    void pictureShowsSlotsMarksAndConditions_data() {
        QTest::addColumn<int>("picture");
        QTest::addColumn<QRectF>("bar");
        QTest::addColumn<qreal>("headLeft");
        QTest::addColumn<bool>("labelAbove");
        QTest::addColumn<bool>("labelBelow");
        const auto bar = [](qreal left, qreal right, qreal top, qreal bottom) {
            return QRectF(QPointF(left, top), QPointF(right, bottom));
        };
        QTest::newRow("0") << 0 << bar(4516, 9632, 905, 961) << 9437. << true << false;
        QTest::newRow("1") << 1 << bar(7061, 9632, 905, 961) << 9437. << true << false;
        QTest::newRow("2") << 2 << bar(7061, 9632, 905, 961) << 9437. << true << false;
        QTest::newRow("3") << 3 << bar(4981, 7961, 685, 727) << 7814. << true << false;
        QTest::newRow("4") << 4 << bar(7080, 9763, 1131, 1201) << 9520. << false << false;
        for (int picture = 5; picture <= 7; ++picture)
            QTest::addRow("%d", picture)
                << picture << bar(4791, 6835, 862, 915) << 6650. << true << false;
        for (int picture = 8; picture <= 10; ++picture)
            QTest::addRow("%d", picture)
                << picture << bar(5659, 7283, 685, 727) << 7136. << true << true;
    }
    void pictureShowsSlotsMarksAndConditions() {
        QFETCH(int, picture);
        QFETCH(QRectF, bar);
        QFETCH(qreal, headLeft);
        QFETCH(bool, labelAbove);
        QFETCH(bool, labelBelow);
        const QSize size = pixelSize(picture);
        const QImage image = reactionDrawing(picture).pixmap(size, 1).toImage();
        const QTransform pixels = toPixels(picture);
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QVERIFY(isYellow(image.pixel(6, size.height() / 2)));

        qreal slotArea = 0;
        for (int blank = 0; blank < 2 && !reactionSlotRect(picture, blank).isEmpty(); ++blank) {
            const QRectF slot = pixels.mapRect(reactionSlotRect(picture, blank));
            slotArea += slot.width() * slot.height();
            QVERIFY(isGreen(image.pixel(slot.center().toPoint())));
        }
        const int green = count(image, image.rect(), isGreen);
        QVERIFY(green > 0.85 * slotArea && green < slotArea);

        for (const QRectF& logical : reactionMarkRects(picture)) {
            const QRect mark = pixels.mapRect(logical).toRect();
            QVERIFY(isYellow(image.pixel(mark.center())));
            int dashes = 0; // along the top edge, dashes alternate with gaps
            int gaps = 0;
            for (int x = mark.left() + 4; x < mark.right() - 4; ++x) {
                const QRect column(x, mark.top() - 1, 1, 3);
                dashes += count(image, column, isHairline) > 0 ? 1 : 0;
                gaps += count(image, column, isYellow) == 3 ? 1 : 0;
            }
            QVERIFY2(dashes >= 4 && gaps >= 4,
                     qPrintable(QStringLiteral("%1 %2").arg(dashes).arg(gaps)));
        }

        const QRect barPixels = pixels.mapRect(bar).toRect();
        QVERIFY(isDark(image.pixel(barPixels.center())));
        const int head = qRound(pixels.map(QPointF(headLeft, 0)).x());
        const QRect above(barPixels.left(), 3, head - barPixels.left(), barPixels.top() - 4);
        const QRect below(barPixels.left(), barPixels.bottom() + 2, head - barPixels.left(),
                          size.height() - 5 - barPixels.bottom());
        QCOMPARE(count(image, above, isDark) > 20, labelAbove);
        QCOMPARE(count(image, below, isDark) > 20, labelBelow);
    }

    // The charges of H⁺ over the arrow and of OH⁻ under it stand high, level with the tops of the
    // capitals they follow, in each of the hydrolysis pictures.
    void chargeStandsRaised_data() {
        QTest::addColumn<QRectF>("charge"); // where it is, in logical units
        QTest::addColumn<qreal>("above");   // its ink ends above this line
        QTest::newRow("H+") << QRectF(QPointF(6530, 100), QPointF(6660, 670)) << 490.;
        QTest::newRow("OH-") << QRectF(QPointF(6760, 740), QPointF(6900, 1365)) << 920.;
    }
    void chargeStandsRaised() {
        QFETCH(QRectF, charge);
        QFETCH(qreal, above);
        for (int picture = 8; picture <= 10; ++picture) {
            const QImage image =
                reactionDrawing(picture).pixmap(pixelSize(picture) * 4, 4).toImage();
            const QTransform device = toPixels(picture) * QTransform::fromScale(4, 4);
            const QRect area = device.mapRect(charge).toRect();
            QRect ink;
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x)
                    if (isDark(image.pixel(x, y)))
                        ink |= QRect(x, y, 1, 1);
            QVERIFY(!ink.isEmpty());
            QVERIFY(ink.bottom() < device.map(QPointF(0, above)).y());
        }
    }

    // Each size and pixel ratio is rendered once, at the ratio's pixels for the same logical size.
    void drawingRendersOncePerSizeAndRatio_data() {
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("100 %") << 1.0;
        QTest::newRow("150 %") << 1.5;
        QTest::newRow("200 %") << 2.0;
    }
    void drawingRendersOncePerSizeAndRatio() {
        QFETCH(qreal, ratio);
        const QSize size(150, 30);
        const int before = cardDrawing(2).renderCount();
        const QPixmap first = cardDrawing(2).pixmap(devicePixels(size, ratio), ratio);
        const QPixmap again = cardDrawing(2).pixmap(devicePixels(size, ratio), ratio);
        QCOMPARE(cardDrawing(2).renderCount(), before + 1);
        QCOMPARE(again.cacheKey(), first.cacheKey());
        QCOMPARE(first.size(), (QSizeF(size) * ratio).toSize());
        QCOMPARE(first.deviceIndependentSize(), QSizeF(size));
        QVERIFY(isGreen(first.toImage().pixel(qRound(5 * ratio), qRound(15 * ratio))));
    }

    // The pictures the build rendered are the drawings as the program renders them, pixel for
    // pixel, at the sizes the window shows them and at both pixel ratios the build renders.
    void theBuildsPicturesAreTheDrawings_data() {
        QTest::addColumn<const Drawing*>("drawing");
        QTest::addColumn<QSize>("size");
        const QSize card = toPixels(paletteCard(0)).size();
        for (qreal ratio : kPrerenderedRatios) {
            const QString at = QStringLiteral(" at %1").arg(ratio);
            for (int compound = 0; compound < model::kCompounds; ++compound)
                QTest::newRow(qPrintable(QStringLiteral("card %1").arg(compound) + at))
                    << &cardDrawing(compound) << card;
            for (int reaction = 0; reaction < model::kReactions; ++reaction)
                QTest::newRow(qPrintable(QStringLiteral("reaction %1").arg(reaction) + at))
                    << &reactionDrawing(reaction) << toPixels(reactionPicture(reaction)).size();
            QTest::newRow(qPrintable(QStringLiteral("title 3") + at))
                << titleDrawing(3) << toPixels(model::kTitleRect).size();
        }
    }
    void theBuildsPicturesAreTheDrawings() {
        QFETCH(const Drawing*, drawing);
        QFETCH(QSize, size);
        for (qreal ratio : kPrerenderedRatios) {
            const QSize pixels = devicePixels(size, ratio);
            const std::optional<QImage> built =
                prerenderedPicture(drawing->pictureName(), pixels, ratio);
            QVERIFY(built);
            QCOMPARE(built->devicePixelRatio(), ratio);
            QCOMPARE(*built, drawing->rendered(pixels, ratio).convertToFormat(built->format()));
        }
        // The window icon comes in every size it offers.
        for (QSize icon : windowIconSizes())
            QVERIFY(prerenderedPicture(windowIconDrawing().pictureName(), icon, 1));
        // A size the build did not render is rendered as the program runs.
        QVERIFY(!prerenderedPicture(drawing->pictureName(), size + QSize(1, 0), 1));
        QVERIFY(!prerenderedPicture(drawing->pictureName(), devicePixels(size, 1.5), 1.5));
    }

    // An archive gives back each picture it holds under its own name, size and ratio, and no
    // other; one cut short or damaged gives nothing it does not hold, and is never read past its
    // end.
    void anArchiveGivesBackItsOwnPictures() {
        QImage stripes(4, 3, QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 4; ++x)
                stripes.setPixel(x, y, x % 2 ? qRgba(0, 0, 0x80, 0x80) : qRgb(0xFF, 0xFF, 0));
        QImage flat(8, 8, QImage::Format_ARGB32_Premultiplied);
        flat.fill(qRgb(0, 0xFF, 0));
        flat.setPixel(7, 7, qRgb(0, 0, 0));
        const QByteArray archive = packPictures(
            {{"stripes", 1, stripes}, {"flat", 2, flat}, {"stripes", 2, flat.copy(0, 0, 4, 4)}});
        QCOMPARE(unpackPicture(archive, "stripes", {4, 3}, 1), std::optional<QImage>(stripes));
        const std::optional<QImage> sharp = unpackPicture(archive, "flat", {8, 8}, 2);
        QVERIFY(sharp);
        QCOMPARE(sharp->devicePixelRatio(), 2.0);
        QCOMPARE(sharp->size(), QSize(8, 8));
        QCOMPARE(sharp->pixel(7, 7), qRgb(0, 0, 0));
        QCOMPARE(sharp->pixel(6, 7), qRgb(0, 0xFF, 0));
        QVERIFY(unpackPicture(archive, "stripes", {4, 4}, 2));
        QVERIFY(!unpackPicture(archive, "stripes", {4, 3}, 2));
        QVERIFY(!unpackPicture(archive, "flat", {8, 8}, 1));
        QVERIFY(!unpackPicture(archive, "nothing", {4, 3}, 1));
        for (qsizetype cut = 0; cut < archive.size(); ++cut) {
            const auto from = unpackPicture(QByteArrayView(archive).first(cut), "flat", {8, 8}, 2);
            QVERIFY(!from || *from == *sharp);
        }
        for (qsizetype at = 0; at < archive.size(); ++at) {
            QByteArray damaged = archive;
            damaged[at] = char(damaged[at] ^ 0x5A);
            const auto from = unpackPicture(damaged, "stripes", {4, 3}, 1);
            QVERIFY(!from || from->size() == QSize(4, 3));
        }
    }

    // The hand points with its fingertip at the hot spot, white outlined in black, above a dark
    // cuff.
    void handCursorPointsWithItsFingertip() {
        const QCursor cursor = handCursor();
        QCOMPARE(cursor.hotSpot(), QPoint(12, 1));
        const QImage hand = cursor.pixmap().toImage();
        QCOMPARE(hand.size(), QSize(32, 32));
        QCOMPARE(hand.pixel(12, 1), qRgb(255, 255, 255));
        for (int x = 0; x < 32; ++x)
            QCOMPARE(isDark(hand.pixel(x, 0)), qAbs(x - 12) <= 1);
        QVERIFY(count(hand, hand.rect(), [](QRgb c) { return c == qRgb(255, 255, 255); }) > 150);
        const auto cuff = [](QRgb c) { return isDark(c) && qBlue(c) > qRed(c) + 60; };
        QVERIFY(count(hand, QRect(0, 24, 32, 8), cuff) > 40);
        QCOMPARE(count(hand, QRect(0, 0, 32, 24), cuff), 0);
    }

    // The drag icon: a hand over a grey tray, kept crisp when stretched for a scaled screen.
    void dragIconShowsHandOverGreyTray() {
        const content::Drawing& icon = dragIconDrawing();
        const QImage plain = icon.pixmap(QSize(32, 32), 1).toImage();
        const auto white = [](QRgb c) { return c == qRgb(255, 255, 255); };
        const auto grey = [](QRgb c) {
            return qAlpha(c) == 255 && qRed(c) == qGreen(c) && qGreen(c) == qBlue(c) &&
                   qRed(c) > 100 && qRed(c) < 230;
        };
        QVERIFY(count(plain, QRect(0, 0, 32, 17), white) > 80);
        QCOMPARE(count(plain, QRect(0, 0, 32, 17), grey), 0);
        QVERIFY(count(plain, QRect(0, 17, 32, 15), grey) > 150);
        const QImage doubled = icon.pixmap(QSize(64, 64), 2).toImage();
        QCOMPARE(doubled.size(), QSize(64, 64));
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                QCOMPARE(doubled.pixel(2 * x + 1, 2 * y + 1), plain.pixel(x, y));
    }

    // The window icon is offered from title-bar size to large, each showing the green liquid.
    void windowIconComesInSmallAndLargeSizes() {
        const QIcon icon = windowIcon();
        const auto liquid = [](QRgb c) {
            return qAlpha(c) == 255 && qGreen(c) > qRed(c) + 60 && qGreen(c) > qBlue(c) + 60;
        };
        for (int side : {16, 32, 48, 256}) {
            QVERIFY(icon.availableSizes().contains(QSize(side, side)));
            const QImage image = icon.pixmap(side, side).toImage();
            QCOMPARE(image.size(), QSize(side, side));
            QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
            QVERIFY(count(image, image.rect(), liquid) > side * side / 10);
        }
    }
};

QTEST_MAIN(TestDrawings)
#include "test_drawings.moc"
