#include "FeeBreakdown.h"

#include "CAuctionSite.h"
#include "CDutchAuction.h"
#include "CRegularAuction.h"
#include "FeeTiers.h"
#include "ListingFees.h"
#include "NumberText.h"

namespace {

using Kind = BreakdownLine::Kind;

// Money in cents when it is whole cents, else at the ten-thousandths it has.
QString amountAtItsDigits(MoneyValue value)
{
    return value.tenThousandths() % 100 == 0 ? MoneyText(value) : PlainText(value);
}

BreakdownTier tierTexts(const FeeTier &tier, float value)
{
    BreakdownTier texts;
    texts.Index = tier.Index;
    texts.ValueText = MoneyText(value);
    if (tier.Index < 0)
        return texts;
    if (!tier.Bottom)
        texts.LowerText = MoneyText(tier.Lower);
    if (!tier.Open)
        texts.UpperText = MoneyText(tier.Upper);
    return texts;
}

// The parts of a final value fee of `fee`: in cents when their cents make the fee, else each
// to the ten-thousandth.
QList<BreakdownTierPart> partTexts(const FinalValueFeeParts &parts, MoneyValue fee)
{
    MoneyValue centsSum;
    for (const FinalValueFeePart &part : parts)
        centsSum += MoneyFromText(MoneyText(part.Amount));
    const bool inCents = centsSum == fee;
    QList<BreakdownTierPart> texts;
    texts.reserve(parts.size());
    for (qsizetype index = 0; index < parts.size(); ++index) {
        const FinalValueFeePart &part = parts[index];
        BreakdownTierPart text;
        text.RatePercentText = PlainText(float(WidenSingle(float(part.Rate)) * 100));
        // A later tier starts a cent above the bound its amount is measured from.
        if (index > 0)
            text.FromText = MoneyText(part.From + 0.01);
        text.ToText = MoneyText(part.To);
        text.AmountText = inCents ? MoneyText(part.Amount) : amountAtItsDigits(MoneyValue::fromDouble(part.Amount));
        texts.append(std::move(text));
    }
    return texts;
}

void appendFeatures(FeeBreakdown &breakdown, const FeatureFees &features)
{
    for (const FeatureFee &feature : features) {
        BreakdownLine line;
        line.Type = Kind::Feature;
        line.Feature = feature.Feature;
        line.AmountText = MoneyText(feature.Fee);
        line.Doubled = feature.Doubled;
        // Halving a doubled single is exact.
        line.SingleAmountText = MoneyText(feature.Doubled ? feature.Fee / 2 : feature.Fee);
        breakdown.Lines.append(std::move(line));
    }
}

BreakdownLine insertionLine(const QString &amount, const QString &single, bool doubled)
{
    BreakdownLine line;
    line.AmountText = amount;
    line.SingleAmountText = single;
    line.Doubled = doubled;
    return line;
}

void breakDownSingleItem(FeeBreakdown &breakdown, const CAuctionSite &site, const ListingSnapshot &listing)
{
    CRegularAuction auction;
    auction.setSite(&site);
    const ListingOptions &o = listing.Options;
    const RegularListingFees fees = ComputeRegularListingFees(auction, o, listing.ItemSold);

    const auto insertionFee = [&](bool twoCategories) {
        return auction.InsertionFee(o.StartingPriceText, twoCategories, o.RealEstate, o.Vehicle, o.Motorcycle,
                                    o.Timeshare, o.RealEstateType);
    };
    BreakdownLine insertion = insertionLine(insertionFee(o.TwoCategories), insertionFee(false), o.TwoCategories);
    const float startingPrice = SingleFromText(o.StartingPriceText);
    if (o.RealEstate) {
        insertion.Type = Kind::RealEstateInsertionFee;
        insertion.Timeshare = o.Timeshare;
        insertion.RealEstateType = o.RealEstateType;
    } else if (o.Vehicle) {
        insertion.Type = Kind::VehicleInsertionFee;
        insertion.Motorcycle = o.Motorcycle;
    } else {
        insertion.Tier = tierTexts(ListingTier(site, startingPrice), startingPrice);
    }
    breakdown.Lines.append(std::move(insertion));

    if (!listing.ItemSold && o.IsReserve) {
        BreakdownLine reserve = insertionLine(
            ReformatAsMoney(auction.ReserveFee(o.StartingPriceText, o.TwoCategories, o.Vehicle)),
            ReformatAsMoney(auction.ReserveFee(o.StartingPriceText, false, o.Vehicle)), o.TwoCategories);
        reserve.Type = Kind::ReserveFee;
        reserve.Feature = ListingFeature::Reserve;
        reserve.Tier = tierTexts(ReserveTier(site, startingPrice, o.Vehicle), startingPrice);
        breakdown.Lines.append(std::move(reserve));
    }

    if (listing.ItemSold) {
        BreakdownLine fvf;
        fvf.Type = Kind::FinalValueFee;
        fvf.AmountText = fees.FinalValueFeeText;
        const float price = SingleFromText(o.ClosingPriceText);
        fvf.PriceText = MoneyText(price);
        if (o.RealEstate) {
            fvf.Type = Kind::RealEstateFinalValueFee;
        } else if (o.Vehicle) {
            fvf.Type = Kind::VehicleFinalValueFee;
            fvf.Motorcycle = o.Motorcycle;
        } else {
            fvf.Parts = partTexts(FinalValueFeeTierParts(site, price), MoneyFromText(fvf.AmountText));
        }
        breakdown.Lines.append(std::move(fvf));
    }

    appendFeatures(breakdown, auction.ExtraFeatureFees(o));
    breakdown.TotalText = fees.TotalText;
}

void breakDownLot(FeeBreakdown &breakdown, const CAuctionSite &site, const ListingSnapshot &listing)
{
    CDutchAuction lot;
    lot.setSite(&site);
    const ListingOptions &o = listing.Options;
    const LotListingFees fees = ComputeLotListingFees(lot, o, listing.ItemsOfferedText, listing.ItemsSoldText);

    // The lot's fees read the opening price and the count as the tab hands them on.
    const QString openingText = PlainText(MoneyFromText(o.StartingPriceText));
    const qint16 offered = qint16(o.ItemsOffered);
    BreakdownLine insertion = insertionLine(ReformatAsMoney(fees.InsertionFeeText),
                                            ReformatAsMoney(lot.InsertionFee(openingText, offered, false)),
                                            o.TwoCategories);
    const float lotValue = CDutchAuction::LotValue(openingText, offered);
    insertion.Tier = tierTexts(ListingTier(site, lotValue), lotValue);
    breakdown.Lines.append(std::move(insertion));

    appendFeatures(breakdown,
                   lot.ExtraFeatureFees(o, IsNumericText(listing.ItemsOfferedText) ? qint32(offered) : 0));

    BreakdownLine fvf;
    fvf.Type = Kind::FinalValueFee;
    fvf.AmountText = lot.FVF(o.ClosingPriceText, listing.ItemsSoldText);
    const float price = SingleFromText(o.ClosingPriceText);
    const MoneyValue perItem = MoneyValue::fromDouble(WidenSingle(lot.PerItemFVF(o.ClosingPriceText)));
    fvf.PriceText = MoneyText(price);
    fvf.PerItemText = amountAtItsDigits(perItem);
    fvf.ItemsSold = CDutchAuction::SoldCount(listing.ItemsSoldText);
    fvf.Parts = partTexts(FinalValueFeeTierParts(site, price), perItem);
    breakdown.Lines.append(std::move(fvf));

    breakdown.TotalText = fees.TotalText;
    breakdown.CostPerItemText = fees.CostPerItemText;
}

// The tab rounds its running total at its own steps; a cent they keep apart from the lines'
// sum shows as a line of its own.
void appendRounding(FeeBreakdown &breakdown)
{
    qint64 linesSum = 0;
    for (const BreakdownLine &line : breakdown.Lines)
        linesSum += MoneyFromText(line.AmountText).tenThousandths();
    const qint64 difference = MoneyFromText(breakdown.TotalText).tenThousandths() - linesSum;
    if (difference == 0)
        return;
    BreakdownLine rounding;
    rounding.Type = Kind::Rounding;
    rounding.AmountText = MoneyText(MoneyValue::fromTenThousandths(difference));
    breakdown.Lines.append(std::move(rounding));
}

} // namespace

FeeBreakdown BreakDownFees(const CAuctionSite &site, const ListingSnapshot &listing)
{
    FeeBreakdown breakdown;
    breakdown.Type = listing.Type;
    breakdown.HasFees = listing.HasFees;
    if (!listing.HasFees)
        return breakdown;
    // Room for the insertion, reserve and final value fees, every feature and the rounding.
    breakdown.Lines.reserve(4 + qsizetype(FeatureFees().capacity()));
    if (listing.Type == ListingSnapshot::Kind::MultipleItems)
        breakDownLot(breakdown, site, listing);
    else
        breakDownSingleItem(breakdown, site, listing);
    appendRounding(breakdown);
    return breakdown;
}
