#pragma once

#include "CAuctionSite.h"
#include "ListingOptions.h"
#include "ListingSnapshot.h"

#include <QString>

// One listing as the command line takes it: the entries of a single item or of a lot, and an
// optional payment, as the window's fields would hold them.
struct ListingRequest
{
    qint32 Site = CAuctionSite::UnitedStates;
    bool HasListing = false;  // a single item or a lot; a request may be a payment alone
    ListingOptions Options;   // the prices and features; the counts are read from the texts below
    bool IsLot = false;       // items offered were given: a multiple-item lot
    QString ItemsOfferedText;
    QString ItemsSoldText;

    bool HasPayment = false;
    QString PaymentText;
    PaymentChoices Payment;  // the rate ("" = the site's built-in rate) as typed
};
