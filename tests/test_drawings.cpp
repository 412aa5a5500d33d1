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

// The slots of each picture, where a card goes, in its logical units: the left or only one
// first.
QList<QRectF> tabledSlots(int picture) {
    const auto slot = [](qreal left, qreal right, qreal top, qreal bottom) {
        return QRectF(QPointF(left, top), QPointF(right, bottom));
    };
    if (picture <= 2)
        return {slot(11392, 15253, 541, 1261)};
    if (picture == 4)
        return {slot(10579, 15404, 676, 1577)};
    if (picture >= 5 && picture <= 7)
        return {slot(7456, 11131, 515, 1201), slot(11749, 15425, 515, 1201)};
    return {slot(8613, 11533, 409, 954), slot(12741, 15660, 409, 954)};
}

// The green areas of a rendered picture, left to right, each the box of a run of columns with
// green in them.
QList<QRect> greenAreas(const QImage& image) {
    QList<QRect> areas;
    for (int x = 0; x < image.width(); ++x) {
        QRect column;
        for (int y = 0; y < image.height(); ++y) {
            if (isGreen(image.pixel(x, y)))
                column |= QRect(x, y, 1, 1);
        }
        if (column.isEmpty())
            continue;
        if (!areas.isEmpty() && areas.last().right() == x - 1)
            areas.last() |= column;
        else
            areas << column;
    }
    return areas;
}

// A picture as the window shows it at 100 % and four times as sharp, with the map from its
// logical units to those pixels.
QImage rendered(int picture, int ratio) {
    return reactionDrawing(picture).pixmap(pixelSize(picture) * ratio, ratio).toImage();
}
QTransform toDevice(int picture, int ratio) {
    return toPixels(picture) * QTransform::fromScale(ratio, ratio);
}

// Whether row `y` of a picture rendered at 100 % runs dashed between `left` and `right`: a dash,
// a gap and a dash, each dash a few pixels of dark hairline with yellow above and below it, where
// a letter's stroke would go on, and the gap clear of it.
bool dashedAt(const QImage& image, int y, int left, int right) {
    enum Kind { Dash, Gap, Other };
    QList<std::pair<Kind, int>> runs; // the row's columns, told apart and run together
    for (int x = left; x <= right; ++x) {
        const QRect column(x, y - 1, 1, 3);
        Kind kind = Gap;
        if (count(image, column, isHairline) > 0)
            kind =
                isYellow(image.pixel(x, y - 3)) && isYellow(image.pixel(x, y + 3)) ? Dash : Other;
        if (!runs.isEmpty() && runs.last().first == kind)
            ++runs.last().second;
        else
            runs.append({kind, 1});
    }
    const auto dash = [](std::pair<Kind, int> run) {
        return run.first == Dash && run.second >= 3 && run.second <= 10;
    };
    for (qsizetype i = 0; i + 2 < runs.size(); ++i) {
        if (dash(runs[i]) && runs[i + 1].first == Gap && runs[i + 1].second >= 1 &&
            runs[i + 1].second <= 8 && dash(runs[i + 2]))
            return true;
    }
    return false;
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

    // Each picture shows its slots green where the table puts them, within their outline, and no
    // others: single-blank pictures have no right slot.
    void slotsLieAsTabled_data() {
        QTest::addColumn<int>("picture");
        for (int picture = 0; picture < 11; ++picture)
            QTest::addRow("picture %d", picture) << picture;
    }
    void slotsLieAsTabled() {
        QFETCH(int, picture);
        const QList<QRect> green = greenAreas(rendered(picture, 4));
        const QList<QRectF> tabled = tabledSlots(picture);
        QCOMPARE(green.size(), tabled.size());
        for (int blank = 0; blank < tabled.size(); ++blank) {
            // The green fills the slot up to its outline, 30 units wide on the slot's edge.
            const QRectF inside =
                toDevice(picture, 4).mapRect(tabled[blank].adjusted(15, 15, -15, -15));
            const QRectF found(green[blank]);
            const auto near = [](qreal a, qreal b) { return qAbs(a - b) <= 2; };
            QVERIFY2(near(found.left(), inside.left()) && near(found.right() + 1, inside.right()) &&
                         near(found.top(), inside.top()) &&
                         near(found.bottom() + 1, inside.bottom()),
                     qPrintable(QStringLiteral("green (%1, %2)-(%3, %4), slot (%5, %6)-(%7, %8)")
                                    .arg(found.left())
                                    .arg(found.top())
                                    .arg(found.right() + 1)
                                    .arg(found.bottom() + 1)
                                    .arg(inside.left())
                                    .arg(inside.top())
                                    .arg(inside.right())
                                    .arg(inside.bottom())));
        }
    }

    // A card laid on a slot, centred 35 twips above the picture's middle line at the left edge
    // that placing gives it, covers the green the picture shows there completely.
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
        const QList<QRect> green = greenAreas(rendered(picture, 4));
        QVERIFY(blank < green.size());
        const QTransform fromDevice = toDevice(picture, 4).inverted() * toSectionBox(picture);
        const QRectF slot = fromDevice.mapRect(QRectF(green[blank]));
        QVERIFY2(card.contains(slot), qPrintable(QStringLiteral("slot (%1, %2)-(%3, %4)")
                                                     .arg(slot.left())
                                                     .arg(slot.top())
                                                     .arg(slot.right())
                                                     .arg(slot.bottom())));
    }

    // Each coefficient box sits inside a dashed mark the picture shows, its top and bottom edges
    // dashed within a few pixels of the box's; the mark's yellow inside is clear for the box. The
    // pictures without coefficients show no dashes.
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
        const QImage image = rendered(picture, 1);
        const QTransform toImage = toSectionBox(picture).inverted() * toPixels(picture);
        for (qreal boxLeft : boxLefts) {
            const QRect box = toImage.mapRect(QRectF(boxLeft, boxTop, 435, 330)).toRect();
            const auto dashedNear = [&](int edge) {
                for (int y = edge - 3; y <= edge + 3; ++y) {
                    if (dashedAt(image, y, box.left() - 2, box.right() + 2))
                        return true;
                }
                return false;
            };
            QVERIFY2(dashedNear(box.top()), qPrintable(QString::number(boxLeft)));
            QVERIFY2(dashedNear(box.bottom()), qPrintable(QString::number(boxLeft)));
            const QRect inside = box.adjusted(3, 3, -3, -3);
            QCOMPARE(count(image, inside, isYellow), inside.width() * inside.height());
        }
        if (boxLefts.isEmpty()) {
            for (int y = 3; y < image.height() - 3; ++y)
                for (int x = 0; x + 33 < image.width(); x += 4)
                    QVERIFY2(!dashedAt(image, y, x, x + 33),
                             qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
        }
    }

    // At its size in the window a picture shows its slots green and nothing else green, a yellow
    // face inside rounded corners, and its arrow with the conditions above and below the bar clear
    // of it.
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
        for (const QRectF& logical : tabledSlots(picture)) {
            const QRectF slot = pixels.mapRect(logical);
            slotArea += slot.width() * slot.height();
            QVERIFY(isGreen(image.pixel(slot.center().toPoint())));
        }
        const int green = count(image, image.rect(), isGreen);
        QVERIFY(green > 0.85 * slotArea && green < slotArea);

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

    // Each size and pixel ratio is rendered once and kept, at the ratio's pixels for the same
    // logical size.
    void drawingRendersOncePerSizeAndRatio_data() {
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("100 %") << 1.0;
        QTest::newRow("150 %") << 1.5;
        QTest::newRow("200 %") << 2.0;
    }
    void drawingRendersOncePerSizeAndRatio() {
        QFETCH(qreal, ratio);
        const QSize size(150, 30);
        const QPixmap first = cardDrawing(2).pixmap(devicePixels(size, ratio), ratio);
        const QPixmap again = cardDrawing(2).pixmap(devicePixels(size, ratio), ratio);
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
