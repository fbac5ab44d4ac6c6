// The controls of the single-item and multiple-item tabs, placed in twips.

#include "frmeBayFees.h"

#include "CaptionTable.h"
#include "ConnectorLine.h"
#include "ControlFactory.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

constexpr int RowHeight = 255;   // a label, check box or option button
constexpr int FieldHeight = 315; // a text box or list

// The extra-features frame of both listing tabs, at the right edge of the page.
constexpr int FeaturesLeft = 7800;
constexpr int FeaturesWidth = 3420;
constexpr int PicturesListLeft = FeaturesWidth - 120 - 1080; // the number of extra pictures, beside its box

// One option of an extra-features frame. The subtitle option is untagged: its English texts
// stay in every language, so they are not kept for translation.
void addFeatureBox(CaptionTable &captions, QGroupBox *frame, QCheckBox *&box, const char *name, const char *caption,
                   const char *tip, int top, int indent)
{
    box = makeControl<QCheckBox>(frame, name, 120 + indent, top, FeaturesWidth - 240 - indent, RowHeight);
    const QString text = QString::fromUtf8(caption);
    if (text.endsWith(QLatin1Char('>')))
        captions.setText(box, text);
    else
        box->setText(text);
    const QString tipText = QString::fromUtf8(tip);
    if (tipText.endsWith(QLatin1Char('>')))
        captions.setToolTip(box, tipText);
    else
        box->setToolTip(tipText);
}

QLabel *makeCurrencyLabel(QWidget *page, std::array<QLabel *, 17> &currencyLabels, int number, int left, int top,
                          int width)
{
    QLabel *&label = currencyLabels[std::size_t(number)];
    label = makeControl<QLabel>(page, qPrintable(QStringLiteral("lblCurrency%1").arg(number)), left, top, width, RowHeight);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

// The caption of an amount row and, when the row has one (number > 0), its currency label.
QLabel *addAmountLabels(CaptionTable &captions, QWidget *page, std::array<QLabel *, 17> &currencyLabels,
                        const char *labelName, const char *caption, int currency, int left, int top,
                        int currencyLeft, int fieldLeft)
{
    auto *label = makeControl<QLabel>(page, labelName, left, top + 30, (currency ? currencyLeft : fieldLeft) - left, RowHeight);
    captions.setText(label, QString::fromUtf8(caption));
    if (currency)
        makeCurrencyLabel(page, currencyLabels, currency, currencyLeft, top + 30, fieldLeft - currencyLeft - 45);
    return label;
}

// A result of the multiple-item tab: its caption across the column, and below it the currency
// and the field, flush right. The field is wide enough for the total of the largest lot.
struct StackedResult
{
    static constexpr int FieldWidth = 1800;
    static constexpr int Height = 660; // from one result to the next
    int left;
    int right;

    QLineEdit *add(CaptionTable &captions, QWidget *page, std::array<QLabel *, 17> &currencyLabels, QLabel *&label,
                   const char *labelName, const char *caption, int currency, const char *fieldName, int top,
                   bool bold = false) const
    {
        label = makeControl<QLabel>(page, labelName, left, top, right - left, RowHeight);
        captions.setText(label, QString::fromUtf8(caption));
        const int fieldTop = top + RowHeight + 30;
        makeCurrencyLabel(page, currencyLabels, currency, right - FieldWidth - 480, fieldTop + 30, 435);
        return makeResultField(page, fieldName, right - FieldWidth, fieldTop, FieldWidth, bold);
    }
};

} // namespace

void frmeBayFees::buildSingleItemTab(QWidget *page)
{
    CaptionTable &c = *m_captions;

    // Listing type, eBay Motors, vehicle and real estate.
    frmReserve = makeControl<QGroupBox>(page, "frmReserve", 120, 60, 3900, 4740);
    c.setText(frmReserve, QStringLiteral("Listing Type <0368>"));
    // The reserve list is the wider one: "Ohne Mindestpreis" in German.
    fraAuctionType = makeControl<QFrame>(frmReserve, "fraAuctionType", 120, 300, 3660, FieldHeight);
    cboSingleItemType = makeControl<QComboBox>(fraAuctionType, "cboSingleItemType", 0, 0, 1440, FieldHeight);
    cboIsReserve = makeControl<QComboBox>(fraAuctionType, "cboIsReserve", 1560, 0, 2100, FieldHeight);

    chkMotors = makeControl<QCheckBox>(frmReserve, "chkMotors", 120, 840, 3300, RowHeight);
    c.setText(chkMotors, QStringLiteral("eBay Motors<0382>"));
    c.setToolTip(chkMotors, QStringLiteral("Check this box if you placed your item in eBay Motors, whether or not it is a vehicle.<0383>"));
    linVerticalLineToVehicle = makeControl<ConnectorLine>(frmReserve, "linVerticalLineToVehicle", 225, 1095, 15, 250);
    linHorizontalLineToVehicle = makeControl<ConnectorLine>(frmReserve, "linHorizontalLineToVehicle", 225, 1330, 230, 15);
    chkVehicle = makeControl<QCheckBox>(frmReserve, "chkVehicle", 480, 1200, 2900, RowHeight);
    c.setText(chkVehicle, QStringLiteral("Vehicle<0384>"));
    c.setToolTip(chkVehicle, QStringLiteral("Check this box if your item is a vehicle.<0385>"));
    linVerticalLineToVehicleType = makeControl<ConnectorLine>(frmReserve, "linVerticalLineToVehicleType", 585, 1455, 15, 610);
    linHorizontalLineToMotorcycle = makeControl<ConnectorLine>(frmReserve, "linHorizontalLineToMotorcycle", 585, 1690, 230, 15);
    linHorizontalLineToOtherVehicle = makeControl<ConnectorLine>(frmReserve, "linHorizontalLineToOtherVehicle", 585, 2050, 230, 15);
    optMotorcycle = makeControl<QRadioButton>(frmReserve, "optMotorcycle", 840, 1560, 2600, RowHeight);
    c.setText(optMotorcycle, QStringLiteral("Motorcycle<0376>"));
    c.setToolTip(optMotorcycle, QStringLiteral("Choose this option if you listed a vehicle that was a motorcycle.<0377>"));
    optOtherVehicle = makeControl<QRadioButton>(frmReserve, "optOtherVehicle", 840, 1920, 2600, RowHeight);
    c.setText(optOtherVehicle, QStringLiteral("Other Vehicle<0374>"));
    c.setToolTip(optOtherVehicle, QStringLiteral("Choose this option of you listed a vehicle that was not a motorcycle.<0375>"));

    chkRealEstate = makeControl<QCheckBox>(frmReserve, "chkRealEstate", 120, 2460, 3300, RowHeight);
    c.setText(chkRealEstate, QStringLiteral("Real Estate<0386>"));
    c.setToolTip(chkRealEstate, QStringLiteral("Check this box if you listed this item in the Real Estate catogory.<0387>"));
    fraRealEstate = makeControl<QFrame>(frmReserve, "fraRealEstate", 480, 2780, 3000, 1380);
    optOtherRealEstate = makeControl<QRadioButton>(fraRealEstate, "optOtherRealEstate", 0, 0, 3000, RowHeight);
    c.setText(optOtherRealEstate, QStringLiteral("Other real estate<0370>"));
    c.setToolTip(optOtherRealEstate, QStringLiteral("Choose this option for any real estate auction other than for a timeshare or land.<0371>"));
    optTimeshare = makeControl<QRadioButton>(fraRealEstate, "optTimeshare", 0, 330, 3000, RowHeight);
    c.setText(optTimeshare, QStringLiteral("Timeshare/Land<0372>"));
    c.setToolTip(optTimeshare, QStringLiteral("Choose this option if you are selling a timeshare or land.<0373>"));
    cboRealEstateType = makeControl<QComboBox>(fraRealEstate, "cboRealEstateType", 0, 720, 2400, FieldHeight);
    c.setToolTip(cboRealEstateType, QStringLiteral("Choose the type and length of your real estate auction.<0369>"));

    // Prices and results.
    const int labelLeft = 4200, currencyLeft = 5985, fieldLeft = 6420, fieldWidth = 1260;
    auto amountRow = [&](QLabel *&label, const char *labelName, const char *caption, int currency, int top) {
        label = addAmountLabels(c, page, lblCurrency, labelName, caption, currency, labelLeft, top, currencyLeft, fieldLeft);
    };
    amountRow(lblStartingPrice, "lblStartingPrice", "Opening Bid:<0393>", 1, 180);
    txtStartingPrice = makeEntryField(page, "txtStartingPrice", fieldLeft, 180, fieldWidth);
    c.setToolTip(txtStartingPrice, QStringLiteral("Enter the opening bid or reserve price of the item.<0389>"));
    amountRow(lblPrice, "lblPrice", "Closing Bid:<0421>", 2, 600);
    txtPrice = makeEntryField(page, "txtPrice", fieldLeft, 600, fieldWidth);
    c.setToolTip(txtPrice, QStringLiteral("Enter the final sales price of your item.<0334>"));
    lblStartingPrice->setBuddy(txtStartingPrice);
    lblPrice->setBuddy(txtPrice);
    chkDidNotSell = makeControl<QCheckBox>(page, "chkDidNotSell", labelLeft, 1020, 3480, RowHeight);
    c.setText(chkDidNotSell, QStringLiteral("Item Did Not Sell<0251>"));
    c.setToolTip(chkDidNotSell, QStringLiteral("Check this box if your item did not sell, i.e it did not get any bids or did not meet the posted reserve.<0252>"));

    amountRow(lblInsertionFee, "lblInsertionFee", "Listing Fee:<0392>", 4, 1560);
    txtInsertionFee = makeResultField(page, "txtInsertionFee", fieldLeft, 1560, fieldWidth);
    c.setToolTip(txtInsertionFee, QStringLiteral("Shows the basic listing cost for this item.<0388>"));
    amountRow(lblExtraFeatures, "lblExtraFeatures", "Extra Features:<0367>", 3, 1980);
    txtExtras = makeResultField(page, "txtExtras", fieldLeft, 1980, fieldWidth);
    c.setToolTip(txtExtras, QStringLiteral("Shows the total cost of all extra listing fetures.<0347>"));
    amountRow(lblFVF, "lblFVF", "Final Value Fees:<0415>", 5, 2400);
    txtFVF = makeResultField(page, "txtFVF", fieldLeft, 2400, fieldWidth);
    c.setToolTip(txtFVF, QStringLiteral("This box shows the commission you pay to eBay, based on the final sales price (for most items).<0253>"));
    amountRow(lblFees, "lblFees", "Total eBay Fees:<0420>", 6, 2940);
    txtFees = makeResultField(page, "txtFees", fieldLeft, 2940, fieldWidth, true);
    c.setToolTip(txtFees, QStringLiteral("Your total eBay fees.<0333>"));
    QFont bold = lblFees->font();
    bold.setBold(true);
    lblFees->setFont(bold);

    cmdCalculate = makeButton(c, page, "cmdCalculate", labelLeft, 3600, 1680, "Calculate<0329>",
                                "Click here to calculate your total eBay fees for listing this item.<0330>");
    cmdClearAll = makeButton(c, page, "cmdClearAll", labelLeft + 1800, 3600, 1680, "Clear All<0331>",
                               "Click here to clear all entries.<0332>");
    cmdAddRegularToNotes = makeButton(c, page, "cmdAddRegularToNotes", labelLeft, 4080, 3480, "Add to Notepad<0249>",
                                        "Add the information from this calculation to the notepad below.<0250>");

    // Extra listing features.
    frmFeatures = makeControl<QGroupBox>(page, "frmFeatures", FeaturesLeft, 60, FeaturesWidth, 4740);
    c.setText(frmFeatures, QStringLiteral("Extra Listing Features<0335>"));
    int top = 270;
    auto feature = [&](QCheckBox *&box, const char *name, const char *caption, const char *tip, int indent = 0) {
        addFeatureBox(c, frmFeatures, box, name, caption, tip, top, indent);
        top += 270;
    };
    feature(chkSubTitleSingleItem, "chkSubTitleSingleItem", "Subtitle", "Additional text beneath the main title.");
    feature(chkListingDesigner, "chkListingDesigner", "Listing Designer<0681>", "");
    feature(chkScheduled, "chkScheduled", "Scheduled Listing<0336>", "");
    feature(chkSlideshow, "chkSlideshow", "Slideshow<0338>", "eBay Picture Services slideshow.<0339>");
    feature(chkSupersizePhotos, "chkSupersizePhotos", "Supersize Picture<0340>",
            "For eBay Picture Services photos that can be enlarged to 800 x 600.  One price for all photos.<0341>");
    const int picturesTop = top;
    feature(chkExtraPhotos, "chkExtraPhotos", "Extra Pictures<0343>",
            "For users of eBay Picture Services who use more than one photo.<0344>");
    chkExtraPhotos->resize(Twips::toPixels(PicturesListLeft - 180, chkExtraPhotos), chkExtraPhotos->height());
    cboExtraPhotos = makeControl<QComboBox>(frmFeatures, "cboExtraPhotos", PicturesListLeft, picturesTop - 30, 1080, FieldHeight);
    c.setToolTip(cboExtraPhotos, QStringLiteral("Choose the number of extra photos used (beyond the free one).<0342>"));
    top += 30;
    feature(chkBIN, "chkBIN", "Buy it Now<0345>", "Your item can be purchased immediately at a prespecified flat rate.<0346>");
    feature(chkTenDayAuction, "chkTenDayAuction", "Ten Day Auction<0348>",
            "Item ran for 10-days, the longest available auction length.<0349>");
    feature(chkTwoCategories, "chkTwoCategories", "Two Categories<0350>",
            "Check this box if you listed your item in two categories.<0351>");
    feature(chkFeaturedCategory, "chkFeaturedCategory", "Featured Plus<0352>",
            "Also known as 'Featured Category' - placed at the top of the listings in a category.<0353>");
    feature(chkFeatured, "chkFeatured", "Home Page Featured<0354>", "Featured on the eBay home page.<0355>");
    const int galleryTop = top;
    feature(chkGallery, "chkGallery", "Gallery<0356>", "A photo of the item appears in the gallery.<0357>");
    feature(chkGalleryFeatured, "chkGalleryFeatured", "Gallery Featured<0358>",
            "Featured at the top of the gallery pages.<0359>", 360);
    linVerticalLineToGalFeatured = makeControl<ConnectorLine>(frmFeatures, "linVerticalLineToGalFeatured", 225, galleryTop + 240, 15, 160);
    linHorizontalLineToGalFeatured = makeControl<ConnectorLine>(frmFeatures, "linHorizontalLineToGalFeatured", 225, galleryTop + 390, 230, 15);
    feature(chkHighlighted, "chkHighlighted", "Highlight<0360>",
            "You listing is highlighted yellow, to make it stand out from other listings.<0361>");
    feature(chkBold, "chkBold", "Bold<0362>",
            "Bold text in the title of your auction, which makes it stand out from others on the listings pages.<0363>");
    feature(chkGiftIcon, "chkGiftIcon", "Gift Services<0364>",
            "A small, often seasonally-related icon next to your auction title in the listings.<0365>");

    chkVehicle->setEnabled(false);
    chkGalleryFeatured->setEnabled(false);
}

void frmeBayFees::buildMultipleItemTab(QWidget *page)
{
    CaptionTable &c = *m_captions;

    // The frame is as wide as the German caption of the eBay Motors box needs.
    frameDutchOffer = makeControl<QGroupBox>(page, "frameDutchOffer", 120, 60, 4080, 1620);
    c.setText(frameDutchOffer, QStringLiteral("Items Offered<0321>"));
    lblTypeOfMultiItemListing = makeControl<QLabel>(frameDutchOffer, "lblTypeOfMultiItemListing", 120, 330, 1500, RowHeight);
    c.setText(lblTypeOfMultiItemListing, QStringLiteral("Type of Listing:<0700>"));
    cboTypeOfMultiItemListing = makeControl<QComboBox>(frameDutchOffer, "cboTypeOfMultiItemListing", 1620, 300, 2340, FieldHeight);
    // Screen readers on Linux announce a list by the caption it is the buddy of.
    lblTypeOfMultiItemListing->setBuddy(cboTypeOfMultiItemListing);
    lblDutchItemsOffered = makeControl<QLabel>(frameDutchOffer, "lblDutchItemsOffered", 120, 750, 1500, RowHeight);
    c.setText(lblDutchItemsOffered, QStringLiteral("No. of Items:<0328>"));
    txtDutchItemsOffered = makeEntryField(frameDutchOffer, "txtDutchItemsOffered", 1620, 720, 1000);
    c.setToolTip(txtDutchItemsOffered, QStringLiteral("Enter the number of items offered.<0325>"));
    lblDutchItemsOffered->setBuddy(txtDutchItemsOffered);
    chkEBayMotorsDutch = makeControl<QCheckBox>(frameDutchOffer, "chkEBayMotorsDutch", 120, 1170, 3840, RowHeight);
    c.setText(chkEBayMotorsDutch, QStringLiteral("eBay Motors item (no vehicles)<0322>"));
    c.setToolTip(chkEBayMotorsDutch, QStringLiteral("Choose this option if you placed your item on the eBay Motors site.<0323>"));

    // Bids, left column, under the frame; results, middle column.
    const int bidLeft = 240, bidCurrencyLeft = 2340, bidFieldLeft = 2820, bidFieldWidth = 1260;
    auto bidRow = [&](QLabel *&label, const char *labelName, const char *caption, int currency, int top) {
        label = addAmountLabels(c, page, lblCurrency, labelName, caption, currency, bidLeft, top, bidCurrencyLeft, bidFieldLeft);
    };
    bidRow(lblDutchOpeningPrice, "lblDutchOpeningPrice", "Opening Bid:<0327>", 7, 1860);
    txtDutchOpeningPrice = makeEntryField(page, "txtDutchOpeningPrice", bidFieldLeft, 1860, bidFieldWidth);
    c.setToolTip(txtDutchOpeningPrice, QStringLiteral("Enter the opening bid for the items.<0324>"));
    bidRow(lblDutchItemsSold, "lblDutchItemsSold", "No. of Items Sold:<0419>", 0, 2280);
    txtDutchItemsSold = makeEntryField(page, "txtDutchItemsSold", bidFieldLeft, 2280, bidFieldWidth);
    c.setToolTip(txtDutchItemsSold, QStringLiteral("Enter the number of items that received bids.<0291>"));
    bidRow(lblDutchSalesPrice, "lblDutchSalesPrice", "Lowest Successful Bid:<0418>", 8, 2700);
    txtDutchFinalPrice = makeEntryField(page, "txtDutchFinalPrice", bidFieldLeft, 2700, bidFieldWidth);
    c.setToolTip(txtDutchFinalPrice, QStringLiteral("Enter the lowest sucessful bid placed on one of the items.<0290>"));
    lblDutchOpeningPrice->setBuddy(txtDutchOpeningPrice);
    lblDutchItemsSold->setBuddy(txtDutchItemsSold);
    lblDutchSalesPrice->setBuddy(txtDutchFinalPrice);

    const StackedResult result{4380, FeaturesLeft - 120};
    int top = 150;
    txtTotalDutchAuctionSales = result.add(c, page, lblCurrency, lblTotalDutchAuctionSales, "lblTotalDutchAuctionSales",
                                           "Total Dutch Auction Sales:<0416>", 9, "txtTotalDutchAuctionSales", top);
    c.setToolTip(txtTotalDutchAuctionSales, QStringLiteral("Total sales for this Dutch auction.<0284>"));
    top += StackedResult::Height;
    txtExtraFeaturesDutch = result.add(c, page, lblCurrency, lblExtraFeaturesDutch, "lblExtraFeaturesDutch",
                                       "Extra Features:<0320>", 16, "txtExtraFeaturesDutch", top);
    top += StackedResult::Height;
    txtDutchFees = result.add(c, page, lblCurrency, lblDutchFees, "lblDutchFees", "Total eBay Fees:<0417>", 10,
                              "txtDutchFees", top, true);
    c.setToolTip(txtDutchFees, QStringLiteral("Your total eBay fees for this Dutch auction.<0289>"));
    top += StackedResult::Height;
    txtDutchCostPerItem = result.add(c, page, lblCurrency, lblDutchFeesPerItem, "lblDutchFeesPerItem",
                                     "Fees Per Item:<0396>", 15, "txtDutchCostPerItem", top);
    c.setToolTip(txtDutchCostPerItem, QStringLiteral("Fees charged on a per-item-sold basis.<0244>"));
    QFont bold = lblDutchFees->font();
    bold.setBold(true);
    lblDutchFees->setFont(bold);

    const int buttonsTop = top + StackedResult::Height + 180;
    const int halfWidth = (result.right - result.left - 120) / 2;
    cmdDutchCalculate = makeButton(c, page, "cmdDutchCalculate", result.left, buttonsTop, halfWidth, "Calculate<0287>",
                                     "Click here to calculate your total eBay fees for this Dutch auction.<0288>");
    cmdDutchClearAll = makeButton(c, page, "cmdDutchClearAll", result.right - halfWidth, buttonsTop, halfWidth,
                                    "Clear All<0285>", "Click here to clear all entries on this tab.<0286>");
    cmdAddDutchToNotes = makeButton(c, page, "cmdAddDutchToNotes", result.left, buttonsTop + 480,
                                      result.right - result.left, "Add to Notepad<0247>",
                                      "Add the figures from this calculation to the notepad below.<0248>");

    frmDutchExtras = makeControl<QGroupBox>(page, "frmDutchExtras", FeaturesLeft, 60, FeaturesWidth, 4740);
    c.setText(frmDutchExtras, QStringLiteral("Extra Listing Features<0292>"));
    top = 270;
    auto feature = [&](QCheckBox *&box, const char *name, const char *caption, const char *tip, int indent = 0) {
        addFeatureBox(c, frmDutchExtras, box, name, caption, tip, top, indent);
        top += 285;
    };
    feature(chkDutchSubtitle, "chkDutchSubtitle", "Subtitle", "Additional text beneath the main title.");
    feature(chkDutchTwoCategories, "chkDutchTwoCategories", "Two Categories<0350>",
            "Check this box if you listed your item in two categories.<0351>");
    feature(chkDutchListingDesigner, "chkDutchListingDesigner", "Listing Designer<0687>", "");
    feature(chkDutchScheduled, "chkDutchScheduled", "Scheduled Listing<0293>", "");
    const int picturesTop = top;
    feature(chkExtraPicturesDutch, "chkExtraPicturesDutch", "Extra Pictures<0296>",
            "For users of eBay Picture Services who use more than one photo.<0297>");
    chkExtraPicturesDutch->resize(Twips::toPixels(PicturesListLeft - 180, chkExtraPicturesDutch), chkExtraPicturesDutch->height());
    cboExtraPicturesDutch = makeControl<QComboBox>(frmDutchExtras, "cboExtraPicturesDutch", PicturesListLeft, picturesTop - 30, 1080, FieldHeight);
    c.setToolTip(cboExtraPicturesDutch, QStringLiteral("Choose the number of extra photos used (beyond the free one).<0298>"));
    top += 30;
    feature(chkSupersizeDutch, "chkSupersizeDutch", "Supersize Picture<0299>",
            "For eBay Picture Services photos that can be enlarged to 800 x 600.  One price for all photos.<0300>");
    feature(chkSlideshowDutch, "chkSlideshowDutch", "Slideshow<0301>", "eBay Picture Services slideshow.<0302>");
    feature(chkDutchTenDayAuction, "chkDutchTenDayAuction", "Ten Day Auction<0303>",
            "Check this box if you list your item for ten days.<0304>");
    feature(chkDutchGreatGift, "chkDutchGreatGift", "Gift Services<0305>", "Check this box if you added a gift icon.<0306>");
    feature(chkDutchBold, "chkDutchBold", "Bold<0307>", "Check this box if your listing was in bold text.<0308>");
    feature(chkDutchHighlight, "chkDutchHighlight", "Highlight<0309>", "Check this box if your listing was highlighted.<0310>");
    const int galleryTop = top;
    feature(chkDutchGallery, "chkDutchGallery", "Gallery<0313>",
            "A picture of the item appears in the Gallery section.<0314>");
    feature(chkDutchGalleryFeatured, "chkDutchGalleryFeatured", "Gallery Featured<0311>", "Featured in the Gallery section.<0312>", 360);
    linVerticalLineToDutchGalFeatured = makeControl<ConnectorLine>(frmDutchExtras, "linVerticalLineToDutchGalFeatured", 225, galleryTop + 240, 15, 175);
    linHorizontalLineToDutchGalFeatured = makeControl<ConnectorLine>(frmDutchExtras, "linHorizontalLineToDutchGalFeatured", 225, galleryTop + 405, 230, 15);
    feature(chkDutchHomePageFeatured, "chkDutchHomePageFeatured", "Home Page Featured<0315>", "Featured on the eBay home page.<0316>");
    feature(chkDutchFeaturedPlus, "chkDutchFeaturedPlus", "Featured Plus<0317>",
            "Also known as 'Featured Category' - placed at the top of the listings in a category.<0318>");

    chkDutchGalleryFeatured->setEnabled(false);
}
