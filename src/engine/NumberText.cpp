#include "NumberText.h"

#include "DecimalDigits.h"

#include <QLocale>

#include <atomic>
#include <cmath>
#include <limits>
#include <type_traits>

namespace {

// The number format's symbols as one thread keeps them. Only constants initialise it, so that
// reaching it costs no more than a load: it is read at every number.
struct NumberSymbols
{
    int generation = -1;  // of the locale they were read from
    QChar decimalPoint = QLatin1Char('.');
    QChar groupSeparator = QLatin1Char(',');
    QChar minusSign = QLatin1Char('-');
    QChar plusSign = QLatin1Char('+');
    const QString *currencySymbol = nullptr;
    // The decimal point is no thousands separator, so a digit text with one point reads as the
    // digits around it.
    bool pointAfterDigits = true;
};

QChar firstChar(const QString &text, QChar fallback)
{
    return text.size() == 1 ? text.front() : fallback;
}

// Bumped by UseNumberLocale: each thread reads the default locale's symbols again at its next
// number. Asking Qt for the default locale takes a lock every time, which costs more than most
// of the texts read and written here.
std::atomic<int> localeGeneration{0};

Q_DECL_COLD_FUNCTION void readSymbols(NumberSymbols &symbols, int generation)
{
    thread_local QString currencySymbol;
    const QLocale locale;
    symbols.decimalPoint = firstChar(locale.decimalPoint(), QLatin1Char('.'));
    symbols.groupSeparator = firstChar(locale.groupSeparator(), QLatin1Char(','));
    symbols.minusSign = firstChar(locale.negativeSign(), QLatin1Char('-'));
    symbols.plusSign = firstChar(locale.positiveSign(), QLatin1Char('+'));
    currencySymbol = locale.currencySymbol(QLocale::CurrencySymbol);
    symbols.currencySymbol = &currencySymbol;
    symbols.pointAfterDigits = symbols.decimalPoint != symbols.groupSeparator;
    symbols.generation = generation;
}

const NumberSymbols &currentSymbols()
{
    thread_local NumberSymbols symbols;
    const int generation = localeGeneration.load(std::memory_order_acquire);
    if (symbols.generation != generation) [[unlikely]]
        readSymbols(symbols, generation);
    return symbols;
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

std::atomic<bool> quickPaths{true};

bool quickPathsOn()
{
    return quickPaths.load(std::memory_order_relaxed);
}

// The texts that fields and the engine's own results hold nearly always: digits with at most
// one decimal point, perhaps after a minus sign, and no more digits than a 64-bit whole number
// takes. They read in one pass without the scanner; any other text returns false and goes the
// general way, which reads these texts as the same number.
Q_ALWAYS_INLINE bool readShortText(QStringView text, const NumberSymbols &symbols, ShortDecimal &number)
{
    constexpr qsizetype MostDigits = 19;  // every 19-digit whole number is below 10^19
    const char16_t *at = text.utf16();
    const char16_t *const end = at + text.size();
    const bool negative = at != end && *at == u'-';
    at += negative ? 1 : 0;
    const qsizetype length = end - at;
    if (length == 0 || length > MostDigits || !symbols.pointAfterDigits)
        return false;
    const char16_t point = symbols.decimalPoint.unicode();
    const char16_t *pointAt = nullptr;
    quint64 digits = 0;
    for (; at != end; ++at) {
        const unsigned digit = unsigned(*at) - u'0';
        if (digit < 10)
            digits = digits * 10 + digit;
        else if (*at == point && !pointAt)
            pointAt = at;
        else
            return false;
    }
    if (pointAt && length == 1)
        return false;  // the point alone
    number = ShortDecimal(negative, digits, pointAt ? -int(end - pointAt - 1) : 0);
    return true;
}

// The short text's number, when the quick paths are on and the text is short and plain.
Q_ALWAYS_INLINE bool readQuickly(QStringView text, ShortDecimal &number)
{
    return quickPathsOn() && readShortText(text, currentSymbols(), number);
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
        const QString &currency = *m_symbols.currencySymbol;
        if (!currency.isEmpty() && rest.startsWith(currency)) {
            m_pos += currency.size();
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

void UseQuickNumberPaths(bool use)
{
    quickPaths.store(use, std::memory_order_relaxed);
}

namespace {

// A number's text the quick way where that is sure of the digits, else by the general digits.
using TextForm = ShortDecimal::TextForm;

DecimalDigits generalDigitsOf(float value)
{
    return DecimalDigits::fromSingle(value);
}

DecimalDigits generalDigitsOf(double value)
{
    return DecimalDigits::fromDouble(value);
}

DecimalDigits generalDigitsOf(MoneyValue value)
{
    return DecimalDigits::fromTenThousandths(value.tenThousandths());
}

QString generalText(DecimalDigits digits, TextForm form, QChar point)
{
    if (form == TextForm::Plain)
        return digits.toFixedText(point, 0);
    digits.roundHalfAwayFromZero(2);
    return digits.toFixedText(point, 2);
}

template <typename Number>
QString numberText(Number value, TextForm form)
{
    const QChar point = currentSymbols().decimalPoint;
    if (quickPathsOn()) {
        if constexpr (std::is_same_v<Number, MoneyValue>) {
            const ShortDecimal digits = ShortDecimal::fromTenThousandths(value.tenThousandths());
            return form == TextForm::Money ? digits.toMoneyText(point) : digits.toFixedText(point, 0);
        } else {
            QString text = ShortDecimal::textOf(value, form, point);
            if (!text.isNull())
                return text;
        }
    }
    return generalText(generalDigitsOf(value), form, point);
}

} // namespace

QString PlainText(float value)
{
    return numberText(value, TextForm::Plain);
}

QString PlainText(double value)
{
    return numberText(value, TextForm::Plain);
}

QString PlainText(MoneyValue value)
{
    return numberText(value, TextForm::Plain);
}

QString MoneyText(float value)
{
    return numberText(value, TextForm::Money);
}

QString MoneyText(double value)
{
    return numberText(value, TextForm::Money);
}

QString MoneyText(MoneyValue value)
{
    return numberText(value, TextForm::Money);
}

namespace {

// A number text read the quick way when it is short and plain, else by the scanner; `convert`
// takes either kind of digits. A text that is no number gives `otherwise`.
template <typename Result, typename Convert>
Q_NEVER_INLINE Result readNumberGenerally(QStringView text, Result otherwise, Convert convert)
{
    DecimalDigits digits;
    return readNumericText(text, digits) ? convert(digits) : otherwise;
}

template <typename Result, typename Convert>
Result readNumber(QStringView text, Result otherwise, Convert convert)
{
    if (ShortDecimal quick; readQuickly(text, quick))
        return convert(quick);
    // Apart, so that the quick way keeps its registers to itself.
    return readNumberGenerally(text, otherwise, convert);
}

qint64 wholePartOf(const ShortDecimal &digits)
{
    return digits.wholePart();
}

qint64 wholePartOf(const DecimalDigits &digits)
{
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

} // namespace

QString ReformatAsMoney(QStringView text)
{
    const QChar point = currentSymbols().decimalPoint;
    if (ShortDecimal quick; readQuickly(text, quick))
        return quick.toMoneyText(point);
    DecimalDigits digits;
    if (!readNumericText(text, digits))
        return text.toString();
    return generalText(digits, TextForm::Money, point);
}

bool IsNumericText(QStringView text)
{
    return readNumber(text, false, [](const auto &) { return true; });
}

double LeadingNumber(QStringView text)
{
    if (ShortDecimal quick; readQuickly(text, quick))
        return quick.toDouble();
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
    return MoneyValue::fromTenThousandths(
        readNumber(text, qint64(0), [](const auto &digits) { return digits.toTenThousandths(); }));
}

float SingleFromText(QStringView text)
{
    return readNumber(text, 0.0f, [](const auto &digits) { return digits.toSingle(); });
}

float SingleOfPlainText(float value)
{
    ShortDecimal shown;
    if (quickPathsOn() && ShortDecimal::ofSingle(value, shown))
        return shown.toSingle();
    return SingleFromText(PlainText(value));
}

float SingleOfMoneyText(float value)
{
    ShortDecimal shown;
    ShortDecimal cents;
    if (quickPathsOn() && ShortDecimal::ofSingle(value, shown) && shown.roundedToCents(cents))
        return cents.toSingle();
    return SingleFromText(MoneyText(value));
}

double DoubleFromText(QStringView text)
{
    return readNumber(text, 0.0, [](const auto &digits) { return digits.toDouble(); });
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
    return readNumber(text, qint64(0), [](const auto &digits) { return wholePartOf(digits); });
}

double WidenSingle(float value)
{
    return DecimalDigits::widenSingle(value);
}

QChar DecimalPoint()
{
    return currentSymbols().decimalPoint;
}
