// The payment and shipping tabs: the PayPal fee, and the links with their hover colours.

#include "frmeBayFees.h"

#include "LanguageState.h"
#include "LinkLabel.h"
#include "NumberText.h"
#include "WebAddresses.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QUrl>

namespace {

// The parts of the tab control that are its own surface rather than controls placed on it.
QList<QWidget *> tabSurfaces(QTabWidget *tabs)
{
    QList<QWidget *> surfaces{tabs, tabs->tabBar()};
    if (auto *stack = tabs->findChild<QStackedWidget *>(QString(), Qt::FindDirectChildrenOnly))
        surfaces << stack;
    for (int tab = 0; tab < tabs->count(); ++tab)
        surfaces << tabs->widget(tab);
    return surfaces;
}

// The widget right under the pointer. A move over a control that the control ignores is passed
// on to the surfaces below it; those must not take it as the pointer being over them.
const QWidget *pointedAt(QObject *watched, QPoint position)
{
    auto *surface = qobject_cast<QWidget *>(watched);
    if (!surface)
        return nullptr;
    const QWidget *child = surface->childAt(position);
    return child ? child : surface;
}

} // namespace

void frmeBayFees::connectPaymentAndShippingTabs()
{
    auto calculate = [this] { CalculatePaymentFees(); };
    connect(cmdCalculatePaymentFees, &QPushButton::clicked, this, calculate);
    connect(chkInternationalPayPal, &QCheckBox::toggled, this, calculate);
    for (QRadioButton *option : {optPayPalMerchant, optPayPalStandard, optPayPalCreditCard, optPayPalNonCreditCard}) {
        connect(option, &QRadioButton::toggled, this, [this](bool selected) {
            if (selected)
                CalculatePaymentFees();
        });
    }
    connect(cmdClearPaymentFees, &QPushButton::clicked, this, [this] { cmdClearPaymentFees_Click(); });
    connect(lblCheckRates, &LinkLabel::activated, this, [this] { lblCheckRates_Click(); });
    connect(lblTreuhandservice, &LinkLabel::activated, this, [this] { lblTreuhandservice_Click(); });
    for (std::size_t index = 0; index < lblPostal.size(); ++index)
        connect(lblPostal[index], &LinkLabel::activated, this, [this, index] { lblPostal_Click(int(index)); });

    // The surfaces around the links turn them blue again: the tab control (its pages and the
    // strip of tabs) and the payment-amount frame.
    const QList<QWidget *> surfaces = tabSurfaces(SSTab1) << frmPaymentAmount;
    for (QWidget *surface : surfaces) {
        surface->setMouseTracking(true);
        surface->installEventFilter(this);
    }
}

bool frmeBayFees::eventFilter(QObject *watched, QEvent *event)
{
    const QWidget *under = nullptr;
    if (event->type() == QEvent::MouseMove)
        under = pointedAt(watched, static_cast<QMouseEvent *>(event)->position().toPoint());
    else if (event->type() == QEvent::Enter)
        under = pointedAt(watched, static_cast<QEnterEvent *>(event)->position().toPoint());
    if (under == frmPaymentAmount) {
        lblCheckRates->showNormalColour();
    } else if (under && tabSurfaces(SSTab1).contains(under)) {
        for (LinkLabel *link : lblPostal)
            link->showNormalColour();
        lblCheckRates->showNormalColour();
        lblTreuhandservice->showNormalColour();
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmeBayFees::CalculatePaymentFees()
{
    if (m_calculationsHeld)
        return;
    if (!txtPaymentAmount->text().isEmpty()) {
        CalculatePayPalFee();
        // The fee is rounded to cents only here, for the eye.
        txtPaymentAmount->setText(ReformatAsMoney(txtPaymentAmount->text()));
        txtPayPalFee->setText(ReformatAsMoney(txtPayPalFee->text()));
    }
    // The profit follows the payment choices, with or without an amount on this tab.
    RefreshToolPanels();
}

void frmeBayFees::CalculatePayPalFee()
{
    txtPayPalFee->setText(m_oPaymentService.PayPalFee(txtPaymentAmount->text(), optPayPalMerchant->isChecked(),
                                                      optPayPalCreditCard->isChecked(), txtConversion->text(),
                                                      chkInternationalPayPal->isChecked()));
}

void frmeBayFees::cmdClearPaymentFees_Click()
{
    // The rate, the options and the check box stay as they are.
    txtPaymentAmount->setText(QString());
    txtPayPalFee->setText(QString());
}

void frmeBayFees::lblCheckRates_Click()
{
    const bool german = CurrentLanguage().Code == QLatin1String("407");
    OpenURL(QUrl(german ? WebAddresses::CurrencyConverterGerman : WebAddresses::CurrencyConverterEnglish));
}

void frmeBayFees::lblTreuhandservice_Click()
{
    OpenURL(QUrl(WebAddresses::Escrow));
}

void frmeBayFees::lblPostal_Click(int index)
{
    if (index >= 0 && index < int(std::size(WebAddresses::ShippingCalculators)))
        OpenURL(QUrl(WebAddresses::ShippingCalculators[index]));
}

void frmeBayFees::OpenURL(const QUrl &address)
{
    // Whether or not a browser could be started, nothing is reported.
    QDesktopServices::openUrl(address);
}
