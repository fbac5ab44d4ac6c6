#include "DecimalDigits.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <limits>
#include <type_traits>
#include <utility>

namespace {

// Reads the output of std::to_chars in scientific form ("-1.234560e+02") into digits.
DecimalDigits fromScientificChars(const char *begin, const char *end, int fractionDigits)
{
    DecimalDigits result;
    const char *p = begin;
    if (p != end && *p == '-') {
        result.setNegative(true);
        ++p;
    }
    for (; p != end && *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9')
            result.appendDigit(*p);
    }
    int exponent = 0;
    if (p != end) {
        const char *exponentStart = p + 1;
        if (exponentStart != end && *exponentStart == '+')
            ++exponentStart;  // from_chars takes a minus sign only
        std::from_chars(exponentStart, end, exponent);
    }
    result.shiftExponent(exponent - fractionDigits);
    result.stripTrailingZeros();
    return result;
}

// Powers of ten that a long double holds exactly (5^27 < 2^64), and as the nearest value of each
// wide type the quick rounding scales in.
constexpr int ExactPowers = 28;
template <typename Wide>
constexpr std::array<Wide, ExactPowers> PowersOfTen = [] {
    std::array<Wide, ExactPowers> powers{};
    long double power = 1;
    for (Wide &p : powers) {
        p = Wide(power);
        power *= 10;
    }
    return powers;
}();

using NearestBinary::DoublePowers;

// The powers of ten of a 64-bit whole number.
constexpr std::array<quint64, 20> WholePowers = [] {
    std::array<quint64, 20> powers{};
    quint64 power = 1;
    for (quint64 &p : powers) {
        p = power;
        power *= 10;
    }
    return powers;
}();

// The digits of `magnitude` rounded to `significantDigits`, the quick way: scale into
// [10^(n-1), 10^n) by an exact power of ten and round. It declines (returns false) outside that
// power range and wherever the scaled value is too close to a half to be sure of the rounding;
// the slow path then decides. `Wide` must hold the scaled value to far better than a thousandth
// of a unit: double for 7 digits, long double for 15.
template <typename Wide>
Q_ALWAYS_INLINE bool quickDigits(double magnitude, int significantDigits, quint64 &digits, int &exponent)
{
    // 2^binaryExponent <= magnitude < 2^(binaryExponent + 1) for a normal double.
    const int binaryExponent = int((std::bit_cast<quint64>(magnitude) >> 52) & 0x7ff) - 1023;
    if (binaryExponent == -1023)
        return false;  // subnormal
    // floor(binaryExponent × log10 2), or one less: 78913 / 2^18 is just below log10 2.
    int decimalExponent = (binaryExponent * 78913) >> 18;
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int scale = significantDigits - 1 - decimalExponent;
        if (scale < 0 || scale >= ExactPowers)
            return false;
        const Wide scaled = Wide(magnitude) * PowersOfTen<Wide>[std::size_t(scale)];
        // The estimate from the binary exponent can be one off either way near a power of ten.
        if (scaled < PowersOfTen<Wide>[std::size_t(significantDigits - 1)]) {
            --decimalExponent;
            continue;
        }
        if (scaled >= PowersOfTen<Wide>[std::size_t(significantDigits)]) {
            ++decimalExponent;
            continue;
        }
        const quint64 whole = quint64(scaled);  // below 10^15: fits
        const Wide fraction = scaled - Wide(whole);
        if (std::fabs(fraction - Wide(0.5)) < Wide(1e-3))
            return false;
        digits = whole + (fraction > Wide(0.5) ? 1 : 0);
        exponent = -scale;
        return true;
    }
    return false;
}

// The quick rounding of a finite, non-zero single (7 digits) or double (15 digits).
template <typename Float>
Q_ALWAYS_INLINE bool quickBinaryDigits(Float value, int significantDigits, quint64 &digits, int &exponent)
{
    const double magnitude = std::fabs(double(value));
    if constexpr (std::is_same_v<Float, float>)
        return quickDigits<double>(magnitude, significantDigits, digits, exponent);
    else
        return quickDigits<long double>(magnitude, significantDigits, digits, exponent);
}

template <typename Float>
DecimalDigits fromBinary(Float value, int significantDigits)
{
    if (std::isnan(value) || value == 0)
        return {};
    if (std::isinf(value))
        value = std::copysign(std::numeric_limits<Float>::max(), value);
    quint64 digits = 0;
    int exponent = 0;
    if (quickBinaryDigits(value, significantDigits, digits, exponent))
        return DecimalDigits::fromScaledInteger(value < 0, digits, exponent);
    char buffer[64];
    const auto converted = std::to_chars(buffer, buffer + sizeof buffer, value,
                                         std::chars_format::scientific, significantDigits - 1);
    return fromScientificChars(buffer, converted.ptr, significantDigits - 1);
}

// The 7 digits of a single in whole numbers: its 24-bit significand times a power of ten,
// divided by its power of two, gives the digits and the exact rest, so the rounding is sure
// without the margin the floating-point way needs. It takes the singles from 2^-40 up to 2^23
// (money amounts among them) and declines exact halves, which the standard library rounds.
Q_ALWAYS_INLINE bool wholeSingleDigits(float value, quint64 &digits, int &exponent)
{
    const quint32 bits = std::bit_cast<quint32>(value);
    const int shift = 150 - int((bits >> 23) & 0xff);  // |value| = significand / 2^shift
    if (shift < 1 || shift > 40)
        return false;
    const quint64 significand = (bits & 0x7fffff) | 0x800000;
    // floor(log10 |value|), or one less: |value| lies in [2^(23 - shift), 2^(24 - shift)).
    int decimalExponent = ((23 - shift) * 78913) >> 18;
    using Wide = unsigned __int128;
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int scale = 6 - decimalExponent;  // the digits lie in [10^6, 10^7)
        if (scale < 0 || scale >= int(WholePowers.size()))
            return false;
        const Wide scaled = Wide(significand) * WholePowers[std::size_t(scale)];  // × 2^shift
        if (scaled < Wide(1000000) << shift) {
            --decimalExponent;
            continue;
        }
        if (scaled >= Wide(10000000) << shift) {
            ++decimalExponent;
            continue;
        }
        const quint64 whole = quint64(scaled >> shift);
        const Wide rest = scaled - (Wide(whole) << shift);
        const Wide half = Wide(1) << (shift - 1);
        if (rest == half)
            return false;
        digits = whole + (rest > half ? 1 : 0);
        exponent = -scale;
        return true;
    }
    return false;
}

template <typename Float>
Float readScientific(const char *buffer, int length, bool negative, bool overflowed)
{
    Float value = 0;
    const auto parsed = std::from_chars(buffer, buffer + length, value, std::chars_format::scientific);
    if (parsed.ec == std::errc::result_out_of_range)
        value = overflowed ? std::numeric_limits<Float>::max() : Float(0);
    return negative ? -value : value;
}

} // namespace

DecimalDigits DecimalDigits::fromSingle(float value)
{
    return fromBinary(value, 7);
}

DecimalDigits DecimalDigits::fromDouble(double value)
{
    return fromBinary(value, 15);
}

DecimalDigits DecimalDigits::fromTenThousandths(qint64 count)
{
    // Unsigned magnitude so that the most negative count has one too.
    const quint64 magnitude = count < 0 ? quint64(0) - quint64(count) : quint64(count);
    return fromScaledInteger(count < 0, magnitude, -4);
}

DecimalDigits DecimalDigits::fromScaledInteger(bool negative, quint64 digits, int exponent)
{
    DecimalDigits result;
    if (digits == 0)
        return result;
    while (digits % 10 == 0) {
        digits /= 10;
        ++exponent;
    }
    char reversed[24];
    int length = 0;
    for (; digits != 0; digits /= 10)
        reversed[length++] = char('0' + digits % 10);
    for (int i = 0; i < length; ++i)
        result.m_digits[std::size_t(i)] = reversed[length - 1 - i];
    result.m_count = length;
    result.m_exponent = exponent;
    result.m_negative = negative;
    return result;
}

double DecimalDigits::widenSingle(float value)
{
    quint64 digits = 0;
    int exponent = 0;
    if (std::isfinite(value) && value != 0 && quickBinaryDigits(value, 7, digits, exponent) && exponent <= 0
        && exponent >= -22) {
        // An exact whole number over an exact power of ten: the nearest double to the decimal.
        const double widened = double(digits) / DoublePowers[std::size_t(-exponent)];
        return value < 0 ? -widened : widened;
    }
    return fromSingle(value).toDouble();
}

void DecimalDigits::appendDigit(char digit)
{
    if (m_count == 0 && digit == '0')
        return;
    if (m_count == Capacity) {
        // The digit falls off the end; its place still counts.
        if (digit != '0')
            m_inexactTail = true;
        ++m_exponent;
        return;
    }
    m_digits[m_count++] = digit;
}

void DecimalDigits::stripTrailingZeros()
{
    // Behind dropped non-zero digits the kept zeros are not trailing: the sticky digit that
    // stands for the tail must follow them.
    if (m_inexactTail)
        return;
    while (m_count > 0 && m_digits[m_count - 1] == '0') {
        --m_count;
        ++m_exponent;
    }
    if (m_count == 0)
        m_exponent = 0;
}

void DecimalDigits::roundHalfAwayFromZero(int decimals)
{
    if (m_count == 0 || -m_exponent <= decimals)
        return;
    const int drop = -m_exponent - decimals;
    const int keep = m_count - drop;
    const bool roundUp = keep >= 0 && m_digits[keep] >= '5';
    m_count = keep > 0 ? keep : 0;
    m_exponent = -decimals;
    m_inexactTail = false;
    if (roundUp) {
        int i = m_count - 1;
        while (i >= 0 && m_digits[i] == '9')
            m_digits[i--] = '0';
        if (i >= 0) {
            ++m_digits[i];
        } else {
            // All nines (or nothing kept): the carry makes a new leading 1.
            for (int j = m_count; j > 0; --j)
                m_digits[j] = m_digits[j - 1];
            m_digits[0] = '1';
            ++m_count;
        }
    }
    stripTrailingZeros();
}

QString DecimalDigits::toFixedText(QChar decimalPoint, int minDecimals) const
{
    const int decimals = std::max({-m_exponent, minDecimals, 0});
    // Digit at position k counts 10^(m_exponent + m_count - 1 - k); anything outside is a zero.
    const int topPower = std::max(m_count > 0 ? m_exponent + m_count - 1 : 0, 0);
    const bool negative = isNegative();
    QString text(qsizetype(negative) + topPower + 1 + (decimals > 0 ? decimals + 1 : 0), Qt::Uninitialized);
    QChar *out = text.data();
    if (negative)
        *out++ = QLatin1Char('-');
    auto digitAt = [this](int power) {
        const int index = m_exponent + m_count - 1 - power;
        return (index >= 0 && index < m_count) ? QLatin1Char(m_digits[index]) : QLatin1Char('0');
    };
    for (int power = topPower; power >= 0; --power)
        *out++ = digitAt(power);
    if (decimals > 0) {
        *out++ = decimalPoint;
        for (int power = -1; power >= -decimals; --power)
            *out++ = digitAt(power);
    }
    return text;
}

int DecimalDigits::writeScientific(char *buffer) const
{
    int length = 0;
    if (m_count == 0) {
        buffer[length++] = '0';
    } else {
        for (int i = 0; i < m_count; ++i)
            buffer[length++] = m_digits[i];
    }
    int exponent = m_exponent;
    if (m_inexactTail) {
        // A sticky digit keeps the rounding of the dropped tail correct.
        buffer[length++] = '1';
        --exponent;
    }
    buffer[length++] = 'e';
    const auto written = std::to_chars(buffer + length, buffer + length + 16, exponent);
    return int(written.ptr - buffer);
}

quint64 DecimalDigits::digitsAsInteger() const
{
    quint64 value = 0;
    for (int i = 0; i < m_count; ++i)
        value = value * 10 + quint64(m_digits[i] - '0');
    return value;
}

float DecimalDigits::toSingle() const
{
    float value = 0;
    if (!m_inexactTail && m_count < 20 && NearestBinary::quickSingle(digitsAsInteger(), m_exponent, isNegative(), value))
        return value;
    char buffer[Capacity + 24];
    const int length = writeScientific(buffer);
    return readScientific<float>(buffer, length, isNegative(), m_exponent + m_count > 0);
}

bool DecimalDigits::fitsDouble() const
{
    if (m_count == 0 || m_exponent + m_count <= 308)
        return true;
    char buffer[Capacity + 24];
    const int length = writeScientific(buffer);
    double value = 0;
    return std::from_chars(buffer, buffer + length, value, std::chars_format::scientific).ec != std::errc::result_out_of_range;
}

double DecimalDigits::toDouble() const
{
    double value = 0;
    if (!m_inexactTail && m_count < 20 && NearestBinary::quickDouble(digitsAsInteger(), m_exponent, isNegative(), value))
        return value;
    char buffer[Capacity + 24];
    const int length = writeScientific(buffer);
    return readScientific<double>(buffer, length, isNegative(), m_exponent + m_count > 0);
}

qint64 DecimalDigits::toTenThousandths() const
{
    constexpr qint64 limit = std::numeric_limits<qint64>::max();
    if (m_count == 0)
        return 0;
    const int shift = m_exponent + 4;  // power of ten of the last digit, in ten-thousandths
    const int keep = shift >= 0 ? m_count : m_count + shift;
    if (keep + std::max(shift, 0) > 19)
        return isNegative() ? -limit : limit;

    __int128 magnitude = 0;
    for (int i = 0; i < keep; ++i)
        magnitude = magnitude * 10 + (m_digits[i] - '0');
    for (int i = 0; i < shift; ++i)
        magnitude *= 10;
    if (keep < m_count && keep >= 0) {
        const char first = m_digits[keep];
        const bool moreAfterFirst = keep + 1 < m_count || m_inexactTail;
        const bool half = first == '5' && !moreAfterFirst;
        if (first > '5' || (first == '5' && moreAfterFirst) || (half && (magnitude % 2) == 1))
            ++magnitude;
    }
    if (magnitude > limit)
        magnitude = limit;
    return isNegative() ? -qint64(magnitude) : qint64(magnitude);
}

namespace {

// digits / 10^Power and the remainder: a constant divisor turns the division into a
// multiplication, where dividing by a power looked up costs several times as much.
struct QuotientAndRest
{
    quint64 Quotient;
    quint64 Rest;
};

template <std::size_t Power>
QuotientAndRest divideByPower(quint64 digits)
{
    return {digits / WholePowers[Power], digits % WholePowers[Power]};
}

constexpr auto PowerDividers = []<std::size_t... Powers>(std::index_sequence<Powers...>) {
    return std::array{&divideByPower<Powers>...};
}(std::make_index_sequence<WholePowers.size()>());

// Powers of 10^19 and beyond leave every digit below 10^19 as the rest.
Q_ALWAYS_INLINE QuotientAndRest divideByPowerOfTen(quint64 digits, int power)
{
    return power < int(PowerDividers.size()) ? PowerDividers[std::size_t(power)](digits) : QuotientAndRest{0, digits};
}

// Rounded half away from zero (halfToEven false) or half to even: digits / 10^power.
Q_ALWAYS_INLINE quint64 roundedQuotient(quint64 digits, int power, bool halfToEven)
{
    if (power >= int(WholePowers.size()))
        return 0;  // below 10^19: less than half of 10^power
    const auto [quotient, rest] = divideByPowerOfTen(digits, power);
    const quint64 half = WholePowers[std::size_t(power)] / 2;
    const bool up = halfToEven ? rest > half || (rest == half && quotient % 2 == 1) : rest >= half;
    return quotient + (up ? 1 : 0);
}

// Up to 18 trailing zeros taken into the exponent in a few steps, each by a constant divisor.
Q_ALWAYS_INLINE void stripTrailingZeros(quint64 &digits, int &exponent)
{
    if (digits == 0) {
        exponent = 0;
        return;
    }
    if (digits % 10 != 0)
        return;
    while (digits % 100000000 == 0) {
        digits /= 100000000;
        exponent += 8;
    }
    if (digits % 10000 == 0) {
        digits /= 10000;
        exponent += 4;
    }
    if (digits % 100 == 0) {
        digits /= 100;
        exponent += 2;
    }
    if (digits % 10 == 0) {
        digits /= 10;
        exponent += 1;
    }
}

// DecimalDigits::toFixedText's text of ±digits × 10^exponent.
Q_ALWAYS_INLINE QString shortFixedText(bool negative, quint64 digits, int exponent, QChar decimalPoint,
                                       int minDecimals)
{
    stripTrailingZeros(digits, exponent);
    char shown[24];
    const int count = digits == 0 ? 0 : int(std::to_chars(shown, shown + sizeof shown, digits).ptr - shown);
    // The digits stand before the point as far as the exponent lets them, zeros fill up to it.
    const int wholeDigits = count > 0 ? count + exponent : 0;
    const int decimals = std::max({-exponent, minDecimals, 0});
    QString text(qsizetype(negative) + std::max(wholeDigits, 1) + (decimals > 0 ? decimals + 1 : 0),
                 Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    if (negative)
        *out++ = u'-';
    if (wholeDigits <= 0) {
        *out++ = u'0';
    } else {
        const int before = std::min(wholeDigits, count);
        out = std::copy(shown, shown + before, out);
        out = std::fill_n(out, wholeDigits - before, u'0');
    }
    if (decimals > 0) {
        *out++ = decimalPoint.unicode();
        const int zerosFirst = std::clamp(-wholeDigits, 0, decimals);
        out = std::fill_n(out, zerosFirst, u'0');
        const int first = std::max(wholeDigits, 0);
        const int after = std::clamp(count - first, 0, decimals - zerosFirst);
        out = std::copy(shown + first, shown + first + after, out);
        std::fill_n(out, decimals - zerosFirst - after, u'0');
    }
    return text;
}

// digits × 10^exponent in whole cents, half away from zero; false where the cents would have
// more digits than the short form holds.
Q_ALWAYS_INLINE bool shortCents(quint64 digits, int exponent, quint64 &cents)
{
    const int shift = exponent + 2;
    if (shift < 0) {
        cents = roundedQuotient(digits, -shift, false);
        return true;
    }
    const unsigned __int128 scaled = shift < int(WholePowers.size())
                                         ? (unsigned __int128)digits * WholePowers[std::size_t(shift)]
                                         : ShortDecimal::DigitsLimit;
    if (scaled >= ShortDecimal::DigitsLimit)
        return false;
    cents = quint64(scaled);
    return true;
}

// The "0.00" text of ±digits × 10^exponent: half away from zero to a whole number of cents,
// written with two decimals.
Q_ALWAYS_INLINE QString shortMoneyText(bool negative, quint64 digits, int exponent, QChar decimalPoint)
{
    quint64 cents = 0;
    if (!shortCents(digits, exponent, cents)) {
        DecimalDigits general = DecimalDigits::fromScaledInteger(negative, digits, exponent);
        general.roundHalfAwayFromZero(2);
        return general.toFixedText(decimalPoint, 2);
    }
    // Whole units (at least "0"), the point and always two decimals; no sign on zero.
    char whole[24];
    const int wholeLength = int(std::to_chars(whole, whole + sizeof whole, cents / 100).ptr - whole);
    const bool sign = negative && cents != 0;
    QString text(qsizetype(sign) + wholeLength + 3, Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    if (sign)
        *out++ = u'-';
    out = std::copy(whole, whole + wholeLength, out);
    *out++ = decimalPoint.unicode();
    const unsigned hundredths = unsigned(cents % 100);
    *out++ = char16_t(u'0' + hundredths / 10);
    *out = char16_t(u'0' + hundredths % 10);
    return text;
}

// The digits a single (7) or a double (15) shows, the quick way where it is sure of them.
// Zero and not-a-number show as 0, as they do through DecimalDigits; the infinities, which
// DecimalDigits takes as the largest values, are declined.
template <typename Float>
Q_ALWAYS_INLINE bool shortBinaryDigits(Float value, quint64 &digits, int &exponent)
{
    if (!(std::fabs(value) > 0)) {
        digits = 0;
        exponent = 0;
        return true;
    }
    if constexpr (std::is_same_v<Float, float>)
        return wholeSingleDigits(value, digits, exponent) || quickBinaryDigits(value, 7, digits, exponent);
    else
        return quickBinaryDigits(value, 15, digits, exponent);
}

template <typename Float>
Q_ALWAYS_INLINE bool shortDigitsOf(Float value, ShortDecimal &shown)
{
    quint64 digits = 0;
    int exponent = 0;
    if (!shortBinaryDigits(value, digits, exponent))
        return false;
    shown = ShortDecimal(value < 0, digits, exponent);
    return true;
}

template <typename Float>
QString binaryText(Float value, ShortDecimal::TextForm form, QChar decimalPoint)
{
    ShortDecimal shown;
    if (!shortDigitsOf(value, shown))
        return QString();
    return form == ShortDecimal::TextForm::Money ? shown.toMoneyText(decimalPoint) : shown.toFixedText(decimalPoint, 0);
}

} // namespace

ShortDecimal ShortDecimal::fromTenThousandths(qint64 count)
{
    const quint64 magnitude = count < 0 ? quint64(0) - quint64(count) : quint64(count);
    return ShortDecimal(count < 0, magnitude, -4);
}

QString ShortDecimal::toFixedText(QChar decimalPoint, int minDecimals) const
{
    return shortFixedText(m_negative, m_digits, m_exponent, decimalPoint, minDecimals);
}

QString ShortDecimal::toMoneyText(QChar decimalPoint) const
{
    return shortMoneyText(m_negative, m_digits, m_exponent, decimalPoint);
}

bool ShortDecimal::ofSingle(float value, ShortDecimal &shown)
{
    return shortDigitsOf(value, shown);
}

bool ShortDecimal::roundedToCents(ShortDecimal &cents) const
{
    quint64 wholeCents = 0;
    if (!shortCents(m_digits, m_exponent, wholeCents))
        return false;
    cents = ShortDecimal(m_negative, wholeCents, -2);
    return true;
}

QString ShortDecimal::textOf(float value, TextForm form, QChar decimalPoint)
{
    return binaryText(value, form, decimalPoint);
}

QString ShortDecimal::textOf(double value, TextForm form, QChar decimalPoint)
{
    return binaryText(value, form, decimalPoint);
}

float ShortDecimal::singleOfDigits() const
{
    return toDigits().toSingle();
}

double ShortDecimal::doubleOfDigits() const
{
    return toDigits().toDouble();
}

qint64 ShortDecimal::toTenThousandths() const
{
    constexpr quint64 limit = quint64(std::numeric_limits<qint64>::max());
    const int shift = m_exponent + 4;  // power of ten of the last digit, in ten-thousandths
    quint64 magnitude = 0;
    if (shift < 0) {
        magnitude = roundedQuotient(m_digits, -shift, true);
    } else if (m_digits != 0) {
        const unsigned __int128 scaled =
            shift < int(WholePowers.size()) ? (unsigned __int128)m_digits * WholePowers[std::size_t(shift)] : limit;
        magnitude = scaled > limit ? limit : quint64(scaled);
    }
    return m_negative ? -qint64(magnitude) : qint64(magnitude);
}

qint64 ShortDecimal::wholePart() const
{
    constexpr quint64 largest = quint64(std::numeric_limits<qint64>::max());
    unsigned __int128 magnitude = 0;
    if (m_exponent < 0)
        magnitude = divideByPowerOfTen(m_digits, -m_exponent).Quotient;
    else if (m_digits != 0)
        magnitude = m_exponent < int(WholePowers.size())
                        ? (unsigned __int128)m_digits * WholePowers[std::size_t(m_exponent)]
                        : (unsigned __int128)largest + 1;
    if (magnitude > largest)
        return m_negative ? std::numeric_limits<qint64>::min() : qint64(largest);
    return m_negative ? -qint64(magnitude) : qint64(magnitude);
}

DecimalDigits ShortDecimal::toDigits() const
{
    // Takes the trailing zeros into the exponent.
    return DecimalDigits::fromScaledInteger(m_negative, m_digits, m_exponent);
}
