// Dropping cards onto reaction pictures and coefficient boxes, and the boxes they show.
#include "content/drawings.h"
#include "support/window_fixture.h"

#include <QTest>

namespace {

void verifyAside(const WindowFixture& f, int copy) {
    QCOMPARE(at(f.ui.ImgMolecular(copy)), kAside);
    QCOMPARE(at(f.ui.ImgMolecular00(copy)), kAside);
}

std::vector<int> shownBoxes(const WindowFixture& f) {
    std::vector<int> shown;
    for (int b = 0; b < 20; ++b) {
        if (f.ui.tCoefficient(b).isVisible())
            shown.push_back(b);
    }
    return shown;
}

} // namespace

class DropsTest : public QObject {
    Q_OBJECT

private slots:
    // Each picture, its split line to the twip: the slot chosen and where the twin lies.
    void dropOnAReactionPicture_data() {
        QTest::addColumn<int>("picture");
        QTest::addColumn<float>("x");
        QTest::addColumn<int>("slot");
        QTest::addColumn<float>("twinLeft");
        QTest::addColumn<float>("twinTop");
        QTest::newRow("picture 0") << 0 << 100.0f << 0 << 8010.0f << 902.5f;
        QTest::newRow("picture 1") << 1 << 9000.0f << 1 << 7950.0f << 2042.5f;
        QTest::newRow("picture 2") << 2 << 4000.0f << 2 << 7950.0f << 3182.5f;
        QTest::newRow("picture 3, a twip left") << 3 << 9179.0f << 3 << 6635.0f << 422.5f;
        QTest::newRow("picture 3, on the split") << 3 << 9180.0f << 4 << 9780.0f << 422.5f;
        QTest::newRow("picture 4") << 4 << 50.0f << 5 << 7410.0f << 422.5f;
        QTest::newRow("picture 5, a tenth left") << 5 << 6899.9f << 6 << 5685.0f << 902.5f;
        QTest::newRow("picture 5, on the split") << 5 << 6900.0f << 7 << 8255.0f << 902.5f;
        QTest::newRow("picture 6, a twip left") << 6 << 6899.0f << 8 << 5685.0f << 2042.5f;
        QTest::newRow("picture 6, on the split") << 6 << 6900.0f << 9 << 8255.0f << 2042.5f;
        QTest::newRow("picture 7, left") << 7 << 1000.0f << 10 << 5685.0f << 3182.5f;
        QTest::newRow("picture 7, on the split") << 7 << 6900.0f << 11 << 8255.0f << 3182.5f;
        QTest::newRow("picture 8, a twip left") << 8 << 8939.0f << 12 << 6645.0f << 602.5f;
        QTest::newRow("picture 8, on the split") << 8 << 8940.0f << 13 << 9770.0f << 602.5f;
        QTest::newRow("picture 9, a tenth left") << 9 << 8939.9f << 14 << 6645.0f << 1742.5f;
        QTest::newRow("picture 9, on the split") << 9 << 8940.0f << 15 << 9770.0f << 1742.5f;
        QTest::newRow("picture 10, left") << 10 << 300.0f << 16 << 6645.0f << 2882.5f;
        QTest::newRow("picture 10, on the split") << 10 << 8940.0f << 17 << 9770.0f << 2882.5f;
    }
    void dropOnAReactionPicture() {
        QFETCH(int, picture);
        QFETCH(float, x);
        QFETCH(int, slot);
        QFETCH(float, twinLeft);
        QFETCH(float, twinTop);
        WindowFixture f;
        const int section = model::sectionOfReaction(picture);
        f.showSection(section);
        // Water goes in as readily as the right compound: the check judges, not the drop.
        const int copy = f.dropAt(0, f.onPicture(picture, x, 100));
        QCOMPARE(copy, 0);
        QCOMPARE(f.model.SlotTable[slot].Placed, std::int16_t(copy));
        for (int other = 0; other < 18; ++other) {
            if (other != slot)
                QCOMPARE(f.model.SlotTable[other].Placed, std::int16_t(-1));
        }
        const auto& twin = f.ui.ImgMolecularOfSection(section, copy);
        QCOMPARE(twin.left(), twinLeft);
        QCOMPARE(twin.top(), twinTop);
        verifyAside(f, copy);
        // The next card of the stack is in front now, ready to be grabbed.
        QCOMPARE(f.frontCopy(0), 5);
        // The height of the drop inside the picture never matters.
        f.dropAt(1, f.onPicture(picture, x, 1000));
        QCOMPARE(f.model.SlotTable[slot].Placed, std::int16_t(1));
    }

    // A card laid on a slot covers the green blank of the drawing completely.
    void aPlacedCardCoversItsBlank_data() {
        QTest::addColumn<int>("picture");
        QTest::addColumn<int>("blank");
        for (int p = 0; p < 11; ++p) {
            const int blanks = (p <= 2 || p == 4) ? 1 : 2;
            for (int b = 0; b < blanks; ++b)
                QTest::addRow("picture %d blank %d", p, b) << p << b;
        }
    }
    void aPlacedCardCoversItsBlank() {
        QFETCH(int, picture);
        QFETCH(int, blank);
        WindowFixture f;
        const int copy = f.fill(picture, blank, 2);
        const auto& p = f.ui.ImgSyntactic(picture);
        const QRectF logical = content::reactionSlotRect(picture, blank);
        const double sx = p.width() / 16000.0;
        const double sy = p.height() / content::reactionDrawing(picture).logicalSize().height();
        const QRectF slot(p.left() + logical.left() * sx, p.top() + logical.top() * sy,
                          logical.width() * sx, logical.height() * sy);
        const auto& twin = f.ui.ImgMolecularOfSection(model::sectionOfReaction(picture), copy);
        QVERIFY2(twin.rect().contains(slot),
                 qPrintable(QString("slot %1,%2 %3x%4 twin %5,%6")
                                .arg(slot.left())
                                .arg(slot.top())
                                .arg(slot.width())
                                .arg(slot.height())
                                .arg(twin.left())
                                .arg(twin.top())));
    }

    // A second card on a filled blank sends the first one home; shown boxes keep their texts.
    void aDropDisplacesTheCompoundInTheBlank() {
        WindowFixture f;
        const int first = f.fill(0, 0, 1);
        QCOMPARE(shownBoxes(f), (std::vector<int>{0, 1}));
        f.ui.tCoefficient(0).setText("2");
        const int second = f.fill(0, 0, 3);
        QCOMPARE(f.model.SlotTable[0].Placed, std::int16_t(second));
        QCOMPARE(f.awayFromHome(first), QString());
        QCOMPARE(f.frontCopy(1), first);
        QCOMPARE(shownBoxes(f), (std::vector<int>{0, 1}));
        QCOMPARE(f.ui.tCoefficient(0).text(), QString("2"));
    }

    // Boxes appear once every blank of the reaction is filled, in either order.
    void boxesAppearWhenAReactionIsComplete_data() {
        QTest::addColumn<int>("firstBlank");
        QTest::newRow("left first") << 0;
        QTest::newRow("right first") << 1;
    }
    void boxesAppearWhenAReactionIsComplete() {
        QFETCH(int, firstBlank);
        WindowFixture f;
        f.fill(9, firstBlank, 2);
        QVERIFY(shownBoxes(f).empty());
        f.fill(9, 1 - firstBlank, 4);
        QCOMPARE(shownBoxes(f), (std::vector<int>{12, 13, 14, 15}));
        // Sections without coefficients never show any.
        f.fill(3, 0, 1);
        f.fill(3, 1, 0);
        f.fill(6, 0, 2);
        f.fill(6, 1, 0);
        QCOMPARE(shownBoxes(f), (std::vector<int>{12, 13, 14, 15}));
    }

    // A box stands for a fixed blank; the box's text is left alone.
    void dropOnACoefficientBox() {
        WindowFixture f;
        const int acid = f.fill(8, 0, 1);
        const int ammonia = f.fill(8, 1, 4);
        for (int b = 8; b < 12; ++b)
            f.ui.tCoefficient(b).setText(QString::number(b));
        const int propanoic = f.dropAt(2, f.inClient(f.ui.tCoefficient(9), {10, 10}));
        QCOMPARE(f.model.SlotTable[12].Placed, std::int16_t(propanoic));
        QCOMPARE(f.model.SlotTable[13].Placed, std::int16_t(ammonia));
        QCOMPARE(f.awayFromHome(acid), QString());
        verifyAside(f, propanoic);
        QCOMPARE(f.ui.ImgMolecularOfSection(4, propanoic).left(), 6645.0f);
        QCOMPARE(f.ui.ImgMolecularOfSection(4, propanoic).top(), 602.5f);
        for (int b = 8; b < 12; ++b) {
            QVERIFY(f.ui.tCoefficient(b).isVisible());
            QCOMPARE(f.ui.tCoefficient(b).text(), QString::number(b));
        }

        const int water = f.dropAt(0, f.inClient(f.ui.tCoefficient(11), {400, 300}));
        QCOMPARE(f.model.SlotTable[13].Placed, std::int16_t(water));
        QCOMPARE(f.ui.ImgMolecularOfSection(4, water).left(), 9770.0f);
        QCOMPARE(f.ui.ImgMolecularOfSection(4, water).top(), 602.5f);
    }

    // A drop on a box of section 0 fills that reaction's only blank, as the picture would.
    void dropOnASectionZeroBox() {
        WindowFixture f;
        f.fill(1, 0, 1);
        const int copy = f.dropAt(3, f.inClient(f.ui.tCoefficient(3), {5, 5}));
        QCOMPARE(f.model.SlotTable[1].Placed, std::int16_t(copy));
        QCOMPARE(f.ui.ImgMolecularOfSection(0, copy).left(), 7950.0f);
        QCOMPARE(f.ui.ImgMolecularOfSection(0, copy).top(), 2042.5f);
    }

    // A drop on a section-4 box shows the boxes of every complete reaction there again.
    void aSectionFourBoxDropShowsEveryCompleteReaction() {
        WindowFixture f;
        f.fill(8, 0, 1);
        f.fill(8, 1, 4);
        f.fill(10, 0, 3);
        f.fill(10, 1, 4);
        f.fill(9, 0, 2);
        for (int b : {16, 17, 18, 19})
            f.ui.tCoefficient(b).setVisible(false);
        f.dropAt(0, f.inClient(f.ui.tCoefficient(10), {100, 100}));
        QCOMPARE(shownBoxes(f), (std::vector<int>{8, 9, 10, 11, 16, 17, 18, 19}));
    }

    // The whole road with real mouse events: press a palette card, move across the viewport,
    // release on the left half of picture 5.
    void aRealMouseDragPlacesACard() {
        WindowFixture f;
        f.showSection(3);
        f.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        QWidget* formWidget = f.ui.Form1.widget();
        const auto pixel = [](QPointF twips) { return (twips / 15).toPoint(); };
        const int copy = f.frontCopy(2);
        const float left = kPaletteLefts[(*f.model.PaletteColumn)[2]];
        QTest::mousePress(formWidget, Qt::LeftButton, {}, pixel({left + 900, 450}));
        QVERIFY(f.router().isDragging());
        for (QPointF p : {QPointF(3000, 1200), QPointF(4000, 2500), f.onPicture(5, 3000)})
            QTest::mouseMove(formWidget, pixel(p));
        QWidget* section = f.ui.Pic(3).widget();
        const QPoint release = section->mapFrom(formWidget, pixel(f.onPicture(5, 3000)));
        QTest::mouseRelease(section, Qt::LeftButton, {}, release);
        QVERIFY(!f.router().isDragging());
        QCOMPARE(f.model.SlotTable[6].Placed, std::int16_t(copy));
        verifyAside(f, copy);
    }
};

QTEST_MAIN(DropsTest)
#include "test_drops.moc"
