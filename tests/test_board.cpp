// The board as the student finds it and works it outside a drag: the start-up state, the sections
// and the scroll bar that turns them, restarts, what a placed compound does under the pointer
// (hints, the hand, a double-click), and the coefficient boxes that complete reactions show.
#include "assistive/keyboard_stop.h"
#include "content/geometry.h"
#include "support/on_white.h"
#include "support/window_fixture.h"
#include "view/section_view.h"

#include <QAction>
#include <QHelpEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QToolTip>

#include <set>

namespace {

QPointF onPaletteColumn(int column) {
    const model::Rect card = content::paletteCard(column);
    return {card.left + card.width / 2, card.top + card.height / 2};
}

// A double-click as the mouse gives it: press, release, the double-click's press, release.
void doubleClick(WindowFixture& f, QPointF client) {
    const QPoint pixel = WindowFixture::pixels(client);
    QTest::mousePress(&f.board, Qt::LeftButton, {}, pixel);
    QTest::mouseRelease(&f.board, Qt::LeftButton, {}, pixel);
    QTest::mouseDClick(&f.board, Qt::LeftButton, {}, pixel);
    QTest::mouseRelease(&f.board, Qt::LeftButton, {}, pixel);
}

// Puts every answer into its blank and types coefficients in the reactions' ratios, through the
// boxes' line edits, so that a check finds everything right.
void fillEverythingRight(WindowFixture& f) {
    for (int blank = 0; blank < model::kBlanks; ++blank)
        QVERIFY(f.worksheet.place(blank, model::blankRecord(blank).answer));
    for (int number = 0; number < model::kReactions; ++number) {
        const model::Reaction& reaction = model::reaction(number);
        for (int b = 0; b < reaction.boxCount; ++b)
            f.box(model::firstBoxOf(number) + b)->setText(QString::number(reaction.ratio.at(b)));
    }
}

QStyleOptionSlider sliderOption(const QScrollBar* bar) {
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = Qt::Vertical;
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = option.sliderValue = bar->value();
    option.pageStep = bar->pageStep();
    option.singleStep = bar->singleStep();
    return option;
}

QRect partOf(const QScrollBar* bar, QStyle::SubControl part) {
    const QStyleOptionSlider option = sliderOption(bar);
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar);
}

QString hintAt(WindowFixture& f, QPointF client) {
    const QPoint pixel = WindowFixture::pixels(client);
    QHelpEvent help(QEvent::ToolTip, pixel, f.board.mapToGlobal(pixel));
    QCoreApplication::sendEvent(&f.board, &help);
    return QToolTip::text();
}

// The pointing hand of the cards, known by its fingertip.
bool showsHand(const QWidget& widget) {
    return widget.testAttribute(Qt::WA_SetCursor) && widget.cursor().shape() == Qt::BitmapCursor &&
           widget.cursor().hotSpot() == QPoint(12, 1);
}

} // namespace

class BoardTest : public QObject {
    Q_OBJECT

private slots:
    // A fresh window shows section 0 with the scroll bar at its top, every blank empty, nothing
    // revealed, and on each palette column a full stack of its compound's cards.
    void startUpShowsAFreshWorksheet() {
        WindowFixture f;
        QCOMPARE(f.board.sectionInView(), 0);
        QCOMPARE(f.board.scrollBar()->value(), 0);
        for (int s = 0; s < model::kSections; ++s)
            QCOMPARE(f.board.sectionView(s)->isVisibleTo(f.window.get()), s == 0);
        for (int blank = 0; blank < model::kBlanks; ++blank)
            QCOMPARE(f.worksheet.compoundIn(blank), model::kNone);
        QCOMPARE(f.revealed(), QString());
        QVERIFY(!f.board.isDragging());
        QVERIFY(f.carried().place.isNull());

        const QImage board = f.board.grab().toImage().convertToFormat(QImage::Format_RGB32);
        for (int column = 0; column < model::kCompounds; ++column) {
            const int compound = f.worksheet.compoundInColumn(column);
            QCOMPARE(f.board.cardsOn(column), model::kCardsPerCompound);
            const view::Target target = f.board.targetAt(onPaletteColumn(column));
            QCOMPARE(target.kind, view::Target::Kind::PaletteCard);
            QCOMPARE(target.index, column);
            const QRect card = content::toPixels(content::paletteCard(column));
            QVERIFY2(board.copy(card) ==
                         cardsOnWhite(compound, card.size(), model::kCardsPerCompound),
                     qPrintable(
                         QString("column %1 does not show compound %2").arg(column).arg(compound)));
        }
    }

    // Each section is worth its share of the hundred.
    void sectionsAreWorthTheirMarks() {
        const std::array<int, model::kSections> marks{25, 6, 3, 18, 48};
        for (int s = 0; s < model::kSections; ++s)
            QCOMPARE(model::fullMarksOf(s), marks[s]);
    }

    // A press on a palette column takes up a card of the compound that column shows.
    void aColumnGivesTheCardItShows_data() {
        QTest::addColumn<int>("column");
        for (int column = 0; column < model::kCompounds; ++column)
            QTest::addRow("column %d", column) << column;
    }
    void aColumnGivesTheCardItShows() {
        QFETCH(int, column);
        WindowFixture f;
        const std::array<int, model::kCompounds> shown{Ammonia, Propanoic, Water, GeneralAcid,
                                                       Ethanoic};
        f.usePalette(shown);
        f.press(onPaletteColumn(column));
        QVERIFY(f.board.isDragging());
        QCOMPARE(f.carried().compound, shown[column]);
        QCOMPARE(f.board.cardsOn(column), model::kCardsPerCompound - 1);
        f.releaseAt(f.onPicture(0, 3000));
        QCOMPARE(f.worksheet.compoundIn(0), shown[column]);
    }

    // Each section box is as high as its frame with equal margins, and lies in the middle of the
    // viewport both ways.
    void sectionBoxesAreSizedToTheirFramesAndCentred_data() {
        QTest::addColumn<int>("section");
        QTest::addColumn<double>("top");
        QTest::addColumn<double>("height");
        QTest::newRow("section 0") << 0 << 1050.0 << 4995.0;
        QTest::newRow("section 1") << 1 << 2400.0 << 2295.0;
        QTest::newRow("section 2") << 2 << 2640.0 << 1815.0;
        QTest::newRow("section 3") << 3 << 1020.0 << 5055.0;
        QTest::newRow("section 4") << 4 << 1290.0 << 4515.0;
    }
    void sectionBoxesAreSizedToTheirFramesAndCentred() {
        QFETCH(int, section);
        QFETCH(double, top);
        QFETCH(double, height);
        WindowFixture f;
        const model::Rect box = content::sectionBox(section);
        QCOMPARE(box.left, 330.0);
        QCOMPARE(box.width, 12435.0);
        QCOMPARE(box.top, top);
        QCOMPARE(box.height, height);
        f.showSection(section);
        const view::SectionView* view = f.board.sectionView(section);
        QVERIFY(view->isVisibleTo(f.window.get()));
        QCOMPARE(view->geometry(), content::toPixels(model::Rect{330, top, 12435, height}));
    }

    // The arrows and the trough step one section, and the thumb turns the sections while it is
    // dragged, before it is let go; one section shows at a time.
    void theScrollBarSwitchesSectionsUnderTheMouse() {
        WindowFixture f;
        f.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        QScrollBar* bar = f.board.scrollBar();
        const auto showsOnly = [&](int section) {
            for (int s = 0; s < model::kSections; ++s) {
                if (f.board.sectionView(s)->isVisible() != (s == section))
                    return false;
            }
            return f.board.sectionInView() == section;
        };

        QTest::mouseClick(bar, Qt::LeftButton, {},
                          partOf(bar, QStyle::SC_ScrollBarAddLine).center());
        QVERIFY(showsOnly(1));
        QTest::mouseClick(bar, Qt::LeftButton, {},
                          partOf(bar, QStyle::SC_ScrollBarAddPage).center());
        QVERIFY(showsOnly(2));
        QTest::mouseClick(bar, Qt::LeftButton, {},
                          partOf(bar, QStyle::SC_ScrollBarSubLine).center());
        QVERIFY(showsOnly(1));
        QTest::mouseClick(bar, Qt::LeftButton, {},
                          partOf(bar, QStyle::SC_ScrollBarSubPage).center());
        QVERIFY(showsOnly(0));

        const QPoint thumb = partOf(bar, QStyle::SC_ScrollBarSlider).center();
        QTest::mousePress(bar, Qt::LeftButton, {}, thumb);
        QTest::mouseMove(bar, QPoint(thumb.x(), bar->height() - 5));
        QVERIFY(showsOnly(4));
        QTest::mouseMove(bar, QPoint(thumb.x(), bar->height() / 2));
        QVERIFY(showsOnly(2));
        QTest::mouseMove(bar, QPoint(thumb.x(), 5));
        QVERIFY(showsOnly(0));
        QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(thumb.x(), 5));
        QVERIFY(showsOnly(0));
    }

    // A restart empties the worksheet and hides what a check revealed, but leaves the section in
    // view where it was.
    void aRestartKeepsTheSectionInView() {
        WindowFixture f;
        f.showSection(3);
        fillEverythingRight(f);
        f.worksheet.check();
        QVERIFY(f.worksheet.grade());
        f.give(Command::Restart);
        QCOMPARE(f.board.sectionInView(), 3);
        QCOMPARE(f.board.scrollBar()->value(), 3);
        QVERIFY(f.board.sectionView(3)->isVisibleTo(f.window.get()));
        QVERIFY(!f.board.sectionView(0)->isVisibleTo(f.window.get()));
        for (int blank = 0; blank < model::kBlanks; ++blank)
            QCOMPARE(f.worksheet.compoundIn(blank), model::kNone);
        QCOMPARE(f.revealed(), QString());
        for (int column = 0; column < model::kCompounds; ++column)
            QCOMPARE(f.board.cardsOn(column), model::kCardsPerCompound);
    }

    // Every restart lays the five compounds out in some order, and over enough restarts every
    // one of the 120 orders comes up.
    void restartsReachEveryPaletteOrder() {
        WindowFixture f;
        std::set<std::array<int, model::kCompounds>> seen;
        for (int i = 0; i < 5000 && seen.size() < 120; ++i) {
            f.worksheet.restart();
            std::array<int, model::kCompounds> order{};
            for (int column = 0; column < model::kCompounds; ++column)
                order[column] = f.worksheet.compoundInColumn(column);
            auto sorted = order;
            std::sort(sorted.begin(), sorted.end());
            QCOMPARE(sorted, (std::array<int, model::kCompounds>{0, 1, 2, 3, 4}));
            seen.insert(order);
        }
        QCOMPARE(seen.size(), size_t(120));
    }

    // A double-click takes a placed compound back to the palette; the grade and the note of its
    // section go, the other notes stay. Only a reaction with coefficients that loses a compound
    // hides and empties its boxes; the other boxes keep what was typed.
    void aDoubleClickRemovesAPlacedCompound_data() {
        QTest::addColumn<int>("blank");
        QTest::addColumn<QList<int>>("forgotten");
        QTest::newRow("section 0") << 0 << QList<int>{0, 1};
        QTest::newRow("section 1, right blank") << 4 << QList<int>{};
        QTest::newRow("section 2") << 5 << QList<int>{};
        QTest::newRow("section 3, right blank") << 9 << QList<int>{};
        QTest::newRow("section 4, left blank") << 12 << QList<int>{8, 9, 10, 11};
        QTest::newRow("section 4, right blank") << 13 << QList<int>{8, 9, 10, 11};
        QTest::newRow("section 4, last blank") << 17 << QList<int>{16, 17, 18, 19};
    }
    void aDoubleClickRemovesAPlacedCompound() {
        QFETCH(int, blank);
        QFETCH(QList<int>, forgotten);
        WindowFixture f;
        fillEverythingRight(f);
        f.worksheet.check();
        QCOMPARE(f.worksheet.grade(), std::optional<int>(100));
        const int section = model::sectionOfBlank(blank);
        const int compound = f.worksheet.compoundIn(blank);
        const int cardsLeft = f.worksheet.cardsLeft(compound);
        std::array<QString, model::kCoefficientBoxes> typed;
        for (int b = 0; b < model::kCoefficientBoxes; ++b)
            typed[b] = f.box(b)->text();

        f.showSection(section);
        doubleClick(f, WindowFixture::onPlacedCard(blank));
        QCOMPARE(f.worksheet.compoundIn(blank), model::kNone);
        QCOMPARE(f.worksheet.cardsLeft(compound), cardsLeft + 1);
        for (int other = 0; other < model::kBlanks; ++other) {
            if (other != blank)
                QCOMPARE(f.worksheet.compoundIn(other), int(model::blankRecord(other).answer));
        }
        QVERIFY(!f.worksheet.grade());
        for (int s = 0; s < model::kSections; ++s)
            QCOMPARE(f.worksheet.isNoteShown(s), s != section);
        for (int b = 0; b < model::kCoefficientBoxes; ++b) {
            QLineEdit* edit = f.box(b);
            if (forgotten.contains(b)) {
                QVERIFY(edit->isHidden());
                QCOMPARE(edit->text(), QString());
            } else {
                QVERIFY(!edit->isHidden());
                QCOMPARE(edit->text(), typed[b]);
            }
        }
    }

    // A double-click anywhere but on a placed compound takes nothing out.
    void aDoubleClickBesideAPlacedCompoundRemovesNothing() {
        WindowFixture f;
        f.fill(6, Propanoic);
        f.fill(7, Water);
        const QPointF nextToIt =
            WindowFixture::inSection(3, content::placedCard(6).left - 30, 1000);
        QCOMPARE(f.board.targetAt(nextToIt).kind, view::Target::Kind::Picture);
        doubleClick(f, nextToIt);
        doubleClick(f, f.onPalette(Propanoic));
        QCOMPARE(f.worksheet.compoundIn(6), int(Propanoic));
        QCOMPARE(f.worksheet.compoundIn(7), int(Water));
    }

    // A card dropped on a placed compound takes its blank; the compound it replaces goes back to
    // the palette and the pair's other blank keeps its own.
    void aDropOnAPlacedCompoundReplacesIt_data() {
        QTest::addColumn<int>("blank");
        for (int blank = 6; blank <= 11; ++blank)
            QTest::addRow("blank %d", blank) << blank;
    }
    void aDropOnAPlacedCompoundReplacesIt() {
        QFETCH(int, blank);
        WindowFixture f;
        // Blanks 6 to 11 are three pairs, 6 and 7 the first.
        const int partner = blank % 2 == 0 ? blank + 1 : blank - 1;
        f.fill(partner, GeneralAcid);
        f.fill(blank, Ethanoic);
        const view::Target target = f.board.targetAt(WindowFixture::onPlacedCard(blank));
        QCOMPARE(target.kind, view::Target::Kind::PlacedCard);
        f.dropAt(Propanoic, WindowFixture::onPlacedCard(blank));
        QCOMPARE(f.worksheet.compoundIn(blank), int(Propanoic));
        QCOMPARE(f.worksheet.compoundIn(partner), int(GeneralAcid));
        QCOMPARE(f.worksheet.cardsLeft(Ethanoic), model::kCardsPerCompound);
        QCOMPARE(f.board.cardsOn(f.worksheet.columnOf(Ethanoic)), model::kCardsPerCompound);
        QCOMPARE(f.board.cardsOn(f.worksheet.columnOf(Propanoic)), model::kCardsPerCompound - 1);
    }

    // A second card on a filled blank sends the first home; the reaction stays complete, so its
    // boxes stay and keep what was typed.
    void aDropDisplacesTheCompoundInTheBlankAndTheBoxesKeepTheirTexts() {
        WindowFixture f;
        f.fill(0, Ethanoic);
        QVERIFY(!f.box(0)->isHidden());
        QTest::keyClicks(f.box(0), "2");
        f.fill(0, GeneralAcid);
        QCOMPARE(f.worksheet.compoundIn(0), int(GeneralAcid));
        QCOMPARE(f.worksheet.cardsLeft(Ethanoic), model::kCardsPerCompound);
        QVERIFY(!f.box(0)->isHidden());
        QVERIFY(!f.box(1)->isHidden());
        QCOMPARE(f.box(0)->text(), QString("2"));
        QCOMPARE(f.worksheet.coefficient(0), QString("2"));
    }

    // A reaction's boxes show once all its blanks are filled, in either order, and no other
    // reaction's; sections without coefficients never show any.
    void boxesAppearWhenAReactionIsComplete_data() {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::newRow("left blank first") << 14 << 15;
        QTest::newRow("right blank first") << 15 << 14;
    }
    void boxesAppearWhenAReactionIsComplete() {
        QFETCH(int, first);
        QFETCH(int, second);
        WindowFixture f;
        const auto shownBoxes = [&] {
            QList<int> shown;
            for (int b = 0; b < model::kCoefficientBoxes; ++b) {
                if (!f.box(b)->isHidden())
                    shown.append(b);
            }
            return shown;
        };
        f.fill(first, Propanoic);
        QCOMPARE(shownBoxes(), QList<int>{});
        f.fill(second, Ammonia);
        QCOMPARE(shownBoxes(), (QList<int>{12, 13, 14, 15}));
        for (int blank : {3, 4, 5, 8, 9})
            f.fill(blank, Water);
        QCOMPARE(shownBoxes(), (QList<int>{12, 13, 14, 15}));
    }

    // A coefficient box's line edit lies at its twips, fifteen to a pixel, in its section.
    void aBoxLiesOnItsPixels_data() {
        QTest::addColumn<int>("box");
        QTest::addColumn<QRect>("pixels");
        QTest::newRow("box 0 at 1800, 960") << 0 << QRect(120, 64, 29, 22);
        QTest::newRow("box 13 at 3060, 1800") << 13 << QRect(204, 120, 29, 22);
        QTest::newRow("box 19 at 9240, 2940") << 19 << QRect(616, 196, 29, 22);
    }
    void aBoxLiesOnItsPixels() {
        QFETCH(int, box);
        QFETCH(QRect, pixels);
        WindowFixture f;
        QCOMPARE(f.box(box)->geometry(), pixels);
    }

    // Hovering tells how a palette card is moved and how a placed compound is taken out; over
    // anything else no hint shows.
    void hintsTellWhatTheMouseDoesHere() {
        WindowFixture f;
        f.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        f.fill(3, Ethanoic);
        const QString drag = QStringLiteral("η μεταφορά ξεκινάει με πατημένο κλικ");
        const QString remove = QStringLiteral("αφαιρέστε το με διπλό κλικ");
        QCOMPARE(hintAt(f, f.onPalette(GeneralAcid)), drag);
        QCOMPARE(hintAt(f, WindowFixture::onPlacedCard(3)), remove);
        hintAt(f, f.onPicture(3, 11000));
        QTRY_COMPARE(QToolTip::text(), QString());
        QCOMPARE(hintAt(f, f.onPalette(Water)), drag);
        hintAt(f, {6000, 800});
        QTRY_COMPARE(QToolTip::text(), QString());
    }

    // The pointer shows the hand over the cards on the palette and in the blanks, and is the
    // ordinary arrow elsewhere.
    void theHandShowsOverCards() {
        WindowFixture f;
        f.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        f.fill(5, GeneralAcid);
        f.showSection(2);
        QTest::mouseMove(&f.board, WindowFixture::pixels(f.onPalette(Ammonia)));
        QVERIFY(showsHand(f.board));
        QTest::mouseMove(&f.board, WindowFixture::pixels({6000, 800}));
        QVERIFY(!f.board.testAttribute(Qt::WA_SetCursor));
        QTest::mouseMove(&f.board, WindowFixture::pixels(WindowFixture::onPlacedCard(5)));
        QVERIFY(showsHand(f.board));
        QTest::mouseMove(&f.board, WindowFixture::pixels(f.onPicture(4, 1000)));
        QVERIFY(!f.board.testAttribute(Qt::WA_SetCursor));
    }

    // Tab goes from the scroll bar through the section in view reaction by reaction, top to
    // bottom: its blanks, then its shown boxes, left to right; Shift+Tab walks the same way back.
    void theKeyboardWalksTheSectionInViewReactionByReaction() {
        WindowFixture f;
        f.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        fillEverythingRight(f);
        const auto box = [&](int b) -> QWidget* { return f.box(b); };
        const std::vector<std::pair<int, std::vector<QWidget*>>> orders{
            {0,
             {f.stop(0), box(0), box(1), f.stop(1), box(2), box(3), box(4), f.stop(2), box(5),
              box(6), box(7)}},
            {3, {f.stop(6), f.stop(7), f.stop(8), f.stop(9), f.stop(10), f.stop(11)}},
            {4,
             {f.stop(12), f.stop(13), box(8), box(9), box(10), box(11), f.stop(14), f.stop(15),
              box(12), box(13), box(14), box(15), f.stop(16), f.stop(17), box(16), box(17), box(18),
              box(19)}}};
        const auto isStop = [](QWidget* w) {
            return (w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(w->window());
        };
        for (const auto& [section, order] : orders) {
            f.showSection(section);
            QWidget* at = f.board.scrollBar();
            for (QWidget* expected : order) {
                do
                    at = at->nextInFocusChain();
                while (!isStop(at));
                QCOMPARE(at, expected);
            }
            for (auto expected = order.rbegin() + 1; expected != order.rend(); ++expected) {
                do
                    at = at->previousInFocusChain();
                while (!isStop(at));
                QCOMPARE(at, *expected);
            }
        }
    }

    // The exit command closes the window.
    void exitClosesTheWindow() {
        WindowFixture f;
        f.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        f.give(Command::Exit);
        QVERIFY(!f.window->isVisible());
    }

    // The boxes and blanks at the ends of their reactions are found in their own sections.
    void boxesAndBlanksBelongToTheirReactionsSections_data() {
        QTest::addColumn<bool>("isBox");
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("section");
        QTest::newRow("box 7, last of section 0") << true << 7 << 0;
        QTest::newRow("box 8, first of section 4") << true << 8 << 4;
        QTest::newRow("box 19, the last") << true << 19 << 4;
        QTest::newRow("blank 2, last of section 0") << false << 2 << 0;
        QTest::newRow("blank 12, first of section 4") << false << 12 << 4;
        QTest::newRow("blank 17, the last") << false << 17 << 4;
    }
    void boxesAndBlanksBelongToTheirReactionsSections() {
        QFETCH(bool, isBox);
        QFETCH(int, number);
        QFETCH(int, section);
        WindowFixture f;
        if (isBox) {
            f.box(number);
            QCOMPARE(model::sectionOfBox(number), section);
            QVERIFY(f.board.sectionView(section)->boxEdit(number));
            QCOMPARE(f.board.sectionView(section)->boxEdit(number)->parentWidget(),
                     f.board.sectionView(section));
        } else {
            QCOMPARE(model::sectionOfBlank(number), section);
            // A drop on its slot with its section in view fills it.
            f.showSection(section);
            QCOMPARE(f.board.targetAt(f.onBlank(number)).blank, number);
        }
    }

    // A check reads every box of a reaction, the last one too: a wrong text there alone costs
    // the reaction's bonus and empties its boxes, and no other reaction's.
    void aWrongLastBoxAloneClearsItsReaction_data() {
        QTest::addColumn<int>("reaction");
        QTest::addColumn<int>("grade");
        QTest::newRow("reaction 0, box 1") << 0 << 96;
        QTest::newRow("reaction 1, box 4") << 1 << 94;
        QTest::newRow("reaction 2, box 7") << 2 << 94;
        QTest::newRow("reaction 8, box 11") << 8 << 92;
        QTest::newRow("reaction 9, box 15") << 9 << 92;
        QTest::newRow("reaction 10, box 19") << 10 << 92;
    }
    void aWrongLastBoxAloneClearsItsReaction() {
        QFETCH(int, reaction);
        QFETCH(int, grade);
        WindowFixture f;
        fillEverythingRight(f);
        const int first = model::firstBoxOf(reaction);
        const int last = first + model::reaction(reaction).boxCount - 1;
        f.box(last)->setText("7");
        std::array<QString, model::kCoefficientBoxes> typed;
        for (int b = 0; b < model::kCoefficientBoxes; ++b)
            typed[b] = f.box(b)->text();
        f.give(Command::Check);
        QCOMPARE(f.worksheet.grade(), std::optional<int>(grade));
        for (int b = 0; b < model::kCoefficientBoxes; ++b) {
            QVERIFY(!f.box(b)->isHidden());
            QCOMPARE(f.box(b)->text(), b >= first && b <= last ? QString() : typed[b]);
        }
    }
};

QTEST_MAIN(BoardTest)
#include "test_board.moc"
