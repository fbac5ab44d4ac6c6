#pragma once

#include <QString>
#include <QStringView>

class CAuctionSite;

// The fees a payment service takes on a payment received. Outside the US the flat fee and the
// eCheck maximum are US-dollar amounts converted at a rate: the typed one when it is a usable
// rate, otherwise the site's built-in rate. Each computation leaves that rate stored in the
// schedule for the current site.
class CPaymentService
{
public:
    // A rate text is used only when it is a positive number below RateLimit of at most
    // RateTextMaxLength characters. Any other text (empty, letters, 0, negative, a million or
    // more) stands for the built-in rate: no currency trades at a million to the dollar, and
    // beyond that the fees turn into meaningless or negative figures.
    static constexpr qint64 RateLimit = 1000000;
    static constexpr int RateTextMaxLength = 16;
    static bool IsUsableRateText(QStringView RateText);

    // The window's shared schedule; without one the fees are those of site code 0.
    void setSite(CAuctionSite *site) { m_site = site; }

    // Plain decimal text of the PayPal fee; the window rounds it to cents.
    QString PayPalFee(QStringView AmountText, bool Merchant, bool CreditCard, QStringView RateText,
                      bool International) const;
    // Plain decimal text of the Billpoint fee, or "N/A" above the site's maximum.
    QString BillpointFee(QStringView AmountText, bool ReducedRate, bool CreditCard, bool International,
                         QStringView RateText) const;

private:
    float PaymentConversionRate(QStringView RateText) const;
    CAuctionSite &site() const;

    CAuctionSite *m_site = nullptr;
};
