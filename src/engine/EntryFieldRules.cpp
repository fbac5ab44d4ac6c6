#include "EntryFieldRules.h"

#include "CDutchAuction.h"
#include "CPaymentService.h"
#include "NumberText.h"
#include "SiteOffers.h"

#include <algorithm>

namespace EntryFieldRules {

namespace {

// The key filter judges a key by the text with the character appended at the end, wherever the
// caret is.
QString withTyped(const QString &text, int keyCode)
{
    return text + QChar(char16_t(keyCode));
}

bool isLoneDecimalPoint(const QString &text)
{
    return text.size() == 1 && text.front() == DecimalPoint();
}

// People type the separator they are used to: either one is the decimal point, as a keypad's
// decimal key is, so that an amount never grows a hundredfold unseen.
int asDecimalPoint(int keyCode)
{
    if (keyCode == KeyPoint || keyCode == KeyComma)
        return DecimalPoint().unicode();
    return keyCode;
}

bool exceedsLargestCount(const QString &text)
{
    return DoubleFromText(text) > CDutchAuction::MaxItemCount;
}

static_assert(CDutchAuction::MaxItemCount < 100000, "CountLengthLimit digits hold the largest count");

bool isPlainDigits(const QString &text)
{
    return !text.isEmpty()
           && std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// Digits and one decimal point, never "-"; no key may leave a whole part of `limit` or more.
int filterDecimalKey(int keyCode, const FieldState &field, qint64 limit)
{
    if (keyCode == KeyPaste || keyCode == KeyCopy)
        return keyCode;
    if (keyCode == KeyMinus)
        return 0;
    if (keyCode != KeyBackspace) {
        keyCode = asDecimalPoint(keyCode);
        const QString candidate = withTyped(field.text, keyCode);
        const bool wholeTextSelected = field.selectionLength == field.text.size();
        if (!IsNumericText(candidate) && !wholeTextSelected && !isLoneDecimalPoint(candidate))
            return 0;
        // The key is judged at the end of the text, but it goes in at the caret: one that would
        // leave a text the change check empties ("1 2", "5$12") would throw the amount away.
        const QString after = TextAfterKey(field, keyCode);
        if (!wholeTextSelected && !IsNumericText(after) && !isLoneDecimalPoint(after))
            return 0;
    }
    return WholePartFromText(TextAfterKey(field, keyCode)) < limit ? keyCode : 0;
}

} // namespace

QString TextAfterKey(const FieldState &field, int keyCode)
{
    QString text = field.text;
    const bool selected = field.selectionStart >= 0 && field.selectionLength > 0;
    if (keyCode == KeyBackspace) {
        if (selected)
            text.remove(field.selectionStart, field.selectionLength);
        else if (field.cursorPosition > 0)
            text.remove(field.cursorPosition - 1, 1);
        return text;
    }
    const QChar typed{char16_t(keyCode)};
    if (selected)
        text.replace(field.selectionStart, field.selectionLength, typed);
    else
        text.insert(field.cursorPosition, typed);
    return text;
}

int FilterMoneyKey(int keyCode, const FieldState &field)
{
    return filterDecimalKey(keyCode, field, AmountLimit);
}

int FilterCountKey(int keyCode, const FieldState &field)
{
    const QString candidate = withTyped(field.text, keyCode);
    const bool numeric = IsNumericText(candidate);
    if (!numeric && keyCode != KeyBackspace)
        return 0;
    if (keyCode == KeyMinus || keyCode == KeyPoint || keyCode == KeyComma)
        return 0;
    if (keyCode != KeyBackspace && !IsAcceptableCountText(TextAfterKey(field, keyCode)))
        return 0;
    return keyCode;
}

int FilterRateKey(int keyCode, const FieldState &field)
{
    const int passed = filterDecimalKey(keyCode, field, CPaymentService::RateLimit);
    if (passed == 0 || passed == KeyBackspace || passed == KeyPaste || passed == KeyCopy)
        return passed;
    return IsAcceptableRateText(TextAfterKey(field, passed)) ? passed : 0;
}

bool IsWithinAmountLimit(const QString &text)
{
    return WholePartFromText(text) < AmountLimit;
}

bool IsAcceptableMoneyText(const QString &text)
{
    if (!IsNumericText(text))
        return isLoneDecimalPoint(text);
    return LeadingNumber(text) >= 0 && IsWithinAmountLimit(text);
}

bool IsAcceptableRateText(const QString &text)
{
    if (text.isEmpty() || isLoneDecimalPoint(text))
        return true;
    const qsizetype point = text.indexOf(DecimalPoint());
    const QString whole = text.left(point);
    const QString fraction = point < 0 ? QString() : text.mid(point + 1);
    return (isPlainDigits(whole) || (whole.isEmpty() && !fraction.isEmpty()))
           && (fraction.isEmpty() || isPlainDigits(fraction)) && WholePartFromText(text) < CPaymentService::RateLimit;
}

bool IsAcceptableCountText(const QString &text)
{
    if (text.isEmpty())
        return true;
    return isPlainDigits(text) && text.size() <= CountLengthLimit && !exceedsLargestCount(text);
}

QString WithMinimumOpeningBid(const QString &text, qint32 site)
{
    const MoneyValue minimum = MinimumOpeningBid(site);
    if (minimum > MoneyValue() && IsNumericText(text) && SingleFromText(text) < minimum.toSingle())
        return MoneyText(minimum);
    return text;
}

bool IsAcceptableCountDrop(const QString &fieldText, int position, const QString &dropped)
{
    return isPlainDigits(dropped)
           && IsAcceptableCountText(QString(fieldText).insert(std::clamp(position, 0, int(fieldText.size())), dropped));
}

} // namespace EntryFieldRules
