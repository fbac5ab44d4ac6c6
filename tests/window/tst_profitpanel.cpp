#include "NumberText.h"
#include "ProfitBar.h"
#include "ProfitPanel.h"
#include "WindowFixture.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

// The profit panel takes its fees from the tab and its payment fee from the payment tab: what it
// shows must be what the seller would work out from those two tabs by hand.
class TestProfitPanel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { UseNumberLocale(QLocale(QStringLiteral("en_US"))); }
    void init() { fixture = std::make_unique<WindowFixture>(); }
    void cleanup()
    {
        QVERIFY2(fixture->unexpectedDialog.isEmpty(), qPrintable(fixture->unexpectedDialog));
        fixture.reset();
    }

    void agreesWithTheTabs_data()
    {
        QTest::addColumn<QString>("site");  // menu item
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("closing");
        QTest::addColumn<QStringList>("costs");  // item cost, shipping charged, shipping cost, target
        QTest::addColumn<QString>("payment");    // the payment tab's rate button
        QTest::addColumn<bool>("abroad");
        QTest::newRow("us profit") << "mnuOptionsSiteEbay" << "9.99" << "152.50" << QStringList{"80", "7.50", "6.20", ""}
                                   << "optPayPalStandard" << false;
        QTest::newRow("us merchant abroad") << "mnuOptionsSiteEbay" << "1" << "49.99"
                                            << QStringList{"20", "5", "5", "10"} << "optPayPalMerchant" << true;
        QTest::newRow("uk loss") << "mnuOptionsSiteUK" << "0.99" << "3.20" << QStringList{"4", "", "1.10", ""}
                                 << "optPayPalStandard" << false;
        QTest::newRow("germany echeck") << "mnuOptionsSiteGermany" << "5" << "1234.56"
                                        << QStringList{"900", "12", "14.99", "100"} << "optPayPalNonCreditCard" << false;
        QTest::newRow("canada target") << "mnuOptionsSiteCanada" << "25" << "310" << QStringList{"150", "20", "18", "75"}
                                       << "optPayPalStandard" << true;
    }
    void agreesWithTheTabs()
    {
        QFETCH(QString, site);
        QFETCH(QString, start);
        QFETCH(QString, closing);
        QFETCH(QStringList, costs);
        QFETCH(QString, payment);
        QFETCH(bool, abroad);

        fixture->find<QAction>(site.toLatin1().constData())->trigger();
        ProfitPanel *panel = openPanel();
        fixture->typeAndLeave("txtStartingPrice", start);
        fixture->typeAndLeave("txtPrice", closing);
        const char *costFields[] = {"txtProfitItemCost", "txtProfitShippingCharged", "txtProfitShippingCost",
                                    "txtProfitTarget"};
        for (int entry = 0; entry < 4; ++entry)
            typeInPanel(panel, costFields[entry], costs[entry]);
        fixture->clickTabOf(fixture->field("txtPaymentAmount"));
        WindowFixture::clickIndicator(fixture->find<QRadioButton>(payment.toLatin1().constData()));
        if (abroad)
            WindowFixture::clickIndicator(fixture->find<QAbstractButton>("chkInternationalPayPal"));

        // By hand: the tab's total, and the payment tab's fee on price + shipping charged.
        const MoneyValue price = MoneyFromText(fixture->text("txtPrice"));
        const MoneyValue charged = MoneyFromText(costs[1]);
        const MoneyValue ebayFees = MoneyFromText(fixture->text("txtFees"));
        fixture->typeAndLeave("txtPaymentAmount", PlainText(price + charged));
        const MoneyValue payPalFee = MoneyFromText(ReformatAsMoney(fixture->text("txtPayPalFee")));
        const MoneyValue profit = price + charged + ebayFees.times(-1) + payPalFee.times(-1)
                                  + MoneyFromText(costs[2]).times(-1) + MoneyFromText(costs[0]).times(-1);

        const QString currency = panelText(panel, "txtProfitEbayFees").section(QLatin1Char(' '), 0, 0);
        const auto shown = [&currency](MoneyValue amount) { return currency + QLatin1Char(' ') + MoneyText(amount); };
        QCOMPARE(panelText(panel, "txtProfitEbayFees"), shown(ebayFees));
        QCOMPARE(panelText(panel, "txtProfitPayPalFee"), shown(payPalFee));
        QCOMPARE(panelText(panel, "txtProfitProfit"), shown(profit));
        QVERIFY(panel->findChild<QLabel *>(QStringLiteral("lblProfitPayment"))->text().contains(abroad ? "Buyer outside" : "Rate"));

        // The bar's shares add up to what the buyer paid, or run past it by the loss.
        MoneyValue along;
        MoneyValue loss;
        for (const ProfitBar::Segment &segment : panel->findChild<ProfitBar *>(QStringLiteral("picProfitBar"))->Segments())
            (segment.Kind == ProfitBar::Share::Loss ? loss : along) += segment.Amount;
        QCOMPARE(along, price + charged + loss);
        QCOMPARE(loss, profit < MoneyValue() ? profit.times(-1) : MoneyValue());

        // The break-even price, typed in as the closing price, reaches the target; a cent less does not.
        const QString breakEven = panelText(panel, "txtProfitBreakEven");
        QVERIFY2(breakEven.startsWith(currency + QLatin1Char(' ')), qPrintable(breakEven));
        const MoneyValue target = MoneyFromText(costs[3]);
        const MoneyValue at = MoneyFromText(breakEven.section(QLatin1Char(' '), 1));
        fixture->typeAndLeave("txtPrice", PlainText(at));
        QVERIFY(MoneyFromText(panelText(panel, "txtProfitProfit").section(QLatin1Char(' '), 1)) >= target);
        if (at > MoneyFromText(fixture->text("txtStartingPrice"))) {
            fixture->typeAndLeave("txtPrice", PlainText(at + MoneyValue::fromTenThousandths(-100)));
            QVERIFY(MoneyFromText(panelText(panel, "txtProfitProfit").section(QLatin1Char(' '), 1)) < target);
        }
    }

    // Keys the money fields of the tabs refuse are refused here too.
    void entriesTakeOnlyAmounts_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("kept");
        QTest::newRow("no sign") << "-5" << "5";
        QTest::newRow("no letters") << "1a2" << "12";
        QTest::newRow("comma types the point") << "12,5" << "12.5";
        QTest::newRow("one point") << "1.2.3" << "1.23";
    }
    void entriesTakeOnlyAmounts()
    {
        QFETCH(QString, keys);
        QFETCH(QString, kept);
        ProfitPanel *panel = openPanel();
        typeInPanel(panel, "txtProfitItemCost", keys);
        QCOMPARE(panelText(panel, "txtProfitItemCost"), kept);
    }

    void breakEvenOutOfReach()
    {
        ProfitPanel *panel = openPanel();
        fixture->typeAndLeave("txtStartingPrice", QStringLiteral("1"));
        fixture->typeAndLeave("txtPrice", QStringLiteral("10"));
        typeInPanel(panel, "txtProfitItemCost", QStringLiteral("99999999"));
        QCOMPARE(panelText(panel, "txtProfitBreakEven"), QStringLiteral("not reachable at any price up to $ 100000.00"));
        QCOMPARE(panel->findChild<QLabel *>(QStringLiteral("lblProfitBreakEvenNote"))->text(), QString());
        const QList<ProfitBar::Segment> segments = panel->findChild<ProfitBar *>(QStringLiteral("picProfitBar"))->Segments();
        QVERIFY(!segments.isEmpty() && segments.back().Kind == ProfitBar::Share::Loss);
    }

    // The lot: nothing until its four entries are in, then costs per item sold.
    void followsTheLot()
    {
        ProfitPanel *panel = openPanel();
        fixture->clickTab(1);
        auto *note = panel->findChild<QLabel *>(QStringLiteral("lblProfitNote"));
        QCOMPARE(note->text(), QStringLiteral("Fill in the four entries of the lot to see its profit."));
        QVERIFY(!panel->findChild<QPushButton *>(QStringLiteral("cmdProfitAddToNotes"))->isEnabled());
        fixture->typeAndLeave("txtDutchItemsOffered", QStringLiteral("10"));
        fixture->typeAndLeave("txtDutchOpeningPrice", QStringLiteral("5"));
        fixture->typeAndLeave("txtDutchItemsSold", QStringLiteral("4"));
        fixture->typeAndLeave("txtDutchFinalPrice", QStringLiteral("5"));
        typeInPanel(panel, "txtProfitItemCost", QStringLiteral("2"));
        QCOMPARE(note->text(), QStringLiteral("Costs and shipping are per item sold."));
        QCOMPARE(panelText(panel, "txtProfitSalePrice"), QStringLiteral("$ 5.00 per item × 4 items sold"));
        // Items left over sell at the opening bid: that is the price the search varies.
        QCOMPARE(panel->findChild<QLabel *>(QStringLiteral("lblProfitBreakEvenNote"))->text(),
                 QStringLiteral("opening bid, at which the items left sell"));

        fixture->typeAndLeave("txtDutchItemsSold", QStringLiteral("0"));
        QCOMPARE(panelText(panel, "txtProfitBreakEven"), QStringLiteral("no item sold"));
    }

    void addsItsSummaryToTheNotepad()
    {
        ProfitPanel *panel = openPanel();
        fixture->typeAndLeave("txtStartingPrice", QStringLiteral("9.99"));
        fixture->typeAndLeave("txtPrice", QStringLiteral("20"));
        typeInPanel(panel, "txtProfitItemCost", QStringLiteral("8"));
        QTest::mouseClick(panel->findChild<QPushButton *>(QStringLiteral("cmdProfitAddToNotes")), Qt::LeftButton);
        const QString notes = fixture->find<QPlainTextEdit>("txtNotes")->toPlainText();
        QVERIFY2(notes.contains(QStringLiteral("1. Profit and Break-even: Single item on eBay.com")), qPrintable(notes));
        QVERIFY(notes.contains(QStringLiteral("Item cost: $ 8.00")));
        QVERIFY(notes.contains(QStringLiteral("Profit: ") + panelText(panel, "txtProfitProfit")));
        QVERIFY(notes.contains(QStringLiteral("Break-even price: ") + panelText(panel, "txtProfitBreakEven")
                               + QStringLiteral(" (lowest closing price, to the cent)")));
    }

private:
    ProfitPanel *openPanel()
    {
        QTest::keyClick(fixture->window.get(), Qt::Key_F7);
        auto *panel = fixture->window->findChild<ProfitPanel *>(QStringLiteral("ProfitPanel"));
        if (!panel || !panel->isVisible() || !fixture->find<QAction>("mnuToolsProfit")->isChecked())
            qFatal("F7 did not show the profit panel");
        return panel;
    }
    static QString panelText(ProfitPanel *panel, const char *name)
    {
        return panel->findChild<QLineEdit *>(QString::fromLatin1(name))->text();
    }
    void typeInPanel(ProfitPanel *panel, const char *name, const QString &keys) const
    {
        auto *field = panel->findChild<QLineEdit *>(QString::fromLatin1(name));
        QApplication::setActiveWindow(panel);
        field->selectAll();
        WindowFixture::typeInto(field, keys);
        QApplication::setActiveWindow(fixture->window.get());
    }
    std::unique_ptr<WindowFixture> fixture;
};

QTEST_MAIN(TestProfitPanel)
#include "tst_profitpanel.moc"
