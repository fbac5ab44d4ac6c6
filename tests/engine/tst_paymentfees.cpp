#include "CAuctionSite.h"
#include "CPaymentService.h"
#include "NumberText.h"
#include "TestLocales.h"

#include <QTest>

namespace {

constexpr qint32 US = CAuctionSite::UnitedStates;
constexpr qint32 UK = CAuctionSite::UnitedKingdom;
constexpr qint32 CA = CAuctionSite::Canada;
constexpr qint32 DE = CAuctionSite::Germany;

const QString NotAvailable = QStringLiteral("N/A");

// How a row's expected text is compared: rounded to cents, or as the plain text itself.
enum class Compare { Cents, Plain };

// A fee compared at cents is the plain result rounded as the window rounds it; "N/A" and plain
// figures are compared as they are.
void compareFee(const QString &actual, const QString &expected, Compare how)
{
    if (expected == NotAvailable || how == Compare::Plain)
        QCOMPARE(actual, expected == NotAvailable ? expected : inLocale(expected));
    else
        QCOMPARE(MoneyText(DoubleFromText(actual)), inLocale(expected));
}

} // namespace

Q_DECLARE_METATYPE(Compare)

class TestPaymentFees : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase_data() { addLocaleRows(); }
    void init() { applyLocaleRow(); }

    void payPalFee_data();
    void payPalFee();
    void billpointFee_data();
    void billpointFee();
    void rateLeftInSchedule_data();
    void rateLeftInSchedule();
    void changeOfSiteAppliesToNextComputation();
};

void TestPaymentFees::payPalFee_data()
{
    QTest::addColumn<qint32>("site");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<bool>("merchant");
    QTest::addColumn<bool>("creditCard");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<bool>("international");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<Compare>("compare");

    const bool Merchant = true, Standard = false;
    const bool Card = true, ECheck = false;
    const bool Abroad = true, Home = false;
    const auto C = Compare::Cents;
    const auto P = Compare::Plain;

    // US: 2.9 % (merchant 2.2 %) + 0.30; eCheck fees stop at 5.00; abroad adds 1 % after the cap.
    QTest::newRow("US 100 standard") << US << "100" << Standard << Card << "" << Home << "3.20" << C;
    QTest::newRow("US 100 merchant") << US << "100" << Merchant << Card << "" << Home << "2.50" << C;
    QTest::newRow("US 100 abroad") << US << "100" << Standard << Card << "" << Abroad << "4.20" << C;
    QTest::newRow("US 100 eCheck below cap") << US << "100" << Standard << ECheck << "" << Home << "3.20" << C;
    QTest::newRow("US 1000 card not capped") << US << "1000" << Standard << Card << "" << Home << "29.30" << C;
    QTest::newRow("US 1000 eCheck capped") << US << "1000" << Standard << ECheck << "" << Home << "5" << P;
    QTest::newRow("US 1000 eCheck capped abroad") << US << "1000" << Standard << ECheck << "" << Abroad << "15.00"
                                                  << C;
    QTest::newRow("US 1000 eCheck merchant capped") << US << "1000" << Merchant << ECheck << "" << Home << "5" << P;
    // The single amount and flat fee enter the double sum at their binary values, and the raw text
    // keeps every digit of that sum.
    QTest::newRow("US 100 standard raw") << US << "100" << Standard << Card << "" << Home << "3.20000001192093" << P;
    QTest::newRow("US 162.06 eCheck below cap") << US << "162.06" << Standard << ECheck << "" << Home
                                                << "4.99973994112015" << P;
    QTest::newRow("US 16384.31 standard") << US << "16384.31" << Standard << Card << "" << Home << "475.45" << C;
    QTest::newRow("US 162.07 eCheck capped") << US << "162.07" << Standard << ECheck << "" << Home << "5" << P;
    QTest::newRow("US 0 pays the flat fee") << US << "0" << Standard << Card << "" << Home << "0.300000011920929" << P;
    // The US needs no rate: a typed one changes nothing.
    QTest::newRow("US typed rate ignored") << US << "100" << Standard << Card << "2" << Home << "3.20" << C;
    QTest::newRow("US typed rate ignored eCheck") << US << "1000" << Standard << ECheck << "2" << Home << "5" << P;

    // UK with the built-in rate 0.5305: flat fee 0.15915, eCheck cap 2.6525.
    QTest::newRow("UK flat fee") << UK << "0" << Standard << Card << "" << Home << "0.159150004386902" << P;
    QTest::newRow("UK 100 standard") << UK << "100" << Standard << Card << "" << Home << "3.0591500043869" << P;
    QTest::newRow("UK 100 standard cents") << UK << "100" << Standard << Card << "" << Home << "3.06" << C;
    // 13.65 × 0.029 + 0.15915 would be exactly 0.555; the binary single 13.64999962 pays 0.55.
    QTest::newRow("UK 13.65 standard") << UK << "13.65" << Standard << Card << "" << Home << "0.55" << C;
    QTest::newRow("UK 10.15 standard abroad") << UK << "10.15" << Standard << Card << "" << Abroad << "0.55" << C;
    QTest::newRow("UK 100 merchant") << UK << "100" << Merchant << Card << "" << Home << "2.36" << C;
    QTest::newRow("UK 1000 eCheck capped") << UK << "1000" << Standard << ECheck << "" << Home << "2.6525" << P;
    QTest::newRow("UK 1000 eCheck capped abroad") << UK << "1000" << Standard << ECheck << "" << Abroad << "12.65"
                                                  << C;
    QTest::newRow("UK 80 eCheck below cap") << UK << "80" << Standard << ECheck << "" << Home << "2.48" << C;
    // Rate 0.22: the cap is 1.10, and a merchant fee on 47 is 1.034 + 0.066 = 1.10 exactly.
    QTest::newRow("UK eCheck exactly at cap") << UK << "47" << Merchant << ECheck << "0.22" << Home << "1.09999999964237" << P;
    QTest::newRow("UK eCheck exactly at cap abroad") << UK << "47" << Merchant << ECheck << "0.22" << Abroad
                                                     << "1.57" << C;
    QTest::newRow("UK eCheck just above cap") << UK << "48" << Merchant << ECheck << "0.22" << Home << "1.1" << P;
    QTest::newRow("UK eCheck just below cap") << UK << "46" << Merchant << ECheck << "0.22" << Home << "1.07799999964237" << P;

    // Canada, built-in rate 1.317: flat fee 0.3951, cap 6.585. Letters select the built-in rate.
    QTest::newRow("CA 100 standard") << CA << "100" << Standard << Card << "" << Home << "3.30" << C;
    QTest::newRow("CA 3.10 standard") << CA << "3.10" << Standard << Card << "" << Home << "0.48" << C;
    QTest::newRow("CA 1000 eCheck capped") << CA << "1000" << Standard << ECheck << "" << Home << "6.585" << P;
    QTest::newRow("CA letters 100 standard") << CA << "100" << Standard << Card << "abc" << Home << "3.30" << C;
    QTest::newRow("CA letters flat fee") << CA << "0" << Standard << Card << "abc" << Home << "0.395099997520447" << P;
    QTest::newRow("CA letters 1000 eCheck capped") << CA << "1000" << Standard << ECheck << "abc" << Home << "6.585"
                                                   << P;
    QTest::newRow("CA typed 2 1000 eCheck capped") << CA << "1000" << Standard << ECheck << "2" << Home << "10"
                                                   << P;

    // Germany, built-in rate 0.7854: flat fee 0.23562, cap 3.927; typed 0.8: 0.24 and 4.00.
    QTest::newRow("DE 100 standard") << DE << "100" << Standard << Card << "" << Home << "3.14" << C;
    QTest::newRow("DE 1.79 merchant") << DE << "1.79" << Merchant << Card << "" << Home << "0.27" << C;
    QTest::newRow("DE flat fee") << DE << "0" << Standard << Card << "" << Home << "0.235619992017746" << P;
    QTest::newRow("DE 1000 eCheck capped") << DE << "1000" << Standard << ECheck << "" << Home << "3.927" << P;
    QTest::newRow("DE rate 0.8 flat fee") << DE << "0" << Standard << Card << "0.8" << Home << "0.240000009536743" << P;
    QTest::newRow("DE rate 0.8 100 standard") << DE << "100" << Standard << Card << "0.8" << Home << "3.14000000953674" << P;
    QTest::newRow("DE rate 0.8 1000 eCheck capped") << DE << "1000" << Standard << ECheck << "0.8" << Home << "4"
                                                    << P;
    QTest::newRow("DE rate 0.8 1000 eCheck abroad") << DE << "1000" << Standard << ECheck << "0.8" << Abroad
                                                    << "14" << P;

    // A rate is used only when it is a positive number below a million of at most 16
    // characters; any other text is the built-in rate, as an empty one is.
    QTest::newRow("UK rate 0 card") << UK << "100" << Standard << Card << "0" << Home << "3.0591500043869" << P;
    QTest::newRow("UK rate 0 eCheck") << UK << "100" << Standard << ECheck << "0" << Home << "2.6525" << P;
    QTest::newRow("CA rate 0 eCheck abroad") << CA << "100" << Standard << ECheck << "0" << Abroad << "4.30" << C;
    QTest::newRow("DE rate 0 eCheck merchant") << DE << "250" << Merchant << ECheck << "0" << Home << "3.927" << P;
    QTest::newRow("UK rate -100") << UK << "100" << Standard << Card << "-100" << Home << "3.06" << C;
    QTest::newRow("DE rate -1e308") << DE << "100" << Standard << Card << "-1e308" << Home << "3.14" << C;
    QTest::newRow("DE rate 1e308") << DE << "100" << Standard << Card << "1e308" << Home << "3.14" << C;
    QTest::newRow("DE rate 1000000") << DE << "100" << Standard << Card << "1000000" << Home << "3.14" << C;
    QTest::newRow("UK rate abc") << UK << "100" << Standard << Card << "abc" << Home << "3.06" << C;
    QTest::newRow("UK rate of 17 characters") << UK << "100" << Standard << Card << "0.600000000000001" << Home
                                              << "3.06" << C;
    QTest::newRow("UK rate of 16 characters") << UK << "100" << Standard << Card << "0.60000000000001" << Home
                                              << "3.08" << C;
    // 999999.99 is below the limit; at single precision it is 1000000: a flat fee of 300000.
    QTest::newRow("CA rate 999999.99") << CA << "100" << Standard << Card << "999999.99" << Home << "300002.90"
                                       << C;
}

void TestPaymentFees::payPalFee()
{
    QFETCH(qint32, site);
    QFETCH(QString, amount);
    QFETCH(bool, merchant);
    QFETCH(bool, creditCard);
    QFETCH(QString, rate);
    QFETCH(bool, international);
    QFETCH(QString, expected);
    QFETCH(Compare, compare);

    CAuctionSite schedule;
    schedule.setSite(site);
    CPaymentService payment;
    payment.setSite(&schedule);
    compareFee(payment.PayPalFee(inLocale(amount), merchant, creditCard, inLocale(rate), international), expected,
               compare);
}

void TestPaymentFees::billpointFee_data()
{
    QTest::addColumn<qint32>("site");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<bool>("reduced");
    QTest::addColumn<bool>("creditCard");
    QTest::addColumn<bool>("international");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<Compare>("compare");

    const bool Reduced = true, Full = false;
    const bool Card = true, ECheck = false;
    const bool Abroad = true, Home = false;
    const auto C = Compare::Cents;
    const auto P = Compare::Plain;

    // US: up to 15.00 the flat 0.35; then 3 % (reduced 2.25 %) by card, 2 % (1.25 %) by eCheck,
    // plus 0.35; card payments up to 500 (reduced 2000), eCheck up to 200.
    QTest::newRow("US 10 flat") << US << "10" << Full << Card << Home << "" << "0.35" << C;
    QTest::newRow("US 15 flat") << US << "15.00" << Full << Card << Home << "" << "0.35" << C;
    QTest::newRow("US 15.01 card") << US << "15.01" << Full << Card << Home << "" << "0.80" << C;
    QTest::newRow("US 100 card") << US << "100" << Full << Card << Home << "" << "3.35" << C;
    QTest::newRow("US 100 card reduced") << US << "100" << Reduced << Card << Home << "" << "2.60" << C;
    QTest::newRow("US 100 eCheck") << US << "100" << Full << ECheck << Home << "" << "2.35" << C;
    QTest::newRow("US 100 eCheck reduced") << US << "100" << Reduced << ECheck << Home << "" << "1.60" << C;
    QTest::newRow("US 500 card") << US << "500" << Full << Card << Home << "" << "15.35" << C;
    QTest::newRow("US 500.01 card") << US << "500.01" << Full << Card << Home << "" << NotAvailable << C;
    QTest::newRow("US 2000 card reduced") << US << "2000" << Reduced << Card << Home << "" << "45.35" << C;
    QTest::newRow("US 2000.01 card reduced") << US << "2000.01" << Reduced << Card << Home << "" << NotAvailable << C;
    QTest::newRow("US 200 eCheck") << US << "200" << Full << ECheck << Home << "" << "4.35" << C;
    QTest::newRow("US 200.01 eCheck") << US << "200.01" << Full << ECheck << Home << "" << NotAvailable << C;
    QTest::newRow("US 201 eCheck reduced") << US << "201" << Reduced << ECheck << Home << "" << NotAvailable << C;
    QTest::newRow("US 10 abroad") << US << "10" << Full << Card << Abroad << "" << "0.45" << C;
    QTest::newRow("US 100 card abroad") << US << "100" << Full << Card << Abroad << "" << "4.35" << C;
    // The single-precision fee text, then the amount's 1 % at its binary value, summed in double.
    QTest::newRow("US 113.34 card reduced abroad") << US << "113.34" << Reduced << Card << Abroad << ""
                                                   << "4.03354996337891" << P;
    QTest::newRow("US 600 card abroad") << US << "600" << Full << Card << Abroad << "" << NotAvailable << C;
    QTest::newRow("US typed rate ignored") << US << "100" << Full << Card << Home << "2" << "3.35" << C;

    // UK: up to 10.00 the flat 0.25; 3.8 % (reduced 2.8 %) by card, 2.5 % by eCheck at either
    // rate, plus 0.25; up to 350 (reduced 1350) whatever the kind of payment.
    QTest::newRow("UK 10 flat") << UK << "10" << Full << Card << Home << "" << "0.25" << C;
    QTest::newRow("UK 100 card") << UK << "100" << Full << Card << Home << "" << "4.05" << C;
    QTest::newRow("UK 100 card reduced") << UK << "100" << Reduced << Card << Home << "" << "3.05" << C;
    QTest::newRow("UK 100 eCheck") << UK << "100" << Full << ECheck << Home << "" << "2.75" << C;
    QTest::newRow("UK 100 eCheck reduced") << UK << "100" << Reduced << ECheck << Home << "" << "2.75" << C;
    QTest::newRow("UK 350 card") << UK << "350" << Full << Card << Home << "" << "13.55" << C;
    QTest::newRow("UK 350.01 card") << UK << "350.01" << Full << Card << Home << "" << NotAvailable << C;
    QTest::newRow("UK 350 eCheck") << UK << "350" << Full << ECheck << Home << "" << "9.00" << C;
    QTest::newRow("UK 351 eCheck") << UK << "351" << Full << ECheck << Home << "" << NotAvailable << C;
    QTest::newRow("UK 1000 eCheck reduced") << UK << "1000" << Reduced << ECheck << Home << "" << "25.25" << C;
    QTest::newRow("UK 1350 card reduced") << UK << "1350" << Reduced << Card << Home << "" << "38.05" << C;
    QTest::newRow("UK 1350.01 card reduced") << UK << "1350.01" << Reduced << Card << Home << "" << NotAvailable << C;
    QTest::newRow("UK 100 card abroad") << UK << "100" << Full << Card << Abroad << "" << "5.05" << C;

    // Canada, built-in rate 1.317: threshold 19.755, flat fee 0.46095, maximums 263.4 (eCheck),
    // 658.5 (card), 2634 (card, reduced).
    QTest::newRow("CA 19.75 flat") << CA << "19.75" << Full << Card << Home << "" << "0.46" << C;
    QTest::newRow("CA 19.76 card") << CA << "19.76" << Full << Card << Home << "" << "1.05" << C;
    QTest::newRow("CA 100 card") << CA << "100" << Full << Card << Home << "" << "3.46" << C;
    QTest::newRow("CA 658 card") << CA << "658" << Full << Card << Home << "" << "20.20" << C;
    QTest::newRow("CA 659 card") << CA << "659" << Full << Card << Home << "" << NotAvailable << C;
    QTest::newRow("CA 263 eCheck") << CA << "263" << Full << ECheck << Home << "" << "5.72" << C;
    QTest::newRow("CA 264 eCheck") << CA << "264" << Full << ECheck << Home << "" << NotAvailable << C;
    QTest::newRow("CA 2634 card reduced") << CA << "2634" << Reduced << Card << Home << "" << "59.73" << C;
    QTest::newRow("CA 2635 card reduced") << CA << "2635" << Reduced << Card << Home << "" << NotAvailable << C;
    QTest::newRow("CA letters 100 card") << CA << "100" << Full << Card << Home << "abc" << "3.46" << C;
    QTest::newRow("CA 659 card abroad") << CA << "659" << Full << Card << Abroad << "" << NotAvailable << C;
    // Typed rate 2: threshold 30, flat fee 0.70, card maximum 1000.
    QTest::newRow("CA rate 2 30 flat") << CA << "30" << Full << Card << Home << "2" << "0.70" << C;
    QTest::newRow("CA rate 2 40 card") << CA << "40" << Full << Card << Home << "2" << "1.90" << C;
    QTest::newRow("CA rate 2 1000 card") << CA << "1000" << Full << Card << Home << "2" << "30.70" << C;
    QTest::newRow("CA rate 2 1001 card") << CA << "1001" << Full << Card << Home << "2" << NotAvailable << C;
    QTest::newRow("CA rate 2 40 card abroad") << CA << "40" << Full << Card << Abroad << "2" << "2.30" << C;
    // Rate 0 and a negative rate are the built-in one: threshold 19.755, flat fee 0.46095.
    QTest::newRow("CA rate 0 payment 0") << CA << "0" << Full << Card << Home << "0" << "0.46" << C;
    QTest::newRow("CA rate 0 payment 10") << CA << "10" << Full << Card << Home << "0" << "0.46" << C;
    QTest::newRow("CA rate -100 card") << CA << "100" << Full << Card << Home << "-100" << "3.46" << C;
    // Germany has no Billpoint amounts: every payment above 0 is beyond the maximum of 0.
    QTest::newRow("DE 0") << DE << "0" << Full << Card << Home << "" << "0.00" << C;
    QTest::newRow("DE 0 abroad") << DE << "0" << Full << Card << Abroad << "" << "0.00" << C;
    QTest::newRow("DE 10") << DE << "10" << Full << Card << Home << "" << NotAvailable << C;
    QTest::newRow("DE 10 abroad") << DE << "10" << Reduced << ECheck << Abroad << "" << NotAvailable << C;
}

void TestPaymentFees::billpointFee()
{
    QFETCH(qint32, site);
    QFETCH(QString, amount);
    QFETCH(bool, reduced);
    QFETCH(bool, creditCard);
    QFETCH(bool, international);
    QFETCH(QString, rate);
    QFETCH(QString, expected);
    QFETCH(Compare, compare);

    CAuctionSite schedule;
    schedule.setSite(site);
    CPaymentService payment;
    payment.setSite(&schedule);
    compareFee(payment.BillpointFee(inLocale(amount), reduced, creditCard, international, inLocale(rate)), expected,
               compare);
}

void TestPaymentFees::rateLeftInSchedule_data()
{
    QTest::addColumn<qint32>("site");
    QTest::addColumn<bool>("billpoint");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<float>("stored");

    QTest::newRow("UK PayPal empty") << UK << false << "" << 0.5305f;
    QTest::newRow("CA PayPal letters") << CA << false << "abc" << 1.317f;
    QTest::newRow("DE PayPal 0.8") << DE << false << "0.8" << 0.8f;
    QTest::newRow("DE PayPal empty") << DE << false << "" << 0.7854f;
    QTest::newRow("UK PayPal 0") << UK << false << "0" << 0.5305f;
    QTest::newRow("UK PayPal -100") << UK << false << "-100" << 0.5305f;
    QTest::newRow("DE PayPal 999999.99") << DE << false << "999999.99" << 1000000.0f;
    QTest::newRow("US PayPal 2") << US << false << "2" << 0.0f;
    QTest::newRow("CA Billpoint 1.5") << CA << true << "1.5" << 1.5f;
    QTest::newRow("CA Billpoint empty") << CA << true << "" << 1.317f;
    QTest::newRow("UK Billpoint 0.6") << UK << true << "0.6" << 0.6f;
    QTest::newRow("US Billpoint 2") << US << true << "2" << 0.0f;
}

void TestPaymentFees::rateLeftInSchedule()
{
    QFETCH(qint32, site);
    QFETCH(bool, billpoint);
    QFETCH(QString, rate);
    QFETCH(float, stored);

    CAuctionSite schedule;
    schedule.setSite(site);
    schedule.setConversionRate(3.0f);  // an earlier rate, to be replaced (ignored on the US site)
    CPaymentService payment;
    payment.setSite(&schedule);
    if (billpoint)
        payment.BillpointFee(inLocale("50"), false, true, false, inLocale(rate));
    else
        payment.PayPalFee(inLocale("50"), false, true, inLocale(rate), false);
    QCOMPARE(schedule.ConversionRate(), stored);
}

void TestPaymentFees::changeOfSiteAppliesToNextComputation()
{
    CAuctionSite schedule;
    CPaymentService payment;
    payment.setSite(&schedule);

    schedule.setSite(DE);
    QCOMPARE(payment.PayPalFee(inLocale("0"), false, true, inLocale("0.8"), false), inLocale("0.240000009536743"));
    schedule.setSite(UK);
    QCOMPARE(payment.PayPalFee(inLocale("0"), false, true, QString(), false), inLocale("0.159150004386902"));
    QCOMPARE(schedule.ConversionRate(), 0.5305f);
    // Each site keeps its own rate.
    schedule.setSite(DE);
    QCOMPARE(schedule.ConversionRate(), 0.8f);
    schedule.setSite(US);
    QCOMPARE(payment.PayPalFee(inLocale("0"), false, true, inLocale("0.8"), false), inLocale("0.300000011920929"));
}

QTEST_GUILESS_MAIN(TestPaymentFees)
#include "tst_paymentfees.moc"
