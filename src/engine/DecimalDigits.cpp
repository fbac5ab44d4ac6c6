#include "DecimalDigits.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

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
    const int exponent = (p != end) ? std::atoi(p + 1) : 0;
    result.shiftExponent(exponent - fractionDigits);
    result.stripTrailingZeros();
    return result;
}

template <typename Float>
DecimalDigits fromBinary(Float value, int significantDigits)
{
    if (std::isnan(value))
        return {};
    if (std::isinf(value))
        value = std::copysign(std::numeric_limits<Float>::max(), value);
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
    DecimalDigits result;
    result.m_negative = count < 0;
    // Unsigned magnitude so that the most negative count has one too.
    quint64 magnitude = count < 0 ? quint64(0) - quint64(count) : quint64(count);
    char reversed[24];
    int length = 0;
    do {
        reversed[length++] = char('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    while (length > 0)
        result.appendDigit(reversed[--length]);
    result.m_exponent -= 4;
    result.stripTrailingZeros();
    return result;
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
    QString text;
    text.reserve(m_count + std::max(m_exponent, 0) + decimals + 4);
    if (isNegative())
        text += QLatin1Char('-');

    // Digit at position k counts 10^(m_exponent + m_count - 1 - k); anything outside is a zero.
    const int topPower = m_count > 0 ? m_exponent + m_count - 1 : 0;
    auto digitAt = [this](int power) {
        const int index = m_exponent + m_count - 1 - power;
        return (index >= 0 && index < m_count) ? QLatin1Char(m_digits[index]) : QLatin1Char('0');
    };
    for (int power = std::max(topPower, 0); power >= 0; --power)
        text += digitAt(power);
    if (decimals > 0) {
        text += decimalPoint;
        for (int power = -1; power >= -decimals; --power)
            text += digitAt(power);
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

float DecimalDigits::toSingle() const
{
    char buffer[Capacity + 24];
    const int length = writeScientific(buffer);
    return readScientific<float>(buffer, length, isNegative(), m_exponent + m_count > 0);
}

double DecimalDigits::toDouble() const
{
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
