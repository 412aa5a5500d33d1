// The work kept between runs, on the model alone: a worksheet taken up from its kept document is
// the one that was left, field by field, and shows itself through the worksheet's signals; a
// document of another kind, damaged, or holding what no worksheet could be in is refused whole
// and changes nothing.
#include "model/kept_work.h"
#include "model/worksheet.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTest>

#include <functional>

using model::Water;
using Cause = model::Worksheet::Cause;

namespace {

using Making = std::function<void(model::Worksheet&)>;

void placeRight(model::Worksheet& worksheet, int blank) {
    worksheet.place(blank, model::blankRecord(blank).answer);
}

// Reaction 0 has blank 0 alone and boxes 0 and 1; reaction 8 blanks 12 and 13 and boxes 8 to 11.
// What the checks leave: blanks 0, 12 and 13 right and the coefficients of reaction 0; then a
// compound in blank 5 and a text in box 9.
void underWay(model::Worksheet& worksheet) {
    worksheet.restart(7);
    placeRight(worksheet, 0);
    for (int box : {0, 1})
        worksheet.setCoefficient(box, QString::number(model::reaction(0).ratio[box]));
    placeRight(worksheet, 12);
    placeRight(worksheet, 13);
    worksheet.check();
    worksheet.check();
    worksheet.place(5, Water);
    worksheet.setCoefficient(9, "3");
}

void fillEveryBlank(model::Worksheet& worksheet) {
    for (int blank = 0; blank < model::kBlanks; ++blank)
        worksheet.place(blank, blank % model::kCompounds);
}

// Whatever a box takes, at its longest: characters that JSON writes six bytes each.
void everyBoxFull(model::Worksheet& worksheet) {
    fillEveryBlank(worksheet);
    for (int box = 0; box < model::kCoefficientBoxes; ++box)
        worksheet.setCoefficient(box, QString(model::kBoxTextLimit, QChar(0x01)));
}

void oddTexts(model::Worksheet& worksheet) {
    fillEveryBlank(worksheet);
    const QStringList texts{"δύο", " 2 ", "\r\n", "\t", "1e400", "½", "\"", "\\", "𝟚", "-0"};
    for (int box = 0; box < model::kCoefficientBoxes; ++box)
        worksheet.setCoefficient(box, texts[box % texts.size()]);
}

// A document kept from a worksheet under way, as an object to spoil one field of.
QJsonObject keptObject() {
    model::Worksheet worksheet;
    underWay(worksheet);
    return QJsonDocument::fromJson(model::keptWork(worksheet.state())).object();
}

QByteArray spoiled(const std::function<void(QJsonObject&)>& spoil) {
    QJsonObject object = keptObject();
    spoil(object);
    return QJsonDocument(object).toJson();
}

// Sets element `index` of the array under `key`.
std::function<void(QJsonObject&)> element(const QString& key, int index, const QJsonValue& value) {
    return [=](QJsonObject& object) {
        QJsonArray array = object[key].toArray();
        array[index] = value;
        object[key] = array;
    };
}

std::function<void(QJsonObject&)> field(const QString& key, const QJsonValue& value) {
    return [=](QJsonObject& object) { object[key] = value; };
}

} // namespace

class KeptWorkTest : public QObject {
    Q_OBJECT

private slots:
    // Every blank, the palette's order, every box's text, the checks and the time begun come
    // back; a document never outgrows what a reader takes.
    void keptWorkComesBackWhole_data() {
        QTest::addColumn<Making>("making");
        QTest::newRow("nothing done") << Making([](model::Worksheet&) {});
        QTest::newRow("under way, checked twice") << Making(underWay);
        QTest::newRow("any text in the boxes") << Making(oddTexts);
        QTest::newRow("every box at its longest") << Making(everyBoxFull);
    }
    void keptWorkComesBackWhole() {
        QFETCH(Making, making);
        model::Worksheet left;
        making(left);
        const QByteArray document = model::keptWork(left.state());
        QVERIFY(document.size() <= model::kKeptWorkLimit);

        model::Worksheet next;
        next.restart(1234);
        const auto read = model::readKeptWork(document);
        QVERIFY(read);
        QVERIFY(next.restore(*read));
        for (int blank = 0; blank < model::kBlanks; ++blank)
            QCOMPARE(next.compoundIn(blank), left.compoundIn(blank));
        for (int compound = 0; compound < model::kCompounds; ++compound)
            QCOMPARE(next.columnOf(compound), left.columnOf(compound));
        for (int box = 0; box < model::kCoefficientBoxes; ++box) {
            QCOMPARE(next.coefficient(box), left.coefficient(box));
            QCOMPARE(next.isBoxShown(box), left.isBoxShown(box));
        }
        QCOMPARE(next.checks(), left.checks());
        QCOMPARE(next.begun(), left.begun());
    }

    // Work taken up shows as a restart shows a fresh worksheet: every blank that changes and
    // every reaction whose boxes come or go is announced, then the boxes' texts and the palette;
    // what a check revealed is hidden. The blanks' changes are no student's doing.
    void takingUpWorkAnnouncesEveryChange() {
        model::Worksheet left;
        underWay(left);
        model::Worksheet next;
        next.restart(99);
        placeRight(next, 3);
        next.check();
        QVERIFY(next.grade());

        QSignalSpy blanks(&next, &model::Worksheet::blankChanged);
        QSignalSpy boxes(&next, &model::Worksheet::boxesShownChanged);
        QSignalSpy texts(&next, &model::Worksheet::coefficientChanged);
        QSignalSpy palette(&next, &model::Worksheet::paletteChanged);
        QSignalSpy restored(&next, &model::Worksheet::restored);
        QVERIFY(next.restore(left.state()));
        QSet<int> blanksHeard;
        for (const QList<QVariant>& heard : blanks) {
            QCOMPARE(heard[1].value<Cause>(), Cause::Restore);
            blanksHeard.insert(heard[0].toInt());
        }
        QCOMPARE(blanksHeard, (QSet<int>{0, 3, 5, 12, 13}));
        QSet<int> reactionsHeard;
        for (const QList<QVariant>& heard : boxes)
            reactionsHeard.insert(heard[0].toInt());
        QCOMPARE(reactionsHeard, (QSet<int>{0, 8}));
        QSet<int> textsHeard;
        for (const QList<QVariant>& heard : texts)
            textsHeard.insert(heard[0].toInt());
        QCOMPARE(textsHeard, (QSet<int>{0, 1, 9}));
        QCOMPARE(palette.size(), 1);
        QCOMPARE(restored.size(), 1);
        QVERIFY(!next.grade());
        for (int section = 0; section < model::kSections; ++section)
            QVERIFY(!next.isNoteShown(section));
    }

    // Refused whole: the worksheet stays exactly as it was, and says nothing.
    void foreignOrDamagedWorkIsRefused_data() {
        QTest::addColumn<QByteArray>("document");
        QTest::newRow("not JSON") << QByteArray("blanks: 0, 1, 2");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("cut short") << keptWorkCutShort();
        QTest::newRow("an array, not an object") << QByteArray("[1, 2, 3]");
        QTest::newRow("another form")
            << spoiled(field("form", "organic-acid-preparations hand-in"));
        QTest::newRow("no form") << spoiled([](QJsonObject& o) { o.remove("form"); });
        QTest::newRow("another version") << spoiled(field("version", 2));
        QTest::newRow("the version in words") << spoiled(field("version", "1"));
        QTest::newRow("a compound the palette has not") << spoiled(element("blanks", 3, 5));
        QTest::newRow("a negative compound") << spoiled(element("blanks", 3, -1));
        QTest::newRow("a fraction of a compound") << spoiled(element("blanks", 3, 1.5));
        QTest::newRow("a compound in words") << spoiled(element("blanks", 3, "1"));
        QTest::newRow("a blank too few") << spoiled([](QJsonObject& o) {
            QJsonArray blanks = o["blanks"].toArray();
            blanks.removeLast();
            o["blanks"] = blanks;
        });
        // Each compound has a card for every blank: more cards of one than it has would take
        // more blanks than there are.
        QTest::newRow("a blank too many, water in all") << spoiled([](QJsonObject& o) {
            QJsonArray blanks;
            for (int blank = 0; blank <= model::kBlanks; ++blank)
                blanks.append(0);
            o["blanks"] = blanks;
        });
        QTest::newRow("the blanks an object") << spoiled(field("blanks", QJsonObject()));
        QTest::newRow("one column twice") << spoiled(field("columns", QJsonArray{0, 0, 1, 2, 3}));
        QTest::newRow("a column the palette has not")
            << spoiled(field("columns", QJsonArray{0, 1, 2, 3, 5}));
        QTest::newRow("a column short") << spoiled(field("columns", QJsonArray{0, 1, 2, 3}));
        QTest::newRow("a box longer than a box takes")
            << spoiled(element("coefficients", 0, QString(model::kBoxTextLimit + 1, u'2')));
        // Box 2 belongs to reaction 1, whose blank is empty: its boxes are hidden and empty.
        QTest::newRow("text in a box that is not shown")
            << spoiled(element("coefficients", 2, "2"));
        QTest::newRow("a number for a box's text") << spoiled(element("coefficients", 0, 2));
        QTest::newRow("the boxes missing")
            << spoiled([](QJsonObject& o) { o.remove("coefficients"); });
        QTest::newRow("fewer checks than none") << spoiled(field("checks", -1));
        QTest::newRow("a fraction of a check") << spoiled(field("checks", 1.5));
        QTest::newRow("more checks than a number holds") << spoiled(field("checks", 1e300));
        QTest::newRow("begun at no time") << spoiled(field("begun", "yesterday"));
        QTest::newRow("begun as a number") << spoiled(field("begun", 1700000000));
        QTest::newRow("nested deeper than any work")
            << QByteArray(100'000, '[') + QByteArray(100'000, ']');
        // Spaces are nothing to JSON, and the document is whole: only its size is wrong.
        QTest::newRow("larger than any work")
            << QByteArray(model::kKeptWorkLimit, ' ') + model::keptWork(keptState());
    }
    void foreignOrDamagedWorkIsRefused() {
        QFETCH(QByteArray, document);
        model::Worksheet worksheet;
        underWay(worksheet);
        const model::Worksheet::State before = worksheet.state();
        QSignalSpy blanks(&worksheet, &model::Worksheet::blankChanged);
        QSignalSpy restored(&worksheet, &model::Worksheet::restored);
        const auto read = model::readKeptWork(document);
        QVERIFY(!read || !worksheet.restore(*read));
        QVERIFY(worksheet.state() == before);
        QCOMPARE(blanks.size(), 0);
        QCOMPARE(restored.size(), 0);
    }

    // The rows above spoil a document that is itself sound.
    void theUnspoiledDocumentIsTaken() {
        model::Worksheet worksheet;
        const auto read = model::readKeptWork(QJsonDocument(keptObject()).toJson());
        QVERIFY(read);
        QVERIFY(worksheet.restore(*read));
    }

private:
    static model::Worksheet::State keptState() {
        model::Worksheet worksheet;
        underWay(worksheet);
        return worksheet.state();
    }
    static QByteArray keptWorkCutShort() {
        const QByteArray whole = model::keptWork(keptState());
        return whole.left(whole.size() / 2);
    }
};

QTEST_GUILESS_MAIN(KeptWorkTest)
#include "test_kept_work.moc"
