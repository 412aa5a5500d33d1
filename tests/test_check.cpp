// The check as the student gives and sees it: from the menu, with coefficients typed into the
// boxes; wrong compounds leave their blanks for the palette, wrong coefficients are emptied, the
// notes and the grade appear. What a worksheet scores is tested without a window, in
// test_marking and test_model.
#include "support/window_fixture.h"
#include "view/section_view.h"

#include <QAccessible>
#include <QAction>
#include <QLineEdit>
#include <QTest>

namespace {

void check(WindowFixture& f) {
    f.give(Command::Check);
}

// The grade as the window shows it, or "(hidden)".
QString grade(const WindowFixture& f) {
    if (f.board.gradeRect().isEmpty())
        return QStringLiteral("(hidden)");
    return f.gradePlace()->text(QAccessible::Name);
}

// Types into the boxes as a student does, the box's section in view: the box's text is
// replaced by what is typed.
void type(WindowFixture& f, std::initializer_list<std::pair<int, const char*>> boxes) {
    for (auto [box, text] : boxes) {
        f.showSection(model::sectionOfBox(box));
        QLineEdit* edit = f.box(box);
        QVERIFY(edit->isVisible());
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, QString::fromUtf8(text));
    }
}

// Every blank right, and the coefficients 1:2, 2:1:2, 1:1:1 and 1:2:1:1, some left empty.
void fillEverythingRight(WindowFixture& f) {
    for (int blank = 0; blank < model::kBlanks; ++blank)
        f.fill(blank, model::blankRecord(blank).answer);
    type(f, {{1, "2"}, {2, "2"}, {4, "2"}, {5, "3"}, {6, "3"}, {7, "3"}});
    type(f, {{9, "2"}, {12, "2"}, {13, "4"}, {14, "2"}, {15, "2"}, {17, " 2 "}});
}

} // namespace

class CheckTest : public QObject {
    Q_OBJECT

private slots:
    void init() { window_ = std::make_unique<WindowFixture>(); }
    void cleanup() { window_.reset(); }

    void anEmptyWorksheetScoresNothing() {
        WindowFixture& f = *window_;
        check(f);
        QCOMPARE(grade(f), QString("0%"));
        for (int s = 0; s < model::kSections; ++s)
            QVERIFY(!f.worksheet.isNoteShown(s));
    }

    // Everything right gives full marks and every note, whichever section is in view; what the
    // student typed stays as typed.
    void everythingRightGivesAHundred() {
        WindowFixture& f = *window_;
        f.window->show();
        fillEverythingRight(f);
        f.showSection(2);
        check(f);
        QCOMPARE(grade(f), QString("100%"));
        for (int s = 0; s < model::kSections; ++s)
            QVERIFY(f.worksheet.isNoteShown(s));
        QCOMPARE(f.box(17)->text(), QString(" 2 "));
        check(f);
        QCOMPARE(grade(f), QString("100%"));
    }

    // A restart after full marks takes back everything the check revealed.
    void aRestartAfterFullMarksHidesEverything() {
        WindowFixture& f = *window_;
        f.window->show();
        fillEverythingRight(f);
        check(f);
        QCOMPARE(grade(f), QString("100%"));
        f.give(Command::Restart);
        QCOMPARE(f.revealed(), QString());
        QCOMPARE(grade(f), QString("(hidden)"));
        for (int blank = 0; blank < model::kBlanks; ++blank)
            QCOMPARE(f.worksheet.compoundIn(blank), model::kNone);
    }

    // A right pair of section 4 with its boxes left empty: 1:1:1:1 is not 1:2:1:1. Its compounds
    // stay, its boxes stay shown and empty, and right coefficients earn the bonus at the next
    // check.
    void sectionFourWithEmptyBoxesEarnsNoBonus() {
        WindowFixture& f = *window_;
        f.window->show();
        f.fill(12, Ethanoic);
        f.fill(13, Ammonia);
        check(f);
        QCOMPARE(grade(f), QString("8%"));
        QCOMPARE(f.worksheet.compoundIn(12), int(Ethanoic));
        QCOMPARE(f.worksheet.compoundIn(13), int(Ammonia));
        for (int b = 8; b < 12; ++b) {
            QVERIFY(f.box(b)->isVisible());
            QCOMPARE(f.box(b)->text(), QString());
        }
        type(f, {{8, "3"}, {9, "6"}, {10, "3"}, {11, "3"}});
        check(f);
        QCOMPARE(grade(f), QString("16%"));
    }

    // Wrong coefficients are emptied in the boxes the student sees, which stay.
    void wrongCoefficientsAreEmptiedOnScreen() {
        WindowFixture& f = *window_;
        f.window->show();
        f.fill(0, Ethanoic);
        type(f, {{0, "1"}, {1, "1"}});
        check(f);
        QCOMPARE(grade(f), QString("3%"));
        QVERIFY(f.box(0)->isVisible());
        QCOMPARE(f.box(0)->text(), QString());
        QCOMPARE(f.box(1)->text(), QString());
        type(f, {{0, "1"}, {1, "+ 2"}});
        check(f);
        QCOMPARE(grade(f), QString("7%"));
    }

    // A wrong compound leaves its blank, in view or not, for the palette, and takes its
    // reaction's coefficients with it.
    void wrongCompoundsGoHomeFromEverySection() {
        WindowFixture& f = *window_;
        f.window->show();
        f.fill(0, Water);
        f.fill(5, Ammonia);
        f.fill(14, Propanoic);
        f.fill(15, Water);
        type(f, {{12, "1"}, {13, "2"}});
        f.showSection(1);
        check(f);
        QCOMPARE(grade(f), QString("4%"));
        QCOMPARE(f.worksheet.compoundIn(0), model::kNone);
        QCOMPARE(f.worksheet.compoundIn(5), model::kNone);
        QCOMPARE(f.worksheet.compoundIn(14), int(Propanoic));
        QCOMPARE(f.worksheet.compoundIn(15), model::kNone);
        for (int compound : {Water, Ammonia})
            QCOMPARE(f.board.cardsOn(f.worksheet.columnOf(compound)), model::kCardsPerCompound);
        for (int b : {0, 1, 12, 13, 14, 15}) {
            QVERIFY(!f.box(b)->isVisibleTo(f.window.get()));
            QCOMPARE(f.box(b)->text(), QString());
        }
    }

    // Each check starts from zero: after a correction the grade is computed anew.
    void aSecondCheckAfterACorrection() {
        WindowFixture& f = *window_;
        f.window->show();
        f.fill(3, Propanoic);
        f.fill(4, Water);
        check(f);
        QCOMPARE(grade(f), QString("3%"));
        QVERIFY(!f.worksheet.isNoteShown(1));
        f.fill(3, Ethanoic);
        QCOMPARE(grade(f), QString("(hidden)"));
        check(f);
        QCOMPARE(grade(f), QString("6%"));
        QVERIFY(f.worksheet.isNoteShown(1));
    }

    // The check reads the last box of the window too: a wrong text in box 19 alone empties
    // reaction 10's boxes and earns no bonus.
    void theCheckReadsTheLastBox() {
        WindowFixture& f = *window_;
        f.window->show();
        f.fill(16, GeneralAcid);
        f.fill(17, Ammonia);
        type(f, {{16, "1"}, {17, "2"}, {18, "1"}, {19, "1"}});
        check(f);
        QCOMPARE(grade(f), QString("16%"));
        type(f, {{19, "2"}});
        check(f);
        QCOMPARE(grade(f), QString("8%"));
        for (int b = 16; b < 20; ++b)
            QCOMPARE(f.box(b)->text(), QString());
    }

private:
    std::unique_ptr<WindowFixture> window_;
};

QTEST_MAIN(CheckTest)
#include "test_check.moc"
