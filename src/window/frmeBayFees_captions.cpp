// The design-time texts that the builders of the tabs do not give: the currency labels' captions
// (which the site's currency replaces at once) and the tool tips that are empty in the design.
// Kept all the same, so that every change of language sets the complete table.

#include "frmeBayFees.h"

#include "CaptionTable.h"

#include "LinkLabel.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

void frmeBayFees::keepRemainingDesignTexts()
{
    static const std::pair<int, const char *> currencyCaptions[] = {
        {1, "US$<0391>"},  {2, "US$<0390>"},  {3, "US$<0366>"},  {4, "US$<0405>"},   {5, "US$<0404>"},
        {6, "US$<0403>"},  {7, "US$<0326>"},  {8, "US$<0394>"},  {9, "US$<0402>"},   {10, "US$<0401>"},
        {11, "US$<0265>"}, {12, "US$<0282>"}, {14, "US$<0264>"}, {15, "US$<0397>"},
    };
    for (const auto &[number, caption] : currencyCaptions) {
        m_captions->setText(lblCurrency[std::size_t(number)], QString::fromLatin1(caption));
        m_captions->setToolTip(lblCurrency[std::size_t(number)], QString());
    }

    const QObject *const withoutToolTip[] = {
        txtExtraFeaturesDutch, txtNotes, frmDutchExtras, frmFeatures, frmPaymentAmount, frmReserve, fraAccountType,
        fraAuctionType, frameDutchOffer, fraPaymentType, chkDutchListingDesigner, chkDutchScheduled,
        chkListingDesigner, chkScheduled, lblDutchFees, lblDutchFeesPerItem, lblDutchItemsOffered, lblDutchItemsSold,
        lblDutchOpeningPrice, lblDutchSalesPrice, lblExtraFeatures, lblExtraFeaturesDutch, lblFees, lblFVF,
        lblInsertionFee, lblLinks, lblOneDollarEquals, lblPacking, lblPaymentAmount, lblPayPalFees, lblPrice,
        lblStartingPrice, lblTotalDutchAuctionSales,
    };
    for (const QObject *control : withoutToolTip) {
        if (!m_captions->hasToolTip(control))
            m_captions->setToolTip(const_cast<QObject *>(control), QString());
    }
    for (std::size_t index = 0; index <= 10; ++index)
        m_captions->setToolTip(lblPostal[index], QString());
    // fraAuctionType is a frame without a caption.
    if (!m_captions->hasText(fraAuctionType))
        m_captions->setText(fraAuctionType, QString());
}
