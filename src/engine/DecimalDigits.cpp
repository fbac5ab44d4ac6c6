#include "DecimalDigits.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <limits>
#include <type_traits>

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

// Powers of ten that a long double holds exactly (5^27 < 2^64).
constexpr int ExactPowers = 28;
constexpr std::array<long double, ExactPowers> PowersOfTen = [] {
    std::array<long double, ExactPowers> powers{};
    long double power = 1;
    for (long double &p : powers) {
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
bool quickDigits(double magnitude, int significantDigits, quint64 &digits, int &exponent)
{
    // 2^binaryExponent <= magnitude < 2^(binaryExponent + 1) for a normal double.
    const int binaryExponent = int((std::bit_cast<quint64>(magnitude) >> 52) & 0x7ff) - 1023;
    if (binaryExponent == -1023)
        return false;  // subnormal
    int decimalExponent = int(std::floor(binaryExponent * 0.30102999566398120));
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int scale = significantDigits - 1 - decimalExponent;
        if (scale < 0 || scale >= ExactPowers)
            return false;
        const Wide scaled = Wide(magnitude) * Wide(PowersOfTen[std::size_t(scale)]);
        // The estimate from the binary exponent can be one off either way near a power of ten.
        if (scaled < Wide(PowersOfTen[std::size_t(significantDigits - 1)])) {
            --decimalExponent;
            continue;
        }
        if (scaled >= Wide(PowersOfTen[std::size_t(significantDigits)])) {
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

template <typename Float>
DecimalDigits fromBinary(Float value, int significantDigits)
{
    if (std::isnan(value) || value == 0)
        return {};
    if (std::isinf(value))
        value = std::copysign(std::numeric_limits<Float>::max(), value);
    quint64 digits = 0;
    int exponent = 0;
    const bool quick = std::is_same_v<Float, float>
                           ? quickDigits<double>(std::fabs(double(value)), significantDigits, digits, exponent)
                           : quickDigits<long double>(std::fabs(double(value)), significantDigits, digits, exponent);
    if (quick)
        return DecimalDigits::fromScaledInteger(value < 0, digits, exponent);
    char buffer[64];
    const auto converted = std::to_chars(buffer, buffer + sizeof buffer, value,
                                         std::chars_format::scientific, significantDigits - 1);
    return fromScientificChars(buffer, converted.ptr, significantDigits - 1);
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
    constexpr std::array<double, 23> powers{1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                            1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    quint64 digits = 0;
    int exponent = 0;
    if (std::isfinite(value) && value != 0 && quickDigits<double>(std::fabs(double(value)), 7, digits, exponent)
        && exponent <= 0 && exponent >= -22) {
        // An exact whole number over an exact power of ten: the nearest double to the decimal.
        const double widened = double(digits) / powers[std::size_t(-exponent)];
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
    // Few digits and a small exponent: one exact integer, one exact power of ten and a single
    // correctly rounded operation give the nearest single.
    constexpr std::array<float, 11> powers{1e0f, 1e1f, 1e2f, 1e3f, 1e4f, 1e5f, 1e6f, 1e7f, 1e8f, 1e9f, 1e10f};
    if (!m_inexactTail && m_count <= 7 && std::abs(m_exponent) <= 10) {
        const float whole = float(digitsAsInteger());
        const float value = m_exponent < 0 ? whole / powers[std::size_t(-m_exponent)] : whole * powers[std::size_t(m_exponent)];
        return isNegative() ? -value : value;
    }
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
    constexpr std::array<double, 23> powers{1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                            1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (!m_inexactTail && m_count <= 15 && std::abs(m_exponent) <= 22) {
        const double whole = double(digitsAsInteger());
        const double value = m_exponent < 0 ? whole / powers[std::size_t(-m_exponent)] : whole * powers[std::size_t(m_exponent)];
        return isNegative() ? -value : value;
    }
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
