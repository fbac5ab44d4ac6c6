// The single-item tab: its recalculation, the composition of its fees and its option cascade.

#include "frmeBayFees.h"

#include "ConnectorLine.h"
#include "ListingFees.h"
#include "Localization.h"
#include "NumberText.h"
#include "SiteOffers.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

void setLines(std::initializer_list<ConnectorLine *> lines, bool parentOn)
{
    for (ConnectorLine *line : lines)
        line->setState(parentOn ? ConnectorLine::State::ParentOn : ConnectorLine::State::ParentOff);
}

// Option buttons of one group can all be cleared only with their exclusivity lifted for a moment.
void deselect(std::initializer_list<QRadioButton *> options)
{
    for (QRadioButton *option : options) {
        option->setAutoExclusive(false);
        option->setChecked(false);
        option->setAutoExclusive(true);
    }
}

// A field greyed like a result (button face), or back to the normal window background.
void setGreyedBackground(QLineEdit *field, bool greyed)
{
    QPalette p = QApplication::palette(field);
    if (greyed)
        p.setColor(QPalette::Base, p.color(QPalette::Button));
    field->setPalette(p);
}

bool siteOffersReserve(qint32 site)
{
    return SiteOffers(site, ListingSnapshot::Kind::SingleItem, ListingFeature::Reserve);
}

} // namespace

void frmeBayFees::connectSingleItemTab()
{
    auto recalculate = [this] { CalculateRegularFees(); };
    for (QCheckBox *box : {chkSubTitleSingleItem, chkListingDesigner, chkScheduled, chkSlideshow, chkSupersizePhotos,
                           chkBIN, chkTenDayAuction, chkTwoCategories, chkFeaturedCategory, chkFeatured,
                           chkGalleryFeatured, chkHighlighted, chkBold, chkGiftIcon})
        connect(box, &QCheckBox::toggled, this, recalculate);
    for (QRadioButton *option : {optOtherRealEstate, optTimeshare}) {
        connect(option, &QRadioButton::toggled, this, [this](bool selected) {
            if (selected)
                CalculateRegularFees();
        });
    }
    for (QRadioButton *option : {optMotorcycle, optOtherVehicle}) {
        connect(option, &QRadioButton::toggled, this, [this](bool selected) {
            if (!selected)
                return;
            RefreshOptionStates();
            CalculateRegularFees();
        });
    }
    connect(cmdCalculate, &QPushButton::clicked, this, recalculate);
    for (QComboBox *list : {cboExtraPhotos, cboRealEstateType}) {
        connect(list, &QComboBox::currentIndexChanged, this, [this](int index) {
            if (index >= 0)
                CalculateRegularFees();
        });
    }
    connect(chkExtraPhotos, &QCheckBox::toggled, this, [this] {
        RefreshOptionStates();
        CalculateRegularFees();
    });
    connect(chkGallery, &QCheckBox::toggled, this, [this] { chkGallery_Click(); });
    connect(chkDidNotSell, &QCheckBox::toggled, this, [this] { chkDidNotSell_Click(); });
    connect(cboSingleItemType, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            cboSingleItemType_Click();
    });
    connect(cboIsReserve, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index < 0)
            return;
        // Whatever chose it, a reserve the site does not offer falls back to "No Reserve", which
        // runs this handler again.
        if (index != 0 && !siteOffersReserve(m_oSite.Site())) {
            cboIsReserve->setCurrentIndex(0);
            return;
        }
        UpdateStartingPriceCaption();
    });
    connect(chkMotors, &QCheckBox::toggled, this, [this] { chkMotors_Click(); });
    connect(chkVehicle, &QCheckBox::toggled, this, [this] { chkVehicle_Click(); });
    connect(chkRealEstate, &QCheckBox::toggled, this, [this] { chkRealEstate_Click(); });
    connect(cmdClearAll, &QPushButton::clicked, this, [this] { cmdClearAll_Click(); });
}

bool frmeBayFees::IsValidRegular() const
{
    return !txtStartingPrice->text().isEmpty() && !txtPrice->text().isEmpty();
}

bool frmeBayFees::ItemSold() const
{
    return RegularItemSold(RegularListingOptions());
}

void frmeBayFees::UpdateListingFees()
{
}

ListingOptions frmeBayFees::RegularListingOptions() const
{
    ListingOptions o;
    o.StartingPriceText = txtStartingPrice->text();
    o.ClosingPriceText = txtPrice->text();
    o.IsReserve = cboIsReserve->currentIndex() == 1;
    o.DidNotSell = chkDidNotSell->isChecked();
    o.TwoCategories = chkTwoCategories->isChecked();
    o.FeaturedPlus = chkFeaturedCategory->isChecked();
    o.HomePageFeatured = chkFeatured->isChecked();
    o.Gallery = chkGallery->isChecked();
    o.GalleryFeatured = chkGalleryFeatured->isChecked();
    o.Bold = chkBold->isChecked();
    o.Highlight = chkHighlighted->isChecked();
    o.GiftIcon = chkGiftIcon->isChecked();
    o.BuyItNow = chkBIN->isChecked();
    o.TenDayAuction = chkTenDayAuction->isChecked();
    o.ExtraPictures = chkExtraPhotos->isChecked();
    o.ExtraPicturesChoice = cboExtraPhotos->currentIndex();
    o.Supersize = chkSupersizePhotos->isChecked();
    o.Slideshow = chkSlideshow->isChecked();
    o.Scheduled = chkScheduled->checkState() != Qt::Unchecked;
    o.ListingDesigner = chkListingDesigner->isChecked();
    o.Subtitle = chkSubTitleSingleItem->isChecked();
    o.Motors = m_motors;
    o.Vehicle = m_vehicle;
    o.Motorcycle = optMotorcycle->isChecked();
    o.RealEstate = chkRealEstate->isChecked();
    o.Timeshare = optTimeshare->isChecked();
    o.RealEstateType = cboRealEstateType->currentIndex();
    return o;
}

void frmeBayFees::CalculateRegularFees()
{
    if (m_calculationsHeld)
        return;
    ClearRegularResults();
    m_motors = chkMotors->isChecked();
    m_vehicle = chkVehicle->isChecked();

    const MoneyValue closing = RegularClosingPrice(RegularListingOptions());
    txtPrice->setText(PlainText(closing));

    const RegularListingFees fees = ComputeRegularListingFees(m_oRegularAuction, RegularListingOptions(), ItemSold());
    txtInsertionFee->setText(fees.InsertionFeeText);
    txtExtras->setText(fees.ExtrasText);
    txtFVF->setText(fees.FinalValueFeeText);
    txtFees->setText(fees.TotalText);

    if (!chkDidNotSell->isChecked())
        txtPrice->setText(PlainText(closing));
    txtPrice->setText(ReformatAsMoney(txtPrice->text()));
    txtStartingPrice->setText(ReformatAsMoney(txtStartingPrice->text()));
    if (m_listingTab == 0)
        RefreshToolPanels();
}

void frmeBayFees::ClearRegularResults()
{
    for (QLineEdit *result : {txtInsertionFee, txtExtras, txtFVF, txtFees})
        result->setText(QString());
}

void frmeBayFees::UpdateStartingPriceCaption()
{
    if (cboSingleItemType->currentIndex() == 1)
        lblStartingPrice->setText(GetLocalizedString(QStringLiteral("Buy-it-Now Price:<0678>")));
    else if (cboIsReserve->currentIndex() == 0)
        lblStartingPrice->setText(GetLocalizedString(QStringLiteral("Op&ening Bid:<0617>")));
    else if (cboIsReserve->currentIndex() == 1)
        lblStartingPrice->setText(GetLocalizedString(QStringLiteral("R&eserve Price:<0618>")));
    CalculateRegularFees();
}

void frmeBayFees::cboSingleItemType_Click()
{
    UpdateReserveList();
    UpdateStartingPriceCaption();
    CalculateRegularFees();
}

void frmeBayFees::UpdateReserveList()
{
    // The one place that shows or hides the list: the listing type and every refresh of the option
    // states (change of site or language, Clear All) come here. A reserve chosen by another path
    // on a site without one is turned back by the list's own handler.
    const bool offered = siteOffersReserve(m_oSite.Site());
    if (!offered)
        cboIsReserve->setCurrentIndex(0);
    // A fixed-price listing has no reserve; its hidden list keeps the choice.
    cboIsReserve->setVisible(offered && cboSingleItemType->currentIndex() == 0);
}

void frmeBayFees::chkGallery_Click()
{
    if (chkGallery->isChecked()) {
        chkGalleryFeatured->setEnabled(true);
    } else {
        chkGalleryFeatured->setChecked(false);
        chkGalleryFeatured->setEnabled(false);
    }
    setLines({linVerticalLineToGalFeatured, linHorizontalLineToGalFeatured}, chkGallery->isChecked());
    CalculateRegularFees();
}

void frmeBayFees::chkDidNotSell_Click()
{
    const bool unsold = chkDidNotSell->isChecked();
    if (unsold)
        txtPrice->setText(MoneyText(MoneyValue()));
    txtPrice->setEnabled(!unsold);
    setGreyedBackground(txtPrice, unsold);
    CalculateRegularFees();
}

void frmeBayFees::chkMotors_Click()
{
    const bool motors = chkMotors->isChecked();
    if (!motors)
        chkVehicle->setChecked(false);
    chkVehicle->setEnabled(motors);
    setLines({linVerticalLineToVehicle, linHorizontalLineToVehicle}, motors);
    // An eBay Motors listing cannot be real estate.
    SetRealEstateAvailable(!motors);
    chkGiftIcon->setText(GetLocalizedString(motors ? QStringLiteral("Listing Icon<0616>")
                                                   : QStringLiteral("Gift Services<0615>")));
    UpdateListingFees();
    CalculateRegularFees();
}

void frmeBayFees::chkVehicle_Click()
{
    m_vehicle = chkVehicle->isChecked();
    RefreshOptionStates();
    CalculateRegularFees();
}

void frmeBayFees::chkRealEstate_Click()
{
    // Where the site has no real-estate options, the ticked box shows none.
    if (!chkRealEstate->isChecked())
        DisableRealEstateOptions();
    else if (SiteOffers(m_oSite.Site(), ListingSnapshot::Kind::SingleItem, ListingFeature::Timeshare))
        EnableRealEstateOptions();
    CalculateRegularFees();
}

void frmeBayFees::SetRealEstateAvailable(bool available)
{
    if (available) {
        chkRealEstate->setEnabled(SiteOffers(m_oSite.Site(), ListingSnapshot::Kind::SingleItem,
                                             ListingFeature::RealEstate));
    } else {
        chkRealEstate->setEnabled(false);
        chkRealEstate->setChecked(false);
    }
}

void frmeBayFees::EnableVehicleOptions()
{
    setLines({linVerticalLineToVehicleType, linHorizontalLineToMotorcycle, linHorizontalLineToOtherVehicle}, true);
    optMotorcycle->setEnabled(true);
    optOtherVehicle->setEnabled(true);
    if (!optMotorcycle->isChecked() && !optOtherVehicle->isChecked())
        optOtherVehicle->setChecked(true);
}

void frmeBayFees::DisableVehicleOptions()
{
    setLines({linVerticalLineToVehicleType, linHorizontalLineToMotorcycle, linHorizontalLineToOtherVehicle}, false);
    deselect({optMotorcycle, optOtherVehicle});
    optMotorcycle->setEnabled(false);
    optOtherVehicle->setEnabled(false);
}

void frmeBayFees::EnableRealEstateOptions()
{
    chkMotors->setChecked(false);
    chkVehicle->setChecked(false);
    chkMotors->setEnabled(false);
    chkVehicle->setEnabled(false);
    optTimeshare->setEnabled(true);
    optOtherRealEstate->setEnabled(true);
    if (!optTimeshare->isChecked())
        optOtherRealEstate->setChecked(true);
    cboRealEstateType->setVisible(true);
}

void frmeBayFees::DisableRealEstateOptions()
{
    chkMotors->setEnabled(true);
    optTimeshare->setEnabled(false);
    optOtherRealEstate->setEnabled(false);
    cboRealEstateType->setVisible(false);
}

void frmeBayFees::cmdClearAll_Click()
{
    txtStartingPrice->setText(QString());
    for (QCheckBox *box : {chkDidNotSell, chkVehicle, chkMotors, chkFeaturedCategory, chkFeatured, chkGallery,
                           chkGalleryFeatured, chkHighlighted, chkGiftIcon, chkBold, chkRealEstate, chkTwoCategories,
                           chkTenDayAuction})
        box->setChecked(false);
    for (QLineEdit *field : {txtPrice, txtFees, txtExtras, txtFVF, txtInsertionFee})
        field->setText(QString());
    for (QCheckBox *box : {chkExtraPhotos, chkSupersizePhotos, chkSlideshow, chkScheduled, chkBIN})
        box->setChecked(false);
}
