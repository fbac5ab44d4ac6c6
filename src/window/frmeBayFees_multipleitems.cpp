// The multiple-item tab: clean-up of its entries, its recalculation and its check boxes.

#include "frmeBayFees.h"

#include "ConnectorLine.h"
#include "ListingFees.h"
#include "Localization.h"
#include "LotEntries.h"
#include "NumberText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// The lot's four entry fields, in the order the clean-up has always written them.
LotEntryTexts entriesIn(const QLineEdit *offered, const QLineEdit *opening, const QLineEdit *sold,
                        const QLineEdit *finalPrice)
{
    return {offered->text(), opening->text(), sold->text(), finalPrice->text()};
}

// Only a text that really changes is set, so each field's change check runs as it did when the
// clean-up set the fields one by one.
void showEntries(const LotEntryTexts &entries, QLineEdit *offered, QLineEdit *opening, QLineEdit *sold,
                 QLineEdit *finalPrice)
{
    for (auto [field, text] : {std::pair{finalPrice, &entries.FinalPrice}, std::pair{sold, &entries.ItemsSold},
                               std::pair{offered, &entries.ItemsOffered}, std::pair{opening, &entries.OpeningPrice}}) {
        if (field->text() != *text)
            field->setText(*text);
    }
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
    o.ItemsOffered = LotCount(txtDutchItemsOffered->text());
    o.ItemsSold = LotCount(txtDutchItemsSold->text());
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
    return LotEntriesComplete(entriesIn(txtDutchItemsOffered, txtDutchOpeningPrice, txtDutchItemsSold, txtDutchFinalPrice));
}

void frmeBayFees::DutchCalculate()
{
    if (m_calculationsHeld)
        return;
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
    LotEntryTexts entries = entriesIn(txtDutchItemsOffered, txtDutchOpeningPrice, txtDutchItemsSold, txtDutchFinalPrice);
    FillLotFinalPrice(entries);
    showEntries(entries, txtDutchItemsOffered, txtDutchOpeningPrice, txtDutchItemsSold, txtDutchFinalPrice);
}

void frmeBayFees::ValidateDutchTextEntries()
{
    LotEntryTexts entries = entriesIn(txtDutchItemsOffered, txtDutchOpeningPrice, txtDutchItemsSold, txtDutchFinalPrice);
    ValidateLotEntries(entries);
    showEntries(entries, txtDutchItemsOffered, txtDutchOpeningPrice, txtDutchItemsSold, txtDutchFinalPrice);
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
