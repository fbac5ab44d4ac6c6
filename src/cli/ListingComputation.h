#pragma once

#include "ListingRequest.h"

#include <QString>

#include <array>

// The fees of one request, as the window's tabs show them: the single item's or the lot's result
// fields, and the payment tab's PayPal fee. A column that does not apply to the request is "".
namespace ListingComputation {

enum class FeeColumn {
    InsertionFee,   // the listing fee; a reserve auction that did not sell includes its reserve fee
    ReserveFee,     // that reserve fee on its own
    Extras,
    FinalValueFee,
    TotalSales,     // lot: lowest successful bid × items sold
    TotalFees,
    FeePerItem,     // lot: total fees per item sold, "N/A" when none sold
    PayPalFee,
};
constexpr int FeeColumnCount = int(FeeColumn::PayPalFee) + 1;

struct FeeColumnInfo
{
    const char *Name;   // the CSV column and the JSON key
    const char *Label;  // the line of the text output
};
const FeeColumnInfo &Info(FeeColumn column);

using FeeTexts = std::array<QString, FeeColumnCount>;

// The request must have passed ListingFields::Complete.
FeeTexts ComputeFees(const ListingRequest &request);

} // namespace ListingComputation
