// Start-up, restart, the sections and scrolling, the coefficient boxes and the copies' homes.
#include "layout/coefficient_boxes.h"
#include "layout/sections.h"
#include "layout/send_home.h"
#include "support/window_fixture.h"
#include "worksheet/startup.h"

#include <QAction>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

#include <set>

using model::kCopies;

namespace {

// The section twins of every section, the viewport twins and the cards of one copy.
void verifyHome(const WindowFixture& f, int copy) {
    const int column = (*f.model.PaletteColumn)[copy % 5];
    const auto& card = f.ui.ImgMolecular(copy);
    QCOMPARE(card.left(), kPaletteLefts[column]);
    QCOMPARE(card.top(), kPaletteTop);
    QCOMPARE(f.ui.ImgMolecular00(copy).top(), kParkedTop);
    QCOMPARE(f.ui.ImgMolecular00(copy).left(), float(320 + 2555 * column));
    for (int s = 0; s < 5; ++s) {
        QCOMPARE(f.ui.ImgMolecularOfSection(s, copy).top(), kParkedTop);
        QCOMPARE(f.ui.ImgMolecularOfSection(s, copy).left(), float(210 + 2445 * column));
    }
}

int stackPosition(const controls::Control& control) {
    const auto& layer = control.container()->lightweightChildren();
    return int(std::find(layer.begin(), layer.end(), &control) - layer.begin());
}

} // namespace

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    // What the student first sees: empty slots, every copy home with the lowest copy of each
    // compound in front, nothing revealed, section 0 in view.
    void startUpGivesAFreshWorksheet() {
        WindowFixture f;
        for (const auto& slot : f.model.SlotTable)
            QCOMPARE(slot.Placed, std::int16_t(-1));
        for (int k = 0; k < kCopies; ++k) {
            verifyHome(f, k);
            if (QTest::currentTestFailed())
                QFAIL(qPrintable(QString("copy %1 is not home").arg(k)));
        }
        for (int compound = 0; compound < 5; ++compound) {
            const float left = kPaletteLefts[(*f.model.PaletteColumn)[compound]];
            const auto hit = f.ui.Form1.hitTest({left + 1000, kPaletteTop + 200});
            QCOMPARE(hit.control, &f.ui.ImgMolecular(compound));
        }
        QCOMPARE(f.revealed(), QString());
        QCOMPARE(f.ui.VScroll1.value(), 0);
        QVERIFY(f.ui.Pic(0).isVisible());
        QCOMPARE(f.model.SectionPoints, (std::array<std::int16_t, 5>{25, 6, 3, 18, 48}));
        for (int k = 0; k < kCopies; ++k) {
            for (const controls::Image* picture : f.ui.picturesOf(k))
                QCOMPARE(picture->picture(), f.ui.ImgMolecular(k % 5).picture());
        }
    }

    void sendHomePutsACopyInItsColumnUnderLowerCopies() {
        WindowFixture f;
        f.model.PaletteColumn = std::array<std::int16_t, 5>{3, 0, 4, 1, 2};
        for (int k = 0; k < kCopies; ++k)
            layout::sendHome(f.ui, f.model, k);
        const auto& seven = f.ui.ImgMolecular(7);
        QCOMPARE(seven.left(), 9847.5f);
        QCOMPARE(seven.top(), 232.5f);
        QVERIFY(stackPosition(f.ui.ImgMolecular(2)) < stackPosition(seven));
        for (int k = 12; k < kCopies; k += 5)
            QVERIFY(stackPosition(seven) < stackPosition(f.ui.ImgMolecular(k)));
        // Calling it again changes nothing, and no slot is touched.
        f.model.SlotTable[4].Placed = 7;
        layout::sendHome(f.ui, f.model, 7);
        QCOMPARE(seven.left(), 9847.5f);
        QCOMPARE(f.model.SlotTable[4].Placed, std::int16_t(7));
    }

    void sectionBoxesAreSizedToTheirFrames() {
        WindowFixture f;
        const std::array<float, 5> heights{4995, 2295, 1815, 5055, 4515};
        for (int s = 0; s < 5; ++s)
            QCOMPARE(f.ui.Pic(s).height(), heights[s]);
    }

    // The section shown is centred both ways; the others are hidden at top 10000.
    void placePicturesShowsOneSectionCentred_data() {
        QTest::addColumn<int>("section");
        for (int s : {0, 1, 2, 3, 4, 7, -1})
            QTest::addRow("section %d", s) << s;
    }
    void placePicturesShowsOneSectionCentred() {
        QFETCH(int, section);
        WindowFixture f;
        layout::showSection(f.ui, section);
        const std::array<float, 5> centredTops{1050, 2400, 2640, 1020, 1290};
        for (int s = 0; s < 5; ++s) {
            const auto& pic = f.ui.Pic(s);
            if (s == section) {
                QVERIFY(pic.isVisible());
                QCOMPARE(pic.left(), 330.0f);
                QCOMPARE(pic.top(), centredTops[s]);
            } else {
                QVERIFY(!pic.isVisible());
                QCOMPARE(pic.top(), 10000.0f);
            }
        }
    }

    // Arrows and the trough step one section; the thumb flips sections while it is dragged.
    void theScrollBarSwitchesSections() {
        WindowFixture f;
        QScrollBar* bar = f.ui.VScroll1.scrollBar();
        bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(bar->value(), 1);
        QVERIFY(f.ui.Pic(1).isVisible());
        bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(bar->value(), 2);
        QVERIFY(f.ui.Pic(2).isVisible() && !f.ui.Pic(1).isVisible());

        // The thumb, dragged with real mouse events, flips sections before it is released.
        f.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        QStyleOptionSlider option;
        option.initFrom(bar);
        option.orientation = Qt::Vertical;
        option.minimum = bar->minimum();
        option.maximum = bar->maximum();
        option.sliderPosition = option.sliderValue = bar->value();
        option.pageStep = bar->pageStep();
        option.singleStep = bar->singleStep();
        const QRect thumb = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option,
                                                         QStyle::SC_ScrollBarSlider, bar);
        QTest::mousePress(bar, Qt::LeftButton, {}, thumb.center());
        QTest::mouseMove(bar, QPoint(thumb.center().x(), bar->height() - 5));
        QCOMPARE(bar->value(), 4);
        QVERIFY(f.ui.Pic(4).isVisible());
        QTest::mouseMove(bar, QPoint(thumb.center().x(), 5));
        QVERIFY(f.ui.Pic(0).isVisible() && !f.ui.Pic(4).isVisible());
        QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(thumb.center().x(), 5));
        QCOMPARE(bar->value(), 0);
    }

    void hidingAGroupEmptiesOnlyItsBoxes() {
        WindowFixture f;
        for (int b = 0; b < 20; ++b) {
            f.ui.tCoefficient(b).setVisible(true);
            f.ui.tCoefficient(b).setText(QString::number(b + 1));
        }
        layout::hideCoefficients(f.ui, 9);
        for (int b = 0; b < 20; ++b) {
            const bool inGroup = b >= 12 && b <= 15;
            QCOMPARE(f.ui.tCoefficient(b).isVisible(), !inGroup);
            QCOMPARE(f.ui.tCoefficient(b).text(), inGroup ? QString() : QString::number(b + 1));
        }
        for (int g : {3, 4, 5, 6, 7, 11, -1})
            layout::hideCoefficients(f.ui, g);
        layout::showCoefficients(f.ui, 5);
        for (int b = 0; b < 20; ++b)
            QCOMPARE(f.ui.tCoefficient(b).isVisible(), !(b >= 12 && b <= 15));
        // Showing again keeps what was typed.
        layout::showCoefficients(f.ui, 1);
        QCOMPARE(f.ui.tCoefficient(3).text(), QString("4"));
    }

    // Every restart draws a permutation; given enough restarts, every one of the 120 comes up.
    void restartsReachEveryPaletteOrder() {
        WindowFixture f;
        std::set<std::array<std::int16_t, 5>> seen;
        for (int i = 0; i < 5000 && seen.size() < 120; ++i) {
            worksheet::restart(f.ws);
            auto order = *f.model.PaletteColumn;
            auto sorted = order;
            std::sort(sorted.begin(), sorted.end());
            QCOMPARE(sorted, (std::array<std::int16_t, 5>{0, 1, 2, 3, 4}));
            seen.insert(order);
        }
        QCOMPARE(seen.size(), size_t(120));
    }

    // A restart empties everything, but leaves the section in view where it was.
    void restartClearsTheWorksheetAndKeepsTheSection() {
        WindowFixture f;
        f.ui.VScroll1.setValue(3);
        f.model.SlotTable[6].Placed = 11;
        f.ui.ImgMolecularOfSection(3, 11).setGeometry(5000, 700, 2235, 435);
        f.ui.LGrade.setVisible(true);
        f.ui.Label1(3).setVisible(true);
        f.ui.tCoefficient(0).setVisible(true);
        f.ui.tCoefficient(0).setText("2");
        f.window->mnuRestart->trigger();
        QVERIFY(f.ui.Pic(3).isVisible());
        QCOMPARE(f.ui.VScroll1.value(), 3);
        QCOMPARE(f.model.SlotTable[6].Placed, std::int16_t(-1));
        verifyHome(f, 11);
        QVERIFY(!f.ui.LGrade.isVisible());
        QVERIFY(!f.ui.Label1(3).isVisible());
        QVERIFY(!f.ui.tCoefficient(0).isVisible());
        QCOMPARE(f.ui.tCoefficient(0).text(), QString());
    }

    // The keyboard goes from the scroll bar through the section in view reaction by reaction.
    void focusFollowsTheTabOrder() {
        WindowFixture f;
        f.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        for (int g : {0, 1, 2, 8, 9, 10})
            layout::showCoefficients(f.ui, g);
        f.ui.tCoefficient(4).setVisible(false);
        const auto& stops = f.window->blankStops();
        const auto box = [&](int b) { return f.ui.tCoefficient(b).widget(); };
        // Reaction by reaction, top to bottom: its blanks, then its shown boxes, left to right.
        const std::vector<std::pair<int, std::vector<QWidget*>>> orders{
            {0,
             {stops.stop(0), box(0), box(1), stops.stop(1), box(2), box(3), stops.stop(2), box(5),
              box(6), box(7)}},
            {4,
             {stops.stop(12), stops.stop(13), box(8), box(9), box(10), box(11), stops.stop(14),
              stops.stop(15), box(12), box(13), box(14), box(15), stops.stop(16), stops.stop(17),
              box(16), box(17), box(18), box(19)}}};
        const auto isStop = [](QWidget* w) {
            return (w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(w->window());
        };
        for (const auto& [section, order] : orders) {
            layout::showSection(f.ui, section);
            QWidget* at = f.ui.VScroll1.widget();
            for (QWidget* expected : order) {
                do
                    at = at->nextInFocusChain();
                while (!isStop(at));
                QCOMPARE(at, expected);
            }
            // Shift+Tab walks the same way back.
            for (auto expected = order.rbegin() + 1; expected != order.rend(); ++expected) {
                do
                    at = at->previousInFocusChain();
                while (!isStop(at));
                QCOMPARE(at, *expected);
            }
        }
    }

    void exitClosesTheWindow() {
        WindowFixture f;
        f.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        f.window->mnuExit->trigger();
        QVERIFY(!f.window->isVisible());
    }
};

QTEST_MAIN(StartupTest)
#include "test_startup.moc"
