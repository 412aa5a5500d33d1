// The check: scores, removal of wrong compounds, coefficient verdicts, notes and the grade.
#include "support/window_fixture.h"
#include "worksheet/check.h"

#include <QAction>
#include <QTest>

namespace {

enum Compound { Water = 0, Ethanoic = 1, Propanoic = 2, General = 3, Ammonia = 4 };

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
    f.fill(4, 0, General);
    f.fill(5, 0, Ethanoic);
    f.fill(5, 1, Water);
    f.fill(6, 0, Propanoic);
    f.fill(6, 1, Water);
    f.fill(7, 0, General);
    f.fill(7, 1, Water);
    f.fill(8, 0, Ethanoic);
    f.fill(8, 1, Ammonia);
    f.fill(9, 0, Propanoic);
    f.fill(9, 1, Ammonia);
    f.fill(10, 0, General);
    f.fill(10, 1, Ammonia);
    type(f, {{1, "2"}, {2, "2"}, {3, ""}, {4, "2"}, {5, "3"}, {6, "3"}, {7, "3"}});
    type(f, {{9, "2"}, {12, "2"}, {13, "4"}, {14, "2"}, {15, "2"}, {17, " 2 "}});
}

bool home(const WindowFixture& f, int copy) {
    return f.ui.ImgMolecular(copy).top() == kPaletteTop &&
           f.ui.ImgMolecularOfSection(0, copy).top() == kParkedTop &&
           f.ui.ImgMolecularOfSection(3, copy).top() == kParkedTop;
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
        QVERIFY(!f.ui.LGrade.isVisible());
        for (int s = 0; s < 5; ++s)
            QVERIFY(!f.ui.Label1(s).isVisible());
        for (int b = 0; b < 20; ++b) {
            QVERIFY(!f.ui.tCoefficient(b).isVisible());
            QCOMPARE(f.ui.tCoefficient(b).text(), QString());
        }
        for (const auto& slot : f.model.SlotTable)
            QCOMPARE(slot.Placed, std::int16_t(-1));
    }

    // The two compounds of a pair may stand in either order.
    void pairsAcceptEitherOrder() {
        WindowFixture f;
        f.fill(3, 0, Water);
        f.fill(3, 1, Ethanoic);
        check(f);
        QCOMPARE(grade(f), QString("6%"));
        QVERIFY(f.ui.Label1(1).isVisible());
    }

    // One compound twice in a pair: the second copy goes home, the first scores.
    void aDuplicateInAPairLosesItsSecondCopy() {
        WindowFixture f;
        const int first = f.fill(5, 0, Ethanoic);
        const int second = f.fill(5, 1, Ethanoic);
        check(f);
        QCOMPARE(grade(f), QString("3%"));
        QCOMPARE(f.model.SlotTable[6].Placed, std::int16_t(first));
        QCOMPARE(f.model.SlotTable[7].Placed, std::int16_t(-1));
        QVERIFY(home(f, second));
        QVERIFY(!f.ui.Label1(3).isVisible());
    }

    // The coefficients of a right reaction, as typed, against the points it earns.
    void coefficientsOfSectionZero_data() {
        QTest::addColumn<int>("picture");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("grade");
        QTest::addColumn<bool>("emptied");
        QTest::newRow("slot 0, 1 and 2") << 0 << QStringList{"1", "2"} << "7%" << false;
        QTest::newRow("slot 0, 2 and 4") << 0 << QStringList{"2", "4"} << "7%" << false;
        QTest::newRow("slot 0, empty and 2") << 0 << QStringList{"", "2"} << "7%" << false;
        QTest::newRow("slot 0, 1 and + 2") << 0 << QStringList{"1", "+ 2"} << "7%" << false;
        QTest::newRow("slot 0, 1 and 1") << 0 << QStringList{"1", "1"} << "3%" << true;
        QTest::newRow("slot 0, both empty") << 0 << QStringList{"", ""} << "3%" << true;
        QTest::newRow("slot 0, 0,5 and 0,5") << 0 << QStringList{"0,5", "0,5"} << "3%" << true;
        QTest::newRow("slot 0, 0.6 and 2") << 0 << QStringList{"0.6", "2"} << "7%" << false;
        QTest::newRow("slot 0, 20000 and 40000")
            << 0 << QStringList{"20000", "40000"} << "3%" << true;
        QTest::newRow("slot 0, spaces and 2") << 0 << QStringList{"   ", "2"} << "7%" << false;
        QTest::newRow("slot 1, 4 2 4") << 1 << QStringList{"4", "2", "4"} << "9%" << false;
        QTest::newRow("slot 1, 2 2 2") << 1 << QStringList{"2", "2", "2"} << "3%" << true;
        QTest::newRow("slot 2, 1 1 1") << 2 << QStringList{"", "", ""} << "9%" << false;
        QTest::newRow("slot 2, letters") << 2 << QStringList{"abc", "abc", "abc"} << "3%" << true;
    }
    void coefficientsOfSectionZero() {
        QFETCH(int, picture);
        QFETCH(QStringList, texts);
        QFETCH(QString, grade);
        QFETCH(bool, emptied);
        WindowFixture f;
        f.fill(picture, 0, Ethanoic);
        const int first = picture == 0 ? 0 : (picture - 1) * 3 + 2;
        for (int i = 0; i < texts.size(); ++i)
            f.ui.tCoefficient(first + i).setText(texts[i]);
        check(f);
        QCOMPARE(::grade(f), grade);
        for (int i = 0; i < texts.size(); ++i) {
            QVERIFY(f.ui.tCoefficient(first + i).isVisible());
            QCOMPARE(f.ui.tCoefficient(first + i).text(), emptied ? QString() : texts[i]);
        }
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
            QVERIFY(home(f, copy));
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

    // Checking a group without boxes is always right and touches nothing.
    void groupsWithoutBoxesAreAlwaysRight() {
        WindowFixture f;
        for (std::int16_t g : {3, 4, 5, 6, 7, 11}) {
            bool ok = false;
            worksheet::CheckCoefficients(f.ws, g, ok);
            QVERIFY(ok);
        }
    }
};

QTEST_MAIN(CheckTest)
#include "test_check.moc"
