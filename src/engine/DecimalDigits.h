#pragma once

#include <QString>
#include <QtGlobal>

#include <array>

// The nearest single or double to ±digits × 10^exponent the quick way: few digits and a small
// exponent make one exact whole number and one exact power of ten, and a single correctly
// rounded operation gives the nearest value. False when the operands would not be exact.
namespace NearestBinary {

inline constexpr std::array<float, 11> SinglePowers{1e0f, 1e1f, 1e2f, 1e3f, 1e4f, 1e5f,
                                                     1e6f, 1e7f, 1e8f, 1e9f, 1e10f};
inline constexpr std::array<double, 23> DoublePowers{1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                      1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                      1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

template <typename Float, std::size_t PowerCount>
bool quickNearest(quint64 digits, int exponent, bool negative, quint64 digitsLimit,
                  const std::array<Float, PowerCount> &powers, Float &value)
{
    if (digits >= digitsLimit || exponent <= -int(PowerCount) || exponent >= int(PowerCount))
        return false;
    const Float whole = Float(digits);
    const Float magnitude =
        exponent < 0 ? whole / powers[std::size_t(-exponent)] : whole * powers[std::size_t(exponent)];
    value = negative ? -magnitude : magnitude;
    return true;
}

inline bool quickSingle(quint64 digits, int exponent, bool negative, float &value)
{
    return quickNearest(digits, exponent, negative, 10000000ull, SinglePowers, value);
}

inline bool quickDouble(quint64 digits, int exponent, bool negative, double &value)
{
    return quickNearest(digits, exponent, negative, 1000000000000000ull, DoublePowers, value);
}

} // namespace NearestBinary

// A number held as decimal digits: value = ±digits × 10^exponent.
// It is the common ground of the number texts: floats and doubles are turned into the digits
// they show (7 and 15 significant digits), money values into their exact digits, and texts
// are read into digits before they become a number of any precision.
class DecimalDigits
{
public:
    static constexpr int Capacity = 40;  // significant digits kept; more only set inexactTail

    static DecimalDigits fromSingle(float value);
    static DecimalDigits fromDouble(double value);
    static DecimalDigits fromTenThousandths(qint64 count);
    // The double nearest to the digits a single shows.
    static double widenSingle(float value);
    // ±digits × 10^exponent.
    static DecimalDigits fromScaledInteger(bool negative, quint64 digits, int exponent);

    // Appends one digit; the scanner feeds digits left to right.
    void appendDigit(char digit);
    void shiftExponent(int by) { m_exponent += by; }
    void setNegative(bool negative) { m_negative = negative; }

    bool isZero() const { return m_count == 0; }
    bool isNegative() const { return m_negative && !isZero(); }

    // Rounds half away from zero so that at most `decimals` digits follow the decimal point.
    void roundHalfAwayFromZero(int decimals);
    void stripTrailingZeros();

    // Fixed-point text: no exponent, no thousands separators; `minDecimals` pads with zeros.
    QString toFixedText(QChar decimalPoint, int minDecimals) const;

    // Nearest value of each type; out-of-range values saturate at the type's largest finite value.
    float toSingle() const;
    double toDouble() const;
    bool fitsDouble() const;  // within the double range (the largest double included)
    // Ten-thousandths, halves to even, saturating at the 64-bit range.
    qint64 toTenThousandths() const;

private:
    int writeScientific(char *buffer) const;  // "d…de±x" for from_chars; returns its length
    quint64 digitsAsInteger() const;           // the digits as a whole number; at most 19 of them

    std::array<char, Capacity + 1> m_digits{};  // ASCII digits, no leading zeros
    int m_count = 0;
    int m_exponent = 0;
    bool m_negative = false;
    bool m_inexactTail = false;  // non-zero digits beyond Capacity were dropped
};

// A number of at most 19 digits held as one whole number: value = ±digits × 10^exponent (zero is
// never negative). The texts most fields hold and the numbers of money size fit it, and
// whole-number arithmetic on it is far cheaper than digit by digit. It gives what DecimalDigits
// of the same value gives, and passes to DecimalDigits whatever it cannot work out exactly
// itself. The digits may end in zeros: only the texts need them stripped, and stripping costs
// more than the rest of a conversion.
class ShortDecimal
{
public:
    static constexpr quint64 DigitsLimit = 10000000000000000000ull;  // 10^19: 19 digits at most

    ShortDecimal() = default;
    // `digits` below DigitsLimit.
    ShortDecimal(bool negative, quint64 digits, int exponent)
        : m_digits(digits), m_exponent(exponent), m_negative(negative && digits != 0)
    {
    }

    static ShortDecimal fromTenThousandths(qint64 count);

    // DecimalDigits::toFixedText's text of the same digits.
    QString toFixedText(QChar decimalPoint, int minDecimals) const;
    // The "0.00" text: rounded half away from zero to two decimals, then written with two.
    QString toMoneyText(QChar decimalPoint) const;

    // The plain text (toFixedText without padding) or the "0.00" text of the digits a single or
    // a double shows, rounded and written in one step; a null text where only DecimalDigits can
    // tell the digits.
    enum class TextForm { Plain, Money };
    static QString textOf(float value, TextForm form, QChar decimalPoint);
    static QString textOf(double value, TextForm form, QChar decimalPoint);
    // The digits a single shows, as textOf writes them; false where only DecimalDigits can tell.
    static bool ofSingle(float value, ShortDecimal &shown);
    // Rounded half away from zero to whole cents, the digits of the "0.00" text; false where the
    // cents do not fit.
    bool roundedToCents(ShortDecimal &cents) const;

    float toSingle() const
    {
        float value = 0;
        return NearestBinary::quickSingle(m_digits, m_exponent, m_negative, value) ? value : singleOfDigits();
    }
    double toDouble() const
    {
        double value = 0;
        return NearestBinary::quickDouble(m_digits, m_exponent, m_negative, value) ? value : doubleOfDigits();
    }
    qint64 toTenThousandths() const;
    // The whole part, cut towards zero, saturating at the 64-bit range.
    qint64 wholePart() const;

    DecimalDigits toDigits() const;

private:
    // By way of DecimalDigits, kept out of the quick conversions above.
    float singleOfDigits() const;
    double doubleOfDigits() const;

    quint64 m_digits = 0;
    int m_exponent = 0;
    bool m_negative = false;
};
