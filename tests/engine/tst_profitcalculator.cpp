#include "CAuctionSite.h"
#include "ListingFees.h"
#include "NumberText.h"
#include "ProfitCalculator.h"

#include <QRandomGenerator>
#include <QTest>

Q_DECLARE_METATYPE(ListingSnapshot)

// The profit of a sale worked out from the tabs' own figures, and the break-even search checked
// against trying every cent.
class TestProfitCalculator : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void figures_data()
    {
        QTest::addColumn<ListingSnapshot>("listing");
        QTest::addColumn<bool>("eCheck");
        QTest::addColumn<QStringList>("costs");  // item cost, shipping charged, shipping cost
        QTest::addColumn<QStringList>("expected");  // eBay fees, PayPal fee, net, profit, margin ("" none)

        // Insertion 0.60 (10.00), final value 25 × 5.25 % + 25 × 2.75 % = 2.00; the buyer pays
        // 55.00: 55 × 2.9 % + 0.30 = 1.895 -> 1.90; 55 - 2.60 - 1.90 = 50.50; 26.50 / 55 = 48.18 %.
        QTest::newRow("US sold at 50.00") << single(1, "10.00", "50.00") << false
                                          << QStringList{"20.00", "5.00", "4.00"}
                                          << QStringList{"2.60", "1.90", "50.50", "26.50", "48.2"};
        // Insertion 4.80, final value 1.3125 + 970 × 2.75 % = 27.9875 -> 27.99; the eCheck fee of
        // 1000.00 stops at 5.00.
        QTest::newRow("US eCheck capped") << single(1, "995.00", "995.00") << true
                                          << QStringList{"0", "5.00", "0"}
                                          << QStringList{"32.79", "5.00", "962.21", "962.21", "96.2"};
        // Unsold: insertion 0.60 and bold 1.00 are the loss; the item stays, so its cost does not count.
        ListingSnapshot unsold = single(1, "10.00", "10.00");
        unsold.Options.DidNotSell = true;
        unsold.Options.Bold = true;
        unsold.ItemSold = false;
        QTest::newRow("US not sold") << unsold << false << QStringList{"20.00", "5.00", "4.00"}
                                     << QStringList{"1.60", "0.00", "-1.60", "-1.60", ""};
        // The lot of the lot tab's table: fees 5.03; each buyer pays 12.00: 0.648 -> 0.65, five
        // times 3.25; 60 - 5.03 - 3.25 = 51.72; less 5 × (1.50 + 3.00) = 29.22; 48.7 %.
        QTest::newRow("US lot of five sold out") << lot(1, 5, "10.00", 5, "10.00") << false
                                                 << QStringList{"3.00", "2.00", "1.50"}
                                                 << QStringList{"5.03", "3.25", "51.72", "29.22", "48.7"};
        // One of two sold at the opening bid: fees 1.13; 10 × 2.9 % + 0.30 = 0.59.
        QTest::newRow("US lot, one of two sold") << lot(1, 2, "10.00", 1, "10.00") << false
                                                 << QStringList{"0", "0", "0"}
                                                 << QStringList{"1.13", "0.59", "8.28", "8.28", "82.8"};
        // No item sold: the lot's insertion fee 0.60 (20.00) is lost.
        QTest::newRow("US lot, none sold") << lot(1, 2, "10.00", 0, "0") << false << QStringList{"1.00", "0", "0"}
                                           << QStringList{"0.60", "0.00", "-0.60", "-0.60", ""};
    }

    void figures()
    {
        QFETCH(ListingSnapshot, listing);
        QFETCH(bool, eCheck);
        QFETCH(QStringList, costs);
        QFETCH(QStringList, expected);
        PaymentChoices payment;
        payment.CreditCard = !eCheck;
        const ProfitFigures f = ProfitCalculator(payment).Figures(listing, costsOf(costs[0], costs[1], costs[2], "0"));
        QVERIFY(f.HasListing);
        QCOMPARE(MoneyText(f.EbayFees), expected[0]);
        QCOMPARE(MoneyText(f.PayPalFee), expected[1]);
        QCOMPARE(MoneyText(f.Net), expected[2]);
        QCOMPARE(MoneyText(f.Profit), expected[3]);
        QCOMPARE(f.MarginTenthsOfPercent ? PercentNumberText(*f.MarginTenthsOfPercent) : QString(), expected[4]);
        // The eBay fees are the tab's own total.
        CAuctionSite site;
        site.setSite(listing.Site);
        QCOMPARE(MoneyText(f.EbayFees), ListingTotalText(site, listing));
    }

    void breakEven_data()
    {
        QTest::addColumn<ListingSnapshot>("listing");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("expected");  // "" not reachable

        // At the opening bid 1.00: 1.00 - 0.35 - 0.05 - 0.33 = 0.27 already.
        QTest::newRow("US reached at the opening bid") << single(1, "1.00", "1.00") << "0" << "1.00";
        // 11.60 - 0.35 - 0.61 - 0.64 = 10.00; at 11.59 the same fees leave 9.99.
        QTest::newRow("US target 10.00") << single(1, "1.00", "1.00") << "10.00" << "11.60";
        QTest::newRow("US target beyond any price") << single(1, "1.00", "1.00") << "100000.00" << "";
        QTest::newRow("lot with nothing sold") << lot(1, 2, "10.00", 0, "0") << "0" << "";
    }

    void breakEven()
    {
        QFETCH(ListingSnapshot, listing);
        QFETCH(QString, target);
        QFETCH(QString, expected);
        const BreakEven found = ProfitCalculator({}).FindBreakEven(listing, costsOf("0", "0", "0", target));
        QCOMPARE(found.Reachable, !expected.isEmpty());
        if (found.Reachable)
            QCOMPARE(MoneyText(found.At), expected);
    }

    // Every cent from where the listing sells up to the price found falls short; the price found
    // does not. Fee steps (vehicle fees, tiers, the eCheck cap) make the profit fall in places.
    void breakEvenMatchesEveryCent_data()
    {
        QTest::addColumn<int>("site");
        for (int site = CAuctionSite::UnitedStates; site <= CAuctionSite::Germany; ++site)
            QTest::addRow("site %d", site) << site;
    }

    void breakEvenMatchesEveryCent()
    {
        QFETCH(int, site);
        QRandomGenerator random(quint32(4711 + site));
        for (int row = 0; row < 75; ++row) {
            const ListingSnapshot listing = random.bounded(3) == 0 ? randomLot(random, site) : randomSingle(random, site);
            PaymentChoices payment;
            payment.Merchant = random.bounded(2);
            payment.CreditCard = random.bounded(2);
            payment.International = random.bounded(2);
            payment.RateText = random.bounded(2) ? QString() : PlainText(0.8);
            const ProfitCosts costs{cents(random, 1000), cents(random, 500), cents(random, 300), cents(random, 1000)};
            const ProfitCalculator calculator(payment);

            const BreakEven found = calculator.FindBreakEven(listing, costs);
            const QString context = QStringLiteral("row %1").arg(row);
            QVERIFY2(found.Reachable, qPrintable(context));
            QVERIFY2(calculator.ProfitAt(listing, costs, found.At) >= costs.Target, qPrintable(context));
            for (MoneyValue price = *calculator.LowestSellingPrice(listing); price < found.At;
                 price += MoneyValue::fromTenThousandths(100))
                QVERIFY2(calculator.ProfitAt(listing, costs, price) < costs.Target,
                         qPrintable(context + QStringLiteral(" reached at ") + PlainText(price)));
        }
    }

private:
    static ListingSnapshot single(qint32 site, const char *opening, const char *closing)
    {
        ListingSnapshot listing;
        listing.Site = site;
        listing.Options.StartingPriceText = QString::fromLatin1(opening);
        listing.Options.ClosingPriceText = QString::fromLatin1(closing);
        listing.ItemSold = RegularItemSold(listing.Options);
        listing.HasFees = true;
        return listing;
    }

    static ListingSnapshot lot(qint32 site, qint32 offered, const char *opening, qint32 sold, const char *lowestBid)
    {
        ListingSnapshot listing;
        listing.Type = ListingSnapshot::Kind::MultipleItems;
        listing.Site = site;
        listing.Options.StartingPriceText = QString::fromLatin1(opening);
        listing.Options.ClosingPriceText = QString::fromLatin1(lowestBid);
        listing.Options.ItemsOffered = offered;
        listing.Options.ItemsSold = sold;
        listing.ItemsOfferedText = QString::number(offered);
        listing.ItemsSoldText = QString::number(sold);
        listing.ItemSold = sold > 0;
        listing.HasFees = true;
        return listing;
    }

    static ProfitCosts costsOf(const QString &item, const QString &charged, const QString &shipping,
                               const QString &target)
    {
        return {MoneyFromText(item), MoneyFromText(charged), MoneyFromText(shipping), MoneyFromText(target)};
    }

    static MoneyValue cents(QRandomGenerator &random, int highest)
    {
        return MoneyValue::fromTenThousandths(qint64(random.bounded(highest + 1)) * 100);
    }

    static void randomFeatures(QRandomGenerator &random, ListingOptions &o)
    {
        for (bool *flag : {&o.TwoCategories, &o.Bold, &o.Gallery, &o.BuyItNow, &o.Scheduled, &o.Subtitle,
                           &o.ExtraPictures, &o.Slideshow})
            *flag = random.bounded(3) == 0;
        o.ExtraPicturesChoice = random.bounded(6);
    }

    static ListingSnapshot randomSingle(QRandomGenerator &random, int site)
    {
        ListingSnapshot listing = single(site, "", "");
        ListingOptions &o = listing.Options;
        randomFeatures(random, o);
        o.IsReserve = random.bounded(3) == 0;
        o.Vehicle = random.bounded(6) == 0;
        o.Motorcycle = o.Vehicle && random.bounded(2);
        o.RealEstate = !o.Vehicle && random.bounded(8) == 0;
        o.DidNotSell = random.bounded(6) == 0;
        // Vehicles are tried around the UK's 3000 step too.
        const MoneyValue opening = o.Vehicle && random.bounded(2) ? MoneyFromText(QStringLiteral("2990"))
                                                                  : cents(random, 3000);
        o.StartingPriceText = MoneyText(opening);
        o.ClosingPriceText = MoneyText(opening + cents(random, 2000));
        o.ClosingPriceText = PlainText(RegularClosingPrice(o));
        listing.ItemSold = RegularItemSold(o);
        return listing;
    }

    static ListingSnapshot randomLot(QRandomGenerator &random, int site)
    {
        const qint32 offered = 1 + random.bounded(20);
        const qint32 sold = 1 + random.bounded(offered);
        const MoneyValue opening = cents(random, 500);
        const MoneyValue lowestBid = sold == offered ? opening + cents(random, 300) : opening;
        ListingSnapshot listing = lot(site, offered, "", sold, "");
        listing.Options.StartingPriceText = MoneyText(opening);
        listing.Options.ClosingPriceText = MoneyText(lowestBid);
        randomFeatures(random, listing.Options);
        return listing;
    }
};

QTEST_GUILESS_MAIN(TestProfitCalculator)
#include "tst_profitcalculator.moc"
