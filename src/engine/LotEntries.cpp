#include "LotEntries.h"

#include "CDutchAuction.h"
#include "NumberText.h"

#include <algorithm>

qint16 LotCount(QStringView text)
{
    return qint16(std::clamp(LeadingWholeNumber(text), -CDutchAuction::MaxItemCount, CDutchAuction::MaxItemCount));
}

void FillLotFinalPrice(LotEntryTexts &entries)
{
    const bool filled = !entries.ItemsOffered.isEmpty() && !entries.OpeningPrice.isEmpty()
                        && !entries.ItemsSold.isEmpty();
    if (filled && LotCount(entries.ItemsSold) < LotCount(entries.ItemsOffered))
        entries.FinalPrice = entries.OpeningPrice;
    if (IsNumericText(entries.ItemsOffered) && LotCount(entries.ItemsOffered) < LotCount(entries.ItemsSold))
        entries.ItemsSold = entries.ItemsOffered;
}

bool LotEntriesComplete(const LotEntryTexts &entries)
{
    return !entries.ItemsOffered.isEmpty() && !entries.OpeningPrice.isEmpty() && !entries.ItemsSold.isEmpty()
           && !entries.FinalPrice.isEmpty();
}

void ValidateLotEntries(LotEntryTexts &entries)
{
    qint16 sold = LotCount(entries.ItemsSold);
    const qint16 offered = LotCount(entries.ItemsOffered);
    if (sold > offered)
        sold = offered;
    else if (sold < offered)
        entries.FinalPrice = entries.OpeningPrice;
    if (MoneyFromText(entries.FinalPrice) < MoneyFromText(entries.OpeningPrice))
        entries.FinalPrice = entries.OpeningPrice;
    if (sold == 0)
        entries.FinalPrice = QStringLiteral("0");
    entries.ItemsSold = QString::number(sold);
}
