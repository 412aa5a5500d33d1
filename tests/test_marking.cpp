// Marking as a function of the blanks and the box texts alone, on a table of example
// worksheets: the grade, the compounds sent back, the reactions whose boxes are emptied and the
// sections at full marks; and, with the same worksheet checked, the boxes that go with a
// compound sent back.
#include "model/marking.h"
#include "model/worksheet.h"

#include <QTest>

using model::Ammonia;
using model::Ethanoic;
using model::GeneralAcid;
using model::Propanoic;
using model::Water;

namespace {

using Placed = QList<QPair<int, int>>;    // blank, compound
using Typed = QList<QPair<int, QString>>; // box, text

// Every blank right, and coefficients in their ratios written as students write them.
const Placed kAllRight{{0, Ethanoic},     {1, Ethanoic},    {2, Ethanoic},     {3, Ethanoic},
                       {4, Water},        {5, GeneralAcid}, {6, Ethanoic},     {7, Water},
                       {8, Propanoic},    {9, Water},       {10, GeneralAcid}, {11, Water},
                       {12, Ethanoic},    {13, Ammonia},    {14, Propanoic},   {15, Ammonia},
                       {16, GeneralAcid}, {17, Ammonia}};
const Typed kAllRightCoefficients{{1, "2"},  {2, "2"},  {4, "2"},  {5, "3"},
                                  {6, "3"},  {7, "3"},  {9, "2"},  {12, "2"},
                                  {13, "4"}, {14, "2"}, {15, "2"}, {17, " 2 "}};

model::Marking marked(const Placed& placed, const Typed& typed) {
    model::Blanks blanks;
    blanks.fill(model::kNone);
    for (const auto& [blank, compound] : placed)
        blanks[blank] = compound;
    model::BoxTexts texts;
    for (const auto& [box, text] : typed)
        texts[box] = text;
    return model::mark(blanks, texts);
}

QList<int> listed(const std::vector<int>& values) {
    return {values.begin(), values.end()};
}

// The reactions showing their coefficient boxes.
QList<int> showingBoxes(const model::Worksheet& worksheet) {
    QList<int> reactions;
    for (int r = 0; r < model::kReactions; ++r) {
        if (model::reaction(r).boxCount > 0 && worksheet.isBoxShown(model::firstBoxOf(r)))
            reactions << r;
    }
    return reactions;
}

QList<int> sectionsAtFullMarks(const model::Marking& marking) {
    QList<int> sections;
    for (int s = 0; s < model::kSections; ++s) {
        if (marking.fullMarks[s])
            sections << s;
    }
    return sections;
}

} // namespace

class MarkingTest : public QObject {
    Q_OBJECT

private slots:
    void examples_data();
    void examples();
    // The grade is the sum of the section scores.
    void gradeAddsUpTheSections();
};

void MarkingTest::examples_data() {
    QTest::addColumn<Placed>("placed");
    QTest::addColumn<Typed>("typed");
    QTest::addColumn<int>("grade");
    QTest::addColumn<QList<int>>("emptied");
    QTest::addColumn<QList<int>>("cleared");
    // Reactions whose boxes showed before the check and are gone after it.
    QTest::addColumn<QList<int>>("boxesGone");
    QTest::addColumn<QList<int>>("fullMarks");

    QTest::newRow("nothing placed")
        << Placed{} << Typed{} << 0 << QList<int>{} << QList<int>{} << QList<int>{} << QList<int>{};
    QTest::newRow("everything right") << kAllRight << kAllRightCoefficients << 100 << QList<int>{}
                                      << QList<int>{} << QList<int>{} << QList<int>{0, 1, 2, 3, 4};
    QTest::newRow("a pair in either order")
        << Placed{{3, Water}, {4, Ethanoic}} << Typed{} << 6 << QList<int>{} << QList<int>{}
        << QList<int>{} << QList<int>{1};
    QTest::newRow("one compound twice in a pair: the second goes")
        << Placed{{6, Ethanoic}, {7, Ethanoic}} << Typed{} << 3 << QList<int>{7} << QList<int>{}
        << QList<int>{} << QList<int>{};
    QTest::newRow("twice in a pair of section 4: its boxes go too")
        << Placed{{12, Ammonia}, {13, Ammonia}} << Typed{} << 4 << QList<int>{13} << QList<int>{}
        << QList<int>{8} << QList<int>{};
    QTest::newRow("a wrong blank of a pair")
        << Placed{{3, Propanoic}, {4, Water}} << Typed{} << 3 << QList<int>{3} << QList<int>{}
        << QList<int>{} << QList<int>{};
    QTest::newRow("butane 1 : 2") << Placed{{0, Ethanoic}} << Typed{{0, "1"}, {1, "2"}} << 7
                                  << QList<int>{} << QList<int>{} << QList<int>{} << QList<int>{};
    QTest::newRow("butane 2 : 4, a plus sign apart")
        << Placed{{0, Ethanoic}} << Typed{{0, "2"}, {1, "+ 4"}} << 7 << QList<int>{} << QList<int>{}
        << QList<int>{} << QList<int>{};
    QTest::newRow("butane empty and 2")
        << Placed{{0, Ethanoic}} << Typed{{1, "2"}} << 7 << QList<int>{} << QList<int>{}
        << QList<int>{} << QList<int>{};
    QTest::newRow("butane 1 : 1") << Placed{{0, Ethanoic}} << Typed{{0, "1"}, {1, "1"}} << 3
                                  << QList<int>{} << QList<int>{0} << QList<int>{} << QList<int>{};
    QTest::newRow("butane both empty") << Placed{{0, Ethanoic}} << Typed{} << 3 << QList<int>{}
                                       << QList<int>{0} << QList<int>{} << QList<int>{};
    QTest::newRow("ethanal 4 : 2 : 4")
        << Placed{{1, Ethanoic}} << Typed{{2, "4"}, {3, "2"}, {4, "4"}} << 9 << QList<int>{}
        << QList<int>{} << QList<int>{} << QList<int>{};
    QTest::newRow("ethanal 2 : 2 : 2")
        << Placed{{1, Ethanoic}} << Typed{{2, "2"}, {3, "2"}, {4, "2"}} << 3 << QList<int>{}
        << QList<int>{1} << QList<int>{} << QList<int>{};
    QTest::newRow("methanol, boxes empty") << Placed{{2, Ethanoic}} << Typed{} << 9 << QList<int>{}
                                           << QList<int>{} << QList<int>{} << QList<int>{};
    QTest::newRow("a nitrile pair right, boxes empty: 1:1:1:1 is not 1:2:1:1")
        << Placed{{12, Ethanoic}, {13, Ammonia}} << Typed{} << 8 << QList<int>{} << QList<int>{8}
        << QList<int>{} << QList<int>{};
    QTest::newRow("a nitrile pair right, 3 6 3 3")
        << Placed{{12, Ammonia}, {13, Ethanoic}} << Typed{{8, "3"}, {9, "6"}, {10, "3"}, {11, "3"}}
        << 16 << QList<int>{} << QList<int>{} << QList<int>{} << QList<int>{};
    QTest::newRow("an incomplete reaction's boxes are not judged")
        << Placed{{14, Propanoic}} << Typed{{12, "abc"}} << 4 << QList<int>{} << QList<int>{}
        << QList<int>{} << QList<int>{};
    QTest::newRow("wrong compounds in every section with boxes")
        << Placed{{0, Water}, {5, Ammonia}, {14, Propanoic}, {15, Water}}
        << Typed{{12, "1"}, {13, "2"}} << 4 << QList<int>{0, 5, 15} << QList<int>{}
        << QList<int>{0, 9} << QList<int>{};
    QTest::newRow("full marks in section 3 alone")
        << Placed{{6, Water}, {7, Ethanoic}, {8, Propanoic},
                  {9, Water}, {10, Water},   {11, GeneralAcid}}
        << Typed{} << 18 << QList<int>{} << QList<int>{} << QList<int>{} << QList<int>{3};
}

void MarkingTest::examples() {
    QFETCH(Placed, placed);
    QFETCH(Typed, typed);
    QFETCH(int, grade);
    const model::Marking marking = marked(placed, typed);
    QCOMPARE(marking.grade, grade);
    QTEST(listed(marking.emptied), "emptied");
    QTEST(listed(marking.cleared), "cleared");
    QTEST(sectionsAtFullMarks(marking), "fullMarks");

    model::Worksheet worksheet;
    for (const auto& [blank, compound] : placed)
        QVERIFY(worksheet.place(blank, compound));
    for (const auto& [box, text] : typed)
        worksheet.setCoefficient(box, text);
    const QList<int> before = showingBoxes(worksheet);
    worksheet.check();
    const QList<int> after = showingBoxes(worksheet);
    QList<int> gone;
    for (int r : before) {
        if (!after.contains(r))
            gone << r;
    }
    QTEST(gone, "boxesGone");
    for (int r : gone) {
        for (int box = model::firstBoxOf(r);
             box < model::firstBoxOf(r) + model::reaction(r).boxCount; ++box)
            QCOMPARE(worksheet.coefficient(box), QString());
    }
}

void MarkingTest::gradeAddsUpTheSections() {
    const model::Marking marking =
        marked({{0, Ethanoic}, {3, Ethanoic}, {5, GeneralAcid}, {8, Propanoic}, {17, Ammonia}},
               {{0, "1"}, {1, "2"}});
    QCOMPARE(marking.scores, (std::array<int, 5>{7, 3, 3, 3, 4}));
    QCOMPARE(marking.grade, 20);
}

QTEST_GUILESS_MAIN(MarkingTest)
#include "test_marking.moc"
