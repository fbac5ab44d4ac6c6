#include "CPaymentService.h"

#include "CAuctionSite.h"
#include "NumberText.h"

namespace {

constexpr double PayPalStandardRate = 0.029;
constexpr double PayPalMerchantRate = 0.022;
constexpr double CrossBorderRate = 0.01;  // added after the eCheck cap

} // namespace

CAuctionSite &CPaymentService::site() const
{
    // Without a schedule the fees come from a site-0 schedule: all of them 0, and it keeps no
    // rate written to it.
    static CAuctionSite noSite;
    return m_site ? *m_site : noSite;
}

bool CPaymentService::IsUsableRateText(QStringView RateText)
{
    // The rate is used at single precision, so a tiny positive text that reads as 0 there is no
    // rate either.
    return RateText.size() <= RateTextMaxLength && IsNumericText(RateText) && DoubleFromText(RateText) < RateLimit
           && SingleFromText(RateText) > 0.0f;
}

float CPaymentService::PaymentConversionRate(QStringView RateText) const
{
    if (IsUsableRateText(RateText))
        return SingleFromText(RateText);
    return site().DefaultConversionRate();
}

QString CPaymentService::PayPalFee(QStringView AmountText, bool Merchant, bool CreditCard, QStringView RateText,
                                   bool International) const
{
    CAuctionSite &s = site();
    s.setConversionRate(PaymentConversionRate(RateText));
    // The single amount and flat fee enter the double sum at their binary values.
    const double amount = SingleFromText(AmountText);

    const double fee = amount * (Merchant ? PayPalMerchantRate : PayPalStandardRate) + double(s.PayPalFlatFee());
    QString feeText = PlainText(fee);
    // An eCheck fee stops at the maximum; one exactly at it stays as it is.
    if (!CreditCard) {
        const float cap = s.PayPalMaxFeeNonCC();
        if (SingleFromText(feeText) > cap)
            feeText = PlainText(cap);
    }
    if (International)
        feeText = PlainText(DoubleFromText(feeText) + amount * CrossBorderRate);
    return feeText;
}

QString CPaymentService::BillpointFee(QStringView AmountText, bool ReducedRate, bool CreditCard, bool International,
                                      QStringView RateText) const
{
    CAuctionSite &s = site();
    const float amount = SingleFromText(AmountText);
    s.setConversionRate(PaymentConversionRate(RateText));

    QString feeText;
    if (amount <= s.BillpointThreshold()) {
        feeText = PlainText(s.BillpointFlatFee());
    } else if (amount <= s.BillpointMax(ReducedRate, CreditCard)) {
        const float rate = CreditCard ? s.BillpointCCRate(ReducedRate) : s.BillpointEcheckRate(ReducedRate);
        feeText = PlainText(rate * amount + s.BillpointFlatFee());
    } else {
        feeText = QStringLiteral("N/A");
    }
    if (International && IsNumericText(feeText))
        feeText = PlainText(DoubleFromText(feeText) + double(amount) * CrossBorderRate);
    return feeText;
}
