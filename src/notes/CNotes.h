#pragma once

#include <QString>
#include <QStringList>

class CAuctionSite;

// Numbered summaries of one calculation for the notepad. Every figure arrives as the text its
// field shows; CNotes adds the labels of the running language, the site's currency and the
// running number, and no arithmetic. Lines end in CR LF.
class CNotes
{
public:
    QString AddToNotesRegular(bool Reserve, const QString &StartPrice, const QString &ListingFee,
                              const QString &ExtraFeatures, bool Sold, const QString &ClosingBid,
                              const QString &FinalValueFee, const QString &TotalFees, const CAuctionSite &Site);
    QString AddToNotesDutch(const QString &NumberOffered, const QString &OpeningPrice, const QString &ExtraFeatures,
                            const QString &NumberSold, const QString &SoldAt, const QString &TotalRevenue,
                            const QString &TotalFees, const QString &FeesPerItem, const CAuctionSite &Site);
    QString AddToNotesPayment(const QString &PaymentAmount, const QString &PayPalFee, const CAuctionSite &Site);
    // A tool panel's summary: its heading after the running number, then its lines as written
    // (the panel has put in the labels and currencies), between the separators.
    QString AddToNotesLines(const QString &Heading, const QStringList &Lines);

    // Numbering starts again at 1 after this. The notepad never calls it: clearing the notepad
    // keeps the count going.
    void ResetCounter() { m_counter = 0; }

    // Notes kept from an earlier run: the next summary is numbered after the highest summary
    // number in them. A summary's number opens the line after its separator, so a numbered list
    // of the user's own does not count. The count never goes back.
    void ContinueNumberingAfter(const QString &notesText);

private:
    // The next summary's number, as text. Wider than the 16 bits the numbering needs, so it never
    // wraps in a window's lifetime.
    QString nextNumber();

    qint64 m_counter = 0;
};
