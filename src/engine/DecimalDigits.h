#pragma once

#include <QString>
#include <QtGlobal>

#include <array>

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
    int writeScientific(char *buffer) const;
    quint64 digitsAsInteger() const;  // the digits as a whole number; at most 19 of them  // "d…de±x" for from_chars; returns its length

    std::array<char, Capacity + 1> m_digits{};  // ASCII digits, no leading zeros
    int m_count = 0;
    int m_exponent = 0;
    bool m_negative = false;
    bool m_inexactTail = false;  // non-zero digits beyond Capacity were dropped
};
