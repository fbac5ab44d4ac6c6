#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>

// The four entries of a multiple-item lot as their fields hold them, and the clean-up the lot
// tab gives them before any fee is worked out. The calculator window and the command line both
// run it, so a lot has the same figures wherever it is entered.
struct LotEntryTexts
{
    QString ItemsOffered;
    QString OpeningPrice;
    QString ItemsSold;
    QString FinalPrice;  // the lowest successful bid

    bool operator==(const LotEntryTexts &) const = default;
};

// A count as the lot reads it: the leading number of the text, halves to the even neighbour,
// within the lot's 16-bit range.
qint16 LotCount(QStringView text);

// The first clean-up, run before every calculation: when not every item found a buyer the
// lowest successful bid is the opening bid, and no more items are sold than were offered.
void FillLotFinalPrice(LotEntryTexts &entries);

// All four entries are filled in: only then has the lot any fees.
bool LotEntriesComplete(const LotEntryTexts &entries);

// The second clean-up, for complete entries: the number sold is a whole number not above the
// number offered, the lowest successful bid is never below the opening bid, and it is "0" when
// nothing sold.
void ValidateLotEntries(LotEntryTexts &entries);
