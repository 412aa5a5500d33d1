// The worksheet's rules on the model alone, with no window: what placing, removing, replacing,
// typing, checking and restarting do to the blanks, the palette, the boxes, the grade and the
// notes, and the signals that say so; and the description's numbering of blanks and boxes.
#include "model/worksheet.h"

#include <QSignalSpy>
#include <QTest>

#include <set>

using model::Ammonia;
using model::Ethanoic;
using model::GeneralAcid;
using model::Propanoic;
using model::Water;
using Cause = model::Worksheet::Cause;

namespace {

// The blanks that a spy on blankChanged heard, with their causes.
QList<QPair<int, Cause>> changes(const QSignalSpy& spy) {
    QList<QPair<int, Cause>> heard;
    for (const QList<QVariant>& arguments : spy)
        heard.append({arguments[0].toInt(), arguments[1].value<Cause>()});
    return heard;
}

QList<int> firstArguments(const QSignalSpy& spy) {
    QList<int> heard;
    for (const QList<QVariant>& arguments : spy)
        heard.append(arguments[0].toInt());
    return heard;
}

// Every blank right, and every coefficient in its reaction's ratio.
void fillRight(model::Worksheet& worksheet) {
    for (int blank = 0; blank < model::kBlanks; ++blank)
        QVERIFY(worksheet.place(blank, model::blankRecord(blank).answer));
    for (int r = 0; r < model::kReactions; ++r) {
        for (int i = 0; i < model::reaction(r).boxCount; ++i)
            worksheet.setCoefficient(model::firstBoxOf(r) + i,
                                     QString::number(model::reaction(r).ratio[i]));
    }
}

QString revealed(const model::Worksheet& worksheet) {
    QStringList shown;
    if (worksheet.grade())
        shown << QString("grade %1").arg(*worksheet.grade());
    for (int s = 0; s < model::kSections; ++s) {
        if (worksheet.isNoteShown(s))
            shown << QString("note %1").arg(s);
    }
    return shown.join(", ");
}

} // namespace

class ModelTest : public QObject {
    Q_OBJECT

private slots:
    // Every blank empty, every box empty and hidden, all cards on the palette, nothing revealed,
    // the palette's columns a permutation of the compounds.
    void aFreshWorksheetIsEmpty() {
        model::Worksheet worksheet;
        for (int blank = 0; blank < model::kBlanks; ++blank)
            QCOMPARE(worksheet.compoundIn(blank), model::kNone);
        for (int box = 0; box < model::kCoefficientBoxes; ++box) {
            QVERIFY(!worksheet.isBoxShown(box));
            QCOMPARE(worksheet.coefficient(box), QString());
        }
        std::set<int> columns;
        for (int compound = 0; compound < model::kCompounds; ++compound) {
            QCOMPARE(worksheet.cardsLeft(compound), model::kCardsPerCompound);
            columns.insert(worksheet.columnOf(compound));
            QCOMPARE(worksheet.compoundInColumn(worksheet.columnOf(compound)), compound);
        }
        QCOMPARE(columns, (std::set<int>{0, 1, 2, 3, 4}));
        QCOMPARE(revealed(worksheet), QString());
    }

    // A compound goes into one blank only; one already there goes back to the palette.
    void placingFillsOneBlankAndSendsTheOldCompoundBack() {
        model::Worksheet worksheet;
        QSignalSpy spy(&worksheet, &model::Worksheet::blankChanged);
        QVERIFY(worksheet.place(12, Ethanoic));
        QCOMPARE(worksheet.compoundIn(12), int(Ethanoic));
        QCOMPARE(worksheet.cardsLeft(Ethanoic), model::kCardsPerCompound - 1);
        QVERIFY(worksheet.place(12, Water));
        QCOMPARE(worksheet.compoundIn(12), int(Water));
        QCOMPARE(worksheet.cardsLeft(Ethanoic), model::kCardsPerCompound);
        QCOMPARE(worksheet.cardsLeft(Water), model::kCardsPerCompound - 1);
        for (int blank = 0; blank < model::kBlanks; ++blank) {
            if (blank != 12)
                QCOMPARE(worksheet.compoundIn(blank), model::kNone);
        }
        QCOMPARE(changes(spy),
                 (QList<QPair<int, Cause>>{{12, Cause::Student}, {12, Cause::Student}}));
        // The same compound again changes nothing.
        QVERIFY(worksheet.place(12, Water));
        QCOMPARE(spy.size(), 2);
    }

    // The palette holds eighteen cards of each compound: with all of them in blanks there is
    // none left to place, until one comes back.
    void aCompoundRunsOutOfCards() {
        model::Worksheet worksheet;
        for (int blank = 0; blank < model::kBlanks; ++blank)
            QVERIFY(worksheet.place(blank, Water));
        QCOMPARE(worksheet.cardsLeft(Water), 0);
        QVERIFY(!worksheet.place(0, Water));
        QVERIFY(worksheet.place(0, Ammonia));
        QCOMPARE(worksheet.cardsLeft(Water), 1);
        QVERIFY(worksheet.place(0, Water));
        QVERIFY(!worksheet.place(0, -1));
        QVERIFY(!worksheet.place(0, model::kCompounds));
    }

    // A reaction shows its boxes once all its blanks are filled, whichever blank comes first;
    // reactions without coefficients show none.
    void aReactionShowsItsBoxesOnceComplete_data() {
        QTest::addColumn<QList<int>>("blanks");
        QTest::addColumn<int>("reaction");
        QTest::addColumn<bool>("shown");
        QTest::newRow("butane, its one blank") << QList<int>{0} << 0 << true;
        QTest::newRow("nitrile, left blank only") << QList<int>{14} << 9 << false;
        QTest::newRow("nitrile, right blank only") << QList<int>{15} << 9 << false;
        QTest::newRow("nitrile, left then right") << QList<int>{14, 15} << 9 << true;
        QTest::newRow("nitrile, right then left") << QList<int>{15, 14} << 9 << true;
        QTest::newRow("vinegar, both blanks") << QList<int>{3, 4} << 3 << false;
    }
    void aReactionShowsItsBoxesOnceComplete() {
        QFETCH(QList<int>, blanks);
        QFETCH(int, reaction);
        QFETCH(bool, shown);
        model::Worksheet worksheet;
        QSignalSpy spy(&worksheet, &model::Worksheet::boxesShownChanged);
        for (int blank : blanks)
            worksheet.place(blank, Ethanoic);
        QCOMPARE(worksheet.isComplete(reaction),
                 blanks.size() == model::reaction(reaction).blankCount);
        QCOMPARE(firstArguments(spy), shown ? QList<int>{reaction} : QList<int>{});
        for (int box = 0; box < model::kCoefficientBoxes; ++box)
            QCOMPARE(worksheet.isBoxShown(box), shown && model::reactionOfBox(box) == reaction);
    }

    // Taking a compound out empties and hides its reaction's boxes, even where the other blank
    // still holds one; a replacement keeps them, texts and all; boxes elsewhere never change.
    void removingACompoundForgetsItsReactionsCoefficients() {
        model::Worksheet worksheet;
        worksheet.place(12, Ethanoic);
        worksheet.place(13, Ammonia);
        worksheet.place(0, Ethanoic);
        for (int box : {8, 9, 10, 11})
            worksheet.setCoefficient(box, "2");
        worksheet.setCoefficient(0, "1");
        worksheet.place(12, Propanoic);
        for (int box : {8, 9, 10, 11}) {
            QVERIFY(worksheet.isBoxShown(box));
            QCOMPARE(worksheet.coefficient(box), QString("2"));
        }
        QSignalSpy texts(&worksheet, &model::Worksheet::coefficientChanged);
        QSignalSpy shown(&worksheet, &model::Worksheet::boxesShownChanged);
        worksheet.clear(12);
        QCOMPARE(worksheet.compoundIn(13), int(Ammonia));
        for (int box : {8, 9, 10, 11}) {
            QVERIFY(!worksheet.isBoxShown(box));
            QCOMPARE(worksheet.coefficient(box), QString());
        }
        QCOMPARE(firstArguments(texts), (QList<int>{8, 9, 10, 11}));
        QCOMPARE(firstArguments(shown), QList<int>{8});
        QCOMPARE(worksheet.coefficient(0), QString("1"));
        QVERIFY(worksheet.isBoxShown(0));
        // Section 1 has no boxes: a removal there leaves every box as it was.
        worksheet.place(3, Water);
        worksheet.clear(3);
        QCOMPARE(worksheet.coefficient(0), QString("1"));
        // Clearing an empty blank does nothing at all.
        QSignalSpy blanks(&worksheet, &model::Worksheet::blankChanged);
        worksheet.clear(3);
        QCOMPARE(blanks.size(), 0);
    }

    // What a check revealed goes as the student starts to change the worksheet: taking up a
    // card or placing one hides the grade and every note; taking a compound out hides the grade
    // and the note of that compound's section only; typing hides nothing.
    void changesHideWhatTheCheckRevealed() {
        model::Worksheet worksheet;
        fillRight(worksheet);
        worksheet.check();
        QCOMPARE(revealed(worksheet), QString("grade 100, note 0, note 1, note 2, note 3, note 4"));
        worksheet.setCoefficient(0, "7");
        QCOMPARE(revealed(worksheet), QString("grade 100, note 0, note 1, note 2, note 3, note 4"));
        worksheet.clear(5);
        QCOMPARE(revealed(worksheet), QString("note 0, note 1, note 3, note 4"));
        worksheet.place(5, GeneralAcid);
        QCOMPARE(revealed(worksheet), QString());
        worksheet.check();
        QVERIFY(worksheet.grade());
        QSignalSpy notes(&worksheet, &model::Worksheet::noteChanged);
        QSignalSpy grade(&worksheet, &model::Worksheet::gradeChanged);
        worksheet.hideRevealed();
        QCOMPARE(revealed(worksheet), QString());
        QCOMPARE(firstArguments(notes), (QList<int>{1, 2, 3, 4}));
        QCOMPARE(grade.size(), 1);
    }

    // A check applies its marking: wrong compounds go back to the palette, taking their
    // reactions' coefficients with them; wrong coefficients of right reactions are emptied and
    // stay shown; the notes of the sections at full marks and the grade appear.
    void theCheckAppliesItsMarking() {
        model::Worksheet worksheet;
        worksheet.place(0, Water);       // wrong: back, boxes 0-1 emptied and hidden
        worksheet.place(1, Ethanoic);    // right, coefficients wrong: boxes 2-4 emptied
        worksheet.place(5, GeneralAcid); // right: section 2 at full marks
        worksheet.place(12, Ethanoic);
        worksheet.place(13, Ethanoic); // twice in a pair: the second goes
        worksheet.setCoefficient(0, "1");
        worksheet.setCoefficient(2, "1");
        worksheet.setCoefficient(8, "5");
        QSignalSpy blanks(&worksheet, &model::Worksheet::blankChanged);
        QSignalSpy checked(&worksheet, &model::Worksheet::checked);
        const model::Marking marking = worksheet.check();
        QCOMPARE(marking.grade, 3 + 3 + 4);
        QCOMPARE(changes(blanks),
                 (QList<QPair<int, Cause>>{{0, Cause::Check}, {13, Cause::Check}}));
        QCOMPARE(worksheet.compoundIn(0), model::kNone);
        QCOMPARE(worksheet.compoundIn(13), model::kNone);
        QCOMPARE(worksheet.compoundIn(12), int(Ethanoic));
        QVERIFY(!worksheet.isBoxShown(0));
        QCOMPARE(worksheet.coefficient(0), QString());
        QVERIFY(worksheet.isBoxShown(2));
        QCOMPARE(worksheet.coefficient(2), QString());
        QVERIFY(!worksheet.isBoxShown(8));
        QCOMPARE(worksheet.coefficient(8), QString());
        QCOMPARE(revealed(worksheet), QString("grade 10, note 2"));
        QCOMPARE(checked.size(), 1);
        QCOMPARE(checked[0][0].value<model::Marking>().grade, 10);
    }

    // A check never hides what an earlier one showed: a note stays until a change hides it,
    // even when the section is no longer right.
    void aCheckNeverHidesAnEarlierNote() {
        model::Worksheet worksheet;
        fillRight(worksheet);
        worksheet.check();
        worksheet.setCoefficient(0, "3");
        const model::Marking marking = worksheet.check();
        QVERIFY(!marking.fullMarks[0]);
        QCOMPARE(marking.grade, 96);
        QVERIFY(worksheet.isNoteShown(0));
        QCOMPARE(*worksheet.grade(), 96);
    }

    // A restart empties every blank and box, hides what a check revealed and shuffles the
    // palette; the palette comes from the seed, and every order can come up.
    void aRestartGivesAFreshWorksheet() {
        model::Worksheet worksheet;
        fillRight(worksheet);
        worksheet.check();
        worksheet.check();
        QCOMPARE(worksheet.checks(), 2);
        const QDateTime before = QDateTime::currentDateTimeUtc();
        QSignalSpy blanks(&worksheet, &model::Worksheet::blankChanged);
        QSignalSpy restarted(&worksheet, &model::Worksheet::restarted);
        QSignalSpy palette(&worksheet, &model::Worksheet::paletteChanged);
        worksheet.restart(7);
        QCOMPARE(blanks.size(), model::kBlanks);
        for (const auto& [blank, cause] : changes(blanks))
            QCOMPARE(cause, Cause::Restart);
        for (int blank = 0; blank < model::kBlanks; ++blank)
            QCOMPARE(worksheet.compoundIn(blank), model::kNone);
        for (int box = 0; box < model::kCoefficientBoxes; ++box) {
            QVERIFY(!worksheet.isBoxShown(box));
            QCOMPARE(worksheet.coefficient(box), QString());
        }
        QCOMPARE(revealed(worksheet), QString());
        QCOMPARE(worksheet.checks(), 0);
        QVERIFY(worksheet.begun() >= before);
        QCOMPARE(restarted.size(), 1);
        QCOMPARE(palette.size(), 1);

        std::array<int, model::kCompounds> seven{};
        for (int c = 0; c < model::kCompounds; ++c)
            seven[c] = worksheet.columnOf(c);
        worksheet.restart(8);
        worksheet.restart(7);
        for (int c = 0; c < model::kCompounds; ++c)
            QCOMPARE(worksheet.columnOf(c), seven[c]);

        std::set<std::array<int, model::kCompounds>> orders;
        for (int round = 0; round < 5000 && orders.size() < 120; ++round) {
            worksheet.restart();
            std::array<int, model::kCompounds> order{};
            for (int c = 0; c < model::kCompounds; ++c)
                order[c] = worksheet.columnOf(c);
            QCOMPARE(std::set<int>(order.begin(), order.end()).size(), size_t(model::kCompounds));
            orders.insert(order);
        }
        QCOMPARE(orders.size(), size_t(120));
    }

    // Typing signals a change only when the text changes.
    void aCoefficientChangesOnlyWithItsText() {
        model::Worksheet worksheet;
        QSignalSpy spy(&worksheet, &model::Worksheet::coefficientChanged);
        worksheet.setCoefficient(19, "2");
        worksheet.setCoefficient(19, "2");
        worksheet.setCoefficient(19, " 2");
        QCOMPARE(firstArguments(spy), (QList<int>{19, 19}));
        QCOMPARE(worksheet.coefficient(19), QString(" 2"));
    }

    // The blanks: reaction, section, side, answer and points, as the worksheet gives them.
    void blanksAreNumberedAcrossTheReactions_data() {
        QTest::addColumn<int>("blank");
        QTest::addColumn<int>("reaction");
        QTest::addColumn<int>("section");
        QTest::addColumn<int>("side");
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("points");
        const int rows[][6] = {{0, 0, 0, 0, Ethanoic, 3},      {1, 1, 0, 0, Ethanoic, 3},
                               {2, 2, 0, 0, Ethanoic, 3},      {3, 3, 1, 0, Ethanoic, 3},
                               {4, 3, 1, 1, Water, 3},         {5, 4, 2, 0, GeneralAcid, 3},
                               {6, 5, 3, 0, Ethanoic, 3},      {7, 5, 3, 1, Water, 3},
                               {8, 6, 3, 0, Propanoic, 3},     {9, 6, 3, 1, Water, 3},
                               {10, 7, 3, 0, GeneralAcid, 3},  {11, 7, 3, 1, Water, 3},
                               {12, 8, 4, 0, Ethanoic, 4},     {13, 8, 4, 1, Ammonia, 4},
                               {14, 9, 4, 0, Propanoic, 4},    {15, 9, 4, 1, Ammonia, 4},
                               {16, 10, 4, 0, GeneralAcid, 4}, {17, 10, 4, 1, Ammonia, 4}};
        for (const auto& row : rows)
            QTest::addRow("blank %d", row[0])
                << row[0] << row[1] << row[2] << row[3] << row[4] << row[5];
    }
    void blanksAreNumberedAcrossTheReactions() {
        QFETCH(int, blank);
        QTEST(model::reactionOfBlank(blank), "reaction");
        QTEST(model::sectionOfBlank(blank), "section");
        QTEST(model::sideOfBlank(blank), "side");
        QTEST(int(model::blankRecord(blank).answer), "answer");
        QTEST(model::blankRecord(blank).points, "points");
    }

    // The boxes: the blank a card dropped on each fills, the blank whose compound it multiplies
    // (-1 for a reactant of the drawing) and its section.
    void boxesAreNumberedAcrossTheReactions_data() {
        QTest::addColumn<int>("box");
        QTest::addColumn<int>("fills");
        QTest::addColumn<int>("term");
        QTest::addColumn<int>("section");
        const int rows[][4] = {{0, 0, -1, 0},   {1, 0, 0, 0},    {2, 1, -1, 0},   {3, 1, -1, 0},
                               {4, 1, 1, 0},    {5, 2, -1, 0},   {6, 2, -1, 0},   {7, 2, 2, 0},
                               {8, 12, -1, 4},  {9, 12, -1, 4},  {10, 12, 12, 4}, {11, 13, 13, 4},
                               {12, 14, -1, 4}, {13, 14, -1, 4}, {14, 14, 14, 4}, {15, 15, 15, 4},
                               {16, 16, -1, 4}, {17, 16, -1, 4}, {18, 16, 16, 4}, {19, 17, 17, 4}};
        for (const auto& row : rows)
            QTest::addRow("box %d", row[0]) << row[0] << row[1] << row[2] << row[3];
    }
    void boxesAreNumberedAcrossTheReactions() {
        QFETCH(int, box);
        QTEST(model::blankFilledFrom(box), "fills");
        QTEST(model::termBlankOf(box), "term");
        QTEST(model::sectionOfBox(box), "section");
    }

    // The sections' full marks, which make the grade a percentage.
    void sectionsAddUpToAHundred() {
        QCOMPARE(
            (std::array<int, 5>{model::fullMarksOf(0), model::fullMarksOf(1), model::fullMarksOf(2),
                                model::fullMarksOf(3), model::fullMarksOf(4)}),
            (std::array<int, 5>{25, 6, 3, 18, 48}));
    }
};

QTEST_GUILESS_MAIN(ModelTest)
#include "test_model.moc"
