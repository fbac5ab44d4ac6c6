#include "NumberText.h"

#include "DecimalDigits.h"

#include <QLocale>

#include <atomic>
#include <cmath>
#include <limits>

namespace {

struct NumberSymbols
{
    QChar decimalPoint = QLatin1Char('.');
    QChar groupSeparator = QLatin1Char(',');
    QChar minusSign = QLatin1Char('-');
    QChar plusSign = QLatin1Char('+');
    QString currencySymbol;
};

QChar firstChar(const QString &text, QChar fallback)
{
    return text.size() == 1 ? text.front() : fallback;
}

// Bumped by UseNumberLocale: each thread reads the default locale's symbols again at its next
// number. Asking Qt for the default locale takes a lock every time, which costs more than most
// of the texts read and written here.
std::atomic<int> localeGeneration{0};

const NumberSymbols &currentSymbols()
{
    thread_local NumberSymbols symbols;
    thread_local int filledFor = -1;
    const int generation = localeGeneration.load(std::memory_order_acquire);
    if (filledFor != generation) {
        const QLocale locale;
        symbols.decimalPoint = firstChar(locale.decimalPoint(), QLatin1Char('.'));
        symbols.groupSeparator = firstChar(locale.groupSeparator(), QLatin1Char(','));
        symbols.minusSign = firstChar(locale.negativeSign(), QLatin1Char('-'));
        symbols.plusSign = firstChar(locale.positiveSign(), QLatin1Char('+'));
        symbols.currencySymbol = locale.currencySymbol(QLocale::CurrencySymbol);
        filledFor = generation;
    }
    return symbols;
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Reads numbers out of a text, left to right.
class NumberScanner
{
public:
    NumberScanner(QStringView text, const NumberSymbols &symbols) : m_text(text), m_symbols(symbols) {}

    void skipBlanks()
    {
        while (m_pos < m_text.size() && m_text[m_pos].isSpace())
            ++m_pos;
    }

    bool atEnd() const { return m_pos >= m_text.size(); }

    // An optional sign; returns false when there was none.
    bool readSign(bool &negative)
    {
        if (atEnd())
            return false;
        const QChar c = m_text[m_pos];
        if (c == QLatin1Char('-') || c == m_symbols.minusSign) {
            negative = true;
        } else if (c == QLatin1Char('+') || c == m_symbols.plusSign) {
            negative = false;
        } else {
            return false;
        }
        ++m_pos;
        return true;
    }

    bool readCurrencySymbol()
    {
        const QStringView rest = m_text.mid(m_pos);
        if (rest.startsWith(QLatin1Char('$'))) {
            ++m_pos;
            return true;
        }
        if (!m_symbols.currencySymbol.isEmpty() && rest.startsWith(m_symbols.currencySymbol)) {
            m_pos += m_symbols.currencySymbol.size();
            return true;
        }
        return false;
    }

    // The longest plain number at the current position: digits in correctly placed groups, a
    // decimal point with its digits, an exponent. Returns false (and moves nowhere) when no
    // digit is there.
    bool readNumberBody(DecimalDigits &digits)
    {
        const qsizetype start = m_pos;
        int digitCount = readIntegerPart(digits);
        if (peek() == m_symbols.decimalPoint) {
            ++m_pos;
            while (isDigit(peek())) {
                digits.appendDigit(char(peek().unicode()));
                digits.shiftExponent(-1);
                ++m_pos;
                ++digitCount;
            }
        }
        if (digitCount == 0) {
            m_pos = start;
            return false;
        }
        readExponent(digits);
        digits.stripTrailingZeros();
        return true;
    }

private:
    QChar peek(qsizetype ahead = 0) const
    {
        const qsizetype at = m_pos + ahead;
        return at < m_text.size() ? m_text[at] : QChar();
    }

    int readIntegerPart(DecimalDigits &digits)
    {
        int count = 0;
        int groupLength = 0;
        while (isDigit(peek())) {
            digits.appendDigit(char(peek().unicode()));
            ++m_pos;
            ++count;
            ++groupLength;
        }
        // Thousands separators count only between groups of three digits ("1,000", not "1,00").
        const bool firstGroupFits = groupLength >= 1 && groupLength <= 3;
        while (firstGroupFits && peek() == m_symbols.groupSeparator && isDigit(peek(1))
               && isDigit(peek(2)) && isDigit(peek(3)) && !isDigit(peek(4))) {
            ++m_pos;
            for (int i = 0; i < 3; ++i, ++m_pos)
                digits.appendDigit(char(peek().unicode()));
            count += 3;
        }
        return count;
    }

    void readExponent(DecimalDigits &digits)
    {
        if (peek() != QLatin1Char('e') && peek() != QLatin1Char('E'))
            return;
        qsizetype at = 1;
        bool negative = false;
        if (peek(at) == QLatin1Char('-') || peek(at) == QLatin1Char('+')) {
            negative = peek(at) == QLatin1Char('-');
            ++at;
        }
        if (!isDigit(peek(at)))
            return;
        m_pos += at;
        constexpr int ExponentCap = 100000;  // far beyond every range; keeps the sum from overflowing
        int exponent = 0;
        while (isDigit(peek())) {
            exponent = std::min(exponent * 10 + (peek().unicode() - '0'), ExponentCap);
            ++m_pos;
        }
        digits.shiftExponent(negative ? -exponent : exponent);
    }

    QStringView m_text;
    const NumberSymbols &m_symbols;
    qsizetype m_pos = 0;
};

// The numeric test and its reading in one pass.
bool readNumericText(QStringView text, DecimalDigits &digits)
{
    NumberScanner scanner(text, currentSymbols());
    scanner.skipBlanks();
    bool negative = false;
    const bool signFirst = scanner.readSign(negative);
    if (scanner.readCurrencySymbol() && !signFirst)
        scanner.readSign(negative);
    if (!scanner.readNumberBody(digits))
        return false;
    scanner.skipBlanks();
    if (!scanner.atEnd())
        return false;
    digits.setNegative(negative);
    return digits.fitsDouble();
}

} // namespace

void UseNumberLocale(const QLocale &locale)
{
    QLocale::setDefault(locale);
    localeGeneration.fetch_add(1, std::memory_order_acq_rel);
}

QString PlainText(float value)
{
    return DecimalDigits::fromSingle(value).toFixedText(currentSymbols().decimalPoint, 0);
}

QString PlainText(double value)
{
    return DecimalDigits::fromDouble(value).toFixedText(currentSymbols().decimalPoint, 0);
}

QString PlainText(MoneyValue value)
{
    return DecimalDigits::fromTenThousandths(value.tenThousandths()).toFixedText(currentSymbols().decimalPoint, 0);
}

namespace {

QString roundedMoneyText(DecimalDigits digits)
{
    digits.roundHalfAwayFromZero(2);
    return digits.toFixedText(currentSymbols().decimalPoint, 2);
}

} // namespace

QString MoneyText(float value)
{
    return roundedMoneyText(DecimalDigits::fromSingle(value));
}

QString MoneyText(double value)
{
    return roundedMoneyText(DecimalDigits::fromDouble(value));
}

QString MoneyText(MoneyValue value)
{
    return roundedMoneyText(DecimalDigits::fromTenThousandths(value.tenThousandths()));
}

QString ReformatAsMoney(QStringView text)
{
    DecimalDigits digits;
    if (!readNumericText(text, digits))
        return text.toString();
    return roundedMoneyText(digits);
}

bool IsNumericText(QStringView text)
{
    DecimalDigits digits;
    return readNumericText(text, digits);
}

double LeadingNumber(QStringView text)
{
    NumberScanner scanner(text, currentSymbols());
    scanner.skipBlanks();
    bool negative = false;
    scanner.readSign(negative);
    DecimalDigits digits;
    if (!scanner.readNumberBody(digits))
        return 0.0;
    digits.setNegative(negative);
    return digits.toDouble();
}

MoneyValue MoneyFromText(QStringView text)
{
    DecimalDigits digits;
    if (!readNumericText(text, digits))
        return {};
    return MoneyValue::fromTenThousandths(digits.toTenThousandths());
}

float SingleFromText(QStringView text)
{
    DecimalDigits digits;
    return readNumericText(text, digits) ? digits.toSingle() : 0.0f;
}

double DoubleFromText(QStringView text)
{
    DecimalDigits digits;
    return readNumericText(text, digits) ? digits.toDouble() : 0.0;
}

namespace {

template <typename Whole>
Whole wholeNumber(double value)
{
    const double rounded = std::nearbyint(value);  // halves to even
    constexpr double lowest = std::numeric_limits<Whole>::min();
    constexpr double highest = std::numeric_limits<Whole>::max();
    return std::isnan(rounded) ? Whole(0) : Whole(std::clamp(rounded, lowest, highest));
}

} // namespace

qint16 WholeNumber16FromText(QStringView text)
{
    return wholeNumber<qint16>(DoubleFromText(text));
}

qint32 WholeNumber32FromText(QStringView text)
{
    return wholeNumber<qint32>(DoubleFromText(text));
}

qint32 LeadingWholeNumber(QStringView text)
{
    return wholeNumber<qint32>(LeadingNumber(text));
}

qint64 WholePartFromText(QStringView text)
{
    DecimalDigits digits;
    if (!readNumericText(text, digits))
        return 0;
    // The fixed text holds every digit exactly; a double would round 99999999.9999999999 up.
    const QString fixed = digits.toFixedText(QLatin1Char('.'), 0);
    const bool negative = fixed.startsWith(QLatin1Char('-'));
    constexpr qint64 largest = std::numeric_limits<qint64>::max();
    qint64 whole = 0;
    for (const QChar c : QStringView(fixed).mid(negative ? 1 : 0)) {
        if (!isDigit(c))
            break;
        const int digit = c.unicode() - '0';
        if (whole > (largest - digit) / 10)
            return negative ? std::numeric_limits<qint64>::min() : largest;
        whole = whole * 10 + digit;
    }
    return negative ? -whole : whole;
}

double WidenSingle(float value)
{
    return DecimalDigits::widenSingle(value);
}

QChar DecimalPoint()
{
    return currentSymbols().decimalPoint;
}
