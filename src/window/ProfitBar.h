#pragma once

#include "MoneyValue.h"

#include <QList>
#include <QString>
#include <QWidget>

struct ProfitFigures;

// One horizontal bar of what the buyer paid, split into where it goes: eBay fees, the PayPal
// fee, shipping, the item's cost and what is left as profit. Where the costs exceed the payment
// the bar runs on past it and the overrun is hatched as the loss. Colours come from the palette,
// so the bar reads on light and dark palettes alike; a legend under it names every share.
class ProfitBar : public QWidget
{
    Q_OBJECT

public:
    enum class Share { EbayFees, PayPalFee, Shipping, ItemCost, Profit, Loss };
    static constexpr int ShareCount = 6;

    struct Segment
    {
        Share Kind;
        MoneyValue Amount;
    };

    explicit ProfitBar(QWidget *parent = nullptr);

    // The names of the shares in the running language, by Share.
    void SetNames(const QStringList &names);
    void SetFigures(const ProfitFigures &figures, const QString &currency);
    void Clear();

    // The shares drawn, in order along the bar; a loss comes last and overlaps the costs.
    const QList<Segment> &Segments() const { return m_segments; }
    // The colour of a share in the current palette.
    QColor ShareColor(Share share) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    struct LegendEntry
    {
        QRect Place;
        Share Kind;
        QString Text;
    };
    QList<LegendEntry> legendLayout(int width) const;
    QString legendText(const Segment &segment) const;

    QList<Segment> m_segments;
    MoneyValue m_received;
    QString m_currency;
    QStringList m_names;
};
