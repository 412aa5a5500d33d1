#include "model/kept_work.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

#include <cmath>
#include <limits>

namespace model {

namespace {

const QString kFormKey = QStringLiteral("form");
const QString kVersionKey = QStringLiteral("version");
const QString kBlanksKey = QStringLiteral("blanks");
const QString kColumnsKey = QStringLiteral("columns");
const QString kCoefficientsKey = QStringLiteral("coefficients");
const QString kChecksKey = QStringLiteral("checks");
const QString kBegunKey = QStringLiteral("begun");

const QString kForm = QStringLiteral("organic-acid-preparations work");
constexpr int kVersion = 1;

// A control character is written as \u00XX, six bytes for one; the other keys and values take a
// few hundred bytes.
static_assert(qsizetype(kCoefficientBoxes) * kBoxTextLimit * 6 + 64 * 1024 <= kKeptWorkLimit);

std::optional<int> wholeNumber(const QJsonValue& value) {
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    if (number != std::floor(number) || number < std::numeric_limits<int>::min() ||
        number > std::numeric_limits<int>::max())
        return std::nullopt;
    return int(number);
}

// The array under `key`, if it has exactly `size` elements.
std::optional<QJsonArray> arrayOf(const QJsonObject& object, const QString& key, int size) {
    const QJsonValue value = object.value(key);
    if (!value.isArray() || value.toArray().size() != size)
        return std::nullopt;
    return value.toArray();
}

} // namespace

QByteArray keptWork(const Worksheet::State& state) {
    QJsonArray blanks;
    for (int compound : state.blanks)
        blanks.append(compound == kNone ? QJsonValue() : QJsonValue(compound));
    QJsonArray columns;
    for (int column : state.columns)
        columns.append(column);
    QJsonArray coefficients;
    for (const QString& text : state.coefficients)
        coefficients.append(text);
    const QJsonObject document{
        {kFormKey, kForm},
        {kVersionKey, kVersion},
        {kBlanksKey, blanks},
        {kColumnsKey, columns},
        {kCoefficientsKey, coefficients},
        {kChecksKey, state.checks},
        {kBegunKey, state.begun.toUTC().toString(Qt::ISODateWithMs)},
    };
    return QJsonDocument(document).toJson(QJsonDocument::Indented);
}

std::optional<Worksheet::State> readKeptWork(const QByteArray& document) {
    if (document.size() > kKeptWorkLimit)
        return std::nullopt;
    QJsonParseError error;
    const QJsonDocument parsed = QJsonDocument::fromJson(document, &error);
    if (error.error != QJsonParseError::NoError || !parsed.isObject())
        return std::nullopt;
    const QJsonObject object = parsed.object();
    if (object.value(kFormKey) != QJsonValue(kForm) ||
        wholeNumber(object.value(kVersionKey)) != kVersion)
        return std::nullopt;

    Worksheet::State state;
    const auto blanks = arrayOf(object, kBlanksKey, kBlanks);
    const auto columns = arrayOf(object, kColumnsKey, kCompounds);
    const auto coefficients = arrayOf(object, kCoefficientsKey, kCoefficientBoxes);
    const auto checks = wholeNumber(object.value(kChecksKey));
    const QJsonValue begun = object.value(kBegunKey);
    if (!blanks || !columns || !coefficients || !checks || !begun.isString())
        return std::nullopt;
    for (int blank = 0; blank < kBlanks; ++blank) {
        const QJsonValue compound = blanks->at(blank);
        // An empty blank is null, never a number.
        const auto number = wholeNumber(compound);
        if (!compound.isNull() && (!number || *number == kNone))
            return std::nullopt;
        state.blanks[blank] = compound.isNull() ? kNone : *number;
    }
    for (int compound = 0; compound < kCompounds; ++compound) {
        const auto column = wholeNumber(columns->at(compound));
        if (!column)
            return std::nullopt;
        state.columns[compound] = *column;
    }
    for (int box = 0; box < kCoefficientBoxes; ++box) {
        const QJsonValue text = coefficients->at(box);
        if (!text.isString())
            return std::nullopt;
        state.coefficients[box] = text.toString();
    }
    state.checks = *checks;
    state.begun = QDateTime::fromString(begun.toString(), Qt::ISODateWithMs);
    return state;
}

} // namespace model
