// The drag itself: the ghost that follows the pointer, the edge zone and the scroll bar, drops
// that take no compound, removal and replacement of placed compounds, hints and the drag start.
#include "assistive/keyboard_placement.h"
#include "dragging/palette.h"
#include "support/window_fixture.h"

#include <QMouseEvent>
#include <QTest>

using model::kCopies;
using model::kSlots;

namespace {

// What lies under the pointer while a card is dragged.
enum class Spot {
    Background,
    Viewport,
    SectionBox,
    Title,
    Note,
    PaletteCard,
    PaletteGap,
    PlacedTwin,
    ViewportTwin,
    Reaction,
    Box,
    ScrollBar
};

// A copy that no test drags: the last ammonia card, far down its stack.
constexpr int kStray = 89;

constexpr float kGhostRight = 60;
constexpr float kHalfCard = 217.5f;

// Where a picture lies when the pointer is at `pointer` in the picture's own container.
QPointF ghostFor(QPointF pointer) {
    return pointer + QPointF(kGhostRight, -kHalfCard);
}

// Empty when `copy` shows in `slot` only: its twin there in view, the card and the viewport twin
// out of sight beside their containers, the twins of the other sections parked.
QString awayFromSlot(const WindowFixture& f, int copy, int slot) {
    const int section = model::sectionOfBlank(slot);
    const auto& card = f.ui.ImgMolecular(copy);
    if (at(card) != kAside)
        return where(card);
    const auto& viewportTwin = f.ui.ImgMolecular00(copy);
    if (at(viewportTwin) != kAside)
        return where(viewportTwin);
    for (int s = 0; s < 5; ++s) {
        const auto& twin = f.ui.ImgMolecularOfSection(s, copy);
        if (s == section ? !(twin.top() > 0) : twin.top() != kParkedTop)
            return where(twin);
    }
    return {};
}

void verifyHome(const WindowFixture& f, int copy) {
    const QString away = f.awayFromHome(copy);
    QVERIFY2(away.isEmpty(), qPrintable(QString("copy %1 not home: %2").arg(copy).arg(away)));
}

// Once a drag is over nothing is left half-way: every copy lies in exactly one slot or is home.
void verifyEveryCopyPlacedOrHome(const WindowFixture& f) {
    QVERIFY(!f.ui.Form1.router().isDragging());
    for (int copy = 0; copy < kCopies; ++copy) {
        QList<int> holders;
        for (int s = 0; s < kSlots; ++s) {
            if (f.model.SlotTable[s].Placed == copy)
                holders.append(s);
        }
        QVERIFY2(holders.size() <= 1,
                 qPrintable(QString("copy %1 lies in %2 slots").arg(copy).arg(holders.size())));
        const QString away =
            holders.isEmpty() ? f.awayFromHome(copy) : awayFromSlot(f, copy, holders.front());
        QVERIFY2(away.isEmpty(),
                 qPrintable(QString("copy %1 (%2): %3")
                                .arg(copy)
                                .arg(holders.isEmpty() ? QString("home")
                                                       : QString("slot %1").arg(holders.front()))
                                .arg(away)));
    }
}

void showGradeAndNotes(WindowFixture& f) {
    f.ui.LGrade.setVisible(true);
    for (int s = 0; s < 5; ++s)
        f.ui.Label1(s).setVisible(true);
}

QPointF pressPoint(const WindowFixture& f, int compound) {
    return {kPaletteLefts[(*f.model.PaletteColumn)[compound]] + 1000, kPaletteTop + 200};
}

// A viewport twin of a copy that is not dragged, moved by hand into the margin above section 0.
controls::Control& strayViewportTwin(WindowFixture& f) {
    auto& twin = f.ui.ImgMolecular00(kStray);
    twin.setLeft(5000);
    twin.setTop(200);
    return twin;
}

void parkStrayViewportTwin(WindowFixture& f) {
    auto& twin = f.ui.ImgMolecular00(kStray);
    twin.setLeft(parkedViewportLeft((*f.model.PaletteColumn)[kStray % 5]));
    twin.setTop(kParkedTop);
}

// A section twin in view that no slot records, as a drag ending nowhere could leave one.
controls::Control& straySectionTwin(WindowFixture& f, int section) {
    auto& twin = f.ui.ImgMolecularOfSection(section, kStray);
    twin.setLeft(300);
    twin.setTop(100);
    return twin;
}

constexpr std::array<int, 5> kFirstPicture{0, 3, 4, 5, 8};

struct Target {
    QPointF point;
    const controls::Control* under;
};

Target over(const controls::Control& control, QPointF local) {
    return {WindowFixture::inClient(control, local), &control};
}

// Puts whatever `spot` needs on the worksheet and shows `section`; returns a point over the spot
// in the client area and the control that lies there. Notes stay hidden here: a drag start
// would hide them again.
Target arrange(WindowFixture& f, Spot spot, int section) {
    switch (spot) {
    case Spot::PlacedTwin: {
        const int copy = f.fill(kFirstPicture[section], 0, Ethanoic);
        return over(f.ui.ImgMolecularOfSection(section, copy), {1000, 200});
    }
    case Spot::Box: {
        const int picture = kFirstPicture[section];
        f.fill(picture, 0, Ethanoic);
        if (section == 4)
            f.fill(picture, 1, Ammonia);
        return over(f.ui.tCoefficient(section == 0 ? 1 : 9), {200, 150});
    }
    default:
        break;
    }
    f.showSection(section);
    switch (spot) {
    case Spot::Background:
        return {{6000, 800}, &f.ui.Form1};
    case Spot::Viewport:
        return over(f.ui.PicContainer, {6000, f.ui.Pic(section).top() - 300});
    case Spot::SectionBox:
        return over(f.ui.Pic(section), {11500, 600});
    case Spot::Title:
        return over(f.ui.cTitle(section), {1000, 200});
    case Spot::Note:
        return over(f.ui.Label1(section), {3000, 200});
    case Spot::PaletteCard:
        return over(f.ui.ImgMolecular(f.frontCopy(Ethanoic)), {1800, 250});
    case Spot::PaletteGap:
        return {{kPaletteLefts[1] - 80, 450}, &f.ui.Form1};
    case Spot::ViewportTwin:
        return over(strayViewportTwin(f), {1000, 200});
    case Spot::Reaction:
        return over(f.ui.ImgSyntactic(kFirstPicture[section]), {3000, 555});
    case Spot::ScrollBar:
        return over(f.ui.VScroll1, {100, 3000});
    default:
        return {};
    }
}

const controls::Control* underPointer(WindowFixture& f, QPointF client) {
    return f.ui.Form1.hitTest(client).control;
}

} // namespace

Q_DECLARE_METATYPE(Spot)

class DraggingTest : public QObject {
    Q_OBJECT

private slots:
    // Which pictures of the dragged copy each control under the pointer moves, and where: two
    // moves over the same control, so that the second reaches that control's handler alone.
    void eachControlMovesItsShareOfTheGhost_data() {
        QTest::addColumn<Spot>("spot");
        QTest::addColumn<int>("section");
        QTest::addColumn<bool>("card");
        QTest::addColumn<bool>("viewportTwin");
        QTest::addColumn<bool>("sectionTwin");
        QTest::newRow("window background") << Spot::Background << 0 << true << true << true;
        QTest::newRow("viewport margin") << Spot::Viewport << 1 << true << true << true;
        QTest::newRow("box of section 0") << Spot::SectionBox << 0 << true << true << true;
        QTest::newRow("box of section 2") << Spot::SectionBox << 2 << true << true << true;
        QTest::newRow("title of section 0") << Spot::Title << 0 << true << true << true;
        QTest::newRow("title of section 3") << Spot::Title << 3 << true << true << true;
        QTest::newRow("note of section 1") << Spot::Note << 1 << true << true << true;
        QTest::newRow("another palette card") << Spot::PaletteCard << 4 << true << false << false;
        QTest::newRow("placed twin") << Spot::PlacedTwin << 3 << false << false << true;
        QTest::newRow("stray viewport twin") << Spot::ViewportTwin << 0 << false << true << false;
        QTest::newRow("reaction of section 2") << Spot::Reaction << 2 << true << true << true;
        QTest::newRow("reaction of section 4") << Spot::Reaction << 4 << true << true << true;
        QTest::newRow("box of section 0's reaction") << Spot::Box << 0 << true << true << true;
        QTest::newRow("box of section 4's reaction") << Spot::Box << 4 << true << true << true;
    }
    void eachControlMovesItsShareOfTheGhost() {
        QFETCH(Spot, spot);
        QFETCH(int, section);
        QFETCH(bool, card);
        QFETCH(bool, viewportTwin);
        QFETCH(bool, sectionTwin);
        WindowFixture f;
        const Target target = arrange(f, spot, section);
        const int copy = f.grab(Water);
        if (spot == Spot::Note)
            f.ui.Label1(section).setVisible(true);
        f.moveTo(target.point);
        const auto pictures = f.ui.picturesOf(copy);
        std::array<QPointF, 7> before;
        for (int i = 0; i < 7; ++i)
            before[i] = at(*pictures[i]);

        // Up and to the left, off the ghost the first move left beside the pointer.
        const QPointF pointer = target.point - QPointF(100, 50);
        QCOMPARE(underPointer(f, pointer), target.under);
        f.moveTo(pointer);
        QVERIFY(f.router().isDragging());
        QCOMPARE(at(*pictures[0]), card ? ghostFor(pointer) : before[0]);
        QCOMPARE(at(*pictures[1]),
                 viewportTwin ? ghostFor(pointer - f.ui.PicContainer.originInForm()) : before[1]);
        for (int s = 0; s < 5; ++s) {
            const auto& twin = *pictures[2 + s];
            if (s != section)
                QCOMPARE(twin.top(), kParkedTop);
            else if (sectionTwin)
                QCOMPARE(at(twin), ghostFor(pointer - f.ui.Pic(s).originInForm()));
            else
                QCOMPARE(at(twin), before[2 + s]);
        }

        f.releaseAt(pointer);
        if (spot == Spot::ViewportTwin)
            parkStrayViewportTwin(f);
        verifyEveryCopyPlacedOrHome(f);
    }

    // The scroll bar parks the ghost at every drag-over but keeps the drag; beyond it the ghost
    // is back beside the pointer and can still be laid into a blank.
    void theScrollBarParksTheGhostWithoutEndingTheDrag() {
        WindowFixture f;
        f.showSection(3);
        const int copy = f.grab(Propanoic);
        f.moveTo({6000, 1500});
        for (float y : {3000.0f, 4000.0f}) {
            f.moveTo(f.inClient(f.ui.VScroll1, {100, y}));
            QVERIFY(f.router().isDragging());
            verifyHome(f, copy);
        }
        const QPointF over = f.onPicture(6, 3000);
        f.moveTo(over);
        QCOMPARE(at(f.ui.ImgMolecular(copy)), ghostFor(over));
        QCOMPARE(at(f.ui.ImgMolecular00(copy)), ghostFor(over - f.ui.PicContainer.originInForm()));
        QCOMPARE(at(f.ui.ImgMolecularOfSection(3, copy)),
                 ghostFor(over - f.ui.Pic(3).originInForm()));
        f.releaseAt(over);
        QCOMPARE(f.model.SlotTable[8].Placed, std::int16_t(copy));
        verifyEveryCopyPlacedOrHome(f);
    }

    // Within 180 twips of the client area's edges the drag ends and the copy goes home; the
    // release that follows drops nothing.
    void theEdgeZoneEndsTheDrag_data() {
        QTest::addColumn<QPointF>("kept");
        QTest::addColumn<QPointF>("ended");
        QTest::newRow("left edge") << QPointF(180, 500) << QPointF(179, 500);
        QTest::newRow("top edge") << QPointF(6000, 180) << QPointF(6000, 179);
        QTest::newRow("right edge") << QPointF(13545, 500) << QPointF(13546, 500);
        QTest::newRow("bottom edge") << QPointF(6000, 8040) << QPointF(6000, 8041);
        QTest::newRow("out through the top") << QPointF(6000, 180) << QPointF(6000, -300);
    }
    void theEdgeZoneEndsTheDrag() {
        QFETCH(QPointF, kept);
        QFETCH(QPointF, ended);
        WindowFixture f;
        f.fill(3, 0, Ethanoic);
        f.showSection(0);
        const auto placed = f.placedCopies();
        const int copy = f.grab(Water);
        f.moveTo({6000, 800});
        QCOMPARE(underPointer(f, kept), &f.ui.Form1);
        f.moveTo(kept);
        QVERIFY(f.router().isDragging());
        QCOMPARE(at(f.ui.ImgMolecular(copy)), ghostFor(kept));
        QCOMPARE(at(f.ui.ImgMolecularOfSection(0, copy)),
                 ghostFor(kept - f.ui.Pic(0).originInForm()));

        f.moveTo(ended);
        QVERIFY(!f.router().isDragging());
        verifyHome(f, copy);
        f.releaseAt(f.onPicture(0, 3000));
        QCOMPARE(f.placedCopies(), placed);
        verifyEveryCopyPlacedOrHome(f);
    }

    // A release over anything that takes no compound sends the card back to its column, in
    // front of its stack, and no slot changes.
    void dropsThatTakeNoCompound_data() {
        QTest::addColumn<Spot>("spot");
        QTest::addColumn<int>("section");
        QTest::newRow("window background") << Spot::Background << 0;
        QTest::newRow("palette strip between cards") << Spot::PaletteGap << 4;
        QTest::newRow("viewport margin") << Spot::Viewport << 2;
        QTest::newRow("empty area of section 0") << Spot::SectionBox << 0;
        QTest::newRow("empty area of section 3") << Spot::SectionBox << 3;
        QTest::newRow("title of section 0") << Spot::Title << 0;
        QTest::newRow("title of section 3") << Spot::Title << 3;
        QTest::newRow("scroll bar") << Spot::ScrollBar << 1;
    }
    void dropsThatTakeNoCompound() {
        QFETCH(Spot, spot);
        QFETCH(int, section);
        WindowFixture f;
        f.fill(0, 0, Ethanoic);
        f.fill(5, 1, Water);
        f.fill(9, 0, GeneralAcid);
        const Target target = arrange(f, spot, section);
        QCOMPARE(underPointer(f, target.point), target.under);
        const auto placed = f.placedCopies();
        const int copy = f.dropAt(Propanoic, target.point);
        QCOMPARE(f.placedCopies(), placed);
        verifyHome(f, copy);
        QCOMPARE(f.frontCopy(Propanoic), copy);
        verifyEveryCopyPlacedOrHome(f);
    }

    // A drag the window loses before the release (another window takes the focus, or the
    // release never reaches it) ends as a drop on the background: over a blank or a placed
    // compound alike, the card goes home and no slot changes.
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
            f.fill(5, 0, Ethanoic);
        const QPointF blank = assistive::blankCentre(f.ws, 6);
        const auto placed = f.placedCopies();
        const int copy = f.grab(Propanoic);
        f.moveTo(blank);
        QWidget* widget = f.ui.Form1.widget();
        if (deactivated) {
            QEvent deactivate(QEvent::WindowDeactivate);
            QCoreApplication::sendEvent(f.window.get(), &deactivate);
        } else {
            const QPointF pixel = blank / f.ui.Form1.twipsPerPixel();
            QMouseEvent move(QEvent::MouseMove, pixel, widget->mapToGlobal(pixel), Qt::NoButton,
                             Qt::NoButton, {});
            QCoreApplication::sendEvent(widget, &move);
        }
        QCOMPARE(f.placedCopies(), placed);
        verifyHome(f, copy);
        verifyEveryCopyPlacedOrHome(f);
    }

    // Pressing a card and letting go on the spot puts it back.
    void aPressAndReleaseInPlaceReturnsTheCard() {
        WindowFixture f;
        f.fill(4, 0, GeneralAcid);
        const auto placed = f.placedCopies();
        const int copy = f.grab(Ammonia);
        f.router().release(pressPoint(f, Ammonia), Qt::LeftButton);
        QCOMPARE(f.placedCopies(), placed);
        verifyHome(f, copy);
        verifyEveryCopyPlacedOrHome(f);
    }

    // A double-click takes a placed compound out; only the boxes of sections 0 and 4 forget
    // their coefficients, for the whole reaction the compound left.
    void aDoubleClickRemovesAPlacedCompound_data() {
        QTest::addColumn<int>("picture");
        QTest::addColumn<int>("blank");
        QTest::addColumn<int>("slot");
        QTest::addColumn<QList<int>>("forgotten");
        QTest::newRow("section 0") << 0 << 0 << 0 << QList<int>{0, 1};
        QTest::newRow("section 1, right blank") << 3 << 1 << 4 << QList<int>{};
        QTest::newRow("section 2") << 4 << 0 << 5 << QList<int>{};
        QTest::newRow("section 3") << 6 << 1 << 9 << QList<int>{};
        QTest::newRow("section 4, left blank") << 8 << 0 << 12 << QList<int>{8, 9, 10, 11};
        QTest::newRow("section 4, right blank") << 8 << 1 << 13 << QList<int>{8, 9, 10, 11};
    }
    void aDoubleClickRemovesAPlacedCompound() {
        QFETCH(int, picture);
        QFETCH(int, blank);
        QFETCH(int, slot);
        QFETCH(QList<int>, forgotten);
        WindowFixture f;
        f.fill(0, 0, Ethanoic);
        f.fill(1, 0, Ethanoic);
        f.fill(3, 0, Ethanoic);
        f.fill(8, 0, Ethanoic);
        f.fill(8, 1, Ammonia);
        const int copy = f.fill(picture, blank, Water);
        const int section = model::sectionOfReaction(picture);
        for (int b = 0; b < 20; ++b) {
            if (f.ui.tCoefficient(b).isVisible())
                f.ui.tCoefficient(b).setText(QString::number(b + 2));
        }
        std::array<std::pair<bool, QString>, 20> boxes;
        for (int b = 0; b < 20; ++b)
            boxes[b] = {f.ui.tCoefficient(b).isVisible(), f.ui.tCoefficient(b).text()};
        showGradeAndNotes(f);
        auto placed = f.placedCopies();

        const QPointF point = f.inClient(f.ui.ImgMolecularOfSection(section, copy), {1000, 200});
        QCOMPARE(underPointer(f, point), &f.ui.ImgMolecularOfSection(section, copy));
        f.router().doubleClick(point, Qt::LeftButton);
        placed[slot] = model::kEmpty;
        QCOMPARE(f.placedCopies(), placed);
        verifyHome(f, copy);
        QVERIFY(!f.ui.LGrade.isVisible());
        for (int s = 0; s < 5; ++s)
            QCOMPARE(f.ui.Label1(s).isVisible(), s != section);
        for (int b = 0; b < 20; ++b) {
            const auto& box = f.ui.tCoefficient(b);
            if (forgotten.contains(b)) {
                QVERIFY(!box.isVisible());
                QCOMPARE(box.text(), QString());
            } else {
                QCOMPARE(box.isVisible(), boxes[b].first);
                QCOMPARE(box.text(), boxes[b].second);
            }
        }
        verifyEveryCopyPlacedOrHome(f);
    }

    // A card dropped on a placed compound takes its blank, exactly where it lay; the card of
    // the old one is back on the palette, and the new card and its viewport twin out of sight.
    void aDropOnAPlacedCompoundReplacesIt_data() {
        QTest::addColumn<int>("picture");
        QTest::addColumn<int>("blank");
        QTest::addColumn<int>("slot");
        for (int picture = 5; picture <= 7; ++picture) {
            for (int blank = 0; blank < 2; ++blank) {
                const int slot = 2 * picture - 4 + blank;
                QTest::addRow("slot %d", slot) << picture << blank << slot;
            }
        }
    }
    void aDropOnAPlacedCompoundReplacesIt() {
        QFETCH(int, picture);
        QFETCH(int, blank);
        QFETCH(int, slot);
        WindowFixture f;
        f.fill(5, 1 - blank, GeneralAcid);
        const int old = f.fill(picture, blank, Ethanoic);
        const QPointF oldPlace = at(f.ui.ImgMolecularOfSection(3, old));
        auto placed = f.placedCopies();

        const QPointF point = f.inClient(f.ui.ImgMolecularOfSection(3, old), {1000, 200});
        QCOMPARE(underPointer(f, point), &f.ui.ImgMolecularOfSection(3, old));
        const int copy = f.dropAt(Propanoic, point);
        placed[slot] = std::int16_t(copy);
        QCOMPARE(f.placedCopies(), placed);
        QCOMPARE(at(f.ui.ImgMolecularOfSection(3, copy)), oldPlace);
        verifyHome(f, old);
        QCOMPARE(f.frontCopy(Ethanoic), old);
        QCOMPARE(at(f.ui.ImgMolecular(copy)), kAside);
        QCOMPARE(at(f.ui.ImgMolecular00(copy)), kAside);
        verifyEveryCopyPlacedOrHome(f);
    }

    // Hovering tells how a card is moved, and how a placed compound is taken out.
    void hintsFollowThePointer() {
        WindowFixture f;
        const int card = f.frontCopy(GeneralAcid);
        f.ui.ImgMolecular(card).setToolTip({});
        f.router().move(pressPoint(f, GeneralAcid), Qt::NoButton);
        QCOMPARE(f.ui.ImgMolecular(card).toolTip(),
                 QStringLiteral("η μεταφορά ξεκινάει με πατημένο κλικ"));

        const int placed = f.fill(3, 0, Ethanoic);
        auto& twin = f.ui.ImgMolecularOfSection(1, placed);
        twin.setToolTip({});
        f.router().move(f.inClient(twin, {800, 200}), Qt::NoButton);
        QCOMPARE(twin.toolTip(), QStringLiteral("αφαιρέστε το με διπλό κλικ"));
    }

    // Only a card on the palette can be picked up; level with the viewport's top it still is.
    void aCardBelowThePaletteCannotBePickedUp_data() {
        QTest::addColumn<float>("belowViewportTop");
        QTest::addColumn<bool>("drags");
        QTest::newRow("level with the viewport") << 0.0f << true;
        QTest::newRow("half a twip below") << 0.5f << false;
        QTest::newRow("inside the viewport") << 2000.0f << false;
    }
    void aCardBelowThePaletteCannotBePickedUp() {
        QFETCH(float, belowViewportTop);
        QFETCH(bool, drags);
        WindowFixture f;
        const int last = f.dropAt(Propanoic, {6000, 800});
        const int copy = f.frontCopy(Water);
        auto& card = f.ui.ImgMolecular(copy);
        card.setTop(f.ui.PicContainer.top() + belowViewportTop);
        showGradeAndNotes(f);
        f.router().move({6000, 800}, Qt::NoButton);

        dragging::startDrag(f.ws, copy);
        QCOMPARE(f.router().isDragging(), drags);
        QCOMPARE(f.model.DraggedCopy, std::int16_t(drags ? copy : last));
        QCOMPARE(f.ui.LGrade.isVisible(), !drags);
        for (int s = 0; s < 5; ++s)
            QCOMPARE(f.ui.Label1(s).isVisible(), !drags);
        if (drags)
            f.router().endDrag();
        else
            card.setTop(kPaletteTop);
        verifyEveryCopyPlacedOrHome(f);
    }

    // Either button picks a card up, and the grade and every note disappear with the press.
    void anyButtonStartsADrag_data() {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::newRow("left") << Qt::LeftButton;
        QTest::newRow("right") << Qt::RightButton;
    }
    void anyButtonStartsADrag() {
        QFETCH(Qt::MouseButton, button);
        WindowFixture f;
        showGradeAndNotes(f);
        const int copy = f.grab(Ethanoic, button);
        QVERIFY(f.router().isDragging());
        QCOMPARE(f.router().dragSource(), &f.ui.ImgMolecular(copy));
        QCOMPARE(f.model.DraggedCopy, std::int16_t(copy));
        QVERIFY(!f.ui.LGrade.isVisible());
        for (int s = 0; s < 5; ++s)
            QVERIFY(!f.ui.Label1(s).isVisible());
        const QPointF over = f.onPicture(2, 2000);
        f.router().move(over, button);
        f.router().release(over, button);
        QCOMPARE(f.model.SlotTable[2].Placed, std::int16_t(copy));
        verifyEveryCopyPlacedOrHome(f);
    }

    // A viewport twin takes no compound, so a card released on one goes home.
    void aDropOnAViewportTwinSendsTheCardHome() {
        WindowFixture f;
        f.fill(0, 0, Ethanoic);
        const auto placed = f.placedCopies();
        const auto& stray = strayViewportTwin(f);
        const QPointF point = f.inClient(stray, {1000, 200});
        QCOMPARE(underPointer(f, point), &stray);
        const int copy = f.dropAt(Water, point);
        QCOMPARE(f.placedCopies(), placed);
        verifyHome(f, copy);
        QCOMPARE(at(stray), QPointF(5000, 200));
        parkStrayViewportTwin(f);
        verifyEveryCopyPlacedOrHome(f);
    }

    // A twin in view that no slot records goes home when double-clicked or dropped on, taking
    // the grade and its section's note with it; no slot changes, and a dropped card goes home.
    void aStraySectionTwinGoesHome_data() {
        QTest::addColumn<int>("section");
        QTest::addColumn<bool>("byDrop");
        for (int section = 0; section < 5; ++section) {
            QTest::addRow("double-click in section %d", section) << section << false;
            QTest::addRow("drop in section %d", section) << section << true;
        }
    }
    void aStraySectionTwinGoesHome() {
        QFETCH(int, section);
        QFETCH(bool, byDrop);
        WindowFixture f;
        f.fill(kFirstPicture[section], 0, Ethanoic);
        const auto placed = f.placedCopies();
        const auto& stray = straySectionTwin(f, section);
        const QPointF point = f.inClient(stray, {1000, 200});
        QCOMPARE(underPointer(f, point), &stray);
        int copy = -1;
        if (byDrop) {
            copy = f.grab(Propanoic);
            f.moveTo({6000, 800});
        }
        f.ui.LGrade.setVisible(true);
        f.ui.Label1(section).setVisible(true);

        if (byDrop)
            f.releaseAt(point);
        else
            f.router().doubleClick(point, Qt::LeftButton);
        QCOMPARE(f.placedCopies(), placed);
        verifyHome(f, kStray);
        if (byDrop)
            verifyHome(f, copy);
        QVERIFY(!f.ui.LGrade.isVisible());
        QVERIFY(!f.ui.Label1(section).isVisible());
        verifyEveryCopyPlacedOrHome(f);
    }
};

QTEST_MAIN(DraggingTest)
#include "test_dragging.moc"
