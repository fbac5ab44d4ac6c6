// The controls of the payment and shipping tabs and of the notepad band, placed in twips.

#include "frmeBayFees.h"

#include "CaptionTable.h"
#include "ControlFactory.h"
#include "LinkLabel.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

constexpr int RowHeight = 255;

QLabel *makeCurrencyLabel(QWidget *parent, int number, int left, int top, int width)
{
    auto *label = makeControl<QLabel>(parent, qPrintable(QStringLiteral("lblCurrency%1").arg(number)), left, top, width, RowHeight);
    return label;
}

} // namespace

void frmeBayFees::buildPaymentTab(QWidget *page)
{
    CaptionTable &c = *m_captions;

    frmPaymentAmount = makeControl<QGroupBox>(page, "frmPaymentAmount", 120, 60, 5280, 1500);
    frmPaymentAmount->setMouseTracking(true);
    c.setText(frmPaymentAmount, QStringLiteral("Payment Amount<0257>"));
    lblPaymentAmount = makeControl<QLabel>(frmPaymentAmount, "lblPaymentAmount", 120, 390, 1560, RowHeight);
    c.setText(lblPaymentAmount, QStringLiteral("Payment Amount:<0266>"));
    lblCurrency[11] = makeCurrencyLabel(frmPaymentAmount, 11, 1680, 390, 480);
    lblCurrency[11]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    txtPaymentAmount = makeEntryField(frmPaymentAmount, "txtPaymentAmount", 2220, 360, 1260);
    c.setToolTip(txtPaymentAmount, QStringLiteral("Enter the amount you are receiving.<0259>"));
    lblPaymentAmount->setBuddy(txtPaymentAmount);

    lblOneDollarEquals = makeControl<QLabel>(frmPaymentAmount, "lblOneDollarEquals", 120, 930, 1560, RowHeight);
    c.setText(lblOneDollarEquals, QStringLiteral("One US$ =<0263>"));
    txtConversion = makeEntryField(frmPaymentAmount, "txtConversion", 2220, 900, 1260);
    c.setToolTip(txtConversion, QStringLiteral("Enter the exchange rate for this currency.  Used to calculate certain payment service fees.<0258>"));
    lblCurrency[14] = makeCurrencyLabel(frmPaymentAmount, 14, 3540, 930, 480);
    lblCheckRates = makeControl<LinkLabel>(frmPaymentAmount, "lblCheckRates", 4080, 930, 1140, RowHeight);
    c.setText(lblCheckRates, QStringLiteral("Check Rates<0260>"));
    c.setToolTip(lblCheckRates, QStringLiteral("Click to open a web browser to a currency converter page.<0262>"));

    frmPayPal = makeControl<QGroupBox>(page, "frmPayPal", 5520, 60, 5700, 3120);
    c.setText(frmPayPal, QStringLiteral("PayPal Premier or Business Account<0267>"));
    c.setToolTip(frmPayPal, QStringLiteral("Note:  Standard PayPal accounts are free.  These fees only apply to PayPal Premium accounts.<0268>"));
    chkInternationalPayPal = makeControl<QCheckBox>(frmPayPal, "chkInternationalPayPal", 180, 330, 5300, RowHeight);
    c.setText(chkInternationalPayPal, QStringLiteral("Buyer outside USA<0269>"));
    c.setToolTip(chkInternationalPayPal, QStringLiteral("Was the buyer International?<0270>"));
    fraAccountType = makeControl<QGroupBox>(frmPayPal, "fraAccountType", 120, 720, 2640, 1140);
    c.setText(fraAccountType, QStringLiteral("Account Type<0271>"));
    optPayPalMerchant = makeControl<QRadioButton>(fraAccountType, "optPayPalMerchant", 120, 330, 2400, RowHeight);
    c.setText(optPayPalMerchant, QStringLiteral("Merchant Rate<0272>"));
    c.setToolTip(optPayPalMerchant, QStringLiteral("Merchant Account (available to high-volume sellers)<0273>"));
    optPayPalStandard = makeControl<QRadioButton>(fraAccountType, "optPayPalStandard", 120, 720, 2400, RowHeight);
    c.setText(optPayPalStandard, QStringLiteral("Standard Rate<0274>"));
    c.setToolTip(optPayPalStandard, QStringLiteral("Standard Business or Premier Account (available to all sellers)<0275>"));
    fraPaymentType = makeControl<QGroupBox>(frmPayPal, "fraPaymentType", 2880, 720, 2700, 1140);
    c.setText(fraPaymentType, QStringLiteral("Payment Type<0276>"));
    optPayPalCreditCard = makeControl<QRadioButton>(fraPaymentType, "optPayPalCreditCard", 120, 330, 2460, RowHeight);
    c.setText(optPayPalCreditCard, QStringLiteral("All Other Payments<0277>"));
    c.setToolTip(optPayPalCreditCard, QStringLiteral("Choose this option if the buyer is paying by credit card.<0278>"));
    optPayPalNonCreditCard = makeControl<QRadioButton>(fraPaymentType, "optPayPalNonCreditCard", 120, 720, 2460, RowHeight);
    c.setText(optPayPalNonCreditCard, QStringLiteral("eCheck Payment<0279>"));
    c.setToolTip(optPayPalNonCreditCard, QStringLiteral("Choose this option if the buyer is paying out of an existing account balance or by electronic check.<0280>"));
    // Until the settings say otherwise: the standard rate and a card payment, the common case.
    optPayPalStandard->setChecked(true);
    optPayPalCreditCard->setChecked(true);
    lblPayPalFees = makeControl<QLabel>(frmPayPal, "lblPayPalFees", 180, 2250, 2400, RowHeight);
    c.setText(lblPayPalFees, QStringLiteral("PayPal Fee:<0283>"));
    QFont bold = lblPayPalFees->font();
    bold.setBold(true);
    lblPayPalFees->setFont(bold);
    lblCurrency[12] = makeCurrencyLabel(frmPayPal, 12, 2640, 2250, 600);
    lblCurrency[12]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Room for the fee on the largest payment at any common exchange rate.
    txtPayPalFee = makeResultField(frmPayPal, "txtPayPalFee", 3300, 2220, 1800, true);
    c.setToolTip(txtPayPalFee, QStringLiteral("Your total PayPal fee for this transaction.<0281>"));

    cmdCalculatePaymentFees = makeButton(c, page, "cmdCalculatePaymentFees", 120, 1740, 1680, "Calculate<0261>",
                                           "Click here to calculate your total fees.<0256>");
    cmdClearPaymentFees = makeButton(c, page, "cmdClearPaymentFees", 1920, 1740, 1680, "Clear All<0254>",
                                       "Click here to clear all entries.<0255>");
    cmdAddPaymentsToNotes = makeButton(c, page, "cmdAddPaymentsToNotes", 120, 2220, 3480, "Add to Notepad<0245>",
                                         "Add the entries on this tab to the notepad below.<0246>");

    lblTreuhandservice = makeControl<LinkLabel>(page, "lblTreuhandservice", 5640, 3420, 5400, RowHeight);
    c.setText(lblTreuhandservice, QStringLiteral("iloxx Trust Service SAFETRADE<0672>"));
}

void frmeBayFees::buildShippingTab(QWidget *page)
{
    CaptionTable &c = *m_captions;
    page->setMouseTracking(true);

    lblLinks = makeControl<QLabel>(page, "lblLinks", 240, 120, 10800, 330);
    c.setText(lblLinks, QStringLiteral("Links to Online Shipping Cost Calculators<0414>"));
    QFont headingFont = lblLinks->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.25);
    lblLinks->setFont(headingFont);

    static const char *const countryCaptions[5] = {"US<0695>", "CA<0697>", "UK<0696>", "DE<0698>", "US<0699>"};
    static const char *const postalCaptions[13] = {
        "United States Postal Service<0413>", "United Parcel Service<0412>", "Federal Express<0411>",
        "Craters and Freighters", "Airborn Express<0409>", "DHL<0408>", "Canada Post<0406>", "DHL UK<0400>",
        "Parcelforce Worldwide<0399>", "Royal Mail<0398>", "Deutsche Post<0395>", "UPS Germany<0470>",
        "eBay.de Dispatch Service<0673>",
    };
    const int columnWidth = 4800;
    auto heading = [&](int index, int left, int top) {
        lblCountry[std::size_t(index)] = makeControl<QLabel>(page, "lblCountry", left, top, columnWidth, RowHeight);
        lblCountry[std::size_t(index)]->setProperty("index", index);
        c.setText(lblCountry[std::size_t(index)], QString::fromLatin1(countryCaptions[index]));
        lnCountry[std::size_t(index)] = makeControl<QFrame>(page, "lnCountry", left, top + RowHeight + 15, columnWidth, 15);
        lnCountry[std::size_t(index)]->setProperty("index", index);
        lnCountry[std::size_t(index)]->setFrameShape(QFrame::HLine);
        lnCountry[std::size_t(index)]->setFrameShadow(QFrame::Plain);
        // A rule is drawn on the page: the pointer over it is over the page.
        lnCountry[std::size_t(index)]->setAttribute(Qt::WA_TransparentForMouseEvents);
        QPalette rule = lnCountry[std::size_t(index)]->palette();
        rule.setColor(QPalette::WindowText, rule.color(QPalette::Dark));
        lnCountry[std::size_t(index)]->setPalette(rule);
        return top + RowHeight + 120;
    };
    auto link = [&](int index, int left, int top) {
        LinkLabel *label = makeControl<LinkLabel>(page, "lblPostal", left + 240, top, columnWidth - 240, RowHeight);
        label->setProperty("index", index);
        // "Craters and Freighters" has no tag: a company name, the same in every language.
        c.setText(label, QString::fromLatin1(postalCaptions[index]));
        lblPostal[std::size_t(index)] = label;
        return top + RowHeight + 45;
    };

    const int left = 240;
    int top = heading(0, left, 600);
    for (int index : {0, 1, 2, 4, 5})
        top = link(index, left, top);
    top = heading(1, left, top + 120);
    top = link(6, left, top);
    lblPacking = makeControl<QLabel>(page, "lblPacking", left, top + 180, columnWidth, RowHeight);
    c.setText(lblPacking, QStringLiteral("Packing Services<0407>"));
    lblPacking->setFont(headingFont);
    top = heading(4, left, top + 600);
    link(3, left, top);

    const int right = 5880;
    top = heading(2, right, 600);
    for (int index : {7, 8, 9})
        top = link(index, right, top);
    top = heading(3, right, top + 120);
    for (int index : {10, 11, 12})
        top = link(index, right, top);
}

void frmeBayFees::buildNotepad(QWidget *client)
{
    CaptionTable &c = *m_captions;
    auto button = [&](QPushButton *&target, const char *name, int left, const char *caption, const char *tip) {
        target = makeControl<QPushButton>(client, name, left, 5445, 2055, 290);
        c.setText(target, QString::fromLatin1(caption));
        c.setToolTip(target, QString::fromLatin1(tip));
    };
    button(cmdNotepad, "cmdNotepad", 75, "view notepad<0238>",
           "Click to expand or collapse this window to view or hide the notepad.<0239>");
    button(cmdClearNotepad, "cmdClearNotepad", 2220, "clear<0236>", "Clear the notepad of all text.<0237>");
    button(cmdCopyNotepad, "cmdCopyNotepad", 4380, "copy<0234>", "Copy the contents of the notepad.<0235>");
    button(cmdPrintNotepad, "cmdPrintNotepad", 6540, "print<0232>", "Print the contents of the notepad.<0233>");
    txtNotes = makeControl<QPlainTextEdit>(client, "txtNotes", 0, 5940, 11475, 1635);
    txtNotes->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    c.setToolTip(txtNotes, QString());
}
