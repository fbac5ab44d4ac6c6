#pragma once

// The fee engine, from the texts of a listing to the texts of its fees:
//
//   field texts ──► NumberText readings (numeric test, leading number, money conversion)
//               ──► CRegularAuction / CDutchAuction / CPaymentService
//                       └─ ask CAuctionSite for each number of the current site's schedule
//               ──► fees as texts: "0.00" money text or plain decimal text.
//
// The window owns one CAuctionSite and hands it to the three calculators; choosing a site sets
// its code once and every calculator follows. Single-precision arithmetic stays single where
// fees are summed, sums in money are exact to the ten-thousandth (MoneyValue), and no amount is
// ever rounded from its binary value to cents: texts are made from the digits a number shows.

#include "CAuctionSite.h"
#include "CDutchAuction.h"
#include "CPaymentService.h"
#include "CRegularAuction.h"
#include "ListingOptions.h"
#include "MoneyValue.h"
#include "NumberText.h"
