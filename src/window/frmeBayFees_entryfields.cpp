// The seven entry fields: key filters, change checks, selection on entry and clean-up on leaving.

#include "frmeBayFees.h"

#include "CPaymentService.h"
#include "EntryFieldEvents.h"
#include "EntryFieldRules.h"
#include "NumberText.h"
#include "SiteOffers.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

// "$0.01" and "$0.00": a zero amount shown as the smallest bid or as nothing, which the
// recalculations reformat to "0.01" and "0.00".
QString dollarText(MoneyValue amount)
{
    return QStringLiteral("$") + MoneyText(amount);
}

const MoneyValue OneCent = MoneyValue::fromTenThousandths(100);

} // namespace

void frmeBayFees::installEntryFields()
{
    m_entryFieldEvents = new EntryFieldEvents(this);
    for (QLineEdit *field : {txtStartingPrice, txtPrice, txtDutchOpeningPrice, txtDutchFinalPrice, txtPaymentAmount,
                             txtDutchItemsOffered, txtDutchItemsSold}) {
        m_entryFieldEvents->watch(field);
        connect(field, &QLineEdit::textChanged, this, [this, field] { entryFieldChanged(field); });
    }
    // The exchange rate has a key filter, a length and a change check, but no focus rules.
    m_entryFieldEvents->watchKeys(txtConversion);
    txtConversion->setMaxLength(CPaymentService::RateTextMaxLength);
    connect(txtConversion, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (!EntryFieldRules::IsAcceptableRateText(text))
            txtConversion->clear();
    });
}

bool frmeBayFees::isMoneyField(const QLineEdit *field) const
{
    return field != txtDutchItemsOffered && field != txtDutchItemsSold;
}

int frmeBayFees::entryFieldKeyPress(QLineEdit *field, int keyCode)
{
    const EntryFieldRules::FieldState state{field->text(), field->cursorPosition(), field->selectionStart(),
                                            field->selectionLength()};
    if (field == txtConversion)
        return EntryFieldRules::FilterRateKey(keyCode, state);
    return isMoneyField(field) ? EntryFieldRules::FilterMoneyKey(keyCode, state)
                               : EntryFieldRules::FilterCountKey(keyCode, state);
}

bool frmeBayFees::entryFieldTakesPaste(const QLineEdit *field) const
{
    return isMoneyField(field);
}

bool frmeBayFees::entryFieldTakesDrop(const QLineEdit *field, const QString &text, int position) const
{
    if (isMoneyField(field))
        return true;
    return position < 0 ? EntryFieldRules::IsAcceptableCountDrop(QString(), 0, text)
                        : EntryFieldRules::IsAcceptableCountDrop(field->text(), position, text);
}

void frmeBayFees::entryFieldChanged(QLineEdit *field)
{
    const QString text = field->text();
    const bool acceptable = isMoneyField(field) ? EntryFieldRules::IsAcceptableMoneyText(text)
                                                : EntryFieldRules::IsAcceptableCountText(text);
    if (!acceptable) {
        field->setText(QString());
        field->setCursorPosition(0);
        return;
    }
    // A site's least opening bid (eBay Germany's 1.00) replaces a lower one as it is typed.
    const MoneyValue minimum = MinimumOpeningBid(m_oSite.Site());
    if (field == txtStartingPrice && minimum > MoneyValue() && IsNumericText(text)
        && SingleFromText(text) < minimum.toSingle())
        field->setText(MoneyText(minimum));
}

void frmeBayFees::entryFieldGotFocus(QLineEdit *field)
{
    // Caret at the start, whole text selected: typing replaces it.
    const int length = int(field->text().size());
    field->setSelection(length, -length);
}

void frmeBayFees::entryFieldLostFocus(QLineEdit *field)
{
    const QString text = field->text();
    const bool numeric = IsNumericText(text);

    if (field == txtStartingPrice) {
        if (!numeric) {
            field->setText(QString());
            return;
        }
        if (LeadingNumber(text) < 0.01)
            field->setText(QString());
        CalculateRegularFees();
    } else if (field == txtPrice) {
        if (!numeric)
            field->setText(QString());
        else if (LeadingNumber(text) == 0)
            field->setText(dollarText(cboIsReserve->currentIndex() == 0 ? OneCent : MoneyValue()));
        // A no-reserve auction closes at least at its opening bid.
        if (!txtStartingPrice->text().isEmpty() && cboIsReserve->currentIndex() == 0
            && LeadingNumber(txtPrice->text()) < LeadingNumber(txtStartingPrice->text()))
            txtPrice->setText(txtStartingPrice->text());
        CalculateRegularFees();
    } else if (field == txtDutchOpeningPrice || field == txtDutchFinalPrice || field == txtPaymentAmount) {
        if (!numeric) {
            field->setText(QString());
            return;
        }
        if (DoubleFromText(text) == 0) {
            if (field == txtDutchOpeningPrice)
                field->setText(QString());
            else
                field->setText(dollarText(field == txtPaymentAmount ? OneCent : MoneyValue()));
        }
        if (field == txtPaymentAmount)
            CalculatePaymentFees();
        else
            DutchCalculate();
    } else if (field == txtDutchItemsOffered) {
        // A multiple-item listing offers at least two items.
        if (text == QLatin1String("0") || text == QLatin1String("1"))
            field->setText(QStringLiteral("2"));
        DutchCalculate();
    } else if (field == txtDutchItemsSold) {
        DutchCalculate();
    }
}
