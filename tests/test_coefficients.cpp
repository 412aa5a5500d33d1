#include "model/coefficients.h"

#include <QLocale>
#include <QTest>

#include <clocale>
#include <optional>

using model::readCoefficient;

namespace {

bool coefficientsRight(int reaction, const QStringList& texts) {
    return model::coefficientsRight(model::reaction(reaction),
                                    {texts.data(), size_t(texts.size())});
}

} // namespace

Q_DECLARE_METATYPE(std::optional<std::int16_t>)

namespace QTest {
template <> char* toString(const std::optional<std::int16_t>& value) {
    return value ? QTest::toString(int(*value)) : qstrdup("wrong");
}
} // namespace QTest

class CoefficientsTest : public QObject {
    Q_OBJECT

private slots:
    // A box's text reads as its value, or as nothing when it can never be a coefficient.
    void textReadsAsItsLeadingNumberRounded_data();
    void textReadsAsItsLeadingNumberRounded();
    // Only spaces make a box empty; a tab or a line break is text, and holds no number.
    void onlySpacesMakeABoxEmpty_data();
    void onlySpacesMakeABoxEmpty();
    // The locale the student's system runs in never changes what a box reads.
    void greekLocaleStillReadsTheDecimalPoint();
    // A reaction's coefficients are right exactly when they are positive and in its ratio.
    void reactionIsRightOnlyForItsRatio_data();
    void reactionIsRightOnlyForItsRatio();
};

void CoefficientsTest::textReadsAsItsLeadingNumberRounded_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<std::int16_t>>("expected");
    const std::optional<std::int16_t> wrong;
    auto row = [](const char* name, const QString& text, std::optional<std::int16_t> value) {
        QTest::newRow(name) << text << value;
    };

    row("empty counts as one", "", 1);
    row("spaces only count as one", "   ", 1);
    row("plain integer", "2", 2);
    row("surrounding spaces", " 3 ", 3);
    row("blank between digits", "1 2", 12);
    row("blank after the sign", "+ 2", 2);
    row("blank before a zero", "2 0", 20);
    row("blanks around the point", "1 . 5", 2);
    row("blank before a minus sign", " - 2", -2);
    row("decimal point rounds up", "0.6", 1);
    row("decimal comma stops the number", "0,5", 0);
    row("letters read zero", "abc", 0);
    row("half rounds down to even", "2.5", 2);
    row("half rounds up to even", "3.5", 4);
    row("half of one rounds to zero", "0.5", 0);
    row("leading point", ".5", 0);
    row("negative", "-1", -1);
    row("explicit plus", "+3", 3);
    row("exponent", "1e2", 100);
    row("capital exponent with sign", "25E-1", 2);
    row("incomplete exponent stops before the e", "1e", 1);
    row("exponent sign without digits", "7e+", 7);
    row("second decimal point stops the number", "1.2.3", 1);
    row("trailing text ignored", "12abc", 12);
    row("sign without digits", "-", 0);
    row("no radix prefixes", "&H10", 0);
    row("largest", "32767", 32767);
    row("smallest", "-32768", -32768);
    row("rounds beyond the largest", "32767.5", wrong);
    row("beyond the range", "40000", wrong);
    row("beyond double", "1e400", wrong);
    row("100000 digits", QString(100000, u'9'), wrong);
    row("100000 spaces", QString(100000, u' '), 1);
    row("100000 zeros then one", QString(100000, u'0') + u'1', 1);
}

void CoefficientsTest::textReadsAsItsLeadingNumberRounded() {
    QFETCH(QString, text);
    QFETCH(std::optional<std::int16_t>, expected);
    QCOMPARE(readCoefficient(text), expected);
}

void CoefficientsTest::onlySpacesMakeABoxEmpty_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<std::int16_t>>("expected");
    QTest::newRow("a tab") << QString("\t") << std::optional<std::int16_t>(0);
    QTest::newRow("a line break") << QString("\r\n") << std::optional<std::int16_t>(0);
    QTest::newRow("a tab among spaces") << QString(" \t  ") << std::optional<std::int16_t>(0);
    QTest::newRow("a tab before the number") << QString("\t2") << std::optional<std::int16_t>(2);
    QTest::newRow("blanks before the number")
        << QString("  \n\t 4") << std::optional<std::int16_t>(4);
    QTest::newRow("a line break after it") << QString("3\n") << std::optional<std::int16_t>(3);
}

void CoefficientsTest::onlySpacesMakeABoxEmpty() {
    QFETCH(QString, text);
    QFETCH(std::optional<std::int16_t>, expected);
    QCOMPARE(readCoefficient(text), expected);
}

void CoefficientsTest::greekLocaleStillReadsTheDecimalPoint() {
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::Greek, QLocale::Greece));
    // Greek C locales are not installed everywhere; the Qt default locale alone still proves
    // the point when none is.
    const std::string previousNumeric = std::setlocale(LC_NUMERIC, nullptr);
    for (const char* name : {"el_GR.UTF-8", "el_GR.utf8", "el_GR"}) {
        if (std::setlocale(LC_NUMERIC, name))
            break;
    }

    const auto pointSix = readCoefficient(u"0.6");
    const auto commaFive = readCoefficient(u"0,5");
    const auto grouped = readCoefficient(u"1.500");
    const bool twoPointFive = coefficientsRight(0, {"2.5", "4"});

    std::setlocale(LC_NUMERIC, previousNumeric.c_str());
    QLocale::setDefault(previous);

    QCOMPARE(pointSix, std::optional<std::int16_t>(1));
    QCOMPARE(commaFive, std::optional<std::int16_t>(0));
    QCOMPARE(grouped, std::optional<std::int16_t>(2));
    QVERIFY(twoPointFive);
}

void CoefficientsTest::reactionIsRightOnlyForItsRatio_data() {
    QTest::addColumn<int>("reaction");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<bool>("right");

    QTest::newRow("0: 1:2") << 0 << QStringList{"1", "2"} << true;
    QTest::newRow("0: scaled 2:4") << 0 << QStringList{"2", "4"} << true;
    QTest::newRow("0: empty is one") << 0 << QStringList{"", "2"} << true;
    QTest::newRow("0: 1:1") << 0 << QStringList{"1", "1"} << false;
    QTest::newRow("0: 2:2") << 0 << QStringList{"2", "2"} << false;
    QTest::newRow("0: both empty") << 0 << QStringList{"", ""} << false;
    QTest::newRow("0: 2:1 reversed") << 0 << QStringList{"2", "1"} << false;
    QTest::newRow("0: both zero") << 0 << QStringList{"0", "0"} << false;
    QTest::newRow("0: both negative") << 0 << QStringList{"-1", "-1"} << false;
    QTest::newRow("0: both comma") << 0 << QStringList{"0,5", "0,5"} << false;
    QTest::newRow("0: out of range") << 0 << QStringList{"40000", "40000"} << false;
    QTest::newRow("0: too few boxes") << 0 << QStringList{"1"} << false;
    QTest::newRow("1: 2:1:2") << 1 << QStringList{"4", "2", "4"} << true;
    QTest::newRow("1: all empty") << 1 << QStringList{"", "", ""} << false;
    QTest::newRow("1: last differs") << 1 << QStringList{"2", "1", "4"} << false;
    QTest::newRow("1: first not double") << 1 << QStringList{"4", "1", "4"} << false;
    QTest::newRow("1: 1:2:1 reversed") << 1 << QStringList{"1", "2", "1"} << false;
    QTest::newRow("1: doubling beyond range")
        << 1 << QStringList{"32767", "20000", "32767"} << false;
    QTest::newRow("2: 1:1:1") << 2 << QStringList{"3", "3", "3"} << true;
    QTest::newRow("2: last differs") << 2 << QStringList{"3", "3", "2"} << false;
    QTest::newRow("2: middle differs") << 2 << QStringList{"3", "2", "3"} << false;
    QTest::newRow("8: all empty is 1:1:1:1") << 8 << QStringList{"", "", "", ""} << false;
    QTest::newRow("8: 1:2:1:1") << 8 << QStringList{"1", "2", "1", "1"} << true;
    QTest::newRow("9: scaled 1:2:1:1") << 9 << QStringList{" 3", "6 ", "3", "3.4"} << true;
    QTest::newRow("8: first differs from the products")
        << 8 << QStringList{"1", "2", "3", "3"} << false;
    QTest::newRow("9: water not double") << 9 << QStringList{"1", "3", "1", "1"} << false;
    QTest::newRow("10: last differs") << 10 << QStringList{"1", "2", "1", "2"} << false;
    QTest::newRow("10: doubling beyond range")
        << 10 << QStringList{"20000", "40000", "20000", "20000"} << false;
    QTest::newRow("10: large but in range")
        << 10 << QStringList{"16383", "32766", "16383", "16383"} << true;
    QTest::newRow("8: five boxes") << 8 << QStringList{"1", "2", "1", "1", "1"} << false;
}

void CoefficientsTest::reactionIsRightOnlyForItsRatio() {
    QFETCH(int, reaction);
    QFETCH(QStringList, texts);
    QFETCH(bool, right);
    QCOMPARE(coefficientsRight(reaction, texts), right);
}

QTEST_GUILESS_MAIN(CoefficientsTest)
#include "test_coefficients.moc"
