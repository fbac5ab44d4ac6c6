#include "EntryFieldRules.h"

#include "CDutchAuction.h"
#include "NumberText.h"

namespace EntryFieldRules {

namespace {

QString withTyped(const QString &text, int keyCode)
{
    return text + QChar(char16_t(keyCode));
}

bool isLoneDecimalPoint(const QString &text)
{
    return text.size() == 1 && text.front() == DecimalPoint();
}

bool exceedsLargestCount(const QString &text)
{
    return DoubleFromText(text) > CDutchAuction::MaxItemCount;
}

} // namespace

int FilterMoneyKey(int keyCode, const QString &text, int selectionLength)
{
    if (keyCode == KeyBackspace || keyCode == KeyPaste || keyCode == KeyCopy)
        return keyCode;
    if (keyCode == KeyMinus)
        return 0;
    const QString candidate = withTyped(text, keyCode);
    if (IsNumericText(candidate))
        return keyCode;
    if (selectionLength != text.size())
        return isLoneDecimalPoint(candidate) ? keyCode : 0;
    return keyCode;
}

int FilterCountKey(int keyCode, const QString &text, const QString &resultingText)
{
    const QString candidate = withTyped(text, keyCode);
    const bool numeric = IsNumericText(candidate);
    if (!numeric && keyCode != KeyBackspace)
        return 0;
    if (keyCode == KeyMinus || keyCode == KeyPoint || keyCode == KeyComma)
        return 0;
    if (keyCode != KeyBackspace && exceedsLargestCount(resultingText))
        return 0;
    return keyCode;
}

bool IsAcceptableMoneyText(const QString &text)
{
    if (!IsNumericText(text))
        return isLoneDecimalPoint(text);
    return LeadingNumber(text) >= 0;
}

bool IsAcceptableCountText(const QString &text)
{
    return IsNumericText(text) && LeadingNumber(text) >= 0 && !exceedsLargestCount(text);
}

} // namespace EntryFieldRules
