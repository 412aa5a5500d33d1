#include "model/hand_in.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <cmath>

namespace model {

namespace {

// Every identifier of the form is an IRI under the program's own id.
QString iri(QStringView name) {
    return QStringLiteral("urn:" WORKSHEET_APP_ID ":") + name.toString();
}

const QString kCompleted = QStringLiteral("http://adlnet.gov/expapi/verbs/completed");
const QString kAssessment = QStringLiteral("http://adlnet.gov/expapi/activities/assessment");
// The version of the extensions' form; a reader of this one turns down any other.
constexpr int kRecordForm = 1;
// A box takes no more than a line edit does.
constexpr qsizetype kLongestBox = 32767;
constexpr int kMostChecks = 1'000'000;

QString duration(qint64 seconds) {
    return QStringLiteral("PT%1H%2M%3S")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60)
        .arg(seconds % 60);
}

std::optional<qint64> secondsOf(const QString& text) {
    static const QRegularExpression form(
        QStringLiteral("^PT(?:(\\d{1,7})H)?(?:(\\d{1,9})M)?(?:(\\d{1,10})S)?$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch() || text == QLatin1String("PT"))
        return std::nullopt;
    const qint64 seconds = match.captured(1).toLongLong() * 3600 +
                           match.captured(2).toLongLong() * 60 + match.captured(3).toLongLong();
    if (seconds > kLongestDuration)
        return std::nullopt;
    return seconds;
}

QString formulaOf(int compound) {
    return QString::fromUtf8(kCompoundTable[compound].formula);
}

// A JSON number that is a whole number within [low, high].
std::optional<qint64> whole(const QJsonValue& value, qint64 low, qint64 high) {
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    if (!(number >= double(low) && number <= double(high)) || std::trunc(number) != number)
        return std::nullopt;
    return qint64(number);
}

std::optional<Blanks> blanksOf(const QJsonValue& value) {
    const QJsonArray list = value.toArray();
    if (!value.isArray() || list.size() != kBlanks)
        return std::nullopt;
    Blanks blanks;
    for (int blank = 0; blank < kBlanks; ++blank) {
        const QJsonValue each = list[blank];
        blanks[blank] = kNone;
        if (each.isNull())
            continue;
        for (int compound = 0; compound < kCompounds; ++compound) {
            if (each.isString() && each.toString() == formulaOf(compound))
                blanks[blank] = compound;
        }
        if (blanks[blank] == kNone)
            return std::nullopt;
    }
    return blanks;
}

std::optional<BoxTexts> boxesOf(const QJsonValue& value) {
    const QJsonArray list = value.toArray();
    if (!value.isArray() || list.size() != kCoefficientBoxes)
        return std::nullopt;
    BoxTexts boxes;
    for (int box = 0; box < kCoefficientBoxes; ++box) {
        if (!list[box].isString() || list[box].toString().size() > kLongestBox)
            return std::nullopt;
        boxes[box] = list[box].toString();
    }
    return boxes;
}

// The marks a record states must be those its own answers earn.
bool marksAgree(const QJsonObject& result, const HandIn& work) {
    const Marking marking = work.marking();
    const QJsonObject score = result[QLatin1String("score")].toObject();
    if (whole(score[QLatin1String("raw")], 0, 100) != marking.grade ||
        whole(score[QLatin1String("min")], 0, 0) != 0 ||
        whole(score[QLatin1String("max")], 100, 100) != 100 ||
        score[QLatin1String("scaled")].toDouble(-1) != marking.grade / 100.0)
        return false;
    const QJsonArray sections =
        result[QLatin1String("extensions")].toObject()[iri(u"sections")].toArray();
    if (sections.size() != kSections)
        return false;
    for (int s = 0; s < kSections; ++s) {
        const QJsonObject each = sections[s].toObject();
        if (whole(each[QLatin1String("earned")], 0, 100) != marking.scores[s] ||
            whole(each[QLatin1String("total")], 0, 100) != fullMarksOf(s))
            return false;
    }
    return true;
}

} // namespace

QByteArray statementOf(const HandIn& work) {
    const Marking marking = work.marking();
    QJsonArray blanks;
    for (int compound : work.blanks)
        blanks.append(compound == kNone ? QJsonValue() : QJsonValue(formulaOf(compound)));
    QJsonArray boxes;
    for (const QString& text : work.boxes)
        boxes.append(text);
    QJsonArray sections;
    for (int s = 0; s < kSections; ++s)
        sections.append(QJsonObject{{QStringLiteral("earned"), marking.scores[s]},
                                    {QStringLiteral("total"), fullMarksOf(s)}});

    const QJsonObject actor{
        {QStringLiteral("objectType"), QStringLiteral("Agent")},
        {QStringLiteral("name"), work.name},
        {QStringLiteral("account"), QJsonObject{{QStringLiteral("homePage"), iri(u"accounts")},
                                                {QStringLiteral("name"), work.account}}}};
    const QJsonObject verb{
        {QStringLiteral("id"), kCompleted},
        {QStringLiteral("display"), QJsonObject{{QStringLiteral("en-US"), QStringLiteral("completed")},
                                                {QStringLiteral("el-GR"),
                                                 QStringLiteral("ολοκλήρωσε")}}}};
    const QJsonObject activity{
        {QStringLiteral("objectType"), QStringLiteral("Activity")},
        {QStringLiteral("id"), iri(u"worksheet")},
        {QStringLiteral("definition"),
         QJsonObject{{QStringLiteral("type"), kAssessment},
                     {QStringLiteral("name"),
                      QJsonObject{{QStringLiteral("el-GR"),
                                   QStringLiteral("Παρασκευές οργανικών οξέων")},
                                  {QStringLiteral("en-US"),
                                   QStringLiteral("Preparations of carboxylic acids")}}}}}};
    const QJsonObject result{
        {QStringLiteral("score"), QJsonObject{{QStringLiteral("scaled"), marking.grade / 100.0},
                                              {QStringLiteral("raw"), marking.grade},
                                              {QStringLiteral("min"), 0},
                                              {QStringLiteral("max"), 100}}},
        {QStringLiteral("success"), marking.grade == 100},
        {QStringLiteral("completion"), true},
        {QStringLiteral("duration"), duration(work.seconds)},
        {QStringLiteral("extensions"), QJsonObject{{iri(u"record"), kRecordForm},
                                                   {iri(u"checks"), work.checks},
                                                   {iri(u"sections"), sections},
                                                   {iri(u"blanks"), blanks},
                                                   {iri(u"boxes"), boxes}}}};
    const QJsonObject statement{
        {QStringLiteral("id"), work.id.toString(QUuid::WithoutBraces)},
        {QStringLiteral("version"), QStringLiteral("1.0.3")},
        {QStringLiteral("timestamp"), work.handedIn.toString(Qt::ISODate)},
        {QStringLiteral("actor"), actor},
        {QStringLiteral("verb"), verb},
        {QStringLiteral("object"), activity},
        {QStringLiteral("result"), result},
        {QStringLiteral("context"),
         QJsonObject{{QStringLiteral("extensions"),
                      QJsonObject{{iri(u"class"), work.schoolClass}}}}}};
    return QJsonDocument(statement).toJson(QJsonDocument::Indented);
}

std::optional<HandIn> handInOf(QByteArrayView statement) {
    if (statement.size() > kLargestRecord)
        return std::nullopt;
    QJsonParseError error;
    const QJsonDocument document =
        QJsonDocument::fromJson(QByteArray::fromRawData(statement.data(), statement.size()), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject root = document.object();
    const QJsonObject actor = root[QLatin1String("actor")].toObject();
    const QJsonObject result = root[QLatin1String("result")].toObject();
    const QJsonObject extensions = result[QLatin1String("extensions")].toObject();
    const QJsonObject context =
        root[QLatin1String("context")].toObject()[QLatin1String("extensions")].toObject();
    if (root[QLatin1String("verb")].toObject()[QLatin1String("id")] != kCompleted ||
        root[QLatin1String("object")].toObject()[QLatin1String("id")] != iri(u"worksheet") ||
        whole(extensions[iri(u"record")], kRecordForm, kRecordForm) != kRecordForm)
        return std::nullopt;

    HandIn work;
    work.id = QUuid::fromString(root[QLatin1String("id")].toString());
    work.name = actor[QLatin1String("name")].toString();
    work.account =
        actor[QLatin1String("account")].toObject()[QLatin1String("name")].toString();
    work.schoolClass = context[iri(u"class")].toString();
    work.handedIn =
        QDateTime::fromString(root[QLatin1String("timestamp")].toString(), Qt::ISODate);
    const std::optional<qint64> seconds =
        secondsOf(result[QLatin1String("duration")].toString());
    const std::optional<qint64> checks = whole(extensions[iri(u"checks")], 0, kMostChecks);
    const std::optional<Blanks> blanks = blanksOf(extensions[iri(u"blanks")]);
    const std::optional<BoxTexts> boxes = boxesOf(extensions[iri(u"boxes")]);
    if (work.id.isNull() || !actor[QLatin1String("name")].isString() ||
        !context[iri(u"class")].isString() || !work.handedIn.isValid() || !seconds || !checks ||
        !blanks || !boxes)
        return std::nullopt;
    work.seconds = *seconds;
    work.checks = int(*checks);
    work.blanks = *blanks;
    work.boxes = *boxes;
    if (!marksAgree(result, work))
        return std::nullopt;
    return work;
}

} // namespace model
