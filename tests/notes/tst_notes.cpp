#include "CAuctionSite.h"
#include "CNotes.h"
#include "LanguageResources.h"
#include "Localization.h"
#include "TestLocales.h"

#include <QMap>
#include <QSet>
#include <QTest>

// The summaries are compared character for character against texts written out here: labels,
// blanks, "GBP " and the CR LF line ends included.

namespace {

enum class Kind { Regular, Dutch, Payment };

// Texts of a stand-in language library by id.
using LabelTexts = QMap<qint32, QString>;

const QString Rule = QStringLiteral("--------------------------------------------------\r\n");

CAuctionSite siteOf(qint32 code)
{
    CAuctionSite site;
    site.setSite(code);
    return site;
}

// One summary of the given kind with a fixed set of figures (those of the worked examples).
QString addSummary(CNotes &notes, Kind kind, const CAuctionSite &site)
{
    switch (kind) {
    case Kind::Regular:
        return notes.AddToNotesRegular(true, QStringLiteral("50.00"), QStringLiteral("1.10"), QStringLiteral("0.00"),
                                       true, QStringLiteral("75.00"), QStringLiteral("3.28"), QStringLiteral("4.38"),
                                       site);
    case Kind::Dutch:
        return notes.AddToNotesDutch(QStringLiteral("10"), QStringLiteral("1.00"), QStringLiteral("0.00"),
                                     QStringLiteral("6"), QStringLiteral("2.50"), QStringLiteral("15.00"),
                                     QStringLiteral("1.20"), QStringLiteral("0.20"), site);
    case Kind::Payment:
        return notes.AddToNotesPayment(QStringLiteral("100.00"), QStringLiteral("3.25"), site);
    }
    return QString();
}

// The second line of a summary: the one that carries the number.
QString numberedLine(const QString &summary)
{
    const QStringList lines = summary.split(QStringLiteral("\r\n"));
    return lines.size() > 1 ? lines.at(1) : QString();
}

// A language library with a few texts of its own. Ids it lacks fail as "resource not found";
// an id mapped to an empty text answers with the empty text. With echoIds every id answers
// "[id]", which shows which id each label was looked up by.
class FakeResources : public clsResources
{
public:
    LabelTexts texts;
    bool echoIds = false;
    QList<qint32> requestedIds;

    QString GetResourceString(qint32 &ResourceIndex) override
    {
        requestedIds.append(ResourceIndex);
        if (echoIds)
            return QStringLiteral("[%1]").arg(ResourceIndex);
        const auto found = texts.constFind(ResourceIndex);
        if (found == texts.constEnd())
            throw ResourceError{ResourceError::ResourceNotFound, QStringLiteral("Resource with identifier not found")};
        return *found;
    }
};

} // namespace

Q_DECLARE_METATYPE(Kind)

class TestNotes : public QObject
{
    Q_OBJECT

private:
    QStringList libraryErrors;

private Q_SLOTS:
    void initTestCase_data() { addLocaleRows(); }
    void init();
    void cleanup();

    void workedExamples();
    void summariesAppendWithTwoRulesBetween();

    void numberingRunsAcrossKinds_data();
    void numberingRunsAcrossKinds();
    void everyWindowCountsForItself();
    void numberingContinuesAfterKeptNotes_data();
    void numberingContinuesAfterKeptNotes();

    void currencyPrefix_data();
    void currencyPrefix();

    void startLabelAndSoldFlag_data();
    void startLabelAndSoldFlag();

    void figuresAreCopiedUnchanged_data();
    void figuresAreCopiedUnchanged();

    void labelsInTheLibraryLanguage_data();
    void labelsInTheLibraryLanguage();
    void everyLabelIsLookedUpByItsId_data();
    void everyLabelIsLookedUpByItsId();
};

void TestNotes::init()
{
    applyLocaleRow();
    libraryErrors.clear();
    setLocalizationErrorHandler([this](const QString &description) { libraryErrors.append(description); });
    QVERIFY(LanguageResources() == nullptr);
}

void TestNotes::cleanup()
{
    setLanguageResources(nullptr);
    setLocalizationErrorHandler(nullptr);
}

// ---- The three worked examples, in the order a window would make them ----

void TestNotes::workedExamples()
{
    CNotes notes;

    const QString single = notes.AddToNotesRegular(true, QStringLiteral("50.00"), QStringLiteral("1.10"),
                                                   QStringLiteral("0.00"), true, QStringLiteral("75.00"),
                                                   QStringLiteral("3.28"), QStringLiteral("4.38"), siteOf(1));
    QCOMPARE(single,
             QStringLiteral("--------------------------------------------------\r\n"
                            "1. REGULAR AUCTION:  Reserve Price: $50.00    Item Sold?: Y    Closing Bid: $75.00\r\n"
                            "Listing Fee: $1.10    Extra Features Fees: $0.00    Final Value Fee: $3.28\r\n"
                            "TOTAL FEES: $4.38\r\n"
                            "--------------------------------------------------\r\n"));

    const QString multiple = notes.AddToNotesDutch(QStringLiteral("10"), QStringLiteral("1.00"), QStringLiteral("0.00"),
                                                   QStringLiteral("6"), QStringLiteral("2.50"), QStringLiteral("15.00"),
                                                   QStringLiteral("1.20"), QStringLiteral("0.20"), siteOf(2));
    QCOMPARE(multiple,
             QStringLiteral("--------------------------------------------------\r\n"
                            "2. DUTCH AUCTION:      Number Offered: 10    Opening Price: GBP 1.00\r\n"
                            "Number Sold: 6    Sold at: GBP 2.50    Total Revenue: GBP 15.00\r\n"
                            "Extra Features Fees: GBP 0.00   TOTAL FEES: GBP 1.20    Fees Per Item: GBP 0.20\r\n"
                            "--------------------------------------------------\r\n"));

    const QString payment = notes.AddToNotesPayment(QStringLiteral("100.00"), QStringLiteral("3.25"), siteOf(4));
    QCOMPARE(payment,
             QStringLiteral("--------------------------------------------------\r\n"
                            "3. PAYMENT FEE:      Payment Amount: EUR100.00\r\n"
                            "PayPal Fee: EUR3.25\r\n"
                            "--------------------------------------------------\r\n"));

    // The rule is fifty hyphen-minus characters and nothing else; lines end in CR LF only.
    const QString rule = payment.left(payment.indexOf(QLatin1Char('\r')));
    QCOMPARE(rule.size(), 50);
    QCOMPARE(rule.count(QLatin1Char('-')), 50);
    for (const QString &text : {single, multiple, payment}) {
        QCOMPARE(text.count(QLatin1Char('\n')), text.count(QStringLiteral("\r\n")));
        QCOMPARE(text.count(QLatin1Char('\r')), text.count(QStringLiteral("\r\n")));
    }
}

void TestNotes::summariesAppendWithTwoRulesBetween()
{
    CNotes notes;
    const CAuctionSite site = siteOf(1);
    QString text = addSummary(notes, Kind::Payment, site);
    text += addSummary(notes, Kind::Regular, site);
    QVERIFY(text.startsWith(Rule));
    QVERIFY(text.endsWith(Rule));
    QVERIFY(text.contains(QStringLiteral("PayPal Fee: $3.25\r\n") + Rule + Rule
                          + QStringLiteral("2. REGULAR AUCTION:  ")));
}

// ---- Numbering ----

void TestNotes::numberingRunsAcrossKinds_data()
{
    // R, D, P: a summary of that kind; "|": ResetCounter.
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QStringList>("numbers");

    const auto numbers = [](const char *text) { return QString::fromLatin1(text).split(QLatin1Char(' ')); };
    QTest::newRow("one of each kind") << QStringLiteral("RDP") << numbers("1 2 3");
    QTest::newRow("one kind again and again") << QStringLiteral("PPPP") << numbers("1 2 3 4");
    QTest::newRow("mixed, into two digits") << QStringLiteral("DPRRPDDPRRDP")
                                            << numbers("1 2 3 4 5 6 7 8 9 10 11 12");
    QTest::newRow("reset goes back to 1") << QStringLiteral("RDP|DR") << numbers("1 2 3 1 2");
    QTest::newRow("reset before the first") << QStringLiteral("|P") << numbers("1");
    QTest::newRow("reset twice") << QStringLiteral("R||R") << numbers("1 1");
}

void TestNotes::numberingRunsAcrossKinds()
{
    QFETCH(QString, steps);
    QFETCH(QStringList, numbers);

    CNotes notes;
    const CAuctionSite site = siteOf(3);
    QStringList seen;
    for (const QChar step : steps) {
        if (step == QLatin1Char('|')) {
            notes.ResetCounter();
            continue;
        }
        const Kind kind = step == QLatin1Char('R') ? Kind::Regular
                        : step == QLatin1Char('D') ? Kind::Dutch
                                                   : Kind::Payment;
        const QString heading = kind == Kind::Regular ? QStringLiteral(". REGULAR AUCTION:  Reserve Price: ")
                              : kind == Kind::Dutch   ? QStringLiteral(". DUTCH AUCTION:      Number Offered: ")
                                                      : QStringLiteral(". PAYMENT FEE:      Payment Amount: ");
        const QString line = numberedLine(addSummary(notes, kind, site));
        const qsizetype dot = line.indexOf(QLatin1Char('.'));
        QVERIFY2(dot > 0, qPrintable(line));
        // No padding: the line starts with the digits, then ". " and the heading.
        QVERIFY2(line.mid(dot).startsWith(heading), qPrintable(line));
        seen.append(line.left(dot));
    }
    QCOMPARE(seen, numbers);
}

void TestNotes::everyWindowCountsForItself()
{
    CNotes first;
    CNotes second;
    const CAuctionSite site = siteOf(1);
    QVERIFY(numberedLine(addSummary(first, Kind::Regular, site)).startsWith(QStringLiteral("1. ")));
    QVERIFY(numberedLine(addSummary(first, Kind::Dutch, site)).startsWith(QStringLiteral("2. ")));
    QVERIFY(numberedLine(addSummary(second, Kind::Payment, site)).startsWith(QStringLiteral("1. ")));
    QVERIFY(numberedLine(addSummary(first, Kind::Payment, site)).startsWith(QStringLiteral("3. ")));
}

// A summary of the given kind that carries the number n, as a window makes it.
static QString summaryNumbered(Kind kind, int n)
{
    CNotes notes;
    const CAuctionSite site = siteOf(1);
    QString summary;
    for (int i = 0; i < n; ++i)
        summary = addSummary(notes, kind, site);
    return summary;
}

void TestNotes::numberingContinuesAfterKeptNotes_data()
{
    QTest::addColumn<QString>("kept");
    // Summaries the window made before the kept notes came back.
    QTest::addColumn<int>("before");
    QTest::addColumn<QString>("next");

    const QString rule = QStringLiteral("--------------------------------------------------");
    QTest::newRow("nothing kept") << QString() << 0 << "1";
    QTest::newRow("one summary") << summaryNumbered(Kind::Regular, 1) << 0 << "2";
    QTest::newRow("the highest is not the last")
        << summaryNumbered(Kind::Dutch, 7) + summaryNumbered(Kind::Payment, 3) << 0 << "8";
    QTest::newRow("two digits") << summaryNumbered(Kind::Payment, 12) + summaryNumbered(Kind::Payment, 9) << 0 << "13";
    // A summary added straight after the user's text starts on the text's line.
    QTest::newRow("after the user's text") << QStringLiteral("Grüße an Jörg ") + summaryNumbered(Kind::Payment, 5)
                                           << 0 << "6";
    QTest::newRow("the user's own numbered list")
        << QStringLiteral("1. Briefmarken\r\n12. Pakete wiegen\r\n") << 0 << "1";
    QTest::newRow("own list and a summary")
        << QStringLiteral("40. Punkt\r\n") + summaryNumbered(Kind::Dutch, 2) << 0 << "3";
    // Line ends of a file edited elsewhere.
    QTest::newRow("lone line feeds")
        << summaryNumbered(Kind::Regular, 4).replace(QStringLiteral("\r\n"), QStringLiteral("\n")) << 0 << "5";
    QTest::newRow("no blank after the point") << rule + QStringLiteral("\r\n5.PAYMENT\r\n") << 0 << "1";
    QTest::newRow("more digits than a window counts")
        << rule + QStringLiteral("\r\n1234567890. PAYMENT FEE:  \r\n") << 0 << "1";
    QTest::newRow("the window has counted further") << summaryNumbered(Kind::Regular, 2) << 9 << "10";
}

void TestNotes::numberingContinuesAfterKeptNotes()
{
    QFETCH(QString, kept);
    QFETCH(int, before);
    QFETCH(QString, next);

    CNotes notes;
    const CAuctionSite site = siteOf(1);
    for (int i = 0; i < before; ++i)
        addSummary(notes, Kind::Payment, site);
    notes.ContinueNumberingAfter(kept);
    const QString line = numberedLine(addSummary(notes, Kind::Payment, site));
    QVERIFY2(line.startsWith(next + QStringLiteral(". PAYMENT FEE:  ")), qPrintable(line));
}

// ---- Currency ----

void TestNotes::currencyPrefix_data()
{
    QTest::addColumn<qint32>("site");
    QTest::addColumn<QString>("prefix");

    QTest::newRow("1 eBay.com") << 1 << QStringLiteral("$");
    QTest::newRow("2 eBay UK, with a blank") << 2 << QStringLiteral("GBP ");
    QTest::newRow("3 eBay Canada") << 3 << QStringLiteral("C$");
    QTest::newRow("4 eBay Germany") << 4 << QStringLiteral("EUR");
    QTest::newRow("0 no site") << 0 << QString();
    QTest::newRow("5 out of range") << 5 << QString();
    QTest::newRow("-1 out of range") << -1 << QString();
}

void TestNotes::currencyPrefix()
{
    QFETCH(qint32, site);
    QFETCH(QString, prefix);

    // "~" marks every place where the currency text goes; the counts 10 and 6 carry none.
    const QString regular = QStringLiteral(
        "--------------------------------------------------\r\n"
        "1. REGULAR AUCTION:  Reserve Price: ~50.00    Item Sold?: Y    Closing Bid: ~75.00\r\n"
        "Listing Fee: ~1.10    Extra Features Fees: ~0.00    Final Value Fee: ~3.28\r\n"
        "TOTAL FEES: ~4.38\r\n"
        "--------------------------------------------------\r\n");
    const QString dutch = QStringLiteral(
        "--------------------------------------------------\r\n"
        "2. DUTCH AUCTION:      Number Offered: 10    Opening Price: ~1.00\r\n"
        "Number Sold: 6    Sold at: ~2.50    Total Revenue: ~15.00\r\n"
        "Extra Features Fees: ~0.00   TOTAL FEES: ~1.20    Fees Per Item: ~0.20\r\n"
        "--------------------------------------------------\r\n");
    const QString payment = QStringLiteral(
        "--------------------------------------------------\r\n"
        "3. PAYMENT FEE:      Payment Amount: ~100.00\r\n"
        "PayPal Fee: ~3.25\r\n"
        "--------------------------------------------------\r\n");

    CNotes notes;
    const CAuctionSite auctionSite = siteOf(site);
    QCOMPARE(addSummary(notes, Kind::Regular, auctionSite), QString(regular).replace(QLatin1Char('~'), prefix));
    QCOMPARE(addSummary(notes, Kind::Dutch, auctionSite), QString(dutch).replace(QLatin1Char('~'), prefix));
    QCOMPARE(addSummary(notes, Kind::Payment, auctionSite), QString(payment).replace(QLatin1Char('~'), prefix));
}

// ---- Start-price label and sold flag ----

void TestNotes::startLabelAndSoldFlag_data()
{
    QTest::addColumn<bool>("reserve");
    QTest::addColumn<bool>("sold");
    QTest::addColumn<QString>("line");

    QTest::newRow("reserve, sold")
        << true << true
        << QStringLiteral("1. REGULAR AUCTION:  Reserve Price: C$20.00    Item Sold?: Y    Closing Bid: C$31.00");
    QTest::newRow("reserve, not sold")
        << true << false
        << QStringLiteral("1. REGULAR AUCTION:  Reserve Price: C$20.00    Item Sold?: N    Closing Bid: C$31.00");
    QTest::newRow("no reserve, sold")
        << false << true
        << QStringLiteral("1. REGULAR AUCTION:  Opening Bid: C$20.00    Item Sold?: Y    Closing Bid: C$31.00");
    QTest::newRow("no reserve, not sold")
        << false << false
        << QStringLiteral("1. REGULAR AUCTION:  Opening Bid: C$20.00    Item Sold?: N    Closing Bid: C$31.00");
}

void TestNotes::startLabelAndSoldFlag()
{
    QFETCH(bool, reserve);
    QFETCH(bool, sold);
    QFETCH(QString, line);

    CNotes notes;
    const QString text = notes.AddToNotesRegular(reserve, QStringLiteral("20.00"), QStringLiteral("0.55"),
                                                 QStringLiteral("0.10"), sold, QStringLiteral("31.00"),
                                                 QStringLiteral("1.65"), QStringLiteral("2.30"), siteOf(3));
    QCOMPARE(text, Rule + line + QStringLiteral("\r\n")
                       + QStringLiteral("Listing Fee: C$0.55    Extra Features Fees: C$0.10    Final Value Fee: C$1.65\r\n"
                                        "TOTAL FEES: C$2.30\r\n")
                       + Rule);
}

// ---- Figures are text and are not checked ----

void TestNotes::figuresAreCopiedUnchanged_data()
{
    QTest::addColumn<QString>("figure");
    QTest::addColumn<bool>("localeForm");

    QTest::newRow("empty") << QString() << false;
    QTest::newRow("not a number") << QStringLiteral("abc") << false;
    QTest::newRow("thousands separators") << QStringLiteral("1,234.50") << false;
    QTest::newRow("comma decimals") << QStringLiteral("12,5") << false;
    QTest::newRow("blanks kept") << QStringLiteral(" 7 ") << false;
    QTest::newRow("negative") << QStringLiteral("-0.5") << false;
    QTest::newRow("exponent") << QStringLiteral("1e3") << false;
    QTest::newRow("currency sign") << QStringLiteral("\u20AC3") << false;
    QTest::newRow("as the field shows it") << QStringLiteral("1234.50") << true;
}

void TestNotes::figuresAreCopiedUnchanged()
{
    QFETCH(QString, figure);
    QFETCH(bool, localeForm);
    const QString f = localeForm ? inLocale(figure) : figure;

    CNotes notes;
    const CAuctionSite uk = siteOf(2);
    QCOMPARE(notes.AddToNotesPayment(f, f, uk),
             Rule + QStringLiteral("1. PAYMENT FEE:      Payment Amount: GBP ") + f
                 + QStringLiteral("\r\nPayPal Fee: GBP ") + f + QStringLiteral("\r\n") + Rule);

    QCOMPARE(notes.AddToNotesDutch(f, f, f, f, f, f, f, f, uk),
             Rule + QStringLiteral("2. DUTCH AUCTION:      Number Offered: ") + f
                 + QStringLiteral("    Opening Price: GBP ") + f + QStringLiteral("\r\nNumber Sold: ") + f
                 + QStringLiteral("    Sold at: GBP ") + f + QStringLiteral("    Total Revenue: GBP ") + f
                 + QStringLiteral("\r\nExtra Features Fees: GBP ") + f + QStringLiteral("   TOTAL FEES: GBP ") + f
                 + QStringLiteral("    Fees Per Item: GBP ") + f + QStringLiteral("\r\n") + Rule);

    const CAuctionSite none = siteOf(0);
    QCOMPARE(notes.AddToNotesRegular(false, f, f, f, false, f, f, f, none),
             Rule + QStringLiteral("3. REGULAR AUCTION:  Opening Bid: ") + f + QStringLiteral("    Item Sold?: N")
                 + QStringLiteral("    Closing Bid: ") + f + QStringLiteral("\r\nListing Fee: ") + f
                 + QStringLiteral("    Extra Features Fees: ") + f + QStringLiteral("    Final Value Fee: ") + f
                 + QStringLiteral("\r\nTOTAL FEES: ") + f + QStringLiteral("\r\n") + Rule);
}

// ---- Labels in the running language ----

void TestNotes::labelsInTheLibraryLanguage_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<bool>("sold");
    QTest::addColumn<LabelTexts>("library");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QList<qint32>>("askedIds");

    // Only some ids have a text of their own; the others are missing from the library and come
    // out in English.
    LabelTexts german;
    german.insert(636, QStringLiteral("J"));
    german.insert(637, QStringLiteral("N"));
    german.insert(638, QStringLiteral("REGULÄRE AUKTION:  "));
    german.insert(645, QStringLiteral("POWERAUKTION:  "));

    QTest::newRow("single item, sold")
        << Kind::Regular << true << german
        << QStringLiteral("--------------------------------------------------\r\n"
                          "1. REGULÄRE AUKTION:  Reserve Price: EUR50.00    Item Sold?: J    Closing Bid: EUR75.00\r\n"
                          "Listing Fee: EUR1.10    Extra Features Fees: EUR0.00    Final Value Fee: EUR3.28\r\n"
                          "TOTAL FEES: EUR4.38\r\n"
                          "--------------------------------------------------\r\n")
        << QList<qint32>{638, 634, 639, 636, 640, 641, 642, 643, 644};
    QTest::newRow("single item, not sold")
        << Kind::Regular << false << german
        << QStringLiteral("--------------------------------------------------\r\n"
                          "1. REGULÄRE AUKTION:  Reserve Price: EUR50.00    Item Sold?: N    Closing Bid: EUR75.00\r\n"
                          "Listing Fee: EUR1.10    Extra Features Fees: EUR0.00    Final Value Fee: EUR3.28\r\n"
                          "TOTAL FEES: EUR4.38\r\n"
                          "--------------------------------------------------\r\n")
        << QList<qint32>{638, 634, 639, 637, 640, 641, 642, 643, 644};
    QTest::newRow("multiple items")
        << Kind::Dutch << true << german
        << QStringLiteral("--------------------------------------------------\r\n"
                          "1. POWERAUKTION:      Number Offered: 10    Opening Price: EUR1.00\r\n"
                          "Number Sold: 6    Sold at: EUR2.50    Total Revenue: EUR15.00\r\n"
                          "Extra Features Fees: EUR0.00   TOTAL FEES: EUR1.20    Fees Per Item: EUR0.20\r\n"
                          "--------------------------------------------------\r\n")
        << QList<qint32>{645, 646, 647, 648, 649, 650, 651, 652, 653};
    QTest::newRow("payment, none of its ids in the library")
        << Kind::Payment << true << german
        << QStringLiteral("--------------------------------------------------\r\n"
                          "1. PAYMENT FEE:      Payment Amount: EUR100.00\r\n"
                          "PayPal Fee: EUR3.25\r\n"
                          "--------------------------------------------------\r\n")
        << QList<qint32>{654, 655, 656};

    // A library that answers an empty text leaves the English one in place.
    LabelTexts emptyAnswers;
    emptyAnswers.insert(654, QString());
    emptyAnswers.insert(655, QStringLiteral("Zahlungsbetrag: "));
    emptyAnswers.insert(656, QString());
    QTest::newRow("payment, empty answers")
        << Kind::Payment << true << emptyAnswers
        << QStringLiteral("--------------------------------------------------\r\n"
                          "1. PAYMENT FEE:      Zahlungsbetrag: EUR100.00\r\n"
                          "PayPal Fee: EUR3.25\r\n"
                          "--------------------------------------------------\r\n")
        << QList<qint32>{654, 655, 656};
}

void TestNotes::labelsInTheLibraryLanguage()
{
    QFETCH(Kind, kind);
    QFETCH(bool, sold);
    QFETCH(LabelTexts, library);
    QFETCH(QString, expected);
    QFETCH(QList<qint32>, askedIds);

    FakeResources resources;
    resources.texts = library;
    setLanguageResources(&resources);

    CNotes notes;
    const CAuctionSite site = siteOf(4);
    const QString text = kind == Kind::Regular
        ? notes.AddToNotesRegular(true, QStringLiteral("50.00"), QStringLiteral("1.10"), QStringLiteral("0.00"), sold,
                                  QStringLiteral("75.00"), QStringLiteral("3.28"), QStringLiteral("4.38"), site)
        : addSummary(notes, kind, site);
    QCOMPARE(text, expected);

    // The library was asked for every label, including those it lacks.
    const QSet<qint32> asked(resources.requestedIds.cbegin(), resources.requestedIds.cend());
    for (const qint32 id : askedIds)
        QVERIFY2(asked.contains(id), qPrintable(QString::number(id)));
    QVERIFY(libraryErrors.isEmpty());
}

void TestNotes::everyLabelIsLookedUpByItsId_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<bool>("flags");
    QTest::addColumn<QString>("expected");

    QTest::newRow("single item, reserve, sold")
        << Kind::Regular << true
        << QStringLiteral("--------------------------------------------------\r\n"
                          "1. [638][634]$50.00    [639][636]    [640]$75.00\r\n"
                          "[641]$1.10    [642]$0.00    [643]$3.28\r\n"
                          "[644]$4.38\r\n"
                          "--------------------------------------------------\r\n");
    QTest::newRow("single item, no reserve, not sold")
        << Kind::Regular << false
        << QStringLiteral("--------------------------------------------------\r\n"
                          "1. [638][635]$50.00    [639][637]    [640]$75.00\r\n"
                          "[641]$1.10    [642]$0.00    [643]$3.28\r\n"
                          "[644]$4.38\r\n"
                          "--------------------------------------------------\r\n");
    QTest::newRow("multiple items")
        << Kind::Dutch << true
        << QStringLiteral("--------------------------------------------------\r\n"
                          "1. [645]    [646]10    [647]$1.00\r\n"
                          "[648]6    [649]$2.50    [650]$15.00\r\n"
                          "[651]$0.00   [652]$1.20    [653]$0.20\r\n"
                          "--------------------------------------------------\r\n");
    QTest::newRow("payment")
        << Kind::Payment << true
        << QStringLiteral("--------------------------------------------------\r\n"
                          "1. [654]    [655]$100.00\r\n"
                          "[656]$3.25\r\n"
                          "--------------------------------------------------\r\n");
}

void TestNotes::everyLabelIsLookedUpByItsId()
{
    QFETCH(Kind, kind);
    QFETCH(bool, flags);
    QFETCH(QString, expected);

    FakeResources resources;
    resources.echoIds = true;
    setLanguageResources(&resources);

    CNotes notes;
    const CAuctionSite site = siteOf(1);
    const QString text = kind == Kind::Regular
        ? notes.AddToNotesRegular(flags, QStringLiteral("50.00"), QStringLiteral("1.10"), QStringLiteral("0.00"), flags,
                                  QStringLiteral("75.00"), QStringLiteral("3.28"), QStringLiteral("4.38"), site)
        : addSummary(notes, kind, site);
    QCOMPARE(text, expected);
    QVERIFY(libraryErrors.isEmpty());
}

QTEST_MAIN(TestNotes)
#include "tst_notes.moc"
