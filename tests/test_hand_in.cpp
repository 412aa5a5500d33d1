// A hand-in's record: an xAPI statement that carries the student's work whole, scored by the
// worksheet's own marking, and that a reader refuses whenever it is not such a record.
#include "model/hand_in.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <functional>

using model::Ethanoic;
using model::Water;

namespace {

model::HandIn someWork() {
    model::HandIn work;
    work.id = QUuid::createUuid();
    work.name = QStringLiteral("Μαρία \"Μ.\" Παπαδοπούλου\t/../");
    work.schoolClass = QStringLiteral("Β2");
    work.account = QStringLiteral("b2-07");
    work.handedIn = QDateTime(QDate(2026, 12, 9), QTime(10, 15, 30), Qt::OffsetFromUTC, 7200);
    work.seconds = 3 * 3600 + 25 * 60 + 7;
    work.checks = 4;
    work.blanks.fill(model::kNone);
    // The first reaction right with right coefficients, the second one wrong.
    work.blanks[0] = Ethanoic;
    work.blanks[1] = Water;
    work.boxes[1] = QStringLiteral("2");
    work.boxes[2] = QStringLiteral(" 7,5 ");
    return work;
}

QJsonObject asJson(const model::HandIn& work) {
    return QJsonDocument::fromJson(model::statementOf(work)).object();
}

// Edits a statement in place along a path of keys: sets the value, removes the key for an
// undefined one, or, given an index, sets that entry of the list found there.
void edit(QJsonObject& object, QStringList path, const QJsonValue& value, int index) {
    const QString key = path.takeFirst();
    if (!path.isEmpty()) {
        QJsonObject inner = object[key].toObject();
        edit(inner, path, value, index);
        object[key] = inner;
    } else if (index >= 0) {
        QJsonArray list = object[key].toArray();
        list[index] = value;
        object[key] = list;
    } else if (value.isUndefined()) {
        object.remove(key);
    } else {
        object[key] = value;
    }
}

const QString kExtension = QStringLiteral("urn:org.example.OrganicAcidPreparations:");

} // namespace

class HandInTest : public QObject {
    Q_OBJECT

private slots:
    // What the student did, and who and when, comes back from the record as it went in, and the
    // score the record states is the grade a check of that worksheet gives.
    void theRecordKeepsEveryField() {
        const model::HandIn work = someWork();
        const std::optional<model::HandIn> read = model::handInOf(model::statementOf(work));
        QVERIFY(read);
        QCOMPARE(read->id, work.id);
        QCOMPARE(read->name, work.name);
        QCOMPARE(read->schoolClass, work.schoolClass);
        QCOMPARE(read->account, work.account);
        QCOMPARE(read->handedIn, work.handedIn);
        QCOMPARE(read->handedIn.offsetFromUtc(), 7200);
        QCOMPARE(read->seconds, work.seconds);
        QCOMPARE(read->checks, work.checks);
        QCOMPARE(read->blanks, work.blanks);
        QCOMPARE(read->boxes, work.boxes);

        const QJsonObject json = asJson(work);
        const QJsonObject result = json["result"].toObject();
        const int grade = model::mark(work.blanks, work.boxes).grade;
        QVERIFY(grade > 0 && grade < 100);
        QCOMPARE(result["score"].toObject()["raw"].toInt(), grade);
        QCOMPARE(result["score"].toObject()["scaled"].toDouble(), grade / 100.0);
        QCOMPARE(result["score"].toObject()["max"].toInt(), 100);
        QCOMPARE(result["duration"].toString(), QStringLiteral("PT3H25M7S"));
        QCOMPARE(result["success"].toBool(), false);
        QCOMPARE(json["verb"].toObject()["id"].toString(),
                 QStringLiteral("http://adlnet.gov/expapi/verbs/completed"));
        QCOMPARE(json["version"].toString(), QStringLiteral("1.0.3"));
        QCOMPARE(json["timestamp"].toString(), QStringLiteral("2026-12-09T10:15:30+02:00"));
        const QJsonArray blanks = result["extensions"].toObject()[kExtension + "blanks"].toArray();
        QCOMPARE(blanks.size(), model::kBlanks);
        QCOMPARE(blanks[0].toString(), QStringLiteral("CH3COOH"));
        QVERIFY(blanks[2].isNull());
    }

    // A file that is not this program's record of a hand-in, or whose parts are damaged, of the
    // wrong type or out of range, is not read as one.
    void aDamagedOrForeignRecordIsRefused_data() {
        QTest::addColumn<QStringList>("path");
        QTest::addColumn<QJsonValue>("value");
        QTest::addColumn<int>("index");
        const QString ext = "result/extensions/" + kExtension;
        auto row = [](const char* name, const QString& path, const QJsonValue& value,
                      int index = -1) { QTest::newRow(name) << path.split('/') << value << index; };
        row("another verb", "verb/id", "http://adlnet.gov/expapi/verbs/attempted");
        row("another activity", "object/id", "urn:another:worksheet");
        row("another version of the form", ext + "record", 2);
        row("no form version", ext + "record", QJsonValue::Undefined);
        row("a name that is not text", "actor/name", 12);
        row("no class", "context/extensions/" + kExtension + "class", QJsonValue::Undefined);
        row("no time", "timestamp", "yesterday");
        row("no id", "id", "not-a-uuid");
        row("a duration of years", "result/duration", "PT9999999H");
        row("a duration of another form", "result/duration", "P1D");
        row("negative checks", ext + "checks", -1);
        row("fractional checks", ext + "checks", 1.5);
        row("checks as text", ext + "checks", "4");
        row("an unknown compound", ext + "blanks", "C6H6", 2);
        row("a compound by number", ext + "blanks", 1, 0);
        row("a blank list too short", ext + "blanks", QJsonArray{});
        row("a box as a number", ext + "boxes", 2, 1);
        row("a box longer than a box takes", ext + "boxes", QString(40000, '1'), 1);
        row("a higher score than earned", "result/score/raw", 100);
        row("a scaled score that disagrees", "result/score/scaled", 1.0);
        row("a section's marks that disagree", ext + "sections", QJsonArray{});
        row("a nested trap", "result/score", QJsonArray{QJsonArray{QJsonArray{}}});
    }
    void aDamagedOrForeignRecordIsRefused() {
        QFETCH(QStringList, path);
        QFETCH(QJsonValue, value);
        QFETCH(int, index);
        QJsonObject json = asJson(someWork());
        QVERIFY(model::handInOf(QJsonDocument(json).toJson()));
        edit(json, path, value, index);
        QVERIFY(!model::handInOf(QJsonDocument(json).toJson()));
    }

    // Whatever bytes a folder holds, reading them ends with an answer: text that is not JSON,
    // nesting too deep for any record, a file larger than any record.
    void hostileBytesAreRefused() {
        QVERIFY(!model::handInOf("Μαρία, Β2, 85%"));
        QVERIFY(!model::handInOf(QByteArray(100000, '[') + QByteArray(100000, ']')));
        QByteArray huge = model::statementOf(someWork());
        huge.insert(1, "\"padding\": \"" + QByteArray(model::kLargestRecord, 'x') + "\",");
        QVERIFY(!model::handInOf(huge));
    }
};

QTEST_GUILESS_MAIN(HandInTest)
#include "test_hand_in.moc"
