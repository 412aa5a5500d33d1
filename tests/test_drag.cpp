// A card dragged from the palette: where a drop puts it (the pictures' split lines, the placed
// compounds, the coefficient boxes), the card that follows the pointer, and every way a drag ends
// with the card back home: the edge zone, drops that take no compound, a drag the window loses.
#include "content/geometry.h"
#include "support/window_fixture.h"
#include "view/section_view.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <QWindow>

using view::Target;

namespace {

// The client-area point at a pixel of the board.
QPointF atPixel(int x, int y) {
    return {x * content::kTwipsPerPixel, y * content::kTwipsPerPixel};
}

// A dragged card, 149 by 29 pixels, lies 60 twips (4 pixels) right of the pointer with its
// middle on the pointer's height: 217.5 twips above it is 14.5 pixels, which rounds to 14.
QRect ghostBeside(QPoint pointer) {
    return QRect(pointer + QPoint(4, -14), QSize(149, 29));
}

// Nothing is left half-way once a drag is over: no drag, no ghost, and every column holds the
// cards of its compound that are in no blank.
void verifySettled(const WindowFixture& f) {
    QVERIFY(!f.board.isDragging());
    QVERIFY(f.carried().place.isNull());
    for (int column = 0; column < model::kCompounds; ++column)
        QCOMPARE(f.board.cardsOn(column),
                 f.worksheet.cardsLeft(f.worksheet.compoundInColumn(column)));
}

model::Blanks blanksOf(const WindowFixture& f) {
    return f.worksheet.blanks();
}

void showWindow(WindowFixture& f) {
    f.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
}

// The mouse as the window system gives it: to the window, which finds the widget under the
// pointer and keeps the pressed one as the receiver until the release.
QPoint inWindow(const WindowFixture& f, QPointF client) {
    return f.board.mapTo(f.window.get(), WindowFixture::pixels(client));
}

void dragThroughWindow(WindowFixture& f, int compound, const std::vector<QPointF>& path) {
    QWindow* window = f.window->windowHandle();
    QTest::mousePress(window, Qt::LeftButton, {}, inWindow(f, f.onPalette(compound)));
    for (QPointF point : path)
        QTest::mouseMove(window, inWindow(f, point));
    QTest::mouseRelease(window, Qt::LeftButton, {}, inWindow(f, path.back()));
}

// Places that take no compound, and a few that do, for the pointer to pass over.
enum class Spot {
    Background,
    PaletteGap,
    PaletteCard,
    ViewportMargin,
    Frame,
    Title,
    Note,
    Picture,
    PlacedCard,
    Box,
    ScrollBar
};

// Arranges what `spot` needs, shows `section`, and gives a point over the spot.
QPointF arrange(WindowFixture& f, Spot spot, int section) {
    switch (spot) {
    case Spot::PlacedCard:
        // The left blank of picture 6, in section 3.
        f.fill(8, Ethanoic);
        return WindowFixture::onPlacedCard(8);
    case Spot::Box:
        f.fill(12, Ethanoic);
        f.fill(13, Ammonia);
        return WindowFixture::onBox(9);
    default:
        break;
    }
    f.showSection(section);
    const model::Rect box = content::sectionBox(section);
    switch (spot) {
    case Spot::Background:
        return {6000, 800};
    case Spot::PaletteGap: {
        const model::Rect second = content::paletteCard(1);
        return {second.left - 80, second.top + 200};
    }
    case Spot::PaletteCard:
        return f.onPalette(Ammonia);
    case Spot::ViewportMargin:
        return {6000, content::kViewport.top + box.top / 2};
    case Spot::Frame:
        return WindowFixture::inSection(section, 11500, box.height / 2);
    case Spot::Title:
        return WindowFixture::middleOf(section, model::kTitleRect);
    case Spot::Note:
        return WindowFixture::middleOf(section, model::section(section).noteRect);
    case Spot::Picture:
        return f.onPicture(section == 2 ? 4 : 8, 3000);
    case Spot::ScrollBar:
        return {content::kScrollBar.left + 100, 3000};
    default:
        return {};
    }
}

} // namespace

Q_DECLARE_METATYPE(Spot)
Q_DECLARE_METATYPE(Target::Kind)

class DragTest : public QObject {
    Q_OBJECT

private slots:
    // A drop on a reaction picture fills the blank on the pointer's side of the split line, to
    // a fraction of a twip, at any height in the picture; the card then lies on its blank. Water
    // goes in as readily as the right compound: the check judges, not the drop.
    void aDropOnAPictureFillsTheBlankOnThePointersSide_data() {
        QTest::addColumn<int>("picture");
        QTest::addColumn<double>("x");
        QTest::addColumn<int>("blank");
        QTest::addColumn<double>("cardLeft");
        QTest::addColumn<double>("cardTop");
        QTest::newRow("picture 0") << 0 << 100.0 << 0 << 8010.0 << 902.5;
        QTest::newRow("picture 1") << 1 << 9000.0 << 1 << 7950.0 << 2042.5;
        QTest::newRow("picture 2") << 2 << 4000.0 << 2 << 7950.0 << 3182.5;
        QTest::newRow("picture 3, a tenth left") << 3 << 9179.9 << 3 << 6635.0 << 422.5;
        QTest::newRow("picture 3, on the split") << 3 << 9180.0 << 4 << 9780.0 << 422.5;
        QTest::newRow("picture 4") << 4 << 50.0 << 5 << 7410.0 << 422.5;
        QTest::newRow("picture 5, a tenth left") << 5 << 6899.9 << 6 << 5685.0 << 902.5;
        QTest::newRow("picture 5, on the split") << 5 << 6900.0 << 7 << 8255.0 << 902.5;
        QTest::newRow("picture 6, a twip left") << 6 << 6899.0 << 8 << 5685.0 << 2042.5;
        QTest::newRow("picture 6, on the split") << 6 << 6900.0 << 9 << 8255.0 << 2042.5;
        QTest::newRow("picture 7, far left") << 7 << 1000.0 << 10 << 5685.0 << 3182.5;
        QTest::newRow("picture 7, on the split") << 7 << 6900.0 << 11 << 8255.0 << 3182.5;
        QTest::newRow("picture 8, a hundredth left") << 8 << 8939.99 << 12 << 6645.0 << 602.5;
        QTest::newRow("picture 8, on the split") << 8 << 8940.0 << 13 << 9770.0 << 602.5;
        QTest::newRow("picture 9, a tenth left") << 9 << 8939.9 << 14 << 6645.0 << 1742.5;
        QTest::newRow("picture 9, on the split") << 9 << 8940.0 << 15 << 9770.0 << 1742.5;
        QTest::newRow("picture 10, far left") << 10 << 300.0 << 16 << 6645.0 << 2882.5;
        QTest::newRow("picture 10, far right") << 10 << 12000.0 << 17 << 9770.0 << 2882.5;
    }
    void aDropOnAPictureFillsTheBlankOnThePointersSide() {
        QFETCH(int, picture);
        QFETCH(double, x);
        QFETCH(int, blank);
        QFETCH(double, cardLeft);
        QFETCH(double, cardTop);
        WindowFixture f;
        f.showSection(model::reaction(picture).section);
        for (double y : {0.0, 555.0, 1109.9}) {
            const Target target = f.board.targetAt(f.onPicture(picture, x, y));
            QCOMPARE(target.kind, Target::Kind::Picture);
            QCOMPARE(target.index, picture);
            QCOMPARE(target.blank, blank);
        }

        // The pointer's pixel lies at or left of the point, on the same side: every split line
        // falls on a pixel's edge.
        f.dropAt(Water, f.onPicture(picture, x));
        for (int other = 0; other < model::kBlanks; ++other)
            QCOMPARE(f.worksheet.compoundIn(other), other == blank ? int(Water) : model::kNone);
        verifySettled(f);
        const model::Rect card = content::placedCard(blank);
        QCOMPARE(card.left, cardLeft);
        QCOMPARE(card.top, cardTop);
        QCOMPARE(card.width, 2235.0);
        QCOMPARE(card.height, 435.0);
    }

    // What lies under the pointer, to a fraction of a twip: edges are half-open, a hidden box is
    // no target but the picture below it is, a shown one lies over the picture.
    void whatLiesAtAPoint_data() {
        QTest::addColumn<int>("section");
        QTest::addColumn<bool>("complete");
        QTest::addColumn<QPointF>("point");
        QTest::addColumn<Target::Kind>("kind");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("blank");
        using K = Target::Kind;
        constexpr int none = model::kNone;
        QTest::newRow("a palette card's left edge")
            << 0 << false << QPointF(277.5, 450) << K::PaletteCard << 0 << none;
        QTest::newRow("a hair left of it")
            << 0 << false << QPointF(277.4, 450) << K::Nothing << none << none;
        QTest::newRow("a hair inside its right edge")
            << 0 << false << QPointF(2512.4, 450) << K::PaletteCard << 0 << none;
        QTest::newRow("its right edge")
            << 0 << false << QPointF(2512.5, 450) << K::Nothing << none << none;
        QTest::newRow("its bottom edge")
            << 0 << false << QPointF(1000, 667.5) << K::Nothing << none << none;
        QTest::newRow("the scroll bar's left edge")
            << 0 << false << QPointF(13320, 3000) << K::ScrollBar << none << none;
        QTest::newRow("the viewport beside the section")
            << 0 << false << QPointF(449.9, 3000) << K::Nothing << none << none;
        QTest::newRow("picture 0's left edge")
            << 0 << false << WindowFixture::inSection(0, 1500, 700) << K::Picture << 0 << 0;
        QTest::newRow("a hair left of picture 0")
            << 0 << false << WindowFixture::inSection(0, 1499.9, 700) << K::Nothing << none << none;
        QTest::newRow("picture 0's right edge")
            << 0 << false << WindowFixture::inSection(0, 10665, 700) << K::Nothing << none << none;
        QTest::newRow("hidden box 9 over picture 8")
            << 4 << false << WindowFixture::onBox(9) << K::Picture << 8 << 12;
        QTest::newRow("hidden box 11 over picture 8")
            << 4 << false << WindowFixture::onBox(11) << K::Picture << 8 << 13;
        QTest::newRow("box 8") << 4 << true << WindowFixture::onBox(8) << K::Box << 8 << 12;
        QTest::newRow("box 10, the product's")
            << 4 << true << WindowFixture::onBox(10) << K::Box << 10 << 12;
        QTest::newRow("box 11, ammonia's")
            << 4 << true << WindowFixture::onBox(11) << K::Box << 11 << 13;
        QTest::newRow("ammonia's placed card")
            << 4 << true << WindowFixture::onPlacedCard(13) << K::PlacedCard << 13 << 13;
        QTest::newRow("picture 9 below it")
            << 4 << true << WindowFixture::inSection(4, 12000, 1500) << K::Picture << 9 << 15;
    }
    void whatLiesAtAPoint() {
        QFETCH(int, section);
        QFETCH(bool, complete);
        QFETCH(QPointF, point);
        QFETCH(Target::Kind, kind);
        QFETCH(int, index);
        QFETCH(int, blank);
        WindowFixture f;
        if (complete) {
            f.worksheet.place(12, Ethanoic);
            f.worksheet.place(13, Ammonia);
        }
        f.showSection(section);
        const Target target = f.board.targetAt(point);
        QCOMPARE(target.kind, kind);
        QCOMPARE(target.index, index);
        QCOMPARE(target.blank, blank);
    }

    // A card laid on a blank covers the blank's green slot whole.
    void aPlacedCardCoversItsSlot_data() {
        QTest::addColumn<int>("blank");
        for (int blank = 0; blank < model::kBlanks; ++blank)
            QTest::addRow("blank %d", blank) << blank;
    }
    void aPlacedCardCoversItsSlot() {
        QFETCH(int, blank);
        const model::Rect card = content::placedCard(blank);
        const model::Rect slot = content::slotOf(blank);
        QVERIFY2(card.left <= slot.left && slot.right() <= card.right() && card.top <= slot.top &&
                     slot.bottom() <= card.bottom(),
                 qPrintable(QString("slot %1,%2 %3x%4, card %5,%6")
                                .arg(slot.left)
                                .arg(slot.top)
                                .arg(slot.width)
                                .arg(slot.height)
                                .arg(card.left)
                                .arg(card.top)));
    }

    // A card dropped on a shown coefficient box fills the box's blank of its reaction, as the
    // picture would, the line edit under the pointer notwithstanding; the boxes stay and keep
    // their texts, and the compound the card replaces goes home.
    void aDropOnABoxFillsItsBlank_data() {
        QTest::addColumn<int>("box");
        QTest::addColumn<int>("blank");
        QTest::addColumn<double>("cardLeft");
        QTest::addColumn<double>("cardTop");
        QTest::newRow("box 9 of picture 8") << 9 << 12 << 6645.0 << 602.5;
        QTest::newRow("box 11 of picture 8") << 11 << 13 << 9770.0 << 602.5;
        QTest::newRow("box 3 of picture 1") << 3 << 1 << 7950.0 << 2042.5;
        QTest::newRow("box 0 of picture 0") << 0 << 0 << 8010.0 << 902.5;
        QTest::newRow("box 19 of picture 10") << 19 << 17 << 9770.0 << 2882.5;
    }
    void aDropOnABoxFillsItsBlank() {
        QFETCH(int, box);
        QFETCH(int, blank);
        QFETCH(double, cardLeft);
        QFETCH(double, cardTop);
        WindowFixture f;
        showWindow(f);
        const int reaction = model::reactionOfBox(box);
        const int first = model::firstBlankOf(reaction);
        const int firstBox = model::firstBoxOf(reaction);
        const int boxes = model::reaction(reaction).boxCount;
        for (int b = first; b < first + model::reaction(reaction).blankCount; ++b)
            f.fill(b, model::blankRecord(b).answer);
        for (int b = firstBox; b < firstBox + boxes; ++b)
            f.box(b)->setText(QString::number(b));
        const model::Blanks before = blanksOf(f);
        const int replaced = before[blank];
        QCOMPARE(f.board.targetAt(WindowFixture::onBox(box)).kind, Target::Kind::Box);

        dragThroughWindow(f, Water, {{6000, 1500}, WindowFixture::onBox(box)});
        model::Blanks expected = before;
        expected[blank] = Water;
        QCOMPARE(blanksOf(f), expected);
        QCOMPARE(f.worksheet.cardsLeft(replaced), model::kCardsPerCompound);
        verifySettled(f);
        QCOMPARE(content::placedCard(blank).left, cardLeft);
        QCOMPARE(content::placedCard(blank).top, cardTop);
        for (int b = firstBox; b < firstBox + boxes; ++b) {
            QVERIFY(f.box(b)->isVisible());
            QCOMPARE(f.box(b)->text(), QString::number(b));
        }
    }

    // A drop on a box of one reaction leaves the boxes of the others as they were: shown where
    // the reaction is complete, hidden where it is not.
    void aDropOnABoxLeavesTheOtherReactionsBoxes() {
        WindowFixture f;
        f.fill(12, Ethanoic);
        f.fill(13, Ammonia);
        f.fill(16, GeneralAcid);
        f.fill(17, Ammonia);
        f.fill(14, Propanoic);
        f.dropAt(Water, WindowFixture::onBox(10));
        QCOMPARE(f.worksheet.compoundIn(12), int(Water));
        QList<int> shown;
        for (int b = 0; b < model::kCoefficientBoxes; ++b) {
            if (!f.box(b)->isHidden())
                shown.append(b);
        }
        QCOMPARE(shown, (QList<int>{8, 9, 10, 11, 16, 17, 18, 19}));
    }

    // While a card is dragged it lies beside the pointer wherever that goes: over the palette,
    // the viewport, a section and what lies in it; over the scroll bar it waits at home.
    void theCardFollowsThePointer_data() {
        QTest::addColumn<Spot>("spot");
        QTest::addColumn<int>("section");
        QTest::newRow("window background") << Spot::Background << 0;
        QTest::newRow("palette gap") << Spot::PaletteGap << 0;
        QTest::newRow("another palette card") << Spot::PaletteCard << 4;
        QTest::newRow("viewport margin") << Spot::ViewportMargin << 1;
        QTest::newRow("frame of section 0") << Spot::Frame << 0;
        QTest::newRow("frame of section 2") << Spot::Frame << 2;
        QTest::newRow("title of section 3") << Spot::Title << 3;
        QTest::newRow("note of section 1") << Spot::Note << 1;
        QTest::newRow("picture of section 2") << Spot::Picture << 2;
        QTest::newRow("picture of section 4") << Spot::Picture << 4;
        QTest::newRow("placed compound") << Spot::PlacedCard << 3;
        QTest::newRow("coefficient box") << Spot::Box << 4;
    }
    void theCardFollowsThePointer() {
        QFETCH(Spot, spot);
        QFETCH(int, section);
        WindowFixture f;
        const QPointF point = arrange(f, spot, section);
        const model::Blanks before = blanksOf(f);
        f.grab(Water);
        QCOMPARE(f.carried().place, ghostBeside(WindowFixture::pixels(f.onPalette(Water))));
        f.moveTo({6000, 1500});
        // Up and to the left, away from the card the first move left beside the pointer.
        for (QPointF pointer : {point, point - QPointF(100, 50)}) {
            f.moveTo(pointer);
            QVERIFY(f.board.isDragging());
            const WindowFixture::Carried carried = f.carried();
            QCOMPARE(carried.place, ghostBeside(WindowFixture::pixels(pointer)));
            QCOMPARE(carried.compound, int(Water));
            QCOMPARE(f.board.cardsOn(f.worksheet.columnOf(Water)), model::kCardsPerCompound - 1);
        }
        f.releaseAt({6000, 800});
        QCOMPARE(blanksOf(f), before);
        verifySettled(f);
    }

    // Within 180 twips of the client area's edges the drag ends and the card goes home; the
    // release that follows drops nothing. The pixels on either side of each line.
    void theEdgeZoneEndsTheDrag_data() {
        QTest::addColumn<QPoint>("kept");
        QTest::addColumn<QPoint>("ended");
        QTest::newRow("left edge") << QPoint(12, 30) << QPoint(11, 30);
        QTest::newRow("top edge") << QPoint(400, 12) << QPoint(400, 11);
        QTest::newRow("right edge") << QPoint(903, 30) << QPoint(904, 30);
        QTest::newRow("bottom edge") << QPoint(400, 536) << QPoint(400, 537);
        QTest::newRow("out through the top") << QPoint(400, 12) << QPoint(400, -20);
        QTest::newRow("out through the right") << QPoint(903, 300) << QPoint(960, 300);
    }
    void theEdgeZoneEndsTheDrag() {
        QFETCH(QPoint, kept);
        QFETCH(QPoint, ended);
        WindowFixture f;
        f.fill(3, Ethanoic);
        f.showSection(0);
        const model::Blanks before = blanksOf(f);
        f.grab(Water);
        f.moveTo({6000, 800});
        f.moveTo(atPixel(kept.x(), kept.y()));
        QVERIFY(f.board.isDragging());
        // Where the geometry puts the card beside the pointer; near the top its top edge lies
        // above the board.
        QCOMPARE(f.carried().place,
                 content::toPixels(content::ghostAt(atPixel(kept.x(), kept.y()))));

        f.moveTo(atPixel(ended.x(), ended.y()));
        verifySettled(f);
        f.releaseAt(f.onPicture(0, 3000));
        QCOMPARE(blanksOf(f), before);
        verifySettled(f);
    }

    // The dragged card keeps its size wherever the pointer is, up to the edge zone: near the
    // window's top, where its top edge lies above the board, as well as lower down.
    void theDraggedCardKeepsItsSize_data() {
        QTest::addColumn<int>("row");
        for (int row : {12, 13, 14, 15, 16, 300, 536})
            QTest::addRow("pointer on pixel row %d", row) << row;
    }
    void theDraggedCardKeepsItsSize() {
        QFETCH(int, row);
        WindowFixture f;
        f.grab(Water);
        f.moveTo(atPixel(400, row));
        QVERIFY(f.board.isDragging());
        QCOMPARE(f.carried().place.size(), QSize(149, 29));
        f.releaseAt({6000, 800});
    }

    // Over the scroll bar the card waits on its column and the drag goes on; beyond it the card
    // is back beside the pointer and can still be laid into a blank.
    void theScrollBarParksTheCardWithoutEndingTheDrag() {
        WindowFixture f;
        f.showSection(3);
        f.grab(Propanoic);
        f.moveTo({6000, 1500});
        for (double y : {3000.0, 6000.0}) {
            f.moveTo({content::kScrollBar.left + 100, y});
            QVERIFY(f.board.isDragging());
            QVERIFY(f.carried().place.isNull());
            QCOMPARE(f.board.cardsOn(f.worksheet.columnOf(Propanoic)), model::kCardsPerCompound);
            QCOMPARE(f.board.sectionInView(), 3);
        }
        const QPointF over = f.onPicture(6, 3000);
        f.moveTo(over);
        const WindowFixture::Carried carried = f.carried();
        QCOMPARE(carried.place, ghostBeside(WindowFixture::pixels(over)));
        QCOMPARE(carried.compound, int(Propanoic));
        QCOMPARE(f.board.cardsOn(f.worksheet.columnOf(Propanoic)), model::kCardsPerCompound - 1);
        f.releaseAt(over);
        QCOMPARE(f.worksheet.compoundIn(8), int(Propanoic));
        verifySettled(f);
    }

    // A release over anything that takes no compound sends the card back to its column and no
    // blank changes.
    void dropsThatTakeNoCompound_data() {
        QTest::addColumn<Spot>("spot");
        QTest::addColumn<int>("section");
        QTest::addColumn<Target::Kind>("kind");
        QTest::newRow("window background") << Spot::Background << 0 << Target::Kind::Nothing;
        QTest::newRow("palette gap") << Spot::PaletteGap << 4 << Target::Kind::Nothing;
        QTest::newRow("another palette card")
            << Spot::PaletteCard << 0 << Target::Kind::PaletteCard;
        QTest::newRow("viewport margin") << Spot::ViewportMargin << 2 << Target::Kind::Nothing;
        QTest::newRow("frame of section 0") << Spot::Frame << 0 << Target::Kind::Nothing;
        QTest::newRow("frame of section 3") << Spot::Frame << 3 << Target::Kind::Nothing;
        QTest::newRow("title of section 0") << Spot::Title << 0 << Target::Kind::Nothing;
        QTest::newRow("title of section 3") << Spot::Title << 3 << Target::Kind::Nothing;
        QTest::newRow("hidden note of section 4") << Spot::Note << 4 << Target::Kind::Nothing;
        QTest::newRow("scroll bar") << Spot::ScrollBar << 1 << Target::Kind::ScrollBar;
    }
    void dropsThatTakeNoCompound() {
        QFETCH(Spot, spot);
        QFETCH(int, section);
        QFETCH(Target::Kind, kind);
        WindowFixture f;
        f.fill(0, Ethanoic);
        f.fill(7, Water);
        f.fill(14, GeneralAcid);
        const QPointF point = arrange(f, spot, section);
        const Target target = f.board.targetAt(point);
        QCOMPARE(target.kind, kind);
        QCOMPARE(target.blank, model::kNone);
        const model::Blanks before = blanksOf(f);
        f.dropAt(Propanoic, point);
        QCOMPARE(blanksOf(f), before);
        QCOMPARE(f.board.cardsOn(f.worksheet.columnOf(Propanoic)), model::kCardsPerCompound);
        verifySettled(f);
    }

    // A drag the window loses before the release (another window takes the focus, or the
    // release never reaches it and the next move comes with no button held) sends the card
    // home over a blank or a placed compound alike; the release that follows drops nothing.
    void aDragTheWindowLosesSendsTheCardHome_data() {
        QTest::addColumn<bool>("overPlaced");
        QTest::addColumn<bool>("deactivated");
        QTest::newRow("blank, focus lost") << false << true;
        QTest::newRow("blank, release lost") << false << false;
        QTest::newRow("placed compound, focus lost") << true << true;
        QTest::newRow("placed compound, release lost") << true << false;
    }
    void aDragTheWindowLosesSendsTheCardHome() {
        QFETCH(bool, overPlaced);
        QFETCH(bool, deactivated);
        WindowFixture f;
        f.showSection(3);
        if (overPlaced)
            f.fill(6, Ethanoic);
        const QPointF blank = f.onBlank(6);
        const model::Blanks before = blanksOf(f);
        f.grab(Propanoic);
        f.moveTo(blank);
        QVERIFY(f.board.isDragging());
        if (deactivated) {
            QEvent deactivate(QEvent::WindowDeactivate);
            QCoreApplication::sendEvent(f.window.get(), &deactivate);
        } else {
            const QPointF pixel = WindowFixture::pixels(blank);
            QMouseEvent move(QEvent::MouseMove, pixel, f.board.mapToGlobal(pixel), Qt::NoButton,
                             Qt::NoButton, {});
            QCoreApplication::sendEvent(&f.board, &move);
        }
        verifySettled(f);
        QCOMPARE(blanksOf(f), before);
        QTest::mouseRelease(&f.board, Qt::LeftButton, {}, WindowFixture::pixels(blank));
        QCOMPARE(blanksOf(f), before);
        verifySettled(f);
    }

    // Pressing a card and letting go on the spot puts it back.
    void aPressAndReleaseInPlaceReturnsTheCard() {
        WindowFixture f;
        f.fill(5, GeneralAcid);
        const model::Blanks before = blanksOf(f);
        f.grab(Ammonia);
        QVERIFY(f.board.isDragging());
        f.releaseAt(f.onPalette(Ammonia));
        QCOMPARE(blanksOf(f), before);
        verifySettled(f);
    }

    // Only a card on the palette is taken up: a press a pixel beyond a card's edge, in the
    // viewport, or on a column whose cards all lie in blanks starts no drag.
    void onlyAPaletteCardStartsADrag_data() {
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<bool>("drags");
        // Column 0 spans 277.5 to 2512.5 twips across and 232.5 to 667.5 down.
        QTest::newRow("first pixel inside on the left") << QPoint(19, 30) << true;
        QTest::newRow("last pixel outside on the left") << QPoint(18, 30) << false;
        QTest::newRow("last pixel row inside") << QPoint(80, 44) << true;
        QTest::newRow("first pixel row below") << QPoint(80, 45) << false;
        QTest::newRow("first pixel row inside") << QPoint(80, 16) << true;
        QTest::newRow("last pixel row above") << QPoint(80, 15) << false;
        QTest::newRow("inside the viewport") << QPoint(80, 200) << false;
    }
    void onlyAPaletteCardStartsADrag() {
        QFETCH(QPoint, pixel);
        QFETCH(bool, drags);
        WindowFixture f;
        f.worksheet.check();
        f.press(atPixel(pixel.x(), pixel.y()));
        QCOMPARE(f.board.isDragging(), drags);
        if (drags)
            QCOMPARE(f.carried().compound, f.worksheet.compoundInColumn(0));
        // Only a card taken up hides the grade.
        QCOMPARE(f.worksheet.grade().has_value(), !drags);
        f.releaseAt(atPixel(pixel.x(), pixel.y()));
        verifySettled(f);
    }

    // A column whose cards all lie in blanks has none to give.
    void anEmptyColumnGivesNoCard() {
        WindowFixture f;
        for (int blank = 0; blank < model::kBlanks; ++blank)
            QVERIFY(f.worksheet.place(blank, Water));
        QCOMPARE(f.board.cardsOn(f.worksheet.columnOf(Water)), 0);
        QCOMPARE(f.board.targetAt(f.onPalette(Water)).kind, Target::Kind::Nothing);
        f.grab(Water);
        QVERIFY(!f.board.isDragging());
        f.releaseAt(f.onPalette(Water));
        verifySettled(f);
    }

    // Any mouse button takes a card up; the grade and every note go with the press, and the
    // release of that button lays the card down.
    void anyButtonStartsADrag_data() {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::newRow("left") << Qt::LeftButton;
        QTest::newRow("right") << Qt::RightButton;
        QTest::newRow("middle") << Qt::MiddleButton;
    }
    void anyButtonStartsADrag() {
        QFETCH(Qt::MouseButton, button);
        WindowFixture f;
        f.fill(5, GeneralAcid);
        f.worksheet.check();
        QVERIFY(f.worksheet.isNoteShown(2));
        QVERIFY(f.worksheet.grade());
        f.showSection(0);
        f.grab(Ethanoic, button);
        QVERIFY(f.board.isDragging());
        QCOMPARE(f.carried().compound, int(Ethanoic));
        QCOMPARE(f.revealed(), QString());
        const QPointF over = f.onPicture(2, 2000);
        f.moveTo(over);
        QCOMPARE(f.carried().place, ghostBeside(WindowFixture::pixels(over)));
        QTest::mouseRelease(&f.board, button, {}, WindowFixture::pixels(over));
        QCOMPARE(f.worksheet.compoundIn(2), int(Ethanoic));
        verifySettled(f);
    }

    // While a card is dragged the wheel and the keys wait: the section cannot turn under it.
    void theWheelAndKeysWaitWhileACardIsDragged() {
        WindowFixture f;
        showWindow(f);
        QScrollBar* bar = f.board.scrollBar();
        bar->setFocus();
        f.grab(Water);
        f.moveTo({6000, 1500});
        const QPoint onBar = bar->rect().center();
        QWheelEvent wheel(onBar, bar->mapToGlobal(onBar), {}, QPoint(0, -120), Qt::LeftButton, {},
                          Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(bar, &wheel);
        QTest::keyClick(bar, Qt::Key_PageDown);
        QTest::keyClick(bar, Qt::Key_Down);
        QCOMPARE(f.board.sectionInView(), 0);
        QVERIFY(f.board.isDragging());
        f.releaseAt(f.onPicture(1, 9000));
        QCOMPARE(f.worksheet.compoundIn(1), int(Water));
        // Once it is down they work again.
        QTest::keyClick(bar, Qt::Key_PageDown);
        QCOMPARE(f.board.sectionInView(), 1);
        QCoreApplication::sendEvent(bar, &wheel);
        QCOMPARE(f.board.sectionInView(), 2);
    }

    // Escape in the middle of a drag sends the card home at once, as on any desktop; letting go
    // over a blank afterwards puts nothing there.
    void escapeSendsTheDraggedCardHome() {
        WindowFixture f;
        showWindow(f);
        f.box(0);
        f.grab(Water);
        f.moveTo(f.onBlank(0));
        QTest::keyClick(f.window.get(), Qt::Key_Escape);
        verifySettled(f);
        f.releaseAt(f.onBlank(0));
        QCOMPARE(f.worksheet.compoundIn(0), model::kNone);
        verifySettled(f);
    }

    // The wheel turns the sections a notch a section wherever it is over the worksheet: the
    // palette, the white of the viewport, a reaction, a coefficient box.
    void theWheelOverTheWorksheetTurnsTheSections_data() {
        QTest::addColumn<QPointF>("client");
        QTest::newRow("palette") << WindowFixture().onPalette(Water);
        QTest::newRow("viewport") << QPointF(content::kViewport.left + 30, 3000);
        QTest::newRow("reaction") << WindowFixture::onPicture(0, 3000);
        QTest::newRow("coefficient box") << WindowFixture::onBox(0);
    }
    void theWheelOverTheWorksheetTurnsTheSections() {
        QFETCH(QPointF, client);
        WindowFixture f;
        showWindow(f);
        f.fill(0, Ethanoic);
        // As the toolkit hands on a turn of the wheel from the window system: to the widget under
        // the pointer, then to its parents while they leave it.
        const auto turn = [&](int notches) {
            const QPoint at = f.board.mapToGlobal(f.pixelAt(client));
            for (QWidget* w = QApplication::widgetAt(at); w; w = w->parentWidget()) {
                QWheelEvent wheel(w->mapFromGlobal(at), at, {}, QPoint(0, -120 * notches),
                                  Qt::NoButton, {}, Qt::NoScrollPhase, false);
                QCoreApplication::sendEvent(w, &wheel);
                if (wheel.isAccepted())
                    break;
            }
        };
        turn(1);
        QCOMPARE(f.board.sectionInView(), 1);
        f.showSection(0);
        turn(-1);
        QCOMPARE(f.board.sectionInView(), 0);
        turn(1);
        turn(1);
        QCOMPARE(f.board.sectionInView(), 2);
    }

    // The whole road with the mouse as the window system gives it: press a palette card, move
    // across the viewport, let go on the left half of picture 5 over the section's own widget.
    void aRealMouseDragPlacesACard() {
        WindowFixture f;
        showWindow(f);
        f.showSection(3);
        const QPointF over = f.onPicture(5, 3000);
        QCOMPARE(f.window->childAt(inWindow(f, over)), f.board.sectionView(3));
        dragThroughWindow(f, Propanoic, {{3000, 1200}, {4000, 2500}, over});
        QCOMPARE(f.worksheet.compoundIn(6), int(Propanoic));
        QCOMPARE(f.worksheet.compoundIn(7), model::kNone);
        verifySettled(f);
    }
};

QTEST_MAIN(DragTest)
#include "test_drag.moc"
