// libFuzzer target for the readings of entry texts and the number texts made from them.
//
// Input: the first byte picks the number format (bit 0: point or comma format), the encoding of
// the rest (bit 1: UTF-8 or UTF-16) and a site for the calculators (bits 2-4); the rest is the
// text. Every invariant that must hold for any text is checked; a broken one aborts with the
// text and the values involved.

#include "CAuctionSite.h"
#include "CDutchAuction.h"
#include "CRegularAuction.h"
#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "MoneyValue.h"
#include "NumberText.h"

#include <QLocale>
#include <QRegularExpression>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <tuple>

namespace {

constexpr qint64 LargestCount = std::numeric_limits<qint64>::max();
constexpr float LargestSingle = std::numeric_limits<float>::max();

QString g_text;  // the text of the current input, for the report of a broken invariant

[[noreturn]] void broken(const char *invariant, const QString &detail)
{
    std::fprintf(stderr, "Broken invariant: %s\n  locale: %s\n  text: \"%s\"\n  %s\n", invariant,
                 qPrintable(QLocale().name()), g_text.toUtf8().constData(), detail.toUtf8().constData());
    std::abort();
}

QString number(double value)
{
    return QString::number(value, 'g', 17);
}

struct Patterns
{
    QRegularExpression money;
    QRegularExpression plain;
};

// "0.00" money texts and plain texts (no trailing zeros after the point) per decimal point.
const Patterns &patterns(bool comma)
{
    static const Patterns point{QRegularExpression(QStringLiteral("^-?\\d+\\.\\d\\d$")),
                                QRegularExpression(QStringLiteral("^-?\\d+(\\.\\d*[1-9])?$"))};
    static const Patterns commaPatterns{QRegularExpression(QStringLiteral("^-?\\d+,\\d\\d$")),
                                        QRegularExpression(QStringLiteral("^-?\\d+(,\\d*[1-9])?$"))};
    return comma ? commaPatterns : point;
}

int significantDigits(const QString &plain)
{
    QString digits;
    for (QChar c : plain) {
        if (c.isDigit())
            digits += c;
    }
    while (digits.startsWith(QLatin1Char('0')))
        digits.remove(0, 1);
    while (digits.endsWith(QLatin1Char('0')))
        digits.chop(1);
    return int(digits.size());
}

void checkMoneyText(const QString &text, const Patterns &p, const char *what)
{
    CHECK(p.money.match(text).hasMatch(), QStringLiteral("%1 gave \"%2\"").arg(QLatin1String(what), text));
    CHECK(text != QLatin1String("-0.00") && text != QLatin1String("-0,00"),
          QStringLiteral("%1 gave a negative zero").arg(QLatin1String(what)));
}

// A plain text shows at most `digits` significant digits, no exponent, no trailing zeros.
void checkPlainText(const QString &text, const Patterns &p, int digits, const char *what)
{
    CHECK(p.plain.match(text).hasMatch(), QStringLiteral("%1 gave \"%2\"").arg(QLatin1String(what), text));
    CHECK(significantDigits(text) <= digits, QStringLiteral("%1 gave \"%2\"").arg(QLatin1String(what), text));
}

void checkSingle(float value, const Patterns &p)
{
    const QString plain = PlainText(value);
    checkPlainText(plain, p, 7, "PlainText(float)");
    CHECK(IsNumericText(plain), plain);
    // Seven digits are within half a unit of the 7th digit of the value; reading adds half an ulp.
    const float back = SingleFromText(plain);
    const float tolerance = std::abs(value) * 6e-7f + std::numeric_limits<float>::denorm_min();
    CHECK(std::abs(back - value) <= tolerance, QStringLiteral("%1 → %2 → %3").arg(number(value), plain, number(back)));
    const double widened = WidenSingle(value);
    CHECK(widened == DoubleFromText(plain), QStringLiteral("WidenSingle(%1) = %2").arg(number(value), number(widened)));
    checkMoneyText(MoneyText(value), p, "MoneyText(float)");
    checkMoneyText(MoneyText(MoneyValue::fromSingle(value)), p, "MoneyText(fromSingle)");
}

void checkDouble(double value, const Patterns &p)
{
    const QString plain = PlainText(value);
    checkPlainText(plain, p, 15, "PlainText(double)");
    // Beyond 1.79769313486231e308 the 15 digits may round past the largest double.
    if (std::abs(value) < 1.79769313486231e308) {
        CHECK(IsNumericText(plain), plain);
        const double back = DoubleFromText(plain);
        CHECK(std::abs(back - value) <= std::abs(value) * 1e-14 + std::numeric_limits<double>::denorm_min(),
              QStringLiteral("%1 → %2 → %3").arg(number(value), plain, number(back)));
    }
    const QString money = MoneyText(value);
    checkMoneyText(money, p, "MoneyText(double)");
    if (std::abs(value) < 1e300) {
        const double back = DoubleFromText(money);
        CHECK(std::abs(back - value) <= 0.005 + std::abs(value) * 1e-14,
              QStringLiteral("MoneyText(%1) = %2").arg(number(value), money));
    }
}

void checkMoney(MoneyValue money, const Patterns &p)
{
    const QString plain = PlainText(money);
    checkPlainText(plain, p, 20, "PlainText(MoneyValue)");
    CHECK(IsNumericText(plain), plain);
    if (money.tenThousandths() != std::numeric_limits<qint64>::min())
        CHECK(MoneyFromText(plain) == money, plain);
    const QString text = MoneyText(money);
    checkMoneyText(text, p, "MoneyText(MoneyValue)");
    CHECK(ReformatAsMoney(plain) == text, QStringLiteral("%1 and %2").arg(plain, text));
}

// The sum and multiples of a value never wrap past the ends of the range.
void checkMoneyArithmetic(MoneyValue money, qint64 factor)
{
    const qint64 count = money.tenThousandths();
    const qint64 doubled = (money + money).tenThousandths();
    CHECK(count <= 0 || doubled >= count, QString::number(doubled));
    CHECK(count >= 0 || doubled <= count, QString::number(doubled));
    const qint64 product = money.times(factor).tenThousandths();
    if (count == 0 || factor == 0) {
        CHECK(product == 0, QString::number(product));
    } else {
        const bool negative = (count < 0) != (factor < 0);
        CHECK(negative ? product < 0 : product > 0, QStringLiteral("%1 × %2 = %3").arg(count).arg(factor).arg(product));
        CHECK(std::abs(double(product)) >= std::min(std::abs(double(count)), 9.2e18),
              QStringLiteral("%1 × %2 = %3").arg(count).arg(factor).arg(product));
    }
}

void checkText(const QString &text, const Patterns &p, qint32 site, qint64 factor)
{
    const bool numeric = IsNumericText(text);
    const double leading = LeadingNumber(text);
    CHECK(std::isfinite(leading), number(leading));

    const MoneyValue money = MoneyFromText(text);
    const float single = SingleFromText(text);
    const double dbl = DoubleFromText(text);
    const qint16 whole16 = WholeNumber16FromText(text);
    const qint32 whole32 = WholeNumber32FromText(text);
    const QString reformatted = ReformatAsMoney(text);

    if (!numeric) {
        CHECK(money == MoneyValue(), QString::number(money.tenThousandths()));
        CHECK(single == 0.0f, number(single));
        CHECK(dbl == 0.0, number(dbl));
        CHECK(whole16 == 0 && whole32 == 0, QString::number(whole32));
        CHECK(reformatted == text, reformatted);
    } else {
        CHECK(std::isfinite(dbl) && std::abs(dbl) < std::numeric_limits<double>::max(), number(dbl));
        CHECK(std::isfinite(single), number(single));
        // The single is the same number to single precision; beyond its range it saturates.
        if (std::abs(dbl) >= double(LargestSingle))
            CHECK(std::abs(single) == LargestSingle, number(single));
        else
            CHECK(std::abs(double(single) - dbl) <= std::abs(dbl) * 0x1p-23 + 0x1p-149,
                  QStringLiteral("%1 and %2").arg(number(single), number(dbl)));
        CHECK(!(single < 0 && dbl > 0) && !(single > 0 && dbl < 0), QStringLiteral("%1 and %2").arg(number(single), number(dbl)));

        // Counts: the double rounded half to even and clamped; a half in the digits beyond
        // the double may tip either way.
        for (const auto &[whole, lowest, highest] :
             {std::tuple<double, double, double>{double(whole16), -32768.0, 32767.0},
              std::tuple<double, double, double>{double(whole32), -2147483648.0, 2147483647.0}}) {
            const double expected = std::clamp(std::nearbyint(dbl), lowest, highest);
            const double other = std::clamp(dbl < std::nearbyint(dbl) ? std::floor(dbl) : std::ceil(dbl), lowest, highest);
            CHECK(whole == expected || (std::abs(std::abs(dbl - std::trunc(dbl)) - 0.5) < 1e-9 && whole == other),
                  QStringLiteral("%1 read as %2").arg(number(dbl), number(whole)));
        }

        // The money value is the number to the nearest ten-thousandth, or an end of the range.
        const qint64 count = money.tenThousandths();
        if (dbl >= 922337203685477.0)
            CHECK(count == LargestCount || std::abs(double(count) / 10000 - dbl) <= 0.0001 + dbl * 1e-15,
                  QString::number(count));
        else if (dbl <= -922337203685477.0)
            CHECK(count <= -LargestCount || std::abs(double(count) / 10000 - dbl) <= 0.0001 - dbl * 1e-15,
                  QString::number(count));
        else
            CHECK(std::abs(double(count) / 10000 - dbl) <= 0.00005 + std::abs(dbl) * 1e-15,
                  QStringLiteral("%1 and %2").arg(count).arg(number(dbl)));

        checkMoneyText(reformatted, p, "ReformatAsMoney");
        CHECK(IsNumericText(reformatted), reformatted);
        if (std::abs(dbl) < 1e300)
            CHECK(std::abs(DoubleFromText(reformatted) - dbl) <= 0.005 + std::abs(dbl) * 1e-14,
                  QStringLiteral("%1 and %2").arg(reformatted, number(dbl)));

        // Without a currency sign or thousands separators a number is a plain number: its
        // leading-number reading is the whole text.
        const QLocale locale;
        if (!text.contains(QLatin1Char('$')) && !text.contains(locale.currencySymbol(QLocale::CurrencySymbol))
            && !text.contains(locale.groupSeparator()))
            CHECK(leading == dbl, QStringLiteral("%1 and %2").arg(number(leading), number(dbl)));
    }

    checkSingle(single, p);
    checkDouble(dbl, p);
    checkDouble(leading, p);
    checkMoney(money, p);
    checkMoneyArithmetic(money, factor);

    CAuctionSite schedule;
    schedule.setSite(site);
    CRegularAuction regular;
    regular.setSite(&schedule);
    checkMoneyText(regular.InsertionFee(text, false, false, false, false, false, 0), p, "InsertionFee");
    checkMoneyText(regular.FVF(text, false, false, false, false), p, "FVF");
    const QString reserve = regular.ReserveFee(text, false, false);
    CHECK(IsNumericText(reserve), reserve);
    CDutchAuction dutch;
    dutch.setSite(&schedule);
    checkMoneyText(dutch.FVF(text, text), p, "CDutchAuction::FVF");
    const QString lot = dutch.InsertionFee(text, whole16, factor < 0);
    CHECK(IsNumericText(lot), lot);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const QLocale pointFormat(QStringLiteral("en_US"));
    static const QLocale commaFormat(QStringLiteral("de_DE"));
    if (size == 0)
        return 0;
    const std::uint8_t control = data[0];
    ++data;
    --size;

    const bool comma = control & 1;
    QLocale::setDefault(comma ? commaFormat : pointFormat);
    g_text = InputText(data, size, control & 2);
    const qint32 site = (control >> 2) & 7;
    const qint64 factor = qint64(control >> 5) - 3;  // -3 … 4
    checkText(g_text, patterns(comma), site, factor);
    return 0;
}
