#pragma once

#include <QString>

// The pages the window links to. Hosts are ours to choose; paths and queries are those of the
// pages themselves.
namespace WebAddresses {

inline const QString CurrencyConverterEnglish = QStringLiteral("https://www.xe.com/ucc/");
inline const QString CurrencyConverterGerman = QStringLiteral("https://www.oanda.com/");
inline const QString Escrow = QStringLiteral("https://www.iloxx.de/ebay/spreischeck.asp");

// The shipping calculators, by the index of their link.
inline const QString ShippingCalculators[13] = {
    QStringLiteral("https://postcalc.usps.com/"),
    QStringLiteral("https://wwwapps.ups.com/QCCWebApp/request?iso_language=en&iso_country=US"),
    QStringLiteral("https://www.fedex.com/ratefinder/home?cc=US&language=en"),
    QStringLiteral("https://www.cratersandfreighters.com/equote_main.htm"),
    QStringLiteral("https://www.airborne.com/CompareRate/CompareRateInfo.asp"),
    QStringLiteral("https://www.dhl-usa.com/CompareRate/CompareRateInfo.asp"),
    QStringLiteral("https://www.canadapost.ca/personal/rates/default-e.asp"),
    QStringLiteral("https://www.dhl.co.uk/transit/calc.cgi"),
    QStringLiteral("https://www.parcelforce.com/Parcelforce/Internet/CustServGuide/calculator.asp"),
    QStringLiteral("https://www.royalmail.com/portal/rm/content1?catId=400023&mediaId=9300094"),
    QStringLiteral("https://www.deutschepost.de/direktmarketing/service/dm_portokalkulator/dispatch.jsp"),
    QStringLiteral("https://wwwapps.ups.com/QCCWebApp/request?iso_language=de&iso_country=DE"),
    QStringLiteral("https://pages.ebay.de/versandservice/"),
};

// The fee pages the Help menu's Sources submenu opens, on each site's own host.
inline const QString EbayUSFees = QStringLiteral("https://pages.ebay.com/help/sellerguide/selling-fees.html");
inline const QString EbayMotorsFees = QStringLiteral("https://pages.ebay.com/ebaymotors/help/sellerguide/selling-fees.html");
inline const QString EbayCanadaFees = QStringLiteral("https://pages.ebay.ca/help/sellerguide/selling-fees.html");
inline const QString EbayUKFees = QStringLiteral("https://pages.ebay.co.uk/help/sellerguide/selling-fees.html");
inline const QString EbayGermanyFees = QStringLiteral("https://pages.ebay.de/help/sellerguide/selling-fees.html");
inline const QString EbayUSPictures = QStringLiteral("https://pages.ebay.com/help/basics/pictureservices.html");
inline const QString EbayUKPictures = QStringLiteral("https://pages.ebay.co.uk/help/basics/pictureservices.html");
inline const QString EbayCanadaPictures = QStringLiteral("https://pages.ebay.ca/help/basics/pictureservices.html");
inline const QString EbayGermanyPictures = QStringLiteral("https://pages.ebay.de/help/basics/pictureservices.html");
inline const QString PayPalUSFees = QStringLiteral("https://www.paypal.com/cgi-bin/webscr?cmd=p/gen/fees-outside");
inline const QString PayPalInternationalFees = QStringLiteral("https://www.paypal.com/cgi-bin/webscr?cmd=p/gen/fees-intl-outside");
inline const QString BillpointUSFees = QStringLiteral("https://pages.ebay.com/help/sellerguide/bp-fees.html");
inline const QString BillpointUKFees = QStringLiteral("https://pages.ebay.co.uk/help/sellerguide/bp-fees.html");

} // namespace WebAddresses
