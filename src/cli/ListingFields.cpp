#include "ListingFields.h"

#include "CDutchAuction.h"
#include "CPaymentService.h"
#include "EntryFieldRules.h"
#include "LotEntries.h"
#include "NumberText.h"
#include "SiteOffers.h"

#include <QHash>

namespace ListingFields {

namespace {

using F = Field;

const std::array<FieldInfo, FieldCount> fields{{
    {F::Site, "site", "site", "Site: us, uk, ca, de or its code 1 to 4 (default us)."},
    {F::Start, "start", "amount", "Opening bid, reserve price or Buy It Now price (per item for a lot)."},
    {F::Closing, "closing", "amount", "Closing bid; for a lot the lowest successful bid."},
    {F::ItemsOffered, "items-offered", "count", "Items offered: makes the listing a multiple-item lot."},
    {F::ItemsSold, "items-sold", "count", "Items of the lot that sold."},
    {F::Reserve, "reserve", nullptr, "A reserve auction: --start is the reserve price."},
    {F::DidNotSell, "did-not-sell", nullptr, "The item did not sell (the closing bid is not used)."},
    {F::TwoCategories, "two-categories", nullptr, "Listed in two categories."},
    {F::FeaturedPlus, "featured-plus", nullptr, "Featured Plus."},
    {F::HomePageFeatured, "home-page-featured", nullptr, "Home Page Featured."},
    {F::Gallery, "gallery", nullptr, "Gallery."},
    {F::GalleryFeatured, "gallery-featured", nullptr, "Gallery Featured (needs --gallery)."},
    {F::Bold, "bold", nullptr, "Bold."},
    {F::Highlight, "highlight", nullptr, "Highlight."},
    {F::GiftIcon, "gift-icon", nullptr, "Gift Services, or the Listing Icon on eBay Motors (eBay.com)."},
    {F::BuyItNow, "buy-it-now", nullptr, "Buy It Now (single item)."},
    {F::TenDay, "ten-day", nullptr, "Ten-day auction."},
    {F::ExtraPictures, "extra-pictures", "1-5|pack", "Extra pictures: how many, or the picture pack."},
    {F::Supersize, "supersize", nullptr, "Supersize pictures."},
    {F::Slideshow, "slideshow", nullptr, "Slideshow."},
    {F::Scheduled, "scheduled", nullptr, "Scheduled listing."},
    {F::ListingDesigner, "listing-designer", nullptr, "Listing Designer."},
    {F::Subtitle, "subtitle", nullptr, "Subtitle."},
    {F::Motors, "motors", nullptr, "Listed on eBay Motors."},
    {F::Vehicle, "vehicle", nullptr, "A vehicle (needs --motors; single item)."},
    {F::Motorcycle, "motorcycle", nullptr, "The vehicle is a motorcycle (needs --vehicle; eBay.com, eBay Germany)."},
    {F::RealEstate, "real-estate", nullptr, "Real estate (single item; not on eBay Germany)."},
    {F::Timeshare, "timeshare", nullptr, "Timeshare or land (needs --real-estate; eBay.com, eBay Canada)."},
    {F::RealEstateType, "real-estate-type", "type",
     "Real-estate listing: 3-10-day-auction, 30-day-auction, 30-day-ad or 90-day-ad (eBay.com, eBay Canada)."},
    {F::Payment, "payment", "amount", "A payment received: prints the PayPal fee on it."},
    {F::PayPal, "paypal", "merchant|standard", "PayPal account rate (default standard)."},
    {F::ECheck, "echeck", nullptr, "The payment is an eCheck (default: all other payments)."},
    {F::Abroad, "abroad", nullptr, "The buyer is abroad."},
    {F::Rate, "rate", "rate",
     "One US dollar in the site's currency (default: the built-in rate; not used on eBay.com)."},
}};

constexpr const char *siteNames[] = {"us", "uk", "ca", "de"};
constexpr const char *realEstateTypes[] = {"3-10-day-auction", "30-day-auction", "30-day-ad", "90-day-ad"};

// A value as a message quotes it: a long one cut short, so that a cell of a whole page (a quote
// left open) makes no page of messages.
QString quoted(QStringView value)
{
    constexpr qsizetype Shown = 40;
    if (value.size() <= Shown)
        return u'"' + value.toString() + u'"';
    return u'"' + value.first(Shown).toString() + QStringLiteral("\u2026\" (%1 characters)").arg(value.size());
}

bool *flagOf(ListingRequest &r, Field field)
{
    ListingOptions &o = r.Options;
    switch (field) {
    case F::Reserve: return &o.IsReserve;
    case F::DidNotSell: return &o.DidNotSell;
    case F::TwoCategories: return &o.TwoCategories;
    case F::FeaturedPlus: return &o.FeaturedPlus;
    case F::HomePageFeatured: return &o.HomePageFeatured;
    case F::Gallery: return &o.Gallery;
    case F::GalleryFeatured: return &o.GalleryFeatured;
    case F::Bold: return &o.Bold;
    case F::Highlight: return &o.Highlight;
    case F::GiftIcon: return &o.GiftIcon;
    case F::BuyItNow: return &o.BuyItNow;
    case F::TenDay: return &o.TenDayAuction;
    case F::Supersize: return &o.Supersize;
    case F::Slideshow: return &o.Slideshow;
    case F::Scheduled: return &o.Scheduled;
    case F::ListingDesigner: return &o.ListingDesigner;
    case F::Subtitle: return &o.Subtitle;
    case F::Motors: return &o.Motors;
    case F::Vehicle: return &o.Vehicle;
    case F::Motorcycle: return &o.Motorcycle;
    case F::RealEstate: return &o.RealEstate;
    case F::Timeshare: return &o.Timeshare;
    case F::ECheck: return nullptr;
    case F::Abroad: return &r.Payment.International;
    default: return nullptr;
    }
}

char16_t asciiLower(char16_t c)
{
    return c >= u'A' && c <= u'Z' ? char16_t(c + (u'a' - u'A')) : c;
}

// Qt's comparison without case, quickly for the ASCII texts cells hold. `name` is ASCII, and
// folded case keeps an ASCII letter ASCII; a text with any other character (ſ folds to s) is
// left to Qt.
bool equalButForCase(QStringView value, QLatin1StringView name)
{
    // Texts equal but for case are as long: the length rules out most names at once.
    if (value.size() != name.size())
        return false;
    bool ascii = true;
    for (qsizetype i = 0; i < value.size() && ascii; ++i) {
        const char16_t c = value[i].unicode();
        ascii = c < 0x80;
        if (ascii && asciiLower(c) != asciiLower(char16_t(name[i].unicode())))
            return false;
    }
    return ascii || value.compare(name, Qt::CaseInsensitive) == 0;
}

int indexIn(QStringView value, const auto &names)
{
    for (int i = 0; i < int(std::size(names)); ++i) {
        if (equalButForCase(value, QLatin1StringView(names[i])))
            return i;
    }
    return -1;
}

bool readFlag(QStringView value, bool &flag)
{
    static const char *const yes[] = {"1", "yes", "true"};
    static const char *const no[] = {"0", "no", "false"};
    if (indexIn(value, yes) >= 0)
        flag = true;
    else if (indexIn(value, no) >= 0)
        flag = false;
    else
        return false;
    return true;
}

// An amount as the window's money fields take it from the keys: digits with at most one decimal
// point (the locale's), a number not below 0 and within the amount limit. The lone decimal point
// they keep while it is typed is no amount.
bool readAmount(const QString &amount, QString &text, QString &error)
{
    const QChar point = DecimalPoint();
    bool digit = false;
    int points = 0;
    for (QChar c : amount) {
        if (c >= u'0' && c <= u'9')
            digit = true;
        else if (c == point && points == 0)
            points = 1;
        else
            points = 2;
        if (points > 1)
            break;
    }
    // Digits with at most one point are a number not below 0: what remains of the money rule is
    // its limit.
    if (!digit || points > 1 || !EntryFieldRules::IsWithinAmountLimit(amount)) {
        error = QStringLiteral("%1 is not an amount (digits with at most one \"%2\", below %3)")
                    .arg(quoted(amount), DecimalPoint())
                    .arg(EntryFieldRules::AmountLimit);
        return false;
    }
    text = amount;
    return true;
}

bool readCount(const QString &count, QString &text, QString &error)
{
    if (!EntryFieldRules::IsAcceptableCountText(count)) {
        error = QStringLiteral("%1 is not a whole number of items (0 to %2)")
                    .arg(quoted(count))
                    .arg(CDutchAuction::MaxItemCount);
        return false;
    }
    text = count;
    return true;
}

// The field that names a listing feature, for the site's offer.
constexpr std::pair<Field, ListingFeature> features[] = {
    {F::Reserve, ListingFeature::Reserve},
    {F::TwoCategories, ListingFeature::TwoCategories},
    {F::FeaturedPlus, ListingFeature::FeaturedPlus},
    {F::HomePageFeatured, ListingFeature::HomePageFeatured},
    {F::Gallery, ListingFeature::Gallery},
    {F::GalleryFeatured, ListingFeature::GalleryFeatured},
    {F::Bold, ListingFeature::Bold},
    {F::Highlight, ListingFeature::Highlight},
    {F::GiftIcon, ListingFeature::GiftIcon},
    {F::BuyItNow, ListingFeature::BuyItNow},
    {F::TenDay, ListingFeature::TenDayAuction},
    {F::ExtraPictures, ListingFeature::ExtraPictures},
    {F::Supersize, ListingFeature::Supersize},
    {F::Slideshow, ListingFeature::Slideshow},
    {F::Scheduled, ListingFeature::Scheduled},
    {F::ListingDesigner, ListingFeature::ListingDesigner},
    {F::Subtitle, ListingFeature::Subtitle},
    {F::Motors, ListingFeature::Motors},
    {F::Vehicle, ListingFeature::Vehicle},
    {F::Motorcycle, ListingFeature::Motorcycle},
    {F::RealEstate, ListingFeature::RealEstate},
    {F::Timeshare, ListingFeature::Timeshare},
    {F::RealEstateType, ListingFeature::Timeshare},  // the duration list comes with the timeshare choice
};

bool isPaymentField(Field field)
{
    return field == F::Payment || field == F::PayPal || field == F::ECheck || field == F::Abroad || field == F::Rate;
}

const char *siteName(qint32 site)
{
    static const char *const names[] = {"eBay.com", "eBay UK", "eBay Canada", "eBay Germany"};
    return names[site - 1];
}

} // namespace

const std::array<FieldInfo, FieldCount> &AllFields()
{
    return fields;
}

const FieldInfo &Info(Field field)
{
    return fields[std::size_t(field)];
}

int FieldOfName(QStringView name)
{
    static const QHash<QString, int> byName = [] {
        QHash<QString, int> table;
        for (const FieldInfo &info : fields)
            table.insert(QLatin1String(info.Name), int(info.Id));
        return table;
    }();
    return byName.value(name.toString(), -1);
}

bool Apply(ListingRequest &request, Field field, const QString &value, QString &error)
{
    if (value.isEmpty())
        return true;
    ListingOptions &o = request.Options;
    switch (field) {
    case F::Site: {
        const int named = indexIn(value, siteNames);
        const int code = named >= 0 ? named + 1 : (value.size() == 1 ? value.front().unicode() - '0' : 0);
        if (code < CAuctionSite::UnitedStates || code > CAuctionSite::Germany) {
            error = QStringLiteral("unknown site %1 (us, uk, ca, de or 1 to 4)").arg(quoted(value));
            return false;
        }
        request.Site = code;
        return true;
    }
    case F::Start: return readAmount(value, o.StartingPriceText, error);
    case F::Closing: return readAmount(value, o.ClosingPriceText, error);
    case F::Payment:
        request.HasPayment = true;
        return readAmount(value, request.PaymentText, error);
    case F::ItemsOffered:
        request.IsLot = true;
        return readCount(value, request.ItemsOfferedText, error);
    case F::ItemsSold: return readCount(value, request.ItemsSoldText, error);
    case F::ExtraPictures: {
        static const char *const choices[] = {"1", "2", "3", "4", "5", "pack"};
        const int choice = indexIn(value, choices);
        if (choice < 0) {
            error = QStringLiteral("%1 is no choice of extra pictures (1 to 5 or pack)").arg(quoted(value));
            return false;
        }
        o.ExtraPictures = true;
        o.ExtraPicturesChoice = choice;
        return true;
    }
    case F::RealEstateType: {
        const int type = indexIn(value, realEstateTypes);
        if (type < 0) {
            error = QStringLiteral("unknown real-estate listing %1").arg(quoted(value));
            return false;
        }
        o.RealEstateType = type;
        return true;
    }
    case F::PayPal: {
        static const char *const rates[] = {"standard", "merchant"};
        const int rate = indexIn(value, rates);
        if (rate < 0) {
            error = QStringLiteral("%1 is no PayPal rate (merchant or standard)").arg(quoted(value));
            return false;
        }
        request.Payment.Merchant = rate == 1;
        return true;
    }
    case F::Rate: {
        const QString &rate = value;
        if (!CPaymentService::IsUsableRateText(rate) || !EntryFieldRules::IsAcceptableRateText(rate)) {
            error = QStringLiteral("%1 is not an exchange rate (a number above 0, below %2)")
                        .arg(quoted(rate))
                        .arg(CPaymentService::RateLimit);
            return false;
        }
        request.Payment.RateText = rate;
        return true;
    }
    case F::ECheck: {
        bool echeck = false;
        if (!readFlag(value, echeck))
            break;
        request.Payment.CreditCard = !echeck;
        return true;
    }
    default:
        if (bool *flag = flagOf(request, field); flag && readFlag(value, *flag))
            return true;
        break;
    }
    error = QStringLiteral("%1 is neither yes nor no (1, 0, yes, no, true, false)").arg(quoted(value));
    return false;
}

bool Complete(ListingRequest &request, const GivenFields &given, Field &failed, QString &error)
{
    const auto fail = [&](Field field, const QString &message) {
        failed = field;
        error = message;
        return false;
    };
    const auto has = [&](Field field) { return given[std::size_t(field)]; };
    const auto name = [](Field field) { return QLatin1String(Info(field).Name); };
    ListingOptions &o = request.Options;
    const auto kind = request.IsLot ? ListingSnapshot::Kind::MultipleItems : ListingSnapshot::Kind::SingleItem;

    // Every field but the site and the payment's describes a listing.
    request.HasListing = false;
    for (const FieldInfo &info : fields) {
        if (has(info.Id) && info.Id != F::Site && !isPaymentField(info.Id))
            request.HasListing = true;
    }
    if (!request.HasListing && !request.HasPayment)
        return fail(F::Start, QStringLiteral("nothing to work out: give a listing (start) or a payment (payment)"));
    if (!request.HasPayment) {
        for (Field paymentOnly : {F::PayPal, F::ECheck, F::Abroad, F::Rate}) {
            if (has(paymentOnly))
                return fail(paymentOnly, QStringLiteral("%1 needs a payment").arg(name(paymentOnly)));
        }
    }
    // The payment field turns an amount of 0 into the least payment; the command line asks for one.
    if (request.HasPayment && MoneyFromText(request.PaymentText) == MoneyValue())
        return fail(F::Payment, QStringLiteral("a payment is more than 0"));
    if (!request.HasListing)
        return true;

    if (!request.IsLot && has(F::ItemsSold))
        return fail(F::ItemsSold, QStringLiteral("items-sold needs items-offered"));
    for (Field singleOnly : {F::DidNotSell, F::RealEstateType}) {
        if (request.IsLot && has(singleOnly))
            return fail(singleOnly, QStringLiteral("a multiple-item lot has no %1").arg(name(singleOnly)));
    }
    // A box the window shows but leaves unticked stands for what the site does not offer.
    for (auto [field, feature] : features) {
        bool *flag = flagOf(request, field);
        const bool chosen = flag ? *flag : has(field);
        if (chosen && !SiteOffers(request.Site, kind, feature)) {
            const QString listing =
                request.IsLot ? QStringLiteral("a multiple-item lot") : QStringLiteral("a single item");
            return fail(field, QStringLiteral("%1 is not offered for %2 on %3")
                                   .arg(name(field), listing, QLatin1String(siteName(request.Site))));
        }
    }
    if (o.GalleryFeatured && !o.Gallery)
        return fail(F::GalleryFeatured, QStringLiteral("gallery-featured needs gallery"));
    if (o.Vehicle && !o.Motors)
        return fail(F::Vehicle, QStringLiteral("vehicle needs motors"));
    if (o.Motorcycle && !o.Vehicle)
        return fail(F::Motorcycle, QStringLiteral("motorcycle needs vehicle"));
    if (o.RealEstate && o.Motors)
        return fail(F::RealEstate, QStringLiteral("an eBay Motors listing cannot be real estate"));
    if ((o.Timeshare || has(F::RealEstateType)) && !o.RealEstate) {
        const Field field = o.Timeshare ? F::Timeshare : F::RealEstateType;
        return fail(field, QStringLiteral("%1 needs real-estate").arg(name(field)));
    }

    if (request.IsLot) {
        // The window drops an opening bid of 0 and makes a lot of at least two items.
        if (o.StartingPriceText.isEmpty() || DoubleFromText(o.StartingPriceText) == 0)
            return fail(F::Start, QStringLiteral("a multiple-item lot needs an opening bid above 0"));
        if (LotCount(request.ItemsOfferedText) < 2)
            return fail(F::ItemsOffered, QStringLiteral("a multiple-item lot offers at least 2 items"));
        if (request.ItemsSoldText.isEmpty())
            return fail(F::ItemsSold, QStringLiteral("a multiple-item lot needs its items-sold"));
        LotEntryTexts entries{request.ItemsOfferedText, o.StartingPriceText, request.ItemsSoldText,
                              o.ClosingPriceText};
        FillLotFinalPrice(entries);
        if (!LotEntriesComplete(entries))
            return fail(F::Closing,
                        QStringLiteral("every item of the lot sold: it needs its lowest successful bid (closing)"));
    } else {
        o.StartingPriceText = EntryFieldRules::WithMinimumOpeningBid(o.StartingPriceText, request.Site);
        // The window empties an opening bid below a cent.
        if (o.StartingPriceText.isEmpty() || LeadingNumber(o.StartingPriceText) < 0.01)
            return fail(F::Start, QStringLiteral("a listing needs an opening bid of at least %1 (start)")
                                     .arg(MoneyText(MoneyValue::fromTenThousandths(100))));
        // Ticking "did not sell" sets the closing bid to 0.00.
        if (o.DidNotSell)
            o.ClosingPriceText = MoneyText(MoneyValue());
    }
    return true;
}

bool ReadRequest(const QList<Field> &fieldsRead, const QList<QString> &values, ListingRequest &request,
                 Field &failed, QString &error)
{
    GivenFields given{};
    for (qsizetype i = 0; i < fieldsRead.size(); ++i) {
        const Field field = fieldsRead[i];
        const QString &value = values[i];
        if (value.isEmpty())
            continue;
        given[std::size_t(field)] = true;
        if (!Apply(request, field, value, error)) {
            failed = field;
            error = QLatin1String(Info(field).Name) + QLatin1String(": ") + error;
            return false;
        }
    }
    return Complete(request, given, failed, error);
}

} // namespace ListingFields
