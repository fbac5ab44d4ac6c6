#pragma once

#include "ListingRequest.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <array>

// The fields of a listing that the command line takes, each both a long option and a CSV column
// of the same name. A field reads its value text into a request; the checks that need several
// fields (what a site offers, which box needs which) come after all are read.
namespace ListingFields {

enum class Field {
    Site,
    Start,
    Closing,
    ItemsOffered,
    ItemsSold,
    Reserve,
    DidNotSell,
    TwoCategories,
    FeaturedPlus,
    HomePageFeatured,
    Gallery,
    GalleryFeatured,
    Bold,
    Highlight,
    GiftIcon,
    BuyItNow,
    TenDay,
    ExtraPictures,
    Supersize,
    Slideshow,
    Scheduled,
    ListingDesigner,
    Subtitle,
    Motors,
    Vehicle,
    Motorcycle,
    RealEstate,
    Timeshare,
    RealEstateType,
    Payment,
    PayPal,
    ECheck,
    Abroad,
    Rate,
};
constexpr int FieldCount = int(Field::Rate) + 1;

struct FieldInfo
{
    Field Id;
    const char *Name;       // option and column name
    const char *ValueName;  // nullptr: a flag, an option without a value
    const char *Description;
};

const std::array<FieldInfo, FieldCount> &AllFields();
const FieldInfo &Info(Field field);
// The field of an option or column name, or -1.
int FieldOfName(QStringView name);

// Reads one value into the request; an empty text leaves the field as it is (no, or empty).
// On a value the field cannot take, returns false with a message. A flag given as an option
// reads "1"; in a CSV cell it takes 1/0, yes/no, true/false or nothing.
bool Apply(ListingRequest &request, Field field, const QString &value, QString &error);

// The checks across fields, on a request whose fields are all read: what the listing's site
// offers, boxes that the window only enables under another, and the entries a lot needs. Also
// takes the entries as the window's fields would hold them (eBay Germany's least opening bid).
// `given` says which fields had a value; on a failure `failed` names the field to blame.
using GivenFields = std::array<bool, FieldCount>;
bool Complete(ListingRequest &request, const GivenFields &given, Field &failed, QString &error);

// Reads values[i] into the field fields[i] for every i, then runs the checks across fields: a
// request ready to be worked out, or false with the field to blame and a message that names it.
bool ReadRequest(const QList<Field> &fields, const QList<QString> &values, ListingRequest &request, Field &failed,
                 QString &error);

} // namespace ListingFields
