// Bad input everywhere texts enter the engine: the readings and every calculator entry point,
// on every site. Nothing may crash or throw; money results keep the "0.00" pattern, plain
// results stay numbers (or "N/A"), and a text that is not a number counts as 0.

#include "CAuctionSite.h"
#include "CDutchAuction.h"
#include "CPaymentService.h"
#include "CRegularAuction.h"
#include "ListingOptions.h"
#include "MoneyValue.h"
#include "NumberText.h"
#include "TestLocales.h"

#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr qint64 LargestCount = std::numeric_limits<qint64>::max();

bool isMoneyText(const QString &text)
{
    static const QRegularExpression point(QStringLiteral("^-?[0-9]+\\.[0-9][0-9]$"));
    static const QRegularExpression comma(QStringLiteral("^-?[0-9]+,[0-9][0-9]$"));
    return (QLocale().decimalPoint() == QLatin1String(",") ? comma : point).match(text).hasMatch();
}

// Digits, at most one decimal point with digits after it, no exponent, no separators.
bool isPlainText(const QString &text)
{
    static const QRegularExpression point(QStringLiteral("^-?[0-9]+(\\.[0-9]+)?$"));
    static const QRegularExpression comma(QStringLiteral("^-?[0-9]+(,[0-9]+)?$"));
    return (QLocale().decimalPoint() == QLatin1String(",") ? comma : point).match(text).hasMatch();
}

#define VERIFY_MONEY_TEXT(text)                                                                            \
    QVERIFY2(isMoneyText(text), qPrintable(QStringLiteral("not a money text: \"%1\"").arg(text)))
#define VERIFY_NUMBER_TEXT(text)                                                                           \
    QVERIFY2(isPlainText(text) && IsNumericText(text),                                                     \
             qPrintable(QStringLiteral("not a plain number: \"%1\"").arg(text)))

const QList<qint32> AllSites{CAuctionSite::NoSite, CAuctionSite::UnitedStates, CAuctionSite::UnitedKingdom,
                             CAuctionSite::Canada, CAuctionSite::Germany};

// Flag combinations of a call: bit i of the mask is flag i.
bool flag(int mask, int bit)
{
    return (mask >> bit) & 1;
}

} // namespace

class TestBadInput : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase_data() { addLocaleRows(); }
    void init() { applyLocaleRow(); }

    void readings_data();
    void readings();
    void regularAuction_data();
    void regularAuction();
    void dutchAuction_data();
    void dutchAuction();
    void paymentService_data();
    void paymentService();

    void extraFeaturesWithChoicesOutOfRange();
    void textsOfSpecialBinaryValues();
    void longTextsReadAsExpected();
};

namespace {

// Stands for the decimal point of the current format in the rows, which are made before any
// format is chosen.
constexpr QChar DecimalPointMark(0x00B7);

QString fetchedText()
{
    QFETCH(QString, text);
    return QString(text).replace(DecimalPointMark, QLocale().decimalPoint().front());
}

void addBadTexts()
{
    QTest::addColumn<QString>("text");

    const QString longNumber = QStringLiteral("1234567890").repeated(500);
    QTest::newRow("empty") << QString();
    QTest::newRow("letters") << QStringLiteral("abc");
    QTest::newRow("digits then letters") << QStringLiteral("12abc");
    QTest::newRow("negative") << QStringLiteral("-5");
    QTest::newRow("1e400") << QStringLiteral("1e400");
    QTest::newRow("-1e400") << QStringLiteral("-1e400");
    QTest::newRow("1e-400") << QStringLiteral("1e-400");
    QTest::newRow("NaN") << QStringLiteral("NaN");
    QTest::newRow("inf") << QStringLiteral("inf");
    QTest::newRow("-Infinity") << QStringLiteral("-Infinity");
    QTest::newRow("5,000 digits") << longNumber;
    QTest::newRow("-5,000 digits") << QLatin1Char('-') + longNumber;
    QTest::newRow("5,000 digits after the point") << QStringLiteral("0") + DecimalPointMark + longNumber;
    QTest::newRow("5,000 nines after the point") << QStringLiteral("0") + DecimalPointMark + QString(5000, QLatin1Char('9'));
    QTest::newRow("lone dollar") << QStringLiteral("$");
    QTest::newRow("two dollars") << QStringLiteral("$$");
    QTest::newRow("lone point") << QStringLiteral(".");
    QTest::newRow("lone comma") << QStringLiteral(",");
    QTest::newRow("lone minus") << QStringLiteral("-");
    QTest::newRow("lone plus") << QStringLiteral("+");
    QTest::newRow("two signs") << QStringLiteral("+-");
    QTest::newRow("blank") << QStringLiteral(" ");
    QTest::newRow("whitespace") << QStringLiteral(" \t\r\n ");
    QTest::newRow("no-break space") << QString(QChar(0x00A0));
    QTest::newRow("NUL") << QString(QChar(0));
    QTest::newRow("NUL inside digits") << QStringLiteral("1") + QChar(0) + QStringLiteral("2");
    QTest::newRow("Arabic-Indic digits") << QString::fromUtf8("\u0661\u0662\u0663");
    QTest::newRow("full-width digits") << QString::fromUtf8("\uFF11\uFF12\uFF13");
    QTest::newRow("Devanagari digits") << QString::fromUtf8("\u0967\u0968");
    QTest::newRow("superscript two") << QString::fromUtf8("\u00B2");
    QTest::newRow("emoji") << QString::fromUtf8("\U0001F4B0");
    QTest::newRow("unpaired surrogate") << QString(QChar(0xD800)) + QStringLiteral("5");
    QTest::newRow("Unicode minus") << QString::fromUtf8("\u22125");
    QTest::newRow("huge exponent") << QStringLiteral("1e99999999999");
    QTest::newRow("huge negative exponent") << QStringLiteral("1e-99999999999");
    QTest::newRow("zero with a huge exponent") << QStringLiteral("0e99999999999");
    QTest::newRow("5,000-digit exponent") << QStringLiteral("1e") + longNumber;
    QTest::newRow("exponent alone") << QStringLiteral("e5");
    QTest::newRow("400 nines") << QString(400, QLatin1Char('9'));
    QTest::newRow("largest single and more") << QStringLiteral("3.5e38");
    QTest::newRow("negative largest single and more") << QStringLiteral("-3.5e38");
    QTest::newRow("largest double") << QStringLiteral("1") + DecimalPointMark + QStringLiteral("7976931348623157e308");
    QTest::newRow("beyond 32 bits") << QStringLiteral("2147483648");
    QTest::newRow("beyond 64 bits") << QStringLiteral("99999999999999999999");
    QTest::newRow("beyond 16 bits") << QStringLiteral("32768");
    QTest::newRow("negative count") << QStringLiteral("-32769");
    QTest::newRow("two points") << QStringLiteral("1.2.3");
    QTest::newRow("two commas") << QStringLiteral("1,,0");
    QTest::newRow("hexadecimal float") << QStringLiteral("0x1p3");
    QTest::newRow("underscores") << QStringLiteral("1_000");
    QTest::newRow("currency then blank") << QStringLiteral("$ 5");
}

// Every entry point answers a text that is not a number as it answers "0".
QString zeroText()
{
    return QStringLiteral("0");
}

} // namespace

void TestBadInput::readings_data()
{
    addBadTexts();
}

void TestBadInput::readings()
{
    const QString text = fetchedText();

    const bool numeric = IsNumericText(text);
    const double leading = LeadingNumber(text);
    QVERIFY(std::isfinite(leading));
    const MoneyValue money = MoneyFromText(text);
    const float single = SingleFromText(text);
    const double dbl = DoubleFromText(text);
    const qint16 whole16 = WholeNumber16FromText(text);
    const qint32 whole32 = WholeNumber32FromText(text);
    const QString reformatted = ReformatAsMoney(text);

    QVERIFY(std::isfinite(single));
    QVERIFY(std::isfinite(dbl));
    if (!numeric) {
        QCOMPARE(money.tenThousandths(), qint64(0));
        QVERIFY(single == 0.0f);
        QVERIFY(dbl == 0.0);
        QCOMPARE(whole16, qint16(0));
        QCOMPARE(whole32, 0);
        QCOMPARE(reformatted, text);
    } else {
        VERIFY_MONEY_TEXT(reformatted);
        QVERIFY((single < 0) == (dbl < 0) || single == 0);
        QVERIFY((whole32 < 0) == (dbl < 0) || whole32 == 0);
    }

    VERIFY_MONEY_TEXT(MoneyText(money));
    VERIFY_MONEY_TEXT(MoneyText(single));
    VERIFY_MONEY_TEXT(MoneyText(dbl));
    VERIFY_NUMBER_TEXT(PlainText(money));
    VERIFY_NUMBER_TEXT(PlainText(single));
    // The 15 digits of the largest doubles may pass the top of the range; the form still holds.
    const QString doubleText = PlainText(dbl);
    QVERIFY2(isPlainText(doubleText), qPrintable(doubleText));
    if (std::abs(dbl) < 1e308)
        QVERIFY(IsNumericText(doubleText));
}

void TestBadInput::regularAuction_data()
{
    addBadTexts();
}

void TestBadInput::regularAuction()
{
    const QString text = fetchedText();
    const bool numeric = IsNumericText(text);
    CAuctionSite site;
    CRegularAuction auction;
    auction.setSite(&site);

    for (qint32 code : AllSites) {
        site.setSite(code);
        // A plain listing reads a non-number as 0, which no tier holds.
        if (!numeric) {
            QCOMPARE(auction.InsertionFee(text, false, false, false, false, false, 0), inLocale(QStringLiteral("0.00")));
            QCOMPARE(auction.FVF(text, false, false, false, false), inLocale(QStringLiteral("0.00")));
        }
        for (int mask = 0; mask < 32; ++mask) {
            for (qint32 realEstateType : {-1, 0, 3, 4, std::numeric_limits<qint32>::max()}) {
                const QString fee = auction.InsertionFee(text, flag(mask, 0), flag(mask, 1), flag(mask, 2), flag(mask, 3),
                                                         flag(mask, 4), realEstateType);
                VERIFY_MONEY_TEXT(fee);
                if (!numeric)
                    QCOMPARE(fee, auction.InsertionFee(zeroText(), flag(mask, 0), flag(mask, 1), flag(mask, 2),
                                                       flag(mask, 3), flag(mask, 4), realEstateType));
            }
        }
        for (int mask = 0; mask < 16; ++mask) {
            const QString fee = auction.FVF(text, flag(mask, 0), flag(mask, 1), flag(mask, 2), flag(mask, 3));
            VERIFY_MONEY_TEXT(fee);
            if (!numeric)
                QCOMPARE(fee, auction.FVF(zeroText(), flag(mask, 0), flag(mask, 1), flag(mask, 2), flag(mask, 3)));
        }
        for (int mask = 0; mask < 4; ++mask) {
            const QString fee = auction.ReserveFee(text, flag(mask, 0), flag(mask, 1));
            VERIFY_NUMBER_TEXT(fee);
            if (!numeric)
                QCOMPARE(fee, auction.ReserveFee(zeroText(), flag(mask, 0), flag(mask, 1)));
        }
    }
}

void TestBadInput::dutchAuction_data()
{
    addBadTexts();
}

void TestBadInput::dutchAuction()
{
    const QString text = fetchedText();
    const bool numeric = IsNumericText(text);
    CAuctionSite site;
    CDutchAuction auction;
    auction.setSite(&site);
    const QList<QString> countTexts{text, QString(), QStringLiteral("abc"), QStringLiteral("-5"),
                                    QStringLiteral("40000"), QStringLiteral("1e400"), QStringLiteral("7")};

    for (qint32 code : AllSites) {
        site.setSite(code);
        for (qint16 items : {qint16(-32768), qint16(-1), qint16(0), qint16(1), qint16(2), qint16(32767)}) {
            for (bool twoCategories : {false, true}) {
                const QString fee = auction.InsertionFee(text, items, twoCategories);
                VERIFY_NUMBER_TEXT(fee);
                if (!numeric) {
                    QCOMPARE(fee, auction.InsertionFee(zeroText(), items, twoCategories));
                    QCOMPARE(fee, QStringLiteral("0"));
                }
            }
        }
        for (const QString &sold : countTexts) {
            const QString fee = auction.FVF(text, sold);
            VERIFY_MONEY_TEXT(fee);
            if (!numeric)
                QCOMPARE(fee, inLocale(QStringLiteral("0.00")));
            // The text as the number of items sold counts as its leading number, within the
            // lot's range: "12abc" sells 12, "abc" none, "1e400" the largest lot.
            const QString bySold = auction.FVF(inLocale(QStringLiteral("12.5")), text);
            VERIFY_MONEY_TEXT(bySold);
            const qint32 leadingCount = std::clamp(LeadingWholeNumber(text), -CDutchAuction::MaxItemCount,
                                                   CDutchAuction::MaxItemCount);
            QCOMPARE(bySold, auction.FVF(inLocale(QStringLiteral("12.5")), QString::number(leadingCount)));
        }
        ListingOptions everything;
        everything.TwoCategories = everything.FeaturedPlus = everything.HomePageFeatured = everything.Gallery = true;
        everything.GalleryFeatured = everything.Bold = everything.Highlight = everything.GiftIcon = true;
        everything.TenDayAuction = everything.ExtraPictures = everything.Supersize = everything.Slideshow = true;
        everything.Scheduled = everything.ListingDesigner = everything.Subtitle = everything.Motors = true;
        for (qint32 choice : {-1, 0, 5, 6, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max()}) {
            everything.ExtraPicturesChoice = choice;
            for (qint32 offered : {std::numeric_limits<qint32>::min(), -1, 0, 1, 32767, std::numeric_limits<qint32>::max()})
                QVERIFY(std::isfinite(auction.ExtraFeaturesTotal(everything, offered)));
        }
    }
}

void TestBadInput::paymentService_data()
{
    addBadTexts();
}

void TestBadInput::paymentService()
{
    const QString text = fetchedText();
    const bool numeric = IsNumericText(text);
    CAuctionSite site;
    CPaymentService service;
    service.setSite(&site);
    const QList<QString> rateTexts{QString(),  QStringLiteral("abc"),     QStringLiteral("-5"),
                                   QStringLiteral("0"), QStringLiteral("1e38"), QStringLiteral("1e400"),
                                   QStringLiteral("-1e308"), QStringLiteral("999999"), text};

    for (qint32 code : AllSites) {
        site.setSite(code);
        for (const QString &rate : rateTexts) {
            const bool rateUsable = CPaymentService::IsUsableRateText(rate);
            for (int mask = 0; mask < 8; ++mask) {
                const QString payPal = service.PayPalFee(text, flag(mask, 0), flag(mask, 1), rate, flag(mask, 2));
                VERIFY_NUMBER_TEXT(payPal);
                if (!numeric)
                    QCOMPARE(payPal, service.PayPalFee(zeroText(), flag(mask, 0), flag(mask, 1), rate, flag(mask, 2)));
                // A rate that is no usable rate is the site's own rate, as an empty one is; no rate
                // makes a fee on a payment not below 0 negative.
                if (!rateUsable)
                    QCOMPARE(payPal, service.PayPalFee(text, flag(mask, 0), flag(mask, 1), QString(), flag(mask, 2)));
                if (LeadingNumber(text) >= 0)
                    QVERIFY2(!payPal.startsWith(QLatin1Char('-')), qPrintable(payPal));

                const QString billpoint = service.BillpointFee(text, flag(mask, 0), flag(mask, 1), flag(mask, 2), rate);
                if (billpoint != QLatin1String("N/A"))
                    VERIFY_NUMBER_TEXT(billpoint);
                if (!numeric)
                    QCOMPARE(billpoint, service.BillpointFee(zeroText(), flag(mask, 0), flag(mask, 1), flag(mask, 2), rate));
                if (!rateUsable)
                    QCOMPARE(billpoint, service.BillpointFee(text, flag(mask, 0), flag(mask, 1), flag(mask, 2), QString()));
            }
        }
    }
}

void TestBadInput::extraFeaturesWithChoicesOutOfRange()
{
    CAuctionSite site;
    CRegularAuction auction;
    auction.setSite(&site);
    for (qint32 code : AllSites) {
        site.setSite(code);
        for (qint32 choice : {-1, 0, 5, 6, 99, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max()}) {
            for (int mask = 0; mask < 4; ++mask) {
                ListingOptions options;
                options.ExtraPicturesChoice = choice;
                options.ExtraPictures = flag(mask, 0);
                options.TwoCategories = options.FeaturedPlus = options.HomePageFeatured = flag(mask, 1);
                options.Gallery = options.GalleryFeatured = options.Bold = options.Highlight = flag(mask, 1);
                options.GiftIcon = options.BuyItNow = options.TenDayAuction = options.Supersize = flag(mask, 1);
                options.Slideshow = options.Scheduled = options.ListingDesigner = options.Subtitle = flag(mask, 1);
                options.Motors = options.Vehicle = flag(mask, 0) && flag(mask, 1);
                VERIFY_MONEY_TEXT(auction.ExtraFeaturesFee(options));
            }
        }
    }
    // Without any schedule every calculator answers as site 0 does.
    QCOMPARE(CRegularAuction().InsertionFee(QStringLiteral("abc"), false, false, false, false, false, 0),
             inLocale(QStringLiteral("0.00")));
    QCOMPARE(CDutchAuction().FVF(QStringLiteral("abc"), QStringLiteral("abc")), inLocale(QStringLiteral("0.00")));
    VERIFY_NUMBER_TEXT(CPaymentService().PayPalFee(QStringLiteral("abc"), false, false, QStringLiteral("abc"), true));
}

// Not-a-number, infinities and the ends of every range still give well-formed texts.
void TestBadInput::textsOfSpecialBinaryValues()
{
    constexpr float singleNaN = std::numeric_limits<float>::quiet_NaN();
    constexpr float singleInfinity = std::numeric_limits<float>::infinity();
    constexpr double doubleNaN = std::numeric_limits<double>::quiet_NaN();
    constexpr double doubleInfinity = std::numeric_limits<double>::infinity();

    for (float value : {singleNaN, singleInfinity, -singleInfinity, std::numeric_limits<float>::denorm_min(),
                        std::numeric_limits<float>::max(), std::numeric_limits<float>::lowest()}) {
        VERIFY_MONEY_TEXT(MoneyText(value));
        QVERIFY(isPlainText(PlainText(value)));
        QVERIFY(std::isfinite(WidenSingle(value)) || std::isnan(value));
        const MoneyValue money = MoneyValue::fromSingle(value);
        VERIFY_MONEY_TEXT(MoneyText(money));
    }
    for (double value : {doubleNaN, doubleInfinity, -doubleInfinity, std::numeric_limits<double>::denorm_min(),
                         std::numeric_limits<double>::max(), std::numeric_limits<double>::lowest()}) {
        VERIFY_MONEY_TEXT(MoneyText(value));
        QVERIFY(isPlainText(PlainText(value)));
        VERIFY_MONEY_TEXT(MoneyText(MoneyValue::fromDouble(value)));
    }
    for (qint64 count : {LargestCount, -LargestCount, std::numeric_limits<qint64>::min()}) {
        const MoneyValue money = MoneyValue::fromTenThousandths(count);
        VERIFY_MONEY_TEXT(MoneyText(money));
        VERIFY_NUMBER_TEXT(PlainText(money));
        VERIFY_MONEY_TEXT(MoneyText(money + money));
        VERIFY_MONEY_TEXT(MoneyText(money.times(std::numeric_limits<qint64>::min())));
        QVERIFY(std::isfinite(money.toSingle()));
    }
}

void TestBadInput::longTextsReadAsExpected()
{
    const QString point = inLocale(QStringLiteral("0."));
    const QString thirds = point + QString(5000, QLatin1Char('3'));
    QVERIFY(IsNumericText(thirds));
    QCOMPARE(MoneyFromText(thirds).tenThousandths(), qint64(3333));
    QVERIFY(SingleFromText(thirds) == 1.0f / 3.0f);
    QVERIFY(DoubleFromText(thirds) == 1.0 / 3.0);
    QVERIFY(LeadingNumber(thirds) == 1.0 / 3.0);
    QCOMPARE(ReformatAsMoney(thirds), inLocale(QStringLiteral("0.33")));

    // 0.999… to 5,000 places rounds up at every precision.
    const QString nines = point + QString(5000, QLatin1Char('9'));
    QCOMPARE(MoneyFromText(nines).tenThousandths(), qint64(10000));
    QVERIFY(SingleFromText(nines) == 1.0f);
    QCOMPARE(ReformatAsMoney(nines), inLocale(QStringLiteral("1.00")));

    // A 5,000-digit whole number is far beyond a double: not a number, and it reads as 0.
    const QString longNumber = QStringLiteral("1234567890").repeated(500);
    QVERIFY(!IsNumericText(longNumber));
    QCOMPARE(MoneyFromText(longNumber).tenThousandths(), qint64(0));
    QVERIFY(LeadingNumber(longNumber) > 0);

    // 5,000 zeros before the first digit: a number, and too small for any of the readings.
    const QString tiny = point + QString(5000, QLatin1Char('0')) + QLatin1Char('1');
    QVERIFY(IsNumericText(tiny));
    QCOMPARE(MoneyFromText(tiny).tenThousandths(), qint64(0));
    QVERIFY(DoubleFromText(tiny) == 0.0);
    QCOMPARE(ReformatAsMoney(tiny), inLocale(QStringLiteral("0.00")));

    // 300 whole digits: inside a double, far beyond a single and the money range.
    const QString wide = QStringLiteral("1") + QString(299, QLatin1Char('0'));
    QVERIFY(IsNumericText(wide));
    QVERIFY(DoubleFromText(wide) == 1e299);
    QVERIFY(SingleFromText(wide) == std::numeric_limits<float>::max());
    QCOMPARE(MoneyFromText(wide).tenThousandths(), LargestCount);
    QCOMPARE(WholeNumber16FromText(wide), qint16(32767));
    QCOMPARE(WholeNumber32FromText(QLatin1Char('-') + wide), std::numeric_limits<qint32>::min());
}

QTEST_GUILESS_MAIN(TestBadInput)
#include "tst_badinput.moc"
