#include "CNotes.h"

#include "CAuctionSite.h"
#include "Localization.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

const QString Separator = QStringLiteral("--------------------------------------------------");
const QString LineEnd = QStringLiteral("\r\n");
const QString Gap = QStringLiteral("    ");

QString L(const char16_t *taggedText)
{
    return GetLocalizedString(QString::fromUtf16(taggedText));
}

// The text written in front of every amount: "GBP" gets a blank so that it does not run into
// the figure; the symbols "$", "C$" and "EUR" touch it.
QString currencyPrefix(const CAuctionSite &site)
{
    const QString currency = site.CurrencyString();
    return currency == QLatin1String("GBP") ? currency + QLatin1Char(' ') : currency;
}

} // namespace

void CNotes::ContinueNumberingAfter(const QString &notesText)
{
    // Nine digits at most: a longer run of digits is no number this window could have written.
    static const QRegularExpression numberedLine(QStringLiteral("^([0-9]{1,9})\\. "));
    const QStringList lines = notesText.split(QLatin1Char('\n'));
    for (qsizetype i = 1; i < lines.size(); ++i) {
        // A summary added straight after the user's text shares its line with that text.
        if (!lines.at(i - 1).endsWith(Separator + QLatin1Char('\r')) && !lines.at(i - 1).endsWith(Separator))
            continue;
        const QRegularExpressionMatch number = numberedLine.match(lines.at(i));
        if (number.hasMatch())
            m_counter = std::max(m_counter, number.captured(1).toLongLong());
    }
}

QString CNotes::nextNumber()
{
    ++m_counter;
    return QString::number(m_counter) + QStringLiteral(". ");
}

QString CNotes::AddToNotesRegular(bool Reserve, const QString &StartPrice, const QString &ListingFee,
                                  const QString &ExtraFeatures, bool Sold, const QString &ClosingBid,
                                  const QString &FinalValueFee, const QString &TotalFees, const CAuctionSite &Site)
{
    const QString P = currencyPrefix(Site);
    const QString number = nextNumber();
    // The heading's own two trailing blanks separate it from the start price.
    return Separator + LineEnd
        + number + L(u"REGULAR AUCTION:  <0638>")
        + (Reserve ? L(u"Reserve Price: <0634>") : L(u"Opening Bid: <0635>")) + P + StartPrice + Gap
        + L(u"Item Sold?: <0639>") + (Sold ? L(u"Y<0636>") : L(u"N<0637>")) + Gap
        + L(u"Closing Bid: <0640>") + P + ClosingBid + LineEnd
        + L(u"Listing Fee: <0641>") + P + ListingFee + Gap
        + L(u"Extra Features Fees: <0642>") + P + ExtraFeatures + Gap
        + L(u"Final Value Fee: <0643>") + P + FinalValueFee + LineEnd
        + L(u"TOTAL FEES: <0644>") + P + TotalFees + LineEnd
        + Separator + LineEnd;
}

QString CNotes::AddToNotesDutch(const QString &NumberOffered, const QString &OpeningPrice,
                                const QString &ExtraFeatures, const QString &NumberSold, const QString &SoldAt,
                                const QString &TotalRevenue, const QString &TotalFees, const QString &FeesPerItem,
                                const CAuctionSite &Site)
{
    const QString P = currencyPrefix(Site);
    const QString number = nextNumber();
    // Counts carry no currency; the extra-features and total groups are three blanks apart.
    return Separator + LineEnd
        + number + L(u"DUTCH AUCTION:  <0645>") + Gap
        + L(u"Number Offered: <0646>") + NumberOffered + Gap
        + L(u"Opening Price: <0647>") + P + OpeningPrice + LineEnd
        + L(u"Number Sold: <0648>") + NumberSold + Gap
        + L(u"Sold at: <0649>") + P + SoldAt + Gap
        + L(u"Total Revenue: <0650>") + P + TotalRevenue + LineEnd
        + L(u"Extra Features Fees: <0651>") + P + ExtraFeatures + QStringLiteral("   ")
        + L(u"TOTAL FEES: <0652>") + P + TotalFees + Gap
        + L(u"Fees Per Item: <0653>") + P + FeesPerItem + LineEnd
        + Separator + LineEnd;
}

QString CNotes::AddToNotesPayment(const QString &PaymentAmount, const QString &PayPalFee, const CAuctionSite &Site)
{
    const QString P = currencyPrefix(Site);
    const QString number = nextNumber();
    return Separator + LineEnd
        + number + L(u"PAYMENT FEE:  <0654>") + Gap
        + L(u"Payment Amount: <0655>") + P + PaymentAmount + LineEnd
        + L(u"PayPal Fee: <0656>") + P + PayPalFee + LineEnd
        + Separator + LineEnd;
}

QString CNotes::AddToNotesLines(const QString &Heading, const QStringList &Lines)
{
    QString summary = Separator + LineEnd + nextNumber() + Heading + LineEnd;
    for (const QString &line : Lines)
        summary += line + LineEnd;
    return summary + Separator + LineEnd;
}
