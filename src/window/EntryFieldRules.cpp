#include "EntryFieldRules.h"

#include "CDutchAuction.h"
#include "NumberText.h"

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
    }
    return IsWithinAmountLimit(TextAfterKey(field, keyCode)) ? keyCode : 0;
}

int FilterCountKey(int keyCode, const FieldState &field)
{
    const QString candidate = withTyped(field.text, keyCode);
    const bool numeric = IsNumericText(candidate);
    if (!numeric && keyCode != KeyBackspace)
        return 0;
    if (keyCode == KeyMinus || keyCode == KeyPoint || keyCode == KeyComma)
        return 0;
    if (keyCode != KeyBackspace && exceedsLargestCount(TextAfterKey(field, keyCode)))
        return 0;
    return keyCode;
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

bool IsAcceptableCountText(const QString &text)
{
    return IsNumericText(text) && LeadingNumber(text) >= 0 && !exceedsLargestCount(text);
}

} // namespace EntryFieldRules
