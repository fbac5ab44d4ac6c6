#include "MoneyValue.h"

#include "DecimalDigits.h"

#include <cmath>
#include <limits>

namespace {

constexpr qint64 Largest = std::numeric_limits<qint64>::max();

qint64 saturate(__int128 count)
{
    if (count > Largest)
        return Largest;
    if (count < -Largest)
        return -Largest;
    return qint64(count);
}

qint64 roundScaled(double scaled)
{
    if (std::isnan(scaled))
        return 0;
    // 2^63 is the first double beyond the range.
    if (scaled >= 9223372036854775808.0)
        return Largest;
    if (scaled <= -9223372036854775808.0)
        return -Largest;
    return qint64(std::nearbyint(scaled));  // the default rounding mode: halves to even
}

} // namespace

MoneyValue MoneyValue::fromSingle(float value)
{
    return MoneyValue(roundScaled(double(value) * UnitsPerWhole));
}

MoneyValue MoneyValue::fromDouble(double value)
{
    return MoneyValue(roundScaled(value * UnitsPerWhole));
}

float MoneyValue::toSingle() const
{
    return ShortDecimal::fromTenThousandths(m_count).toSingle();
}

MoneyValue MoneyValue::operator+(MoneyValue other) const
{
    return MoneyValue(saturate(__int128(m_count) + other.m_count));
}

MoneyValue MoneyValue::times(qint64 factor) const
{
    return MoneyValue(saturate(__int128(m_count) * factor));
}
