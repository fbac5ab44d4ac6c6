// Number texts and the readings of entry texts: plain and "0.00" texts of singles, doubles and
// money values, the numeric test, the leading-number reading, the money conversion and the
// single, double and count readings, in a point and in a comma number format.

#include "DecimalDigits.h"
#include "MoneyValue.h"
#include "NumberText.h"
#include "TestLocales.h"

#include <QLocale>
#include <QSet>
#include <QTest>

#include <bit>
#include <charconv>
#include <cmath>
#include <limits>
#include <random>
#include <string>

namespace {

constexpr qint64 LargestCount = std::numeric_limits<qint64>::max();
constexpr qint64 SmallestCount = std::numeric_limits<qint64>::min();
constexpr float LargestSingle = std::numeric_limits<float>::max();
constexpr double LargestDouble = std::numeric_limits<double>::max();

// A text written with "." as the decimal point and "," as the thousands separator, in the
// current number format ("1,000.5" is "1.000,5" in the comma format).
QString localText(const QString &text)
{
    const QLocale locale;
    const QChar point = locale.decimalPoint().front();
    const QChar group = locale.groupSeparator().front();
    QString result = text;
    for (QChar &c : result) {
        if (c == QLatin1Char('.'))
            c = point;
        else if (c == QLatin1Char(','))
            c = group;
    }
    return result;
}

bool commaFormat()
{
    return QLocale().decimalPoint() == QLatin1String(",");
}

QString zeros(int count)
{
    return QString(count, QLatin1Char('0'));
}

// Floats and doubles compared bit for bit in value (QCOMPARE compares them fuzzily).
#define COMPARE_EXACTLY(actual, expected)                                                                  \
    do {                                                                                                   \
        const auto actualValue = (actual);                                                                 \
        const decltype(actualValue) expectedValue = (expected);                                            \
        if (!(actualValue == expectedValue))                                                               \
            QFAIL(qPrintable(QStringLiteral("%1 is %2, expected %3")                                       \
                                 .arg(QLatin1String(#actual))                                              \
                                 .arg(double(actualValue), 0, 'g', 17)                                     \
                                 .arg(double(expectedValue), 0, 'g', 17)));                                \
    } while (false)

// ±digits × 10^exponent as the standard library rounds a binary value to `significant` digits;
// the reference for the digits a number shows.
struct ReferenceDigits
{
    bool negative = false;
    std::string digits;  // no trailing zeros; empty for zero
    int exponent = 0;
};

template <typename Float>
ReferenceDigits referenceDigits(Float value, int significant)
{
    char buffer[64];
    const char *end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, significant - 1).ptr;
    ReferenceDigits result;
    const char *p = buffer;
    if (*p == '-') {
        result.negative = true;
        ++p;
    }
    for (; p != end && *p != 'e'; ++p) {
        if (*p != '.')
            result.digits += *p;
    }
    int exponent = 0;
    ++p;
    if (*p == '+')
        ++p;
    std::from_chars(p, end, exponent);
    result.exponent = exponent - (significant - 1);
    while (!result.digits.empty() && result.digits.back() == '0') {
        result.digits.pop_back();
        ++result.exponent;
    }
    if (result.digits.empty())
        result = {};
    return result;
}

// Fixed-point text of reference digits, with ".".
QString referenceFixedText(const ReferenceDigits &d)
{
    if (d.digits.empty())
        return QStringLiteral("0");
    std::string text;
    if (d.exponent >= 0) {
        text = d.digits + std::string(std::size_t(d.exponent), '0');
    } else {
        const int point = int(d.digits.size()) + d.exponent;
        if (point <= 0)
            text = "0." + std::string(std::size_t(-point), '0') + d.digits;
        else
            text = d.digits.substr(0, std::size_t(point)) + "." + d.digits.substr(std::size_t(point));
    }
    return QString::fromStdString((d.negative ? "-" : "") + text);
}

// "0.00" text of a whole number of hundredths, with ".".
QString hundredthsText(bool negative, quint64 hundredths)
{
    const QString sign = negative && hundredths != 0 ? QStringLiteral("-") : QString();
    return sign + QString::number(hundredths / 100) + QLatin1Char('.')
           + QStringLiteral("%1").arg(hundredths % 100, 2, 10, QLatin1Char('0'));
}

// Reference digits (at most 15 of them, value below 10^13) rounded half away from zero to cents.
QString referenceMoneyText(const ReferenceDigits &d)
{
    if (d.digits.empty())
        return QStringLiteral("0.00");
    const quint64 whole = std::stoull(d.digits);
    quint64 hundredths = 0;
    if (d.exponent >= -2) {
        hundredths = whole;
        for (int i = 0; i < d.exponent + 2; ++i)
            hundredths *= 10;
    } else if (-d.exponent - 2 <= 18) {
        quint64 divisor = 1;
        for (int i = 0; i < -d.exponent - 2; ++i)
            divisor *= 10;
        hundredths = whole / divisor + ((whole % divisor) * 2 >= divisor ? 1 : 0);
    }
    return hundredthsText(d.negative, hundredths);
}

quint64 magnitudeOf(qint64 count)
{
    return count < 0 ? quint64(0) - quint64(count) : quint64(count);
}

} // namespace

class TestNumberTexts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase_data() { addLocaleRows(); }
    void init() { applyLocaleRow(); }

    void decimalPoint();

    void plainTextOfSingle_data();
    void plainTextOfSingle();
    void plainTextOfDouble_data();
    void plainTextOfDouble();
    void plainTextOfMoney_data();
    void plainTextOfMoney();
    void plainTextsMatchStandardRounding();

    void moneyTextOfSingle_data();
    void moneyTextOfSingle();
    void moneyTextOfDouble_data();
    void moneyTextOfDouble();
    void moneyTextOfMoney_data();
    void moneyTextOfMoney();
    void moneyTextsMatchIntegerRounding();
    void moneyTextsOfSaturatedSums_data();
    void moneyTextsOfSaturatedSums();

    void reformatAsMoney_data();
    void reformatAsMoney();

    void numericTest_data();
    void numericTest();
    void numericTestPerFormat_data();
    void numericTestPerFormat();
    void numericTestTakesTheLocaleCurrencySymbol();

    void leadingNumber_data();
    void leadingNumber();
    void leadingNumberPerFormat_data();
    void leadingNumberPerFormat();

    void moneyFromText_data();
    void moneyFromText();
    void moneyFromTextSaturatesNegative();
    void moneyFromGeneratedTexts();

    void moneyValueFromSingle_data();
    void moneyValueFromSingle();
    void moneyValueFromDouble_data();
    void moneyValueFromDouble();
    void moneyValueSaturatesFromBinary();
    void moneyValueToBinary();
    void moneyValueSums_data();
    void moneyValueSums();
    void moneyValueTimes_data();
    void moneyValueTimes();

    void singleFromText_data();
    void singleFromText();
    void doubleFromText_data();
    void doubleFromText();
    void wholeNumber16FromText_data();
    void wholeNumber16FromText();
    void wholeNumber32FromText_data();
    void wholeNumber32FromText();
    void wholePartFromText_data();
    void wholePartFromText();

    void widenSingle_data();
    void widenSingle();

    void singleRoundTrips();
    void singleRoundTripsOfAnyBits();
    void doubleRoundTrips();
    void doubleRoundTripsOfAnyBits();

    void quickReadingsMatchTheGeneralOnes_data();
    void quickReadingsMatchTheGeneralOnes();
    void quickTextsMatchTheGeneralOnes_data();
    void quickTextsMatchTheGeneralOnes();
    void cleanupTestCase() { UseQuickNumberPaths(true); }
};

void TestNumberTexts::decimalPoint()
{
    QCOMPARE(DecimalPoint(), commaFormat() ? QLatin1Char(',') : QLatin1Char('.'));
}

void TestNumberTexts::plainTextOfSingle_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("zero") << 0.0f << "0";
    QTest::newRow("negative zero") << -0.0f << "0";
    QTest::newRow("one") << 1.0f << "1";
    QTest::newRow("hundred, no trailing zeros") << 100.0f << "100";
    QTest::newRow("0.1") << 0.1f << "0.1";
    QTest::newRow("0.525 (binary below)") << 0.525f << "0.525";
    QTest::newRow("2.675") << 2.675f << "2.675";
    QTest::newRow("negative") << -2.675f << "-2.675";
    QTest::newRow("a third: 7 digits") << 1.0f / 3.0f << "0.3333333";
    QTest::newRow("two thirds: 7th digit rounds up") << 2.0f / 3.0f << "0.6666667";
    QTest::newRow("8th digit rounds the 7th") << 1.0000006f << "1.000001";
    QTest::newRow("seven whole digits") << 1234567.0f << "1234567";
    QTest::newRow("9 whole digits show 7") << 123456789.0f << "123456800";
    QTest::newRow("2^24 + 1 shows 7 digits") << 16777217.0f << "16777220";
    QTest::newRow("1e30 without exponent") << 1e30f << "1" + zeros(30);
    QTest::newRow("largest single") << LargestSingle << "3402823" + zeros(32);
    QTest::newRow("negative largest single") << -LargestSingle << "-3402823" + zeros(32);
    QTest::newRow("1e-10") << 1e-10f << "0." + zeros(9) + "1";
    QTest::newRow("-1e-10") << -1e-10f << "-0." + zeros(9) + "1";
    QTest::newRow("smallest normal single") << std::numeric_limits<float>::min() << "0." + zeros(37) + "1175494";
    QTest::newRow("smallest subnormal single") << std::numeric_limits<float>::denorm_min()
                                               << "0." + zeros(44) + "1401298";
}

void TestNumberTexts::plainTextOfSingle()
{
    QFETCH(float, value);
    QFETCH(QString, expected);
    QCOMPARE(PlainText(value), inLocale(expected));
}

void TestNumberTexts::plainTextOfDouble_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("0.1") << 0.1 << "0.1";
    QTest::newRow("0.1 + 0.2 shows 0.3") << 0.1 + 0.2 << "0.3";
    QTest::newRow("a third: 15 digits") << 1.0 / 3.0 << "0.333333333333333";
    QTest::newRow("two thirds: 15th digit rounds up") << 2.0 / 3.0 << "0.666666666666667";
    QTest::newRow("16th digit rounds the 15th") << 0.1234567890123456789 << "0.123456789012346";
    QTest::newRow("just below one carries to 1") << 1.0 - 0x1p-53 << "1";
    QTest::newRow("2.675") << 2.675 << "2.675";
    QTest::newRow("negative") << -1.5 << "-1.5";
    QTest::newRow("2^24 + 1 is exact") << 16777217.0 << "16777217";
    QTest::newRow("1e15") << 1e15 << "1" + zeros(15);
    QTest::newRow("18 whole digits show 15") << 123456789012345678.0 << "123456789012346000";
    QTest::newRow("1e23 (binary below)") << 1e23 << "1" + zeros(23);
    QTest::newRow("1e300 without exponent") << 1e300 << "1" + zeros(300);
    QTest::newRow("1e-10") << 1e-10 << "0." + zeros(9) + "1";
    QTest::newRow("-1e-10") << -1e-10 << "-0." + zeros(9) + "1";
    QTest::newRow("smallest normal double") << std::numeric_limits<double>::min()
                                            << "0." + zeros(307) + "22250738585072";
    QTest::newRow("smallest subnormal double") << std::numeric_limits<double>::denorm_min()
                                               << "0." + zeros(323) + "494065645841247";
}

void TestNumberTexts::plainTextOfDouble()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(PlainText(value), inLocale(expected));
}

void TestNumberTexts::plainTextOfMoney_data()
{
    QTest::addColumn<qint64>("tenThousandths");
    QTest::addColumn<QString>("expected");

    QTest::newRow("zero") << qint64(0) << "0";
    QTest::newRow("one") << qint64(10000) << "1";
    QTest::newRow("four decimals") << qint64(13125) << "1.3125";
    QTest::newRow("trailing zeros dropped") << qint64(1234500) << "123.45";
    QTest::newRow("smallest step") << qint64(1) << "0.0001";
    QTest::newRow("negative smallest step") << qint64(-5) << "-0.0005";
    QTest::newRow("largest") << LargestCount << "922337203685477.5807";
    QTest::newRow("smallest") << SmallestCount << "-922337203685477.5808";
}

void TestNumberTexts::plainTextOfMoney()
{
    QFETCH(qint64, tenThousandths);
    QFETCH(QString, expected);
    QCOMPARE(PlainText(MoneyValue::fromTenThousandths(tenThousandths)), inLocale(expected));
}

// Random singles and doubles of every magnitude against the standard library's rounding to
// 7 and 15 significant digits.
void TestNumberTexts::plainTextsMatchStandardRounding()
{
    std::mt19937_64 random(20240611);
    for (int i = 0; i < 100000; ++i) {
        const float value = std::bit_cast<float>(quint32(random()));
        if (!std::isfinite(value))
            continue;
        const QString expected = inLocale(referenceFixedText(referenceDigits(value, 7)));
        const QString actual = PlainText(value);
        if (actual != expected)
            QFAIL(qPrintable(QStringLiteral("PlainText(float %1) is %2, expected %3")
                                 .arg(double(value), 0, 'g', 9).arg(actual, expected)));
    }
    for (int i = 0; i < 100000; ++i) {
        const double value = std::bit_cast<double>(quint64(random()));
        if (!std::isfinite(value))
            continue;
        const QString expected = inLocale(referenceFixedText(referenceDigits(value, 15)));
        const QString actual = PlainText(value);
        if (actual != expected)
            QFAIL(qPrintable(QStringLiteral("PlainText(double %1) is %2, expected %3")
                                 .arg(value, 0, 'g', 17).arg(actual, expected)));
    }
}

void TestNumberTexts::moneyTextOfSingle_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("zero") << 0.0f << "0.00";
    QTest::newRow("whole") << 2.0f << "2.00";
    QTest::newRow("one decimal") << 0.5f << "0.50";
    QTest::newRow("1.3125: a quarter cent rounds down") << 1.3125f << "1.31";
    QTest::newRow("0.125: a half cent rounds up") << 0.125f << "0.13";
    QTest::newRow("43.125") << 43.125f << "43.13";
    QTest::newRow("3.05915") << 3.05915f << "3.06";
    QTest::newRow("2.675 (binary below the half)") << 2.675f << "2.68";
    QTest::newRow("1.005 (binary below the half)") << 1.005f << "1.01";
    QTest::newRow("0.285 (binary below the half)") << 0.285f << "0.29";
    QTest::newRow("0.045 (binary above the half)") << 0.045f << "0.05";
    QTest::newRow("9.995 carries into the units") << 9.995f << "10.00";
    QTest::newRow("negative half cent away from zero") << -0.125f << "-0.13";
    QTest::newRow("negative 2.675") << -2.675f << "-2.68";
    QTest::newRow("negative half of a cent") << -0.005f << "-0.01";
    QTest::newRow("negative below half a cent shows no sign") << -0.001f << "0.00";
    QTest::newRow("1234567.5 shows 7 digits") << 1234567.5f << "1234568.00";
    QTest::newRow("2^24 + 1") << 16777217.0f << "16777220.00";
    QTest::newRow("1e30") << 1e30f << "1" + zeros(30) + ".00";
    QTest::newRow("1e-10") << 1e-10f << "0.00";
}

void TestNumberTexts::moneyTextOfSingle()
{
    QFETCH(float, value);
    QFETCH(QString, expected);
    QCOMPARE(MoneyText(value), inLocale(expected));
}

void TestNumberTexts::moneyTextOfDouble_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("zero") << 0.0 << "0.00";
    QTest::newRow("whole") << 2.0 << "2.00";
    QTest::newRow("1.3125") << 1.3125 << "1.31";
    QTest::newRow("0.125") << 0.125 << "0.13";
    QTest::newRow("43.125") << 43.125 << "43.13";
    QTest::newRow("3.05915") << 3.05915 << "3.06";
    QTest::newRow("2.675 (binary below the half)") << 2.675 << "2.68";
    QTest::newRow("1.005 (binary below the half)") << 1.005 << "1.01";
    QTest::newRow("0.285 (binary below the half)") << 0.285 << "0.29";
    QTest::newRow("15 digits 0.995 round up") << 0.9949999999999999 << "1.00";
    QTest::newRow("15 digits below the half") << 0.994999999999999 << "0.99";
    QTest::newRow("999.995 carries") << 999.995 << "1000.00";
    QTest::newRow("negative half cent") << -0.125 << "-0.13";
    QTest::newRow("negative half of a cent") << -0.005 << "-0.01";
    QTest::newRow("negative below half a cent") << -0.001 << "0.00";
    QTest::newRow("two decimals kept") << 1234567.891 << "1234567.89";
    QTest::newRow("1e20") << 1e20 << "1" + zeros(20) + ".00";
    QTest::newRow("1e-10") << 1e-10 << "0.00";
}

void TestNumberTexts::moneyTextOfDouble()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(MoneyText(value), inLocale(expected));
}

void TestNumberTexts::moneyTextOfMoney_data()
{
    QTest::addColumn<qint64>("tenThousandths");
    QTest::addColumn<QString>("expected");

    QTest::newRow("zero") << qint64(0) << "0.00";
    QTest::newRow("one") << qint64(10000) << "1.00";
    QTest::newRow("1.3125") << qint64(13125) << "1.31";
    QTest::newRow("0.125") << qint64(1250) << "0.13";
    QTest::newRow("3.0592") << qint64(30592) << "3.06";
    QTest::newRow("43.125") << qint64(431250) << "43.13";
    QTest::newRow("0.0049") << qint64(49) << "0.00";
    QTest::newRow("0.005") << qint64(50) << "0.01";
    QTest::newRow("9.995 carries") << qint64(99950) << "10.00";
    QTest::newRow("-0.125") << qint64(-1250) << "-0.13";
    QTest::newRow("-0.0049 shows no sign") << qint64(-49) << "0.00";
    QTest::newRow("-0.005") << qint64(-50) << "-0.01";
    QTest::newRow("largest") << LargestCount << "922337203685477.58";
    QTest::newRow("largest but 8 rounds up") << LargestCount - 8 << "922337203685477.58";
    QTest::newRow("negative largest") << -LargestCount << "-922337203685477.58";
    QTest::newRow("smallest") << SmallestCount << "-922337203685477.58";
}

void TestNumberTexts::moneyTextOfMoney()
{
    QFETCH(qint64, tenThousandths);
    QFETCH(QString, expected);
    QCOMPARE(MoneyText(MoneyValue::fromTenThousandths(tenThousandths)), inLocale(expected));
}

// Money texts by integer arithmetic on the digits: random money values, random singles and
// doubles of money size.
void TestNumberTexts::moneyTextsMatchIntegerRounding()
{
    std::mt19937_64 random(7);
    for (int i = 0; i < 50000; ++i) {
        const qint64 count = i < 2 ? (i == 0 ? LargestCount : SmallestCount) : qint64(random()) >> (random() % 63);
        const quint64 magnitude = magnitudeOf(count);
        const quint64 hundredths = magnitude / 100 + (magnitude % 100 >= 50 ? 1 : 0);
        const MoneyValue money = MoneyValue::fromTenThousandths(count);
        QCOMPARE(MoneyText(money), inLocale(hundredthsText(count < 0, hundredths)));

        QString plain = QString::number(magnitude / 10000);
        if (magnitude % 10000 != 0) {
            QString decimals = QStringLiteral("%1").arg(magnitude % 10000, 4, 10, QLatin1Char('0'));
            while (decimals.endsWith(QLatin1Char('0')))
                decimals.chop(1);
            plain += QLatin1Char('.') + decimals;
        }
        if (count < 0)
            plain.prepend(QLatin1Char('-'));
        QCOMPARE(PlainText(money), inLocale(plain));
        // The range is symmetric: the most negative count has no text that reads back as itself.
        if (count != SmallestCount)
            QCOMPARE(MoneyFromText(PlainText(money)).tenThousandths(), count);
    }
    std::uniform_real_distribution<double> amounts(-1e7, 1e7);
    for (int i = 0; i < 50000; ++i) {
        // Values of few decimals, where the half cents lie.
        const double scale = std::pow(10.0, double(random() % 6));
        const double amount = std::round(amounts(random) * scale / 1000.0) / scale;
        const float single = float(amount);
        QCOMPARE(MoneyText(single), inLocale(referenceMoneyText(referenceDigits(single, 7))));
        QCOMPARE(MoneyText(amount), inLocale(referenceMoneyText(referenceDigits(amount, 15))));
    }
}

void TestNumberTexts::moneyTextsOfSaturatedSums_data()
{
    QTest::addColumn<MoneyValue>("value");
    QTest::addColumn<QString>("expected");

    const MoneyValue largest = MoneyValue::fromTenThousandths(LargestCount);
    const MoneyValue negativeLargest = MoneyValue::fromTenThousandths(-LargestCount);
    const MoneyValue smallest = MoneyValue::fromTenThousandths(SmallestCount);
    const MoneyValue step = MoneyValue::fromTenThousandths(1);
    const MoneyValue negativeStep = MoneyValue::fromTenThousandths(-1);

    QTest::newRow("largest + step") << largest + step << "922337203685477.58";
    QTest::newRow("largest + largest") << largest + largest << "922337203685477.58";
    QTest::newRow("largest × 2") << largest.times(2) << "922337203685477.58";
    QTest::newRow("largest × largest") << largest.times(LargestCount) << "922337203685477.58";
    QTest::newRow("smallest × -1") << smallest.times(-1) << "922337203685477.58";
    QTest::newRow("negative largest - step") << negativeLargest + negativeStep << "-922337203685477.58";
    QTest::newRow("smallest + smallest") << smallest + smallest << "-922337203685477.58";
    QTest::newRow("largest × -2") << largest.times(-2) << "-922337203685477.58";
    QTest::newRow("largest - largest") << largest + negativeLargest << "0.00";
}

void TestNumberTexts::moneyTextsOfSaturatedSums()
{
    QFETCH(MoneyValue, value);
    QFETCH(QString, expected);
    QCOMPARE(MoneyText(value), inLocale(expected));
}

void TestNumberTexts::reformatAsMoney_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("$0.01") << "$0.01" << "0.01";
    QTest::newRow("$0.00") << "$0.00" << "0.00";
    QTest::newRow("whole") << "7" << "7.00";
    QTest::newRow("blanks around") << " 7 " << "7.00";
    QTest::newRow("2.675") << "2.675" << "2.68";
    QTest::newRow("0.125") << "0.125" << "0.13";
    QTest::newRow("1.3125") << "1.3125" << "1.31";
    QTest::newRow("9.995 carries") << "9.995" << "10.00";
    QTest::newRow("negative half cent") << "-0.005" << "-0.01";
    QTest::newRow("negative below half a cent") << "-0.001" << "0.00";
    QTest::newRow("thousands separators dropped") << "1,000.5" << "1000.50";
    QTest::newRow("exponent") << "1e3" << "1000.00";
    QTest::newRow("digits beyond a double, below the half") << "2.67499999999999999999" << "2.67";
    QTest::newRow("30 whole digits and a half cent") << "123456789012345678901234567890.125"
                                                     << "123456789012345678901234567890.13";
    QTest::newRow("not a number stays") << "abc" << "abc";
    QTest::newRow("digits and letters stay") << "12abc" << "12abc";
    QTest::newRow("empty stays") << "" << "";
    QTest::newRow("lone point stays") << "." << ".";
    QTest::newRow("out of range stays") << "1e400" << "1e400";
    QTest::newRow("point first") << ".5" << "0.50";
    QTest::newRow("point last") << "5." << "5.00";
    QTest::newRow("leading zeros") << "007.50" << "7.50";
    QTest::newRow("minus zero") << "-0" << "0.00";
    QTest::newRow("minus point and half a cent") << "-.005" << "-0.01";
    QTest::newRow("19 digits") << "1234567890123456789" << "1234567890123456789.00";
    QTest::newRow("19 digits, half a cent") << "12345678901234567.895" << "12345678901234567.90";
    QTest::newRow("20 digits") << "12345678901234567890" << "12345678901234567890.00";
    QTest::newRow("lone minus stays") << "-" << "-";
    QTest::newRow("minus and point stays") << "-." << "-.";
}

void TestNumberTexts::reformatAsMoney()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(ReformatAsMoney(localText(text)), localText(expected));
}

// Texts that mean the same in both formats; "." and "," are written as in the point format.
void TestNumberTexts::numericTest_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("numeric");

    QTest::newRow("zero") << "0" << true;
    QTest::newRow("digits") << "12345" << true;
    QTest::newRow("decimals") << "1.31" << true;
    QTest::newRow("leading zeros") << "00012" << true;
    QTest::newRow("blanks around") << "  12  " << true;
    QTest::newRow("minus") << "-5" << true;
    QTest::newRow("plus") << "+5" << true;
    QTest::newRow("point first") << ".5" << true;
    QTest::newRow("point last") << "5." << true;
    QTest::newRow("minus point") << "-.5" << true;
    QTest::newRow("dollar") << "$5" << true;
    QTest::newRow("$0.01") << "$0.01" << true;
    QTest::newRow("$0.00") << "$0.00" << true;
    QTest::newRow("minus before dollar") << "-$5" << true;
    QTest::newRow("minus after dollar") << "$-5" << true;
    QTest::newRow("thousands") << "1,000" << true;
    QTest::newRow("millions with decimals") << "12,345,678.9" << true;
    QTest::newRow("thousands with decimals") << "1,000.5" << true;
    QTest::newRow("exponent") << "1e5" << true;
    QTest::newRow("capital exponent") << "1E5" << true;
    QTest::newRow("negative exponent") << "1e-5" << true;
    QTest::newRow("plus exponent") << "1e+5" << true;
    QTest::newRow("decimals and exponent") << "1.5e3" << true;
    QTest::newRow("zero with a huge exponent") << "0e400" << true;
    QTest::newRow("1e308") << "1e308" << true;
    QTest::newRow("largest double") << "1.7976931348623157e308" << true;
    QTest::newRow("20 digits") << "12345678901234567890" << true;
    QTest::newRow("48 decimals") << "0." + zeros(47) + "1" << true;

    QTest::newRow("empty") << "" << false;
    QTest::newRow("blanks") << "   " << false;
    QTest::newRow("lone point") << "." << false;
    QTest::newRow("lone dollar") << "$" << false;
    QTest::newRow("dollar point") << "$." << false;
    QTest::newRow("lone minus") << "-" << false;
    QTest::newRow("lone plus") << "+" << false;
    QTest::newRow("minus point only") << "-." << false;
    QTest::newRow("letters") << "abc" << false;
    QTest::newRow("digits then letters") << "12abc" << false;
    QTest::newRow("two points") << "1.2.3" << false;
    QTest::newRow("double point") << "1..2" << false;
    QTest::newRow("two signs") << "--5" << false;
    QTest::newRow("mixed signs") << "+-5" << false;
    QTest::newRow("two dollars") << "$$5" << false;
    QTest::newRow("blank inside") << "5 5" << false;
    QTest::newRow("exponent without digits") << "1e" << false;
    QTest::newRow("exponent sign without digits") << "1e+" << false;
    QTest::newRow("exponent alone") << "e5" << false;
    QTest::newRow("1e400") << "1e400" << false;
    QTest::newRow("-1e400") << "-1e400" << false;
    QTest::newRow("huge exponent") << "1e99999999999" << false;
    QTest::newRow("NaN") << "NaN" << false;
    QTest::newRow("nan") << "nan" << false;
    QTest::newRow("inf") << "inf" << false;
    QTest::newRow("-inf") << "-inf" << false;
    QTest::newRow("Infinity") << "Infinity" << false;
    QTest::newRow("hexadecimal") << "0x10" << false;
    QTest::newRow("group of two") << "1,00" << false;
    QTest::newRow("group of four") << "1,0000" << false;
    QTest::newRow("leading group of four") << "1234,567" << false;
    QTest::newRow("separator first") << ",000" << false;
    QTest::newRow("separator last") << "1,000," << false;
    QTest::newRow("two separators") << "1,,000" << false;
    QTest::newRow("short last group") << "1,000,00" << false;
    QTest::newRow("separator in the decimals") << "1.000,5" << false;
}

void TestNumberTexts::numericTest()
{
    QFETCH(QString, text);
    QFETCH(bool, numeric);
    QCOMPARE(IsNumericText(localText(text)), numeric);
}

// The same characters read differently in the two formats.
void TestNumberTexts::numericTestPerFormat_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("pointNumeric");
    QTest::addColumn<double>("pointValue");
    QTest::addColumn<bool>("commaNumeric");
    QTest::addColumn<double>("commaValue");

    QTest::newRow("1.5") << "1.5" << true << 1.5 << false << 0.0;
    QTest::newRow("1,5") << "1,5" << false << 0.0 << true << 1.5;
    QTest::newRow("1,000") << "1,000" << true << 1000.0 << true << 1.0;
    QTest::newRow("1.000") << "1.000" << true << 1.0 << true << 1000.0;
    QTest::newRow("1,00") << "1,00" << false << 0.0 << true << 1.0;
    QTest::newRow("1.00") << "1.00" << true << 1.0 << false << 0.0;
    QTest::newRow("1,0000") << "1,0000" << false << 0.0 << true << 1.0;
    QTest::newRow("1.000,5") << "1.000,5" << false << 0.0 << true << 1000.5;
    QTest::newRow("1,000.5") << "1,000.5" << true << 1000.5 << false << 0.0;
    QTest::newRow("$1,5") << "$1,5" << false << 0.0 << true << 1.5;
    QTest::newRow("euro sign") << QString::fromUtf8("\u20AC5") << false << 0.0 << true << 5.0;
}

void TestNumberTexts::numericTestPerFormat()
{
    QFETCH(QString, text);
    QFETCH(bool, pointNumeric);
    QFETCH(double, pointValue);
    QFETCH(bool, commaNumeric);
    QFETCH(double, commaValue);
    const bool numeric = commaFormat() ? commaNumeric : pointNumeric;
    const double value = commaFormat() ? commaValue : pointValue;
    QCOMPARE(IsNumericText(text), numeric);
    COMPARE_EXACTLY(DoubleFromText(text), value);
    QCOMPARE(MoneyFromText(text), MoneyValue::fromTenThousandths(qint64(value * 10000)));
}

void TestNumberTexts::numericTestTakesTheLocaleCurrencySymbol()
{
    const QString symbol = QLocale().currencySymbol(QLocale::CurrencySymbol);
    QVERIFY(!symbol.isEmpty());
    const QString text = symbol + inLocale(QStringLiteral("12.5"));
    QVERIFY(IsNumericText(text));
    QCOMPARE(MoneyFromText(text), MoneyValue::fromTenThousandths(125000));
    QCOMPARE(MoneyFromText(QStringLiteral("-") + text), MoneyValue::fromTenThousandths(-125000));
}

void TestNumberTexts::leadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("digits then letters") << "12abc" << 12.0;
    QTest::newRow("$0.01 has no leading number") << "$0.01" << 0.0;
    QTest::newRow("-$5") << "-$5" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("blanks") << "   " << 0.0;
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("negative") << "-5" << -5.0;
    QTest::newRow("plus") << "+5" << 5.0;
    QTest::newRow("blanks, decimals, unit") << "  7.5kg" << 7.5;
    QTest::newRow("second point ends it") << "1.5.3" << 1.5;
    QTest::newRow("blank ends it") << "12 34" << 12.0;
    QTest::newRow("exponent then letters") << "1e3x" << 1000.0;
    QTest::newRow("negative exponent") << "2.5e-1" << 0.25;
    QTest::newRow("e without digits is not an exponent") << "1ex" << 1.0;
    QTest::newRow("e and sign without digits") << "1e+x" << 1.0;
    QTest::newRow("lone minus") << "-" << 0.0;
    QTest::newRow("lone point") << "." << 0.0;
    QTest::newRow("point first") << ".5" << 0.5;
    QTest::newRow("minus point first") << "-.5" << -0.5;
    QTest::newRow("point last") << "5." << 5.0;
    QTest::newRow("a digit beyond 40 after zeros") << "2." + zeros(42) + "1abc" << 2.0;
    QTest::newRow("a group of four ends the number") << "1,0000" << 1.0;
}

void TestNumberTexts::leadingNumber()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    COMPARE_EXACTLY(LeadingNumber(localText(text)), expected);
}

void TestNumberTexts::leadingNumberPerFormat_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("pointValue");
    QTest::addColumn<double>("commaValue");

    QTest::newRow("1,5") << "1,5" << 1.0 << 1.5;
    QTest::newRow("1.5") << "1.5" << 1.5 << 1.0;
    QTest::newRow("0,5 EUR") << "0,5 EUR" << 0.0 << 0.5;
}

void TestNumberTexts::leadingNumberPerFormat()
{
    QFETCH(QString, text);
    QFETCH(double, pointValue);
    QFETCH(double, commaValue);
    COMPARE_EXACTLY(LeadingNumber(text), commaFormat() ? commaValue : pointValue);
}

void TestNumberTexts::moneyFromText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("tenThousandths");

    QTest::newRow("1.31") << "1.31" << qint64(13100);
    QTest::newRow("blanks around") << " 7 " << qint64(70000);
    QTest::newRow("$0.01") << "$0.01" << qint64(100);
    QTest::newRow("$0.00") << "$0.00" << qint64(0);
    QTest::newRow("-$5") << "-$5" << qint64(-50000);
    QTest::newRow("thousands") << "1,000.5" << qint64(10005000);
    QTest::newRow("exponent") << "1.5e2" << qint64(1500000);
    QTest::newRow("one ten-thousandth") << "1e-4" << qint64(1);
    QTest::newRow("2.675 exact") << "2.675" << qint64(26750);
    QTest::newRow("0.00005: half to even 0") << "0.00005" << qint64(0);
    QTest::newRow("0.00015: half to even 2") << "0.00015" << qint64(2);
    QTest::newRow("0.00025: half to even 2") << "0.00025" << qint64(2);
    QTest::newRow("0.00035: half to even 4") << "0.00035" << qint64(4);
    QTest::newRow("above the half") << "0.000250001" << qint64(3);
    QTest::newRow("below the half") << "0.000249999" << qint64(2);
    QTest::newRow("negative half to even") << "-0.00015" << qint64(-2);
    QTest::newRow("negative half to even down") << "-0.00025" << qint64(-2);
    QTest::newRow("half carries to a whole") << "0.99995" << qint64(10000);
    QTest::newRow("half stays even") << "0.99985" << qint64(9998);
    QTest::newRow("2.00005") << "2.00005" << qint64(20000);
    QTest::newRow("many decimals") << "123456789.12345678" << qint64(1234567891235);
    QTest::newRow("a digit beyond 40 breaks the half")
        << "0.00005" + zeros(48) + "1" << qint64(1);
    QTest::newRow("largest") << "922337203685477.5807" << LargestCount;
    QTest::newRow("beyond the largest saturates") << "922337203685477.5808" << LargestCount;
    QTest::newRow("1e20 saturates") << "1e20" << LargestCount;
    QTest::newRow("20 digits saturate") << "12345678901234567890" << LargestCount;
    QTest::newRow("letters") << "abc" << qint64(0);
    QTest::newRow("digits then letters") << "12abc" << qint64(0);
    QTest::newRow("empty") << "" << qint64(0);
    QTest::newRow("lone point") << "." << qint64(0);
    QTest::newRow("1e400") << "1e400" << qint64(0);
    QTest::newRow("19 digits saturate") << "1234567890123456789" << LargestCount;
    QTest::newRow("the largest in 19 digits") << "922337203685477.5807" << LargestCount;
    QTest::newRow("15 whole digits and 4 decimals") << "922337203685477.5806" << LargestCount - 1;
    QTest::newRow("19 decimals, below the half") << "0.0000499999999999999" << qint64(0);
    QTest::newRow("minus point") << "-.00015" << qint64(-2);
    QTest::newRow("point last") << "3." << qint64(30000);
}

void TestNumberTexts::moneyFromText()
{
    QFETCH(QString, text);
    QFETCH(qint64, tenThousandths);
    QCOMPARE(MoneyFromText(localText(text)).tenThousandths(), tenThousandths);
}

void TestNumberTexts::moneyFromTextSaturatesNegative()
{
    QVERIFY(MoneyFromText(localText(QStringLiteral("-1e20"))).tenThousandths() <= -LargestCount);
    QVERIFY(MoneyFromText(localText(QStringLiteral("-922337203685477.5809"))).tenThousandths() <= -LargestCount);
    QCOMPARE(MoneyFromText(localText(QStringLiteral("-922337203685477.5807"))).tenThousandths(), -LargestCount);
}

// Random amounts written in every allowed form, against their ten-thousandths worked out with
// whole numbers.
void TestNumberTexts::moneyFromGeneratedTexts()
{
    std::mt19937_64 random(99);
    for (int i = 0; i < 50000; ++i) {
        const quint64 whole = random() % 1000000000000ull;
        const int decimals = int(random() % 11);
        quint64 fraction = 0;
        QString fractionText;
        for (int d = 0; d < decimals; ++d) {
            const int digit = int(random() % 10);
            fraction = fraction * 10 + quint64(digit);
            fractionText += QLatin1Char(char('0' + digit));
        }
        qint64 count = 0;
        if (decimals <= 4) {
            quint64 scaled = fraction;
            for (int d = decimals; d < 4; ++d)
                scaled *= 10;
            count = qint64(whole * 10000 + scaled);
        } else {
            quint64 divisor = 1;
            for (int d = 4; d < decimals; ++d)
                divisor *= 10;
            quint64 scaled = whole * 10000 + fraction / divisor;
            const quint64 rest = fraction % divisor;
            if (rest * 2 > divisor || (rest * 2 == divisor && scaled % 2 == 1))
                ++scaled;
            count = qint64(scaled);
        }
        const bool negative = random() % 2 == 1;
        if (negative)
            count = -count;

        QString wholeText = QString::number(whole);
        if (random() % 2 == 1) {
            for (qsizetype at = wholeText.size() - 3; at > 0; at -= 3)
                wholeText.insert(at, QLatin1Char(','));
        }
        QString text = wholeText;
        if (decimals > 0 || random() % 4 == 0)
            text += QLatin1Char('.') + fractionText;
        if (random() % 3 == 0)
            text.prepend(QLatin1Char('$'));
        if (negative)
            text.prepend(QLatin1Char('-'));
        if (random() % 4 == 0)
            text = QLatin1Char(' ') + text + QLatin1Char(' ');

        const QString local = localText(text);
        if (!IsNumericText(local))
            QFAIL(qPrintable(QStringLiteral("%1 is not read as a number").arg(local)));
        const qint64 actual = MoneyFromText(local).tenThousandths();
        if (actual != count)
            QFAIL(qPrintable(QStringLiteral("%1 reads %2 ten-thousandths, expected %3").arg(local).arg(actual).arg(count)));
    }
}

void TestNumberTexts::moneyValueFromSingle_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<qint64>("tenThousandths");

    QTest::newRow("zero") << 0.0f << qint64(0);
    QTest::newRow("1.31") << 1.31f << qint64(13100);
    QTest::newRow("2.675 (binary below)") << 2.675f << qint64(26750);
    QTest::newRow("exact half to even down") << 0.03125f << qint64(312);
    QTest::newRow("exact half to even up") << 0.09375f << qint64(938);
    QTest::newRow("negative exact half") << -0.03125f << qint64(-312);
    // The binary value decides, not the digits: 0.00025f lies above the half, 0.00035f below.
    QTest::newRow("0.00015 (binary above the half)") << 0.00015f << qint64(2);
    QTest::newRow("0.00025 (binary above the half)") << 0.00025f << qint64(3);
    QTest::newRow("0.00035 (binary below the half)") << 0.00035f << qint64(3);
    QTest::newRow("0.00005 (binary below the half)") << 0.00005f << qint64(0);
    QTest::newRow("1e30 saturates") << 1e30f << LargestCount;
    QTest::newRow("largest single saturates") << LargestSingle << LargestCount;
}

void TestNumberTexts::moneyValueFromSingle()
{
    QFETCH(float, value);
    QFETCH(qint64, tenThousandths);
    QCOMPARE(MoneyValue::fromSingle(value).tenThousandths(), tenThousandths);
}

void TestNumberTexts::moneyValueFromDouble_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<qint64>("tenThousandths");

    QTest::newRow("zero") << 0.0 << qint64(0);
    QTest::newRow("1.31") << 1.31 << qint64(13100);
    QTest::newRow("1.3125") << 1.3125 << qint64(13125);
    QTest::newRow("exact half to even down") << 0.03125 << qint64(312);
    QTest::newRow("exact half to even up") << 0.09375 << qint64(938);
    QTest::newRow("negative exact half") << -0.09375 << qint64(-938);
    QTest::newRow("1e300 saturates") << 1e300 << LargestCount;
    QTest::newRow("infinity saturates") << std::numeric_limits<double>::infinity() << LargestCount;
}

void TestNumberTexts::moneyValueFromDouble()
{
    QFETCH(double, value);
    QFETCH(qint64, tenThousandths);
    QCOMPARE(MoneyValue::fromDouble(value).tenThousandths(), tenThousandths);
}

void TestNumberTexts::moneyValueSaturatesFromBinary()
{
    QVERIFY(MoneyValue::fromSingle(-1e30f).tenThousandths() <= -LargestCount);
    QVERIFY(MoneyValue::fromDouble(-1e300).tenThousandths() <= -LargestCount);
    QVERIFY(MoneyValue::fromDouble(-std::numeric_limits<double>::infinity()).tenThousandths() <= -LargestCount);
}

void TestNumberTexts::moneyValueToBinary()
{
    COMPARE_EXACTLY(MoneyValue::fromTenThousandths(13100).toSingle(), 1.31f);
    COMPARE_EXACTLY(MoneyValue::fromTenThousandths(-5).toSingle(), -0.0005f);
    COMPARE_EXACTLY(MoneyValue::fromTenThousandths(26750).toSingle(), 2.675f);
    COMPARE_EXACTLY(MoneyValue::fromTenThousandths(13100).toDouble(), 1.31);
    COMPARE_EXACTLY(MoneyValue::fromTenThousandths(1).toDouble(), 0.0001);
    COMPARE_EXACTLY(MoneyValue().toDouble(), 0.0);
}

void TestNumberTexts::moneyValueSums_data()
{
    QTest::addColumn<qint64>("a");
    QTest::addColumn<qint64>("b");
    QTest::addColumn<qint64>("sum");

    QTest::newRow("small") << qint64(1) << qint64(2) << qint64(3);
    QTest::newRow("mixed signs") << qint64(13100) << qint64(-26750) << qint64(-13650);
    QTest::newRow("largest + 0") << LargestCount << qint64(0) << LargestCount;
    QTest::newRow("largest - 1 does not saturate") << LargestCount << qint64(-1) << LargestCount - 1;
    QTest::newRow("largest + 1 saturates") << LargestCount << qint64(1) << LargestCount;
    QTest::newRow("largest + largest saturates") << LargestCount << LargestCount << LargestCount;
    QTest::newRow("largest - largest") << LargestCount << -LargestCount << qint64(0);
}

void TestNumberTexts::moneyValueSums()
{
    QFETCH(qint64, a);
    QFETCH(qint64, b);
    QFETCH(qint64, sum);
    const MoneyValue x = MoneyValue::fromTenThousandths(a);
    const MoneyValue y = MoneyValue::fromTenThousandths(b);
    QCOMPARE((x + y).tenThousandths(), sum);
    QCOMPARE((y + x).tenThousandths(), sum);
    MoneyValue running = x;
    running += y;
    QCOMPARE(running.tenThousandths(), sum);
    // Sums below the range saturate at its negative end without wrapping to a positive value.
    const qint64 negativeSum = (MoneyValue::fromTenThousandths(-a) + MoneyValue::fromTenThousandths(-b)).tenThousandths();
    if (sum == LargestCount)
        QVERIFY(negativeSum <= -LargestCount);
    else
        QCOMPARE(negativeSum, -sum);
}

void TestNumberTexts::moneyValueTimes_data()
{
    QTest::addColumn<qint64>("value");
    QTest::addColumn<qint64>("factor");
    QTest::addColumn<qint64>("product");

    QTest::newRow("by 3") << qint64(13125) << qint64(3) << qint64(39375);
    QTest::newRow("by 0") << qint64(13125) << qint64(0) << qint64(0);
    QTest::newRow("by -1") << qint64(13125) << qint64(-1) << qint64(-13125);
    QTest::newRow("negative by 32767") << qint64(-5250) << qint64(32767) << qint64(-172026750);
    QTest::newRow("largest by 1") << LargestCount << qint64(1) << LargestCount;
    QTest::newRow("half the range by 2 saturates") << LargestCount / 2 + 1 << qint64(2) << LargestCount;
    QTest::newRow("largest by largest saturates") << LargestCount << LargestCount << LargestCount;
    QTest::newRow("negative by negative saturates") << qint64(-10000) << -LargestCount << LargestCount;
}

void TestNumberTexts::moneyValueTimes()
{
    QFETCH(qint64, value);
    QFETCH(qint64, factor);
    QFETCH(qint64, product);
    QCOMPARE(MoneyValue::fromTenThousandths(value).times(factor).tenThousandths(), product);
}

void TestNumberTexts::singleFromText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<float>("expected");

    QTest::newRow("1.31") << "1.31" << 1.31f;
    QTest::newRow("0.1") << "0.1" << 0.1f;
    QTest::newRow("0.3") << "0.3" << 0.3f;
    QTest::newRow("2.675") << "2.675" << 2.675f;
    QTest::newRow("negative") << "-5" << -5.0f;
    QTest::newRow("$0.01") << "$0.01" << 0.01f;
    QTest::newRow("thousands") << "1,000.5" << 1000.5f;
    QTest::newRow("exponent") << "1.31e2" << 131.0f;
    QTest::newRow("2^24 + 1: tie to even") << "16777217" << 16777216.0f;
    QTest::newRow("2^24 + 3: tie to even up") << "16777219" << 16777220.0f;
    // Read straight into a single: by way of a double it would land on 1 + 2^-24, a tie, and go to 1.
    QTest::newRow("no double rounding") << "1.0000000596046448" << std::nextafter(1.0f, 2.0f);
    QTest::newRow("a digit beyond 40 after zeros") << "1." + zeros(42) + "1" << 1.0f;
    QTest::newRow("0.99 and a digit beyond 40") << "0.99" + zeros(41) + "1" << 0.99f;
    QTest::newRow("largest single") << "3.4028235e38" << LargestSingle;
    QTest::newRow("1e39 saturates") << "1e39" << LargestSingle;
    QTest::newRow("-1e39 saturates") << "-1e39" << -LargestSingle;
    QTest::newRow("1e300 saturates") << "1e300" << LargestSingle;
    QTest::newRow("smallest subnormal") << "1e-45" << std::numeric_limits<float>::denorm_min();
    QTest::newRow("below the range") << "1e-50" << 0.0f;
    QTest::newRow("letters") << "abc" << 0.0f;
    QTest::newRow("digits then letters") << "12abc" << 0.0f;
    QTest::newRow("empty") << "" << 0.0f;
    QTest::newRow("lone point") << "." << 0.0f;
    QTest::newRow("beyond a double is not a number") << "1e400" << 0.0f;
    QTest::newRow("point first") << ".5" << 0.5f;
    QTest::newRow("point last") << "5." << 5.0f;
    QTest::newRow("minus point") << "-.25" << -0.25f;
    QTest::newRow("trailing zeros beyond 7 digits") << "1.500000000" << 1.5f;
    QTest::newRow("8 digits: no exact operands") << "16777217.5" << 16777218.0f;
    QTest::newRow("19 digits") << "1234567890123456789" << 1234567890123456789.0f;
    QTest::newRow("20 digits") << "12345678901234567890" << 12345678901234567890.0f;
    QTest::newRow("lone minus") << "-" << 0.0f;
}

void TestNumberTexts::singleFromText()
{
    QFETCH(QString, text);
    QFETCH(float, expected);
    COMPARE_EXACTLY(SingleFromText(localText(text)), expected);
}

void TestNumberTexts::doubleFromText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("1.31") << "1.31" << 1.31;
    QTest::newRow("0.1") << "0.1" << 0.1;
    QTest::newRow("negative") << "-5" << -5.0;
    QTest::newRow("$0.01") << "$0.01" << 0.01;
    QTest::newRow("thousands") << "1,000.5" << 1000.5;
    QTest::newRow("all the digits of 0.1") << "0.1000000000000000055511151231257827021181583404541015625" << 0.1;
    QTest::newRow("2^53 + 1: tie to even") << "9007199254740993" << 9007199254740992.0;
    QTest::newRow("2^53 + 1 and a little") << "9007199254740993.0000000001" << 9007199254740994.0;
    QTest::newRow("30 digits") << "123456789012345678901234567890" << 1.2345678901234568e29;
    QTest::newRow("a digit beyond 40 after zeros") << "1." + zeros(42) + "1" << 1.0;
    QTest::newRow("48 whole digits, the last two beyond 40") << "404" + zeros(43) + "61" << 4.04e47;
    QTest::newRow("1e308") << "1e308" << 1e308;
    QTest::newRow("smallest normal") << "2.2250738585072014e-308" << std::numeric_limits<double>::min();
    QTest::newRow("smallest subnormal") << "4.9406564584124654e-324" << std::numeric_limits<double>::denorm_min();
    QTest::newRow("below the range") << "1e-400" << 0.0;
    QTest::newRow("1e400 is not a number") << "1e400" << 0.0;
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
}

void TestNumberTexts::doubleFromText()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    COMPARE_EXACTLY(DoubleFromText(localText(text)), expected);
}

void TestNumberTexts::wholeNumber16FromText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint16>("expected");

    QTest::newRow("7") << "7" << qint16(7);
    QTest::newRow("thousands") << "1,000" << qint16(1000);
    QTest::newRow("dollar") << "$3" << qint16(3);
    QTest::newRow("0.5 to even 0") << "0.5" << qint16(0);
    QTest::newRow("1.5 to even 2") << "1.5" << qint16(2);
    QTest::newRow("2.5 to even 2") << "2.5" << qint16(2);
    QTest::newRow("3.5 to even 4") << "3.5" << qint16(4);
    QTest::newRow("-2.5 to even -2") << "-2.5" << qint16(-2);
    QTest::newRow("-3.5 to even -4") << "-3.5" << qint16(-4);
    QTest::newRow("below the half") << "2.4999" << qint16(2);
    QTest::newRow("above the half") << "2.5001" << qint16(3);
    QTest::newRow("largest") << "32767" << qint16(32767);
    QTest::newRow("just below the top") << "32767.4" << qint16(32767);
    QTest::newRow("rounds past the top") << "32767.5" << qint16(32767);
    QTest::newRow("32768 clamps") << "32768" << qint16(32767);
    QTest::newRow("40000 clamps") << "40000" << qint16(32767);
    QTest::newRow("1e10 clamps") << "1e10" << qint16(32767);
    QTest::newRow("smallest") << "-32768" << qint16(-32768);
    QTest::newRow("rounds past the bottom") << "-32768.5" << qint16(-32768);
    QTest::newRow("-40000 clamps") << "-40000" << qint16(-32768);
    QTest::newRow("-1e10 clamps") << "-1e10" << qint16(-32768);
    QTest::newRow("letters") << "abc" << qint16(0);
    QTest::newRow("digits then letters") << "12abc" << qint16(0);
    QTest::newRow("empty") << "" << qint16(0);
    QTest::newRow("1e400") << "1e400" << qint16(0);
}

void TestNumberTexts::wholeNumber16FromText()
{
    QFETCH(QString, text);
    QFETCH(qint16, expected);
    QCOMPARE(WholeNumber16FromText(localText(text)), expected);
}

void TestNumberTexts::wholeNumber32FromText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint32>("expected");
    QTest::addColumn<qint32>("leading");  // the count read from the text's leading number

    const qint32 top = std::numeric_limits<qint32>::max();
    const qint32 bottom = std::numeric_limits<qint32>::min();
    QTest::newRow("40000") << "40000" << 40000 << 40000;
    QTest::newRow("millions") << "1,000,000" << 1000000 << 1000000;
    QTest::newRow("2.5 to even 2") << "2.5" << 2 << 2;
    QTest::newRow("3.5 to even 4") << "3.5" << 4 << 4;
    QTest::newRow("-2.5 to even -2") << "-2.5" << -2 << -2;
    QTest::newRow("half to even below the top") << "2147483646.5" << 2147483646 << 2147483646;
    QTest::newRow("rounds past the top") << "2147483647.5" << top << top;
    QTest::newRow("3e9 clamps") << "3000000000" << top << top;
    QTest::newRow("rounds past the bottom") << "-2147483648.5" << bottom << bottom;
    QTest::newRow("-3e9 clamps") << "-3000000000" << bottom << bottom;
    QTest::newRow("letters") << "abc" << 0 << 0;
    QTest::newRow("empty") << "" << 0 << 0;
    QTest::newRow("1e400") << "1e400" << 0 << top;
    QTest::newRow("digits then letters") << "5abc" << 0 << 5;
    QTest::newRow("half then letters") << "2.5 items" << 0 << 2;
    QTest::newRow("leading blanks") << "  7" << 7 << 7;
    QTest::newRow("dollar") << "$5" << 5 << 0;
}

void TestNumberTexts::wholeNumber32FromText()
{
    QFETCH(QString, text);
    QFETCH(qint32, expected);
    QFETCH(qint32, leading);
    QCOMPARE(WholeNumber32FromText(localText(text)), expected);
    QCOMPARE(LeadingWholeNumber(localText(text)), leading);
}

void TestNumberTexts::wholePartFromText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("expected");

    QTest::newRow("12") << "12" << qint64(12);
    QTest::newRow("fraction cut, not rounded") << "2.99" << qint64(2);
    QTest::newRow("eight nines and many decimal nines") << "99999999.9999999999999999" << qint64(99999999);
    QTest::newRow("hundred million") << "100000000" << qint64(100000000);
    QTest::newRow("thousands") << "100,000,000" << qint64(100000000);
    QTest::newRow("dollar") << "$123.45" << qint64(123);
    QTest::newRow("exponent") << "1e9" << qint64(1000000000);
    QTest::newRow("negative exponent") << "123e-2" << qint64(1);
    QTest::newRow("below one") << "0.75" << qint64(0);
    QTest::newRow("negative cut towards zero") << "-2.99" << qint64(-2);
    QTest::newRow("largest") << "9223372036854775807.9" << LargestCount;
    QTest::newRow("forty digits saturate") << "1" + zeros(39) << LargestCount;
    QTest::newRow("negative saturates") << "-1" + zeros(39) << SmallestCount;
    QTest::newRow("letters") << "abc" << qint64(0);
    QTest::newRow("digits then letters") << "12abc" << qint64(0);
    QTest::newRow("empty") << "" << qint64(0);
    QTest::newRow("1e400") << "1e400" << qint64(0);
    QTest::newRow("19 digits, the largest") << "9223372036854775807" << LargestCount;
    QTest::newRow("19 digits beyond the largest") << "9223372036854775808" << LargestCount;
    QTest::newRow("19 nines") << "9999999999999999999" << LargestCount;
    QTest::newRow("negative 19 digits, the smallest") << "-9223372036854775808" << SmallestCount;
    QTest::newRow("negative 19 digits beyond the smallest") << "-9223372036854775809" << SmallestCount;
    QTest::newRow("18 decimals cut") << "0.999999999999999999" << qint64(0);
    QTest::newRow("point last") << "42." << qint64(42);
}

void TestNumberTexts::wholePartFromText()
{
    QFETCH(QString, text);
    QFETCH(qint64, expected);
    QCOMPARE(WholePartFromText(localText(text)), expected);
}

void TestNumberTexts::widenSingle_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<double>("expected");

    QTest::newRow("zero") << 0.0f << 0.0;
    QTest::newRow("0.525") << 0.525f << 0.525;
    QTest::newRow("0.1") << 0.1f << 0.1;
    QTest::newRow("2.675") << 2.675f << 2.675;
    QTest::newRow("negative") << -2.675f << -2.675;
    QTest::newRow("a third") << 1.0f / 3.0f << 0.3333333;
    QTest::newRow("8th digit rounds the 7th") << 1.0000006f << 1.000001;
    QTest::newRow("2^24") << 16777216.0f << 16777220.0;
    QTest::newRow("9 whole digits") << 123456789.0f << 123456800.0;
    QTest::newRow("1e30") << 1e30f << 1e30;
    QTest::newRow("largest single") << LargestSingle << 3.402823e38;
    QTest::newRow("1e-10") << 1e-10f << 1e-10;
    QTest::newRow("smallest subnormal") << std::numeric_limits<float>::denorm_min() << 1.401298e-45;
}

void TestNumberTexts::widenSingle()
{
    QFETCH(float, value);
    QFETCH(double, expected);
    COMPARE_EXACTLY(WidenSingle(value), expected);
}

// A single made from at most 7 significant digits shows digits that read back as the same
// single; likewise a double made from at most 15.
void TestNumberTexts::singleRoundTrips()
{
    std::mt19937_64 random(31);
    for (int i = 0; i < 50000; ++i) {
        const std::string text = std::to_string(1 + random() % 9999999) + "e" + std::to_string(int(random() % 83) - 51);
        float value = 0;
        std::from_chars(text.data(), text.data() + text.size(), value);
        if (random() % 2 == 1)
            value = -value;
        const QString plain = PlainText(value);
        const float back = SingleFromText(plain);
        if (back != value)
            QFAIL(qPrintable(QStringLiteral("%1 shows %2, which reads %3")
                                 .arg(double(value), 0, 'g', 9).arg(plain).arg(double(back), 0, 'g', 9)));
        COMPARE_EXACTLY(WidenSingle(value), DoubleFromText(plain));
    }
}

void TestNumberTexts::doubleRoundTrips()
{
    std::mt19937_64 random(32);
    for (int i = 0; i < 50000; ++i) {
        const std::string text =
            std::to_string(1 + random() % 999999999999999ull) + "e" + std::to_string(int(random() % 614) - 320);
        double value = 0;
        std::from_chars(text.data(), text.data() + text.size(), value);
        if (random() % 2 == 1)
            value = -value;
        const QString plain = PlainText(value);
        const double back = DoubleFromText(plain);
        if (back != value)
            QFAIL(qPrintable(QStringLiteral("%1 shows %2, which reads %3")
                                 .arg(value, 0, 'g', 17).arg(plain).arg(back, 0, 'g', 17)));
    }
}

namespace {

// The single nearest to a text of reference digits, as the standard library reads it.
float nearestSingle(const QString &pointText)
{
    const std::string text = pointText.toStdString();
    float value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

double nearestDouble(const QString &pointText)
{
    const std::string text = pointText.toStdString();
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

} // namespace

// Any finite single, random bit patterns and the ends of the range: seven digits cannot tell
// every single apart, so the text reads back as the single nearest to those seven digits, and
// that single's own text reads back as itself: a second trip changes nothing.
void TestNumberTexts::singleRoundTripsOfAnyBits()
{
    QList<float> values{LargestSingle,
                        -LargestSingle,
                        std::nextafter(LargestSingle, 0.0f),
                        std::numeric_limits<float>::min(),
                        std::nextafter(std::numeric_limits<float>::min(), 0.0f),
                        std::numeric_limits<float>::denorm_min(),
                        -std::numeric_limits<float>::denorm_min(),
                        2 * std::numeric_limits<float>::denorm_min(),
                        1.0f,
                        std::nextafter(1.0f, 2.0f),
                        std::nextafter(1.0f, 0.0f),
                        16777216.0f,
                        8589934592.0f,
                        std::nextafter(8589934592.0f, 0.0f),
                        0.1f,
                        -0.0f};
    std::mt19937 random(2675);
    while (values.size() < 6000) {
        const float value = std::bit_cast<float>(quint32(random()));
        if (std::isfinite(value))
            values.append(value);
    }
    for (const float value : values) {
        const QString plain = PlainText(value);
        if (!IsNumericText(plain))
            QFAIL(qPrintable(QStringLiteral("the text %1 of a single is not a number").arg(plain)));
        const float expected = nearestSingle(referenceFixedText(referenceDigits(value, 7)));
        const float back = SingleFromText(plain);
        if (std::bit_cast<quint32>(back) != std::bit_cast<quint32>(expected) && !(back == 0 && expected == 0))
            QFAIL(qPrintable(QStringLiteral("%1 shows %2, which reads %3, expected %4")
                                 .arg(double(value), 0, 'g', 9)
                                 .arg(plain)
                                 .arg(double(back), 0, 'g', 9)
                                 .arg(double(expected), 0, 'g', 9)));
        const QString again = PlainText(back);
        if (SingleFromText(again) != back)
            QFAIL(qPrintable(QStringLiteral("%1 shows %2, which reads %3")
                                 .arg(double(back), 0, 'g', 9)
                                 .arg(again)
                                 .arg(double(SingleFromText(again)), 0, 'g', 9)));
    }
}

// The same at 15 digits for doubles: a second trip changes nothing.
void TestNumberTexts::doubleRoundTripsOfAnyBits()
{
    QList<double> values{std::numeric_limits<double>::min(),
                         std::numeric_limits<double>::denorm_min(),
                         -std::numeric_limits<double>::denorm_min(),
                         1.0,
                         std::nextafter(1.0, 2.0),
                         9007199254740993.0,
                         0.1,
                         1e300};
    std::mt19937_64 random(3059);
    while (values.size() < 6000) {
        const double value = std::bit_cast<double>(quint64(random()));
        // The 15 digits of the very largest doubles lie beyond the range.
        if (std::isfinite(value) && std::abs(value) < 1.7e308)
            values.append(value);
    }
    for (const double value : values) {
        const QString plain = PlainText(value);
        if (!IsNumericText(plain))
            QFAIL(qPrintable(QStringLiteral("the text %1 of a double is not a number").arg(plain)));
        const double expected = nearestDouble(referenceFixedText(referenceDigits(value, 15)));
        const double back = DoubleFromText(plain);
        if (back != expected)
            QFAIL(qPrintable(QStringLiteral("%1 shows %2, which reads %3, expected %4")
                                 .arg(value, 0, 'g', 17)
                                 .arg(plain)
                                 .arg(back, 0, 'g', 17)
                                 .arg(expected, 0, 'g', 17)));
        if (DoubleFromText(PlainText(back)) != back)
            QFAIL(qPrintable(QStringLiteral("%1 does not keep its value").arg(back, 0, 'g', 17)));
    }
}

namespace {

// What the fields hold, and everything around it that the quick readings must leave to the
// general one: signs, blanks, separators, currency signs, exponents, letters, digit runs longer
// than 19 and the lone signs and points.
enum class TextKind { Digits, DigitsAndPoint, Signed, LongDigits, AnyForm };

QString randomDigits(std::mt19937_64 &random, int count)
{
    QString digits;
    for (int i = 0; i < count; ++i)
        digits += QLatin1Char(char('0' + random() % 10));
    return digits;
}

QString generatedText(std::mt19937_64 &random, TextKind kind)
{
    const QChar point = DecimalPoint();
    switch (kind) {
    case TextKind::Digits:
        return randomDigits(random, 1 + int(random() % 19));
    case TextKind::DigitsAndPoint: {
        const int whole = int(random() % 11);
        const int fraction = int(random() % 11);
        return randomDigits(random, whole) + point + randomDigits(random, fraction);
    }
    case TextKind::Signed: {
        static const char *const signs[] = {"-", "+", "-", "--"};
        return QLatin1String(signs[random() % 4]) + generatedText(random, TextKind::DigitsAndPoint).left(int(random() % 12));
    }
    case TextKind::LongDigits: {
        QString digits = random() % 4 == 0 ? QStringLiteral("18446744073709551615").left(17 + int(random() % 4))
                                           : randomDigits(random, 17 + int(random() % 6));
        if (random() % 2 == 0)
            digits.insert(qsizetype(random() % quint64(digits.size() + 1)), point);
        return digits;
    }
    case TextKind::AnyForm: {
        const QString pieces[] = {QStringLiteral(" "), QStringLiteral("$"), QStringLiteral("-"), QStringLiteral("+"),
                                  QStringLiteral("."), QStringLiteral(","), QStringLiteral("e"), QStringLiteral("E-"),
                                  QStringLiteral("1,000"), QStringLiteral("abc"), QLocale().currencySymbol(),
                                  QStringLiteral("\t"), QStringLiteral("0"), randomDigits(random, 3),
                                  randomDigits(random, 1 + int(random() % 8)), QString(point)};
        QString text;
        const int count = 1 + int(random() % 5);
        for (int i = 0; i < count; ++i)
            text += pieces[random() % std::size(pieces)];
        return text;
    }
    }
    return QString();
}

// The readings of a text, every one of them, in a form that compares bit for bit.
struct Readings
{
    bool numeric = false;
    quint32 single = 0;
    quint64 binary = 0;
    qint64 money = 0;
    quint64 leading = 0;
    qint64 wholePart = 0;
    qint32 whole16 = 0;
    qint32 whole32 = 0;
    qint32 leadingWhole = 0;
    QString reformatted;

    friend bool operator==(const Readings &, const Readings &) = default;
    QString toString() const
    {
        return QStringLiteral("numeric %1, single %2, double %3, money %4, leading %5, whole part %6, counts %7 %8 %9, "
                              "money text \"%10\"")
            .arg(numeric)
            .arg(double(std::bit_cast<float>(single)), 0, 'g', 9)
            .arg(std::bit_cast<double>(binary), 0, 'g', 17)
            .arg(money)
            .arg(std::bit_cast<double>(leading), 0, 'g', 17)
            .arg(wholePart)
            .arg(whole16)
            .arg(whole32)
            .arg(leadingWhole)
            .arg(reformatted);
    }
};

Readings readingsOf(const QString &text, bool quick)
{
    UseQuickNumberPaths(quick);
    Readings readings{IsNumericText(text),
                      std::bit_cast<quint32>(SingleFromText(text)),
                      std::bit_cast<quint64>(DoubleFromText(text)),
                      MoneyFromText(text).tenThousandths(),
                      std::bit_cast<quint64>(LeadingNumber(text)),
                      WholePartFromText(text),
                      WholeNumber16FromText(text),
                      WholeNumber32FromText(text),
                      LeadingWholeNumber(text),
                      ReformatAsMoney(text)};
    UseQuickNumberPaths(true);
    return readings;
}

// The values a number takes before it becomes a text: any bits, the sizes money has, the
// halves of a cent, and the edges of the quick ways (2^-40 and 2^23 for a single's whole-number
// digits, 10^7 and 10^15 for their digit counts).
enum class ValueKind { SinglesOfAnyBits, SinglesOfMoneySize, SinglesAtHalfCents, DoublesOfAnyBits,
                       DoublesOfMoneySize, MoneyValues, Edges };

struct Values
{
    QList<float> singles;
    QList<double> doubles;
    QList<qint64> counts;
};

Values generatedValues(ValueKind kind, int count)
{
    std::mt19937_64 random(quint64(kind) * 7919 + 17);
    std::uniform_real_distribution<double> amounts(0, 200000);
    Values values;
    for (int i = 0; i < count; ++i) {
        const double sign = random() % 4 == 0 ? -1 : 1;
        switch (kind) {
        case ValueKind::SinglesOfAnyBits:
            values.singles << std::bit_cast<float>(quint32(random()));
            break;
        case ValueKind::SinglesOfMoneySize:
            // Prices, and fees worked out from them at single and double precision.
            values.singles << float(sign * double(random() % 100000000) / 100.0)
                           << float(amounts(random) * 0.0525) << float(double(float(amounts(random))) * 0.029 + 0.3);
            break;
        case ValueKind::SinglesAtHalfCents: {
            const float half = float(sign * (double(random() % 10000000) + 0.5) / 100.0);
            values.singles << half << std::nextafter(half, 0.0f) << std::nextafter(half, 2 * half);
            break;
        }
        case ValueKind::DoublesOfAnyBits:
            values.doubles << std::bit_cast<double>(quint64(random()));
            break;
        case ValueKind::DoublesOfMoneySize:
            values.doubles << sign * double(random() % 10000000000) / 1000.0 << amounts(random) * 0.029 + 0.3
                           << double(float(amounts(random))) * 0.0275;
            break;
        case ValueKind::MoneyValues:
            values.counts << (qint64(random()) >> (random() % 64));
            break;
        case ValueKind::Edges:
            break;
        }
    }
    if (kind == ValueKind::Edges) {
        for (const float edge : {0x1p-40f, 0x1p-41f, 0x1p23f, 0x1p24f, 9999999.0f, 10000000.0f, 999999.94f,
                                 1e-5f, 5e-6f, 0.005f, 0.015f, 2.675f, 0.0f, -0.0f, LargestSingle,
                                 std::numeric_limits<float>::denorm_min(), std::numeric_limits<float>::min(),
                                 std::numeric_limits<float>::infinity(), std::numeric_limits<float>::quiet_NaN()}) {
            values.singles << edge << -edge << std::nextafter(edge, 0.0f) << std::nextafter(edge, LargestSingle);
        }
        for (const double edge : {1e15, 1e15 - 1, 999999999999999.9, 1e-4, 0.005, 2.675, 1e300, LargestDouble,
                                  std::numeric_limits<double>::denorm_min(), std::numeric_limits<double>::infinity(),
                                  std::numeric_limits<double>::quiet_NaN(), 0.0}) {
            values.doubles << edge << -edge << std::nextafter(edge, 0.0) << std::nextafter(edge, LargestDouble);
        }
        values.counts << LargestCount << SmallestCount << 0 << 1 << -1 << 49 << 50 << -50 << 9999 << 10000
                      << 999950 << -999950;
    }
    return values;
}

} // namespace

// The quick readings of short plain texts against the general reading of every text, for each
// reading there is, in both number formats.
void TestNumberTexts::quickReadingsMatchTheGeneralOnes_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("digits") << int(TextKind::Digits);
    QTest::newRow("digits and a point") << int(TextKind::DigitsAndPoint);
    QTest::newRow("signed") << int(TextKind::Signed);
    QTest::newRow("long digit runs") << int(TextKind::LongDigits);
    QTest::newRow("any form") << int(TextKind::AnyForm);
}

void TestNumberTexts::quickReadingsMatchTheGeneralOnes()
{
    QFETCH(int, kind);
    std::mt19937_64 random(quint64(kind) + 424242);
    QSet<QString> quicklyRead;  // the general reading alone would pass this test too
    for (int i = 0; i < 20000; ++i) {
        const QString text = generatedText(random, TextKind(kind));
        const Readings quick = readingsOf(text, true);
        const Readings general = readingsOf(text, false);
        if (!(quick == general))
            QFAIL(qPrintable(QStringLiteral("\"%1\" reads %2 quickly, but %3 in general")
                                 .arg(text, quick.toString(), general.toString())));
        if (quick.numeric)
            quicklyRead.insert(text);
    }
    QVERIFY(TextKind(kind) == TextKind::AnyForm || quicklyRead.size() > 1000);
}

// The quick texts of singles, doubles and money values against the general digits.
void TestNumberTexts::quickTextsMatchTheGeneralOnes_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("singles of any bits") << int(ValueKind::SinglesOfAnyBits);
    QTest::newRow("singles of money size") << int(ValueKind::SinglesOfMoneySize);
    QTest::newRow("singles at half cents") << int(ValueKind::SinglesAtHalfCents);
    QTest::newRow("doubles of any bits") << int(ValueKind::DoublesOfAnyBits);
    QTest::newRow("doubles of money size") << int(ValueKind::DoublesOfMoneySize);
    QTest::newRow("money values") << int(ValueKind::MoneyValues);
    QTest::newRow("edges") << int(ValueKind::Edges);
}

void TestNumberTexts::quickTextsMatchTheGeneralOnes()
{
    QFETCH(int, kind);
    const Values values = generatedValues(ValueKind(kind), 30000);
    const auto compareBothWays = [](const auto &value, const QString &shown) {
        UseQuickNumberPaths(true);
        const QString quickPlain = PlainText(value);
        const QString quickMoney = MoneyText(value);
        UseQuickNumberPaths(false);
        const QString plain = PlainText(value);
        const QString money = MoneyText(value);
        UseQuickNumberPaths(true);
        if (quickPlain != plain || quickMoney != money)
            QTest::qFail(qPrintable(QStringLiteral("%1 shows %2 and %3 quickly, but %4 and %5 in general")
                                        .arg(shown, quickPlain, quickMoney, plain, money)),
                         __FILE__, __LINE__);
        return quickPlain == plain && quickMoney == money;
    };
    for (const float value : values.singles) {
        if (!compareBothWays(value, QString::number(double(value), 'g', 9)))
            return;
        // What the texts read back as, without the texts, and the money text shown again as money.
        const QString plain = PlainText(value);
        const QString money = MoneyText(value);
        const auto bits = [](float single) { return std::bit_cast<quint32>(single); };
        const quint32 readPlain = bits(SingleFromText(plain));
        const quint32 readMoney = bits(SingleFromText(money));
        if (bits(SingleOfPlainText(value)) != readPlain || bits(SingleOfMoneyText(value)) != readMoney
            || ReformatAsMoney(money) != money)
            QFAIL(qPrintable(QStringLiteral("%1: its texts %2 and %3 read %4 and %5, without them %6 and %7; "
                                            "shown again as money %8")
                                 .arg(QString::number(double(value), 'g', 9), plain, money)
                                 .arg(readPlain)
                                 .arg(readMoney)
                                 .arg(bits(SingleOfPlainText(value)))
                                 .arg(bits(SingleOfMoneyText(value)))
                                 .arg(ReformatAsMoney(money))));
    }
    for (const double value : values.doubles) {
        if (!compareBothWays(value, QString::number(value, 'g', 17)))
            return;
    }
    for (const qint64 count : values.counts) {
        const MoneyValue money = MoneyValue::fromTenThousandths(count);
        if (!compareBothWays(money, QString::number(count) + QStringLiteral(" ten-thousandths")))
            return;
        const float single = DecimalDigits::fromTenThousandths(count).toSingle();
        if (std::bit_cast<quint32>(money.toSingle()) != std::bit_cast<quint32>(single))
            QFAIL(qPrintable(QStringLiteral("%1 ten-thousandths are the single %2, but %3 in general")
                                 .arg(count)
                                 .arg(double(money.toSingle()), 0, 'g', 9)
                                 .arg(double(single), 0, 'g', 9)));
    }
}

QTEST_GUILESS_MAIN(TestNumberTexts)
#include "tst_numbertexts.moc"
