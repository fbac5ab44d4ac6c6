#pragma once

#include <QtGlobal>

// The fixed-point money value: a 64-bit count of ten-thousandths of the currency unit.
// Conversions into it round to the nearest ten-thousandth, halves to even; sums saturate at
// the ends of the range instead of wrapping.
class MoneyValue
{
public:
    static constexpr qint64 UnitsPerWhole = 10000;

    constexpr MoneyValue() = default;
    static constexpr MoneyValue fromTenThousandths(qint64 count) { return MoneyValue(count); }

    // A single converts at its exact binary value: float × 10000 is exact in a double.
    static MoneyValue fromSingle(float value);
    static MoneyValue fromDouble(double value);

    constexpr qint64 tenThousandths() const { return m_count; }
    double toDouble() const { return double(m_count) / UnitsPerWhole; }
    float toSingle() const;

    MoneyValue operator+(MoneyValue other) const;
    MoneyValue &operator+=(MoneyValue other) { return *this = *this + other; }
    // The money value times a whole number (a lot of items), saturating.
    MoneyValue times(qint64 factor) const;

    friend constexpr bool operator==(MoneyValue, MoneyValue) = default;
    friend constexpr auto operator<=>(MoneyValue, MoneyValue) = default;

private:
    constexpr explicit MoneyValue(qint64 count) : m_count(count) {}
    qint64 m_count = 0;
};
