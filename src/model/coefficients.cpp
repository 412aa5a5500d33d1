#include "model/coefficients.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

namespace model {

namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

// Only ASCII digits: a student's box should not accept digits of other scripts.
bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Only spaces make a box empty: a tab or a line break pasted into it is text that holds no
// number, not an empty box that stands for 1.
QStringView trimmedSpaces(QStringView text) {
    qsizetype first = 0;
    qsizetype end = text.size();
    while (first < end && text[first] == u' ')
        ++first;
    while (end > first && text[end - 1] == u' ')
        --end;
    return text.sliced(first, end - first);
}

// The longest leading number of `text` without its sign: digits with at most one decimal point,
// then an exponent only when it is complete.
QStringView leadingMagnitude(QStringView text) {
    qsizetype end = 0;
    qsizetype digits = 0;
    bool point = false;
    for (; end < text.size(); ++end) {
        if (isDigit(text[end]))
            ++digits;
        else if (text[end] == u'.' && !point)
            point = true;
        else
            break;
    }
    if (digits == 0)
        return {};
    if (end < text.size() && (text[end] == u'e' || text[end] == u'E')) {
        qsizetype exponent = end + 1;
        if (exponent < text.size() && (text[exponent] == u'+' || text[exponent] == u'-'))
            ++exponent;
        const qsizetype exponentDigits = exponent;
        while (exponent < text.size() && isDigit(text[exponent]))
            ++exponent;
        if (exponent > exponentDigits)
            end = exponent;
    }
    return text.first(end);
}

// Halves go to the even neighbour, whatever rounding mode the floating-point unit is in.
double roundHalfToEven(double value) {
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction < 0.5)
        return below;
    if (fraction > 0.5)
        return below + 1;
    return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

// Blanks are skipped wherever they stand, so "1 2" reads twelve and "+ 2" reads two.
QString withoutBlanks(QStringView text) {
    QString kept;
    kept.reserve(text.size());
    for (QChar c : text) {
        if (!isBlank(c))
            kept.append(c);
    }
    return kept;
}

} // namespace

std::optional<std::int16_t> readCoefficient(QStringView text) {
    if (trimmedSpaces(text).isEmpty())
        return 1;
    const QString compact = withoutBlanks(text);
    QStringView rest = compact;
    bool negative = false;
    if (!rest.isEmpty() && (rest.front() == u'+' || rest.front() == u'-')) {
        negative = rest.front() == u'-';
        rest = rest.sliced(1);
    }
    const QStringView magnitude = leadingMagnitude(rest);
    if (magnitude.isEmpty())
        return 0;

    // from_chars never looks at the locale, so a Greek system still reads "0.6" as six tenths.
    const std::string ascii = magnitude.toLatin1().toStdString();
    double value = 0;
    const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (error != std::errc() || end != ascii.data() + ascii.size())
        return std::nullopt;

    const double rounded = roundHalfToEven(negative ? -value : value);
    if (rounded < std::numeric_limits<std::int16_t>::min() ||
        rounded > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

bool coefficientsRight(const Reaction& reaction, std::span<const QString> texts) {
    if (qsizetype(texts.size()) != reaction.boxCount)
        return false;
    std::array<int, 4> c{};
    for (int i = 0; i < reaction.boxCount; ++i) {
        const auto value = readCoefficient(texts[i]);
        if (!value || *value < 1)
            return false;
        c[i] = *value;
    }
    // In int, where no product of a 16-bit value and a small ratio overflows, a multiple beyond
    // the 16-bit range simply equals no coefficient.
    for (int i = 1; i < reaction.boxCount; ++i) {
        if (c[i] * reaction.ratio[0] != c[0] * reaction.ratio[i])
            return false;
    }
    return true;
}

} // namespace model
