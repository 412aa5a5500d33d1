// The check as the window shows it: wrong compounds sent home, wrong coefficients emptied, notes
// and the grade. What a worksheet scores is tested without a window, in test_marking.
#include "support/window_fixture.h"

#include <QAction>
#include <QTest>

namespace {

void check(WindowFixture& f) { f.window->mnuCheck->trigger(); }

QString grade(const WindowFixture& f) {
    return f.ui.LGrade.isVisible() ? f.ui.LGrade.caption() : QString("(hidden)");
}

void type(WindowFixture& f, std::initializer_list<std::pair<int, const char*>> boxes) {
    for (auto [box, text] : boxes)
        f.ui.tCoefficient(box).setText(QString::fromUtf8(text));
}

// Every blank right, and the coefficients 1:2, 2:1:2, 1:1:1 and 1:2:1:1 (some left empty).
void fillEverythingRight(WindowFixture& f) {
    f.fill(0, 0, Ethanoic);
    f.fill(1, 0, Ethanoic);
    f.fill(2, 0, Ethanoic);
    f.fill(3, 0, Ethanoic);
    f.fill(3, 1, Water);
    f.fill(4, 0, GeneralAcid);
    f.fill(5, 0, Ethanoic);
    f.fill(5, 1, Water);
    f.fill(6, 0, Propanoic);
    f.fill(6, 1, Water);
    f.fill(7, 0, GeneralAcid);
    f.fill(7, 1, Water);
    f.fill(8, 0, Ethanoic);
    f.fill(8, 1, Ammonia);
    f.fill(9, 0, Propanoic);
    f.fill(9, 1, Ammonia);
    f.fill(10, 0, GeneralAcid);
    f.fill(10, 1, Ammonia);
    type(f, {{1, "2"}, {2, "2"}, {3, ""}, {4, "2"}, {5, "3"}, {6, "3"}, {7, "3"}});
    type(f, {{9, "2"}, {12, "2"}, {13, "4"}, {14, "2"}, {15, "2"}, {17, " 2 "}});
}

} // namespace

class CheckTest : public QObject {
    Q_OBJECT

private slots:
    void anEmptyWorksheetScoresNothing() {
        WindowFixture f;
        check(f);
        QCOMPARE(grade(f), QString("0%"));
        for (int s = 0; s < 5; ++s)
            QVERIFY(!f.ui.Label1(s).isVisible());
    }

    // Everything right gives full marks and every note, whichever section is in view.
    void everythingRightGivesAHundred() {
        WindowFixture f;
        fillEverythingRight(f);
        f.showSection(2);
        check(f);
        QCOMPARE(grade(f), QString("100%"));
        for (int s = 0; s < 5; ++s)
            QVERIFY(f.ui.Label1(s).isVisible());
        QCOMPARE(f.ui.tCoefficient(17).text(), QString(" 2 "));
        // A check never hides what an earlier one showed.
        check(f);
        QCOMPARE(grade(f), QString("100%"));
        QVERIFY(f.ui.Label1(0).isVisible());
    }

    // A restart after full marks takes back everything the check revealed.
    void aRestartAfterFullMarksHidesEverything() {
        WindowFixture f;
        fillEverythingRight(f);
        check(f);
        QCOMPARE(grade(f), QString("100%"));
        f.window->mnuRestart->trigger();
        QCOMPARE(f.revealed(), QString());
        for (const auto& slot : f.model.SlotTable)
            QCOMPARE(slot.Placed, std::int16_t(-1));
    }

    // A right pair of section 4 with its boxes left empty: 1:1:1:1 is not 1:2:1:1.
    void sectionFourWithEmptyBoxesEarnsNoBonus() {
        WindowFixture f;
        const int acid = f.fill(8, 0, Ethanoic);
        const int ammonia = f.fill(8, 1, Ammonia);
        check(f);
        QCOMPARE(grade(f), QString("8%"));
        QCOMPARE(f.model.SlotTable[12].Placed, std::int16_t(acid));
        QCOMPARE(f.model.SlotTable[13].Placed, std::int16_t(ammonia));
        for (int b = 8; b < 12; ++b) {
            QVERIFY(f.ui.tCoefficient(b).isVisible());
            QCOMPARE(f.ui.tCoefficient(b).text(), QString());
        }
        type(f, {{8, "3"}, {9, "6"}, {10, "3"}, {11, "3"}});
        check(f);
        QCOMPARE(grade(f), QString("16%"));
    }

    // A wrong compound goes home from any section, in view or not, and takes its reaction's
    // coefficients with it.
    void wrongCompoundsGoHomeFromEverySection() {
        WindowFixture f;
        const int wrongZero = f.fill(0, 0, Water);
        const int wrongTwo = f.fill(4, 0, Ammonia);
        const int rightAcid = f.fill(9, 0, Propanoic);
        const int wrongFour = f.fill(9, 1, Water);
        type(f, {{12, "1"}, {13, "2"}});
        f.showSection(1);
        check(f);
        QCOMPARE(grade(f), QString("4%"));
        for (int copy : {wrongZero, wrongTwo, wrongFour})
            QCOMPARE(f.awayFromHome(copy), QString());
        QCOMPARE(f.model.SlotTable[0].Placed, std::int16_t(-1));
        QCOMPARE(f.model.SlotTable[5].Placed, std::int16_t(-1));
        QCOMPARE(f.model.SlotTable[14].Placed, std::int16_t(rightAcid));
        QCOMPARE(f.model.SlotTable[15].Placed, std::int16_t(-1));
        for (int b : {0, 1, 12, 13, 14, 15}) {
            QVERIFY(!f.ui.tCoefficient(b).isVisible());
            QCOMPARE(f.ui.tCoefficient(b).text(), QString());
        }
        // The card pressed last lies in front of its column again, ready to be grabbed.
        QCOMPARE(f.frontCopy(Water), wrongFour);
    }

    // Each check starts from zero: after a correction the grade is computed anew.
    void aSecondCheckAfterACorrection() {
        WindowFixture f;
        f.fill(3, 0, Propanoic);
        f.fill(3, 1, Water);
        check(f);
        QCOMPARE(grade(f), QString("3%"));
        QVERIFY(!f.ui.Label1(1).isVisible());
        f.fill(3, 0, Ethanoic);
        QVERIFY(!f.ui.LGrade.isVisible());
        check(f);
        QCOMPARE(grade(f), QString("6%"));
        QVERIFY(f.ui.Label1(1).isVisible());
    }
};

QTEST_MAIN(CheckTest)
#include "test_check.moc"
