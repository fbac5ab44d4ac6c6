// The multiple-item tab: clean-up of its entries, its recalculation and its check boxes.

#include "frmeBayFees.h"

#include "ConnectorLine.h"
#include "ListingFees.h"
#include "Localization.h"
#include "NumberText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace {

// A count as the tab reads it: the leading number of the text, halves to the even neighbour,
// within the lot's 16-bit range.
qint16 countIn(const QLineEdit *field)
{
    return qint16(std::clamp(LeadingWholeNumber(field->text()), -CDutchAuction::MaxItemCount,
                             CDutchAuction::MaxItemCount));
}

} // namespace

void frmeBayFees::connectMultipleItemTab()
{
    auto recalculate = [this] { DutchCalculate(); };
    for (QCheckBox *box : {chkDutchSubtitle, chkDutchTwoCategories, chkDutchListingDesigner, chkDutchScheduled,
                           chkSupersizeDutch, chkSlideshowDutch, chkDutchTenDayAuction, chkDutchGreatGift,
                           chkDutchBold, chkDutchHighlight, chkDutchGalleryFeatured, chkDutchHomePageFeatured,
                           chkDutchFeaturedPlus})
        connect(box, &QCheckBox::toggled, this, recalculate);
    connect(cmdDutchCalculate, &QPushButton::clicked, this, recalculate);
    connect(cboExtraPicturesDutch, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            DutchCalculate();
    });
    connect(chkExtraPicturesDutch, &QCheckBox::toggled, this, [this] {
        RefreshOptionStates();
        DutchCalculate();
    });
    connect(chkDutchGallery, &QCheckBox::toggled, this, [this] { chkDutchGallery_Click(); });
    connect(chkEBayMotorsDutch, &QCheckBox::toggled, this, [this] { chkEBayMotorsDutch_Click(); });
    connect(cboTypeOfMultiItemListing, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            UpdateDutchPriceCaption();
    });
    connect(cmdDutchClearAll, &QPushButton::clicked, this, [this] { cmdDutchClearAll_Click(); });
}

ListingOptions frmeBayFees::DutchListingOptions() const
{
    ListingOptions o;
    o.StartingPriceText = txtDutchOpeningPrice->text();
    o.ClosingPriceText = txtDutchFinalPrice->text();
    o.ItemsOffered = countIn(txtDutchItemsOffered);
    o.ItemsSold = countIn(txtDutchItemsSold);
    o.TwoCategories = chkDutchTwoCategories->isChecked();
    o.FeaturedPlus = chkDutchFeaturedPlus->isChecked();
    o.HomePageFeatured = chkDutchHomePageFeatured->isChecked();
    o.Gallery = chkDutchGallery->isChecked();
    o.GalleryFeatured = chkDutchGalleryFeatured->isChecked();
    o.Bold = chkDutchBold->isChecked();
    o.Highlight = chkDutchHighlight->isChecked();
    o.GiftIcon = chkDutchGreatGift->isChecked();
    o.TenDayAuction = chkDutchTenDayAuction->isChecked();
    o.ExtraPictures = chkExtraPicturesDutch->isChecked();
    o.ExtraPicturesChoice = cboExtraPicturesDutch->currentIndex();
    o.Supersize = chkSupersizeDutch->isChecked();
    o.Slideshow = chkSlideshowDutch->isChecked();
    o.Scheduled = chkDutchScheduled->isChecked();
    o.ListingDesigner = chkDutchListingDesigner->isChecked();
    o.Subtitle = chkDutchSubtitle->isChecked();
    o.Motors = chkEBayMotorsDutch->isChecked();
    return o;
}

bool frmeBayFees::DutchEntriesComplete() const
{
    for (const QLineEdit *field : {txtDutchItemsOffered, txtDutchOpeningPrice, txtDutchItemsSold, txtDutchFinalPrice}) {
        if (field->text().isEmpty())
            return false;
    }
    return true;
}

void frmeBayFees::DutchCalculate()
{
    FillDutchFinalPrice();
    if (DutchEntriesComplete()) {
        ValidateDutchTextEntries();
        const LotListingFees fees = ComputeLotListingFees(m_oDutchAuction, DutchListingOptions(),
                                                          txtDutchItemsOffered->text(), txtDutchItemsSold->text());
        txtExtraFeaturesDutch->setText(fees.ExtrasText);
        txtTotalDutchAuctionSales->setText(fees.TotalSalesText);
        txtDutchFees->setText(fees.TotalText);
        txtDutchCostPerItem->setText(fees.CostPerItemText.isEmpty() ? GetLocalizedString(QStringLiteral("N/A<0619>"))
                                                                    : fees.CostPerItemText);
    }
    for (QLineEdit *field : {txtDutchOpeningPrice, txtDutchFinalPrice, txtTotalDutchAuctionSales})
        field->setText(ReformatAsMoney(field->text()));
    if (m_listingTab == 1)
        RefreshToolPanels();
}

void frmeBayFees::FillDutchFinalPrice()
{
    const bool filled = !txtDutchItemsOffered->text().isEmpty() && !txtDutchOpeningPrice->text().isEmpty()
                        && !txtDutchItemsSold->text().isEmpty();
    // When not every item found a buyer, the lowest successful bid is the opening bid.
    if (filled && countIn(txtDutchItemsSold) < countIn(txtDutchItemsOffered))
        txtDutchFinalPrice->setText(txtDutchOpeningPrice->text());
    // No more items can be sold than were offered.
    if (IsNumericText(txtDutchItemsOffered->text()) && countIn(txtDutchItemsOffered) < countIn(txtDutchItemsSold))
        txtDutchItemsSold->setText(txtDutchItemsOffered->text());
}

void frmeBayFees::ValidateDutchTextEntries()
{
    qint16 sold = countIn(txtDutchItemsSold);
    const qint16 offered = countIn(txtDutchItemsOffered);
    if (sold > offered)
        sold = offered;
    else if (sold < offered)
        txtDutchFinalPrice->setText(txtDutchOpeningPrice->text());
    // The lowest successful bid is never below the opening bid.
    if (MoneyFromText(txtDutchFinalPrice->text()) < MoneyFromText(txtDutchOpeningPrice->text()))
        txtDutchFinalPrice->setText(txtDutchOpeningPrice->text());
    if (sold == 0)
        txtDutchFinalPrice->setText(QStringLiteral("0"));
    txtDutchItemsSold->setText(QString::number(sold));
}

void frmeBayFees::UpdateDutchPriceCaption()
{
    lblDutchOpeningPrice->setText(GetLocalizedString(cboTypeOfMultiItemListing->currentIndex() == 0
                                                         ? QStringLiteral("Opening Bid:<0679>")
                                                         : QStringLiteral("Buy-it-Now Price:<0680>")));
}

void frmeBayFees::chkDutchGallery_Click()
{
    const bool gallery = chkDutchGallery->isChecked();
    if (!gallery)
        chkDutchGalleryFeatured->setChecked(false);
    chkDutchGalleryFeatured->setEnabled(gallery);
    for (ConnectorLine *line : {linVerticalLineToDutchGalFeatured, linHorizontalLineToDutchGalFeatured})
        line->setState(gallery ? ConnectorLine::State::ParentOn : ConnectorLine::State::ParentOff);
    DutchCalculate();
}

void frmeBayFees::chkEBayMotorsDutch_Click()
{
    chkDutchGreatGift->setText(GetLocalizedString(chkEBayMotorsDutch->isChecked() ? QStringLiteral("Listing Icon<0610>")
                                                                                 : QStringLiteral("Gift Services<0611>")));
    DutchCalculate();
}

void frmeBayFees::cmdDutchClearAll_Click()
{
    for (QLineEdit *field : {txtDutchItemsOffered, txtDutchOpeningPrice})
        field->setText(QString());
    for (QCheckBox *box : {chkDutchFeaturedPlus, chkDutchHomePageFeatured, chkDutchGallery, chkDutchGalleryFeatured,
                           chkDutchHighlight, chkDutchGreatGift, chkDutchBold, chkDutchTenDayAuction})
        box->setChecked(false);
    for (QLineEdit *field : {txtDutchItemsSold, txtDutchFinalPrice, txtDutchFees, txtTotalDutchAuctionSales,
                             txtDutchCostPerItem})
        field->setText(QString());
    for (QCheckBox *box : {chkExtraPicturesDutch, chkSupersizeDutch, chkSlideshowDutch, chkDutchScheduled})
        box->setChecked(false);
    txtExtraFeaturesDutch->setText(QString());
}
