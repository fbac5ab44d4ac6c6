#include "EnglishStringTable.h"
#include "LanguageResources.h"
#include "Localization.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <stdexcept>

namespace {

// Lines written to the localisation log category while a test runs.
struct LogLine
{
    QtMsgType type;
    QString text;
};
QList<LogLine> capturedLines;
QtMessageHandler previousHandler = nullptr;

void captureMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (context.category && qstrcmp(context.category, "calvextra.localization") == 0) {
        capturedLines.append({type, message});
        return;
    }
    if (previousHandler)
        previousHandler(type, context, message);
}

QStringList capturedTexts()
{
    QStringList texts;
    for (const LogLine &line : capturedLines)
        texts.append(line.text);
    return texts;
}

// What the stand-in language library does when asked for a text.
enum class Answer { Text, Throw326, ThrowResourceError, ThrowStdException, ThrowUnknown };

class FakeResources : public clsResources
{
public:
    Answer answer = Answer::Text;
    QString text;
    qint32 errorNumber = 0;
    QString errorDescription;

    QList<qint32> requestedIds;

    QString GetResourceString(qint32 &ResourceIndex) override
    {
        requestedIds.append(ResourceIndex);
        switch (answer) {
        case Answer::Text:
            return text;
        case Answer::Throw326:
            throw ResourceError{ResourceError::ResourceNotFound, u"Resource with identifier not found"_qs};
        case Answer::ThrowResourceError:
            throw ResourceError{errorNumber, errorDescription};
        case Answer::ThrowStdException:
            throw std::runtime_error(errorDescription.toStdString());
        case Answer::ThrowUnknown:
            throw 42;
        }
        return text;
    }
};

QList<qint32> expectedEnglishIds()
{
    QList<qint32> ids;
    const auto addRange = [&ids](qint32 first, qint32 last) {
        for (qint32 id = first; id <= last; ++id)
            ids.append(id);
    };
    addRange(201, 228);
    addRange(230, 377);
    addRange(382, 465);
    addRange(470, 470);
    addRange(505, 505);
    addRange(601, 606);
    addRange(608, 656);
    addRange(658, 681);
    addRange(685, 691);
    addRange(695, 700);
    // The program's own additions: the notepad file, the update check and printer, names for
    // screen readers, the settings store.
    addRange(701, 708);
    addRange(720, 726);
    addRange(740, 745);
    addRange(780, 787);
    // The Tools menu and its panels.
    addRange(800, 803);
    addRange(809, 862);
    addRange(870, 878);
    addRange(880, 882);
    addRange(5000, 5000);
    return ids;
}

} // namespace

Q_DECLARE_METATYPE(Answer)

class TestLocalization : public QObject
{
    Q_OBJECT

private:
    QStringList handledErrors;

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void englishTableHoldsExactlyTheIds();
    void englishTableEntriesAreNotEmpty();
    void englishTableKnownEntries_data();
    void englishTableKnownEntries();
    void englishTableLacksOtherIds_data();
    void englishTableLacksOtherIds();

    void taggedStringsResolveToEnglish_data();
    void taggedStringsResolveToEnglish();

    void debugLogWritesTheLine_data();
    void debugLogWritesTheLine();
    void logLocalizationPrefixesTheLine_data();
    void logLocalizationPrefixesTheLine();

    void shortTextsGiveEmptyString_data();
    void shortTextsGiveEmptyString();
    void untaggedTextIsReturnedUnchanged_data();
    void untaggedTextIsReturnedUnchanged();
    void tagDigitsAreTakenBeforeTheLastCharacter_data();
    void tagDigitsAreTakenBeforeTheLastCharacter();

    void libraryLookup_data();
    void libraryLookup();
    void libraryNotAskedForShortOrUntaggedText_data();
    void libraryNotAskedForShortOrUntaggedText();

    void unknownThrowReachesTheHandler();

    void defaultHandlerShowsMessageBox();
};

void TestLocalization::initTestCase()
{
    // The diagnostics are off unless someone turns them on.
    if (qEnvironmentVariableIsEmpty("QT_LOGGING_RULES"))
        QVERIFY(!lcLocalization().isDebugEnabled());
    QCOMPARE(QString::fromLatin1(lcLocalization().categoryName()), u"calvextra.localization"_qs);

    QLoggingCategory::setFilterRules(u"calvextra.localization.debug=true"_qs);
    QVERIFY(lcLocalization().isDebugEnabled());
    previousHandler = qInstallMessageHandler(captureMessage);
    QVERIFY(LanguageResources() == nullptr);
}

void TestLocalization::init()
{
    capturedLines.clear();
    handledErrors.clear();
    setLocalizationErrorHandler([this](const QString &description) { handledErrors.append(description); });
}

void TestLocalization::cleanup()
{
    setLanguageResources(nullptr);
    setLocalizationErrorHandler(nullptr);
}

void TestLocalization::cleanupTestCase()
{
    qInstallMessageHandler(previousHandler);
    QLoggingCategory::setFilterRules(QString());
}

// ---- The program's own English table ----

void TestLocalization::englishTableHoldsExactlyTheIds()
{
    QList<qint32> ids = EnglishStringIds();
    QCOMPARE(ids.size(), expectedEnglishIds().size());
    std::sort(ids.begin(), ids.end());
    QVERIFY(std::adjacent_find(ids.begin(), ids.end()) == ids.end());
    QCOMPARE(ids, expectedEnglishIds());
}

void TestLocalization::englishTableEntriesAreNotEmpty()
{
    for (const qint32 id : expectedEnglishIds()) {
        const QString text = EnglishString(id);
        QVERIFY2(!text.isEmpty(), qPrintable(u"id %1 has no text"_qs.arg(id)));
    }
}

void TestLocalization::englishTableKnownEntries_data()
{
    QTest::addColumn<qint32>("id");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("endingOnly");

    QTest::newRow("410 no tag uses it") << 410 << u"Creighters and Freighters"_qs << false;
    QTest::newRow("669 ending") << 669 << u"please visit us at:"_qs << true;
    QTest::newRow("5000 product name") << 5000 << u"Calvextra"_qs << false;
    QTest::newRow("636") << 636 << u"Y"_qs << false;
    QTest::newRow("637") << 637 << u"N"_qs << false;
    QTest::newRow("638 two trailing blanks") << 638 << u"REGULAR AUCTION:  "_qs << false;
    QTest::newRow("667 trailing blank") << 667 << u"Page "_qs << false;
}

void TestLocalization::englishTableKnownEntries()
{
    QFETCH(qint32, id);
    QFETCH(QString, expected);
    QFETCH(bool, endingOnly);
    const QString text = EnglishString(id);
    if (endingOnly) {
        QVERIFY2(text.endsWith(expected), qPrintable(text));
        QVERIFY(text.size() > expected.size());
    } else {
        QCOMPARE(text, expected);
    }
}

void TestLocalization::englishTableLacksOtherIds_data()
{
    QTest::addColumn<qint32>("id");

    // The ids on either side of every range of the table, and a few far outside.
    const qint32 outside[] = {0, -1, 1, 200, 229, 378, 379, 380, 381, 466, 469, 471, 504, 506, 600,
                              607, 657, 682, 684, 692, 694, 709, 719, 727, 739, 746, 779, 788,
                              799, 804, 808, 863, 869, 879, 883, 900, 999, 4999, 5001, 9999};
    for (const qint32 id : outside)
        QTest::newRow(qPrintable(QString::number(id))) << id;
}

void TestLocalization::englishTableLacksOtherIds()
{
    QFETCH(qint32, id);
    QVERIFY(EnglishString(id).isNull());
}

// ---- Every tag of the program resolves to its English text ----

void TestLocalization::taggedStringsResolveToEnglish_data()
{
    QTest::addColumn<QString>("tagged");
    QTest::addColumn<QString>("expected");

    QTest::newRow("0201") << u"Check for product updates<0201>"_qs << u"Check for product updates"_qs;
    QTest::newRow("0202") << u"Brontolux<0202>"_qs << u"Brontolux"_qs;
    QTest::newRow("0203") << u"Calvextra<0203>"_qs << u"Calvextra"_qs;
    QTest::newRow("0204") << u"Check for Updates<0204>"_qs << u"Check for Updates"_qs;
    QTest::newRow("0205") << u"Do Not Check<0205>"_qs << u"Do Not Check"_qs;
    QTest::newRow("0211") << u"&Send Error<0211>"_qs << u"&Send Error"_qs;
    QTest::newRow("0212") << u"&Continue<0212>"_qs << u"&Continue"_qs;
    QTest::newRow("0213") << u"An error has occured in this application.  The application has returned the following information about this error:<0213>"_qs << u"An error has occured in this application.  The application has returned the following information about this error:"_qs;
    QTest::newRow("0227") << u"OK<0227>"_qs << u"OK"_qs;
    QTest::newRow("0228") << u"&System Info...<0228>"_qs << u"&System Info..."_qs;
    QTest::newRow("0231") << u"Calvextra - Calculate Your eBay Auction Fees<0231>"_qs << u"Calvextra - Calculate Your eBay Auction Fees"_qs;
    QTest::newRow("0232") << u"print<0232>"_qs << u"print"_qs;
    QTest::newRow("0233") << u"Print the contents of the notepad.<0233>"_qs << u"Print the contents of the notepad."_qs;
    QTest::newRow("0234") << u"copy<0234>"_qs << u"copy"_qs;
    QTest::newRow("0235") << u"Copy the contents of the notepad.<0235>"_qs << u"Copy the contents of the notepad."_qs;
    QTest::newRow("0236") << u"clear<0236>"_qs << u"clear"_qs;
    QTest::newRow("0237") << u"Clear the notepad of all text.<0237>"_qs << u"Clear the notepad of all text."_qs;
    QTest::newRow("0238") << u"view notepad<0238>"_qs << u"view notepad"_qs;
    QTest::newRow("0239") << u"Click to expand or collapse this window to view or hide the notepad.<0239>"_qs << u"Click to expand or collapse this window to view or hide the notepad."_qs;
    QTest::newRow("0240") << u"&Single Item<0240>"_qs << u"&Single Item"_qs;
    QTest::newRow("0241") << u"&Mutiple Items<0241>"_qs << u"&Mutiple Items"_qs;
    QTest::newRow("0242") << u"&Payment Services<0242>"_qs << u"&Payment Services"_qs;
    QTest::newRow("0243") << u"&Shipping <0243>"_qs << u"&Shipping "_qs;
    QTest::newRow("0244") << u"Fees charged on a per-item-sold basis.<0244>"_qs << u"Fees charged on a per-item-sold basis."_qs;
    QTest::newRow("0245") << u"Add to Notepad<0245>"_qs << u"Add to Notepad"_qs;
    QTest::newRow("0246") << u"Add the entries on this tab to the notepad below.<0246>"_qs << u"Add the entries on this tab to the notepad below."_qs;
    QTest::newRow("0247") << u"Add to Notepad<0247>"_qs << u"Add to Notepad"_qs;
    QTest::newRow("0248") << u"Add the figures from this calculation to the notepad below.<0248>"_qs << u"Add the figures from this calculation to the notepad below."_qs;
    QTest::newRow("0249") << u"Add to Notepad<0249>"_qs << u"Add to Notepad"_qs;
    QTest::newRow("0250") << u"Add the information from this calculation to the notepad below.<0250>"_qs << u"Add the information from this calculation to the notepad below."_qs;
    QTest::newRow("0251") << u"Item Did Not Sell<0251>"_qs << u"Item Did Not Sell"_qs;
    QTest::newRow("0252") << u"Check this box if your item did not sell, i.e it did not get any bids or did not meet the posted reserve.<0252>"_qs << u"Check this box if your item did not sell, i.e it did not get any bids or did not meet the posted reserve."_qs;
    QTest::newRow("0253") << u"This box shows the commission you pay to eBay, based on the final sales price (for most items).<0253>"_qs << u"This box shows the commission you pay to eBay, based on the final sales price (for most items)."_qs;
    QTest::newRow("0254") << u"Clear All<0254>"_qs << u"Clear All"_qs;
    QTest::newRow("0255") << u"Click here to clear all entries.<0255>"_qs << u"Click here to clear all entries."_qs;
    QTest::newRow("0256") << u"Click here to calculate your total fees.<0256>"_qs << u"Click here to calculate your total fees."_qs;
    QTest::newRow("0257") << u"Payment Amount<0257>"_qs << u"Payment Amount"_qs;
    QTest::newRow("0258") << u"Enter the exchange rate for this currency.  Used to calculate certain payment service fees.<0258>"_qs << u"Enter the exchange rate for this currency.  Used to calculate certain payment service fees."_qs;
    QTest::newRow("0259") << u"Enter the amount you are receiving.<0259>"_qs << u"Enter the amount you are receiving."_qs;
    QTest::newRow("0260") << u"Check Rates<0260>"_qs << u"Check Rates"_qs;
    QTest::newRow("0261") << u"Calculate<0261>"_qs << u"Calculate"_qs;
    QTest::newRow("0262") << u"Click to open a web browser to a currency converter page.<0262>"_qs << u"Click to open a web browser to a currency converter page."_qs;
    QTest::newRow("0263") << u"One US$ =<0263>"_qs << u"One US$ ="_qs;
    QTest::newRow("0264") << u"US$<0264>"_qs << u"US$"_qs;
    QTest::newRow("0265") << u"US$<0265>"_qs << u"US$"_qs;
    QTest::newRow("0266") << u"Payment Amount:<0266>"_qs << u"Payment Amount:"_qs;
    QTest::newRow("0267") << u"PayPal Premier or Business Account<0267>"_qs << u"PayPal Premier or Business Account"_qs;
    QTest::newRow("0268") << u"Note:  Standard PayPal accounts are free.  These fees only apply to PayPal Premium accounts.<0268>"_qs << u"Note:  Standard PayPal accounts are free.  These fees only apply to PayPal Premium accounts."_qs;
    QTest::newRow("0269") << u"Buyer outside USA<0269>"_qs << u"Buyer outside USA"_qs;
    QTest::newRow("0270") << u"Was the buyer International?<0270>"_qs << u"Was the buyer International?"_qs;
    QTest::newRow("0271") << u"Account Type<0271>"_qs << u"Account Type"_qs;
    QTest::newRow("0272") << u"Merchant Rate<0272>"_qs << u"Merchant Rate"_qs;
    QTest::newRow("0273") << u"Merchant Account (available to high-volume sellers)<0273>"_qs << u"Merchant Account (available to high-volume sellers)"_qs;
    QTest::newRow("0274") << u"Standard Rate<0274>"_qs << u"Standard Rate"_qs;
    QTest::newRow("0275") << u"Standard Business or Premier Account (available to all sellers)<0275>"_qs << u"Standard Business or Premier Account (available to all sellers)"_qs;
    QTest::newRow("0276") << u"Payment Type<0276>"_qs << u"Payment Type"_qs;
    QTest::newRow("0277") << u"All Other Payments<0277>"_qs << u"All Other Payments"_qs;
    QTest::newRow("0278") << u"Choose this option if the buyer is paying by credit card.<0278>"_qs << u"Choose this option if the buyer is paying by credit card."_qs;
    QTest::newRow("0279") << u"eCheck Payment<0279>"_qs << u"eCheck Payment"_qs;
    QTest::newRow("0280") << u"Choose this option if the buyer is paying out of an existing account balance or by electronic check.<0280>"_qs << u"Choose this option if the buyer is paying out of an existing account balance or by electronic check."_qs;
    QTest::newRow("0281") << u"Your total PayPal fee for this transaction.<0281>"_qs << u"Your total PayPal fee for this transaction."_qs;
    QTest::newRow("0282") << u"US$<0282>"_qs << u"US$"_qs;
    QTest::newRow("0283") << u"PayPal Fee:<0283>"_qs << u"PayPal Fee:"_qs;
    QTest::newRow("0284") << u"Total sales for this Dutch auction.<0284>"_qs << u"Total sales for this Dutch auction."_qs;
    QTest::newRow("0285") << u"Clear All<0285>"_qs << u"Clear All"_qs;
    QTest::newRow("0286") << u"Click here to clear all entries on this tab.<0286>"_qs << u"Click here to clear all entries on this tab."_qs;
    QTest::newRow("0287") << u"Calculate<0287>"_qs << u"Calculate"_qs;
    QTest::newRow("0288") << u"Click here to calculate your total eBay fees for this Dutch auction.<0288>"_qs << u"Click here to calculate your total eBay fees for this Dutch auction."_qs;
    QTest::newRow("0289") << u"Your total eBay fees for this Dutch auction.<0289>"_qs << u"Your total eBay fees for this Dutch auction."_qs;
    QTest::newRow("0290") << u"Enter the lowest sucessful bid placed on one of the items.<0290>"_qs << u"Enter the lowest sucessful bid placed on one of the items."_qs;
    QTest::newRow("0291") << u"Enter the number of items that received bids.<0291>"_qs << u"Enter the number of items that received bids."_qs;
    QTest::newRow("0292") << u"Extra Listing Features<0292>"_qs << u"Extra Listing Features"_qs;
    QTest::newRow("0293") << u"Scheduled Listing<0293>"_qs << u"Scheduled Listing"_qs;
    QTest::newRow("0296") << u"Extra Pictures<0296>"_qs << u"Extra Pictures"_qs;
    QTest::newRow("0297") << u"For users of eBay Picture Services who use more than one photo.<0297>"_qs << u"For users of eBay Picture Services who use more than one photo."_qs;
    QTest::newRow("0298") << u"Choose the number of extra photos used (beyond the free one).<0298>"_qs << u"Choose the number of extra photos used (beyond the free one)."_qs;
    QTest::newRow("0299") << u"Supersize Picture<0299>"_qs << u"Supersize Picture"_qs;
    QTest::newRow("0300") << u"For eBay Picture Services photos that can be enlarged to 800 x 600.  One price for all photos.<0300>"_qs << u"For eBay Picture Services photos that can be enlarged to 800 x 600.  One price for all photos."_qs;
    QTest::newRow("0301") << u"Slideshow<0301>"_qs << u"Slideshow"_qs;
    QTest::newRow("0302") << u"eBay Picture Services slideshow.<0302>"_qs << u"eBay Picture Services slideshow."_qs;
    QTest::newRow("0303") << u"Ten Day Auction<0303>"_qs << u"Ten Day Auction"_qs;
    QTest::newRow("0304") << u"Check this box if you list your item for ten days.<0304>"_qs << u"Check this box if you list your item for ten days."_qs;
    QTest::newRow("0305") << u"Gift Services<0305>"_qs << u"Gift Services"_qs;
    QTest::newRow("0306") << u"Check this box if you added a gift icon.<0306>"_qs << u"Check this box if you added a gift icon."_qs;
    QTest::newRow("0307") << u"Bold<0307>"_qs << u"Bold"_qs;
    QTest::newRow("0308") << u"Check this box if your listing was in bold text.<0308>"_qs << u"Check this box if your listing was in bold text."_qs;
    QTest::newRow("0309") << u"Highlight<0309>"_qs << u"Highlight"_qs;
    QTest::newRow("0310") << u"Check this box if your listing was highlighted.<0310>"_qs << u"Check this box if your listing was highlighted."_qs;
    QTest::newRow("0311") << u"Gallery Featured<0311>"_qs << u"Gallery Featured"_qs;
    QTest::newRow("0312") << u"Featured in the Gallery section.<0312>"_qs << u"Featured in the Gallery section."_qs;
    QTest::newRow("0313") << u"Gallery<0313>"_qs << u"Gallery"_qs;
    QTest::newRow("0314") << u"A picture of the item appears in the Gallery section.<0314>"_qs << u"A picture of the item appears in the Gallery section."_qs;
    QTest::newRow("0315") << u"Home Page Featured<0315>"_qs << u"Home Page Featured"_qs;
    QTest::newRow("0316") << u"Featured on the eBay home page.<0316>"_qs << u"Featured on the eBay home page."_qs;
    QTest::newRow("0317") << u"Featured Plus<0317>"_qs << u"Featured Plus"_qs;
    QTest::newRow("0318") << u"Also known as 'Featured Category' - placed at the top of the listings in a category.<0318>"_qs << u"Also known as 'Featured Category' - placed at the top of the listings in a category."_qs;
    QTest::newRow("0319") << u"US$<0319>"_qs << u"US$"_qs;
    QTest::newRow("0320") << u"Extra Features:<0320>"_qs << u"Extra Features:"_qs;
    QTest::newRow("0321") << u"Items Offered<0321>"_qs << u"Items Offered"_qs;
    QTest::newRow("0322") << u"eBay Motors item (no vehicles)<0322>"_qs << u"eBay Motors item (no vehicles)"_qs;
    QTest::newRow("0323") << u"Choose this option if you placed your item on the eBay Motors site.<0323>"_qs << u"Choose this option if you placed your item on the eBay Motors site."_qs;
    QTest::newRow("0324") << u"Enter the opening bid for the items.<0324>"_qs << u"Enter the opening bid for the items."_qs;
    QTest::newRow("0325") << u"Enter the number of items offered.<0325>"_qs << u"Enter the number of items offered."_qs;
    QTest::newRow("0326") << u"US$<0326>"_qs << u"US$"_qs;
    QTest::newRow("0327") << u"Opening Bid:<0327>"_qs << u"Opening Bid:"_qs;
    QTest::newRow("0328") << u"No. of Items:<0328>"_qs << u"No. of Items:"_qs;
    QTest::newRow("0329") << u"Calculate<0329>"_qs << u"Calculate"_qs;
    QTest::newRow("0330") << u"Click here to calculate your total eBay fees for listing this item.<0330>"_qs << u"Click here to calculate your total eBay fees for listing this item."_qs;
    QTest::newRow("0331") << u"Clear All<0331>"_qs << u"Clear All"_qs;
    QTest::newRow("0332") << u"Click here to clear all entries.<0332>"_qs << u"Click here to clear all entries."_qs;
    QTest::newRow("0333") << u"Your total eBay fees.<0333>"_qs << u"Your total eBay fees."_qs;
    QTest::newRow("0334") << u"Enter the final sales price of your item.<0334>"_qs << u"Enter the final sales price of your item."_qs;
    QTest::newRow("0335") << u"Extra Listing Features<0335>"_qs << u"Extra Listing Features"_qs;
    QTest::newRow("0336") << u"Scheduled Listing<0336>"_qs << u"Scheduled Listing"_qs;
    QTest::newRow("0338") << u"Slideshow<0338>"_qs << u"Slideshow"_qs;
    QTest::newRow("0339") << u"eBay Picture Services slideshow.<0339>"_qs << u"eBay Picture Services slideshow."_qs;
    QTest::newRow("0340") << u"Supersize Picture<0340>"_qs << u"Supersize Picture"_qs;
    QTest::newRow("0341") << u"For eBay Picture Services photos that can be enlarged to 800 x 600.  One price for all photos.<0341>"_qs << u"For eBay Picture Services photos that can be enlarged to 800 x 600.  One price for all photos."_qs;
    QTest::newRow("0342") << u"Choose the number of extra photos used (beyond the free one).<0342>"_qs << u"Choose the number of extra photos used (beyond the free one)."_qs;
    QTest::newRow("0343") << u"Extra Pictures<0343>"_qs << u"Extra Pictures"_qs;
    QTest::newRow("0344") << u"For users of eBay Picture Services who use more than one photo.<0344>"_qs << u"For users of eBay Picture Services who use more than one photo."_qs;
    QTest::newRow("0345") << u"Buy it Now<0345>"_qs << u"Buy it Now"_qs;
    QTest::newRow("0346") << u"Your item can be purchased immediately at a prespecified flat rate.<0346>"_qs << u"Your item can be purchased immediately at a prespecified flat rate."_qs;
    QTest::newRow("0347") << u"Shows the total cost of all extra listing fetures.<0347>"_qs << u"Shows the total cost of all extra listing fetures."_qs;
    QTest::newRow("0348") << u"Ten Day Auction<0348>"_qs << u"Ten Day Auction"_qs;
    QTest::newRow("0349") << u"Item ran for 10-days, the longest available auction length.<0349>"_qs << u"Item ran for 10-days, the longest available auction length."_qs;
    QTest::newRow("0350") << u"Two Categories<0350>"_qs << u"Two Categories"_qs;
    QTest::newRow("0351") << u"Check this box if you listed your item in two categories.<0351>"_qs << u"Check this box if you listed your item in two categories."_qs;
    QTest::newRow("0352") << u"Featured Plus<0352>"_qs << u"Featured Plus"_qs;
    QTest::newRow("0353") << u"Also known as 'Featured Category' - placed at the top of the listings in a category.<0353>"_qs << u"Also known as 'Featured Category' - placed at the top of the listings in a category."_qs;
    QTest::newRow("0354") << u"Home Page Featured<0354>"_qs << u"Home Page Featured"_qs;
    QTest::newRow("0355") << u"Featured on the eBay home page.<0355>"_qs << u"Featured on the eBay home page."_qs;
    QTest::newRow("0356") << u"Gallery<0356>"_qs << u"Gallery"_qs;
    QTest::newRow("0357") << u"A photo of the item appears in the gallery.<0357>"_qs << u"A photo of the item appears in the gallery."_qs;
    QTest::newRow("0358") << u"Gallery Featured<0358>"_qs << u"Gallery Featured"_qs;
    QTest::newRow("0359") << u"Featured at the top of the gallery pages.<0359>"_qs << u"Featured at the top of the gallery pages."_qs;
    QTest::newRow("0360") << u"Highlight<0360>"_qs << u"Highlight"_qs;
    QTest::newRow("0361") << u"You listing is highlighted yellow, to make it stand out from other listings.<0361>"_qs << u"You listing is highlighted yellow, to make it stand out from other listings."_qs;
    QTest::newRow("0362") << u"Bold<0362>"_qs << u"Bold"_qs;
    QTest::newRow("0363") << u"Bold text in the title of your auction, which makes it stand out from others on the listings pages.<0363>"_qs << u"Bold text in the title of your auction, which makes it stand out from others on the listings pages."_qs;
    QTest::newRow("0364") << u"Gift Services<0364>"_qs << u"Gift Services"_qs;
    QTest::newRow("0365") << u"A small, often seasonally-related icon next to your auction title in the listings.<0365>"_qs << u"A small, often seasonally-related icon next to your auction title in the listings."_qs;
    QTest::newRow("0366") << u"US$<0366>"_qs << u"US$"_qs;
    QTest::newRow("0367") << u"Extra Features:<0367>"_qs << u"Extra Features:"_qs;
    QTest::newRow("0368") << u"Listing Type <0368>"_qs << u"Listing Type "_qs;
    QTest::newRow("0369") << u"Choose the type and length of your real estate auction.<0369>"_qs << u"Choose the type and length of your real estate auction."_qs;
    QTest::newRow("0370") << u"Other real estate<0370>"_qs << u"Other real estate"_qs;
    QTest::newRow("0371") << u"Choose this option for any real estate auction other than for a timeshare or land.<0371>"_qs << u"Choose this option for any real estate auction other than for a timeshare or land."_qs;
    QTest::newRow("0372") << u"Timeshare/Land<0372>"_qs << u"Timeshare/Land"_qs;
    QTest::newRow("0373") << u"Choose this option if you are selling a timeshare or land.<0373>"_qs << u"Choose this option if you are selling a timeshare or land."_qs;
    QTest::newRow("0374") << u"Other Vehicle<0374>"_qs << u"Other Vehicle"_qs;
    QTest::newRow("0375") << u"Choose this option of you listed a vehicle that was not a motorcycle.<0375>"_qs << u"Choose this option of you listed a vehicle that was not a motorcycle."_qs;
    QTest::newRow("0376") << u"Motorcycle<0376>"_qs << u"Motorcycle"_qs;
    QTest::newRow("0377") << u"Choose this option if you listed a vehicle that was a motorcycle.<0377>"_qs << u"Choose this option if you listed a vehicle that was a motorcycle."_qs;
    QTest::newRow("0382") << u"eBay Motors<0382>"_qs << u"eBay Motors"_qs;
    QTest::newRow("0383") << u"Check this box if you placed your item in eBay Motors, whether or not it is a vehicle.<0383>"_qs << u"Check this box if you placed your item in eBay Motors, whether or not it is a vehicle."_qs;
    QTest::newRow("0384") << u"Vehicle<0384>"_qs << u"Vehicle"_qs;
    QTest::newRow("0385") << u"Check this box if your item is a vehicle.<0385>"_qs << u"Check this box if your item is a vehicle."_qs;
    QTest::newRow("0386") << u"Real Estate<0386>"_qs << u"Real Estate"_qs;
    QTest::newRow("0387") << u"Check this box if you listed this item in the Real Estate catogory.<0387>"_qs << u"Check this box if you listed this item in the Real Estate catogory."_qs;
    QTest::newRow("0388") << u"Shows the basic listing cost for this item.<0388>"_qs << u"Shows the basic listing cost for this item."_qs;
    QTest::newRow("0389") << u"Enter the opening bid or reserve price of the item.<0389>"_qs << u"Enter the opening bid or reserve price of the item."_qs;
    QTest::newRow("0390") << u"US$<0390>"_qs << u"US$"_qs;
    QTest::newRow("0391") << u"US$<0391>"_qs << u"US$"_qs;
    QTest::newRow("0392") << u"Listing Fee:<0392>"_qs << u"Listing Fee:"_qs;
    QTest::newRow("0393") << u"Opening Bid:<0393>"_qs << u"Opening Bid:"_qs;
    QTest::newRow("0394") << u"US$<0394>"_qs << u"US$"_qs;
    QTest::newRow("0395") << u"Deutsche Post<0395>"_qs << u"Deutsche Post"_qs;
    QTest::newRow("0396") << u"Fees Per Item:<0396>"_qs << u"Fees Per Item:"_qs;
    QTest::newRow("0397") << u"US$<0397>"_qs << u"US$"_qs;
    QTest::newRow("0398") << u"Royal Mail<0398>"_qs << u"Royal Mail"_qs;
    QTest::newRow("0399") << u"Parcelforce Worldwide<0399>"_qs << u"Parcelforce Worldwide"_qs;
    QTest::newRow("0400") << u"DHL UK<0400>"_qs << u"DHL UK"_qs;
    QTest::newRow("0401") << u"US$<0401>"_qs << u"US$"_qs;
    QTest::newRow("0402") << u"US$<0402>"_qs << u"US$"_qs;
    QTest::newRow("0403") << u"US$<0403>"_qs << u"US$"_qs;
    QTest::newRow("0404") << u"US$<0404>"_qs << u"US$"_qs;
    QTest::newRow("0405") << u"US$<0405>"_qs << u"US$"_qs;
    QTest::newRow("0406") << u"Canada Post<0406>"_qs << u"Canada Post"_qs;
    QTest::newRow("0407") << u"Packing Services<0407>"_qs << u"Packing Services"_qs;
    QTest::newRow("0408") << u"DHL<0408>"_qs << u"DHL"_qs;
    QTest::newRow("0409") << u"Airborn Express<0409>"_qs << u"Airborn Express"_qs;
    QTest::newRow("0411") << u"Federal Express<0411>"_qs << u"Federal Express"_qs;
    QTest::newRow("0412") << u"United Parcel Service<0412>"_qs << u"United Parcel Service"_qs;
    QTest::newRow("0413") << u"United States Postal Service<0413>"_qs << u"United States Postal Service"_qs;
    QTest::newRow("0414") << u"Links to Online Shipping Cost Calculators<0414>"_qs << u"Links to Online Shipping Cost Calculators"_qs;
    QTest::newRow("0415") << u"Final Value Fees:<0415>"_qs << u"Final Value Fees:"_qs;
    QTest::newRow("0416") << u"Total Dutch Auction Sales:<0416>"_qs << u"Total Dutch Auction Sales:"_qs;
    QTest::newRow("0417") << u"Total eBay Fees:<0417>"_qs << u"Total eBay Fees:"_qs;
    QTest::newRow("0418") << u"Lowest Successful Bid:<0418>"_qs << u"Lowest Successful Bid:"_qs;
    QTest::newRow("0419") << u"No. of Items Sold:<0419>"_qs << u"No. of Items Sold:"_qs;
    QTest::newRow("0420") << u"Total eBay Fees:<0420>"_qs << u"Total eBay Fees:"_qs;
    QTest::newRow("0421") << u"Closing Bid:<0421>"_qs << u"Closing Bid:"_qs;
    QTest::newRow("0422") << u"&File<0422>"_qs << u"&File"_qs;
    QTest::newRow("0423") << u"&New Window<0423>"_qs << u"&New Window"_qs;
    QTest::newRow("0424") << u"&Print Notepad<0424>"_qs << u"&Print Notepad"_qs;
    QTest::newRow("0425") << u"E&xit<0425>"_qs << u"E&xit"_qs;
    QTest::newRow("0426") << u"&Options<0426>"_qs << u"&Options"_qs;
    QTest::newRow("0427") << u"Sa&ve Current Settings<0427>"_qs << u"Sa&ve Current Settings"_qs;
    QTest::newRow("0428") << u"&Keep on Top<0428>"_qs << u"&Keep on Top"_qs;
    QTest::newRow("0429") << u"Auction Site<0429>"_qs << u"Auction Site"_qs;
    QTest::newRow("0430") << u"eBay.com<0430>"_qs << u"eBay.com"_qs;
    QTest::newRow("0431") << u"eBay UK<0431>"_qs << u"eBay UK"_qs;
    QTest::newRow("0432") << u"eBay Canada<0432>"_qs << u"eBay Canada"_qs;
    QTest::newRow("0433") << u"eBay Germany<0433>"_qs << u"eBay Germany"_qs;
    QTest::newRow("0434") << u"&Help<0434>"_qs << u"&Help"_qs;
    QTest::newRow("0435") << u"&Contents<0435>"_qs << u"&Contents"_qs;
    QTest::newRow("0436") << u"&About<0436>"_qs << u"&About"_qs;
    QTest::newRow("0439") << u"&Brontolux Homepage<0439>"_qs << u"&Brontolux Homepage"_qs;
    QTest::newRow("0440") << u"Chec&k for Updated Version Online<0440>"_qs << u"Chec&k for Updated Version Online"_qs;
    QTest::newRow("0441") << u"&Send Feedback or Bug Report by Email<0441>"_qs << u"&Send Feedback or Bug Report by Email"_qs;
    QTest::newRow("0442") << u"&Join Brontolux Mailing List<0442>"_qs << u"&Join Brontolux Mailing List"_qs;
    QTest::newRow("0443") << u"Sour&ces<0443>"_qs << u"Sour&ces"_qs;
    QTest::newRow("0444") << u"eBay.com Fees<0444>"_qs << u"eBay.com Fees"_qs;
    QTest::newRow("0445") << u"eBay Motors Fees<0445>"_qs << u"eBay Motors Fees"_qs;
    QTest::newRow("0446") << u"eBay Canada Fees<0446>"_qs << u"eBay Canada Fees"_qs;
    QTest::newRow("0447") << u"eBay UK Fees<0447>"_qs << u"eBay UK Fees"_qs;
    QTest::newRow("0448") << u"eBay Germany Fees<0448>"_qs << u"eBay Germany Fees"_qs;
    QTest::newRow("0449") << u"eBay.com Picture Services Fees<0449>"_qs << u"eBay.com Picture Services Fees"_qs;
    QTest::newRow("0450") << u"eBay UK Picture Services Fees<0450>"_qs << u"eBay UK Picture Services Fees"_qs;
    QTest::newRow("0451") << u"eBay Canada Picture Services Fees<0451>"_qs << u"eBay Canada Picture Services Fees"_qs;
    QTest::newRow("0452") << u"eBay Germany Picture Services Fees<0452>"_qs << u"eBay Germany Picture Services Fees"_qs;
    QTest::newRow("0453") << u"PayPal US Fees<0453>"_qs << u"PayPal US Fees"_qs;
    QTest::newRow("0454") << u"PayPal International Fees<0454>"_qs << u"PayPal International Fees"_qs;
    QTest::newRow("0455") << u"eBay Payments US/Canada Fees<0455>"_qs << u"eBay Payments US/Canada Fees"_qs;
    QTest::newRow("0456") << u"eBay Payments UK Fees<0456>"_qs << u"eBay Payments UK Fees"_qs;
    QTest::newRow("0458") << u"&Update Now<0458>"_qs << u"&Update Now"_qs;
    QTest::newRow("0459") << u"Update &Later<0459>"_qs << u"Update &Later"_qs;
    QTest::newRow("0460") << u"Calvextra - Calculate eBay Auction Fees<0460>"_qs << u"Calvextra - Calculate eBay Auction Fees"_qs;
    QTest::newRow("0462") << u"Could not load the localization resources from some reason.<0462>"_qs << u"Could not load the localization resources from some reason."_qs;
    QTest::newRow("0463") << u"Error<0463>"_qs << u"Error"_qs;
    QTest::newRow("0464") << u"Languages<0464>"_qs << u"Languages"_qs;
    QTest::newRow("0465") << u"Calvextra<0465>"_qs << u"Calvextra"_qs;
    QTest::newRow("0470") << u"UPS Germany<0470>"_qs << u"UPS Germany"_qs;
    QTest::newRow("0505") << u"System Information Is Unavailable At This Time<0505>"_qs << u"System Information Is Unavailable At This Time"_qs;
    QTest::newRow("0601") << u"If this is the first time you are using Calvextra, please allow it to check the Brontolux server for updates.  This will ensure the application runs properly, and will only take a moment.<0601>"_qs << u"If this is the first time you are using Calvextra, please allow it to check the Brontolux server for updates.  This will ensure the application runs properly, and will only take a moment."_qs;
    QTest::newRow("0603") << u"Error<0603>"_qs << u"Error"_qs;
    QTest::newRow("0604") << u"Please take a moment to send this error information to the Brontolux technical support team for review.  You may also continue without sending this error to us.<0604>"_qs << u"Please take a moment to send this error information to the Brontolux technical support team for review.  You may also continue without sending this error to us."_qs;
    QTest::newRow("0610") << u"Listing Icon<0610>"_qs << u"Listing Icon"_qs;
    QTest::newRow("0611") << u"Gift Services<0611>"_qs << u"Gift Services"_qs;
    QTest::newRow("0615") << u"Gift Services<0615>"_qs << u"Gift Services"_qs;
    QTest::newRow("0616") << u"Listing Icon<0616>"_qs << u"Listing Icon"_qs;
    QTest::newRow("0617") << u"Op&ening Bid:<0617>"_qs << u"Op&ening Bid:"_qs;
    QTest::newRow("0618") << u"R&eserve Price:<0618>"_qs << u"R&eserve Price:"_qs;
    QTest::newRow("0619") << u"N/A<0619>"_qs << u"N/A"_qs;
    QTest::newRow("0620") << u"Calvextra for eBay.com<0620>"_qs << u"Calvextra for eBay.com"_qs;
    QTest::newRow("0621") << u"Buyer outside USA<0621>"_qs << u"Buyer outside USA"_qs;
    QTest::newRow("0622") << u"Calvextra for eBay Canada (items listed in C$)<0622>"_qs << u"Calvextra for eBay Canada (items listed in C$)"_qs;
    QTest::newRow("0623") << u"Buyer outside Canada/USA<0623>"_qs << u"Buyer outside Canada/USA"_qs;
    QTest::newRow("0624") << u"Calvextra for eBay UK<0624>"_qs << u"Calvextra for eBay UK"_qs;
    QTest::newRow("0625") << u"Buyer outside UK<0625>"_qs << u"Buyer outside UK"_qs;
    QTest::newRow("0626") << u"Calvextra for eBay Germany<0626>"_qs << u"Calvextra for eBay Germany"_qs;
    QTest::newRow("0627") << u"Buyer outside Germany<0627>"_qs << u"Buyer outside Germany"_qs;
    QTest::newRow("0628") << u"hide notepad<0628>"_qs << u"hide notepad"_qs;
    QTest::newRow("0629") << u"view notepad<0629>"_qs << u"view notepad"_qs;
    QTest::newRow("0630") << u"3-10 day auction<0630>"_qs << u"3-10 day auction"_qs;
    QTest::newRow("0631") << u"30-day auction<0631>"_qs << u"30-day auction"_qs;
    QTest::newRow("0632") << u"30-day ad<0632>"_qs << u"30-day ad"_qs;
    QTest::newRow("0633") << u"90-day ad<0633>"_qs << u"90-day ad"_qs;
    QTest::newRow("0634") << u"Reserve Price: <0634>"_qs << u"Reserve Price: "_qs;
    QTest::newRow("0635") << u"Opening Bid: <0635>"_qs << u"Opening Bid: "_qs;
    QTest::newRow("0636") << u"Y<0636>"_qs << u"Y"_qs;
    QTest::newRow("0637") << u"N<0637>"_qs << u"N"_qs;
    QTest::newRow("0638") << u"REGULAR AUCTION:  <0638>"_qs << u"REGULAR AUCTION:  "_qs;
    QTest::newRow("0639") << u"Item Sold?: <0639>"_qs << u"Item Sold?: "_qs;
    QTest::newRow("0640") << u"Closing Bid: <0640>"_qs << u"Closing Bid: "_qs;
    QTest::newRow("0641") << u"Listing Fee: <0641>"_qs << u"Listing Fee: "_qs;
    QTest::newRow("0642") << u"Extra Features Fees: <0642>"_qs << u"Extra Features Fees: "_qs;
    QTest::newRow("0643") << u"Final Value Fee: <0643>"_qs << u"Final Value Fee: "_qs;
    QTest::newRow("0644") << u"TOTAL FEES: <0644>"_qs << u"TOTAL FEES: "_qs;
    QTest::newRow("0645") << u"DUTCH AUCTION:  <0645>"_qs << u"DUTCH AUCTION:  "_qs;
    QTest::newRow("0646") << u"Number Offered: <0646>"_qs << u"Number Offered: "_qs;
    QTest::newRow("0647") << u"Opening Price: <0647>"_qs << u"Opening Price: "_qs;
    QTest::newRow("0648") << u"Number Sold: <0648>"_qs << u"Number Sold: "_qs;
    QTest::newRow("0649") << u"Sold at: <0649>"_qs << u"Sold at: "_qs;
    QTest::newRow("0650") << u"Total Revenue: <0650>"_qs << u"Total Revenue: "_qs;
    QTest::newRow("0651") << u"Extra Features Fees: <0651>"_qs << u"Extra Features Fees: "_qs;
    QTest::newRow("0652") << u"TOTAL FEES: <0652>"_qs << u"TOTAL FEES: "_qs;
    QTest::newRow("0653") << u"Fees Per Item: <0653>"_qs << u"Fees Per Item: "_qs;
    QTest::newRow("0654") << u"PAYMENT FEE:  <0654>"_qs << u"PAYMENT FEE:  "_qs;
    QTest::newRow("0655") << u"Payment Amount: <0655>"_qs << u"Payment Amount: "_qs;
    QTest::newRow("0656") << u"PayPal Fee: <0656>"_qs << u"PayPal Fee: "_qs;
    QTest::newRow("0661") << u"New Version Available.<0661>"_qs << u"New Version Available."_qs;
    QTest::newRow("0662") << u"A setup file will now be retrieved from the internet.<0662>"_qs << u"A setup file will now be retrieved from the internet."_qs;
    QTest::newRow("0663") << u"Please choose 'Open' when you are prompted.<0663>"_qs << u"Please choose 'Open' when you are prompted."_qs;
    QTest::newRow("0664") << u"Download update<0664>"_qs << u"Download update"_qs;
    QTest::newRow("0665") << u"Brontolux Message<0665>"_qs << u"Brontolux Message"_qs;
    QTest::newRow("0667") << u"Page <0667>"_qs << u"Page "_qs;
    QTest::newRow("0668") << u"Calvextra Notes<0668>"_qs << u"Calvextra Notes"_qs;
    QTest::newRow("0670") << u"Version <0670>"_qs << u"Version "_qs;
    QTest::newRow("0671") << u"pack<0671>"_qs << u"pack"_qs;
    QTest::newRow("0672") << u"iloxx Trust Service SAFETRADE<0672>"_qs << u"iloxx Trust Service SAFETRADE"_qs;
    QTest::newRow("0673") << u"eBay.de Dispatch Service<0673>"_qs << u"eBay.de Dispatch Service"_qs;
    QTest::newRow("0674") << u"Default<0674>"_qs << u"Default"_qs;
    QTest::newRow("0675") << u"English<0675>"_qs << u"English"_qs;
    QTest::newRow("0678") << u"Buy-it-Now Price:<0678>"_qs << u"Buy-it-Now Price:"_qs;
    QTest::newRow("0679") << u"Opening Bid:<0679>"_qs << u"Opening Bid:"_qs;
    QTest::newRow("0680") << u"Buy-it-Now Price:<0680>"_qs << u"Buy-it-Now Price:"_qs;
    QTest::newRow("0681") << u"Listing Designer<0681>"_qs << u"Listing Designer"_qs;
    QTest::newRow("0685") << u"Fixed Price<0685>"_qs << u"Fixed Price"_qs;
    QTest::newRow("0686") << u"No Reserve<0686>"_qs << u"No Reserve"_qs;
    QTest::newRow("0687") << u"Listing Designer<0687>"_qs << u"Listing Designer"_qs;
    QTest::newRow("0688") << u"Fixed-Price Listing<0688>"_qs << u"Fixed-Price Listing"_qs;
    QTest::newRow("0689") << u"Dutch Auction<0689>"_qs << u"Dutch Auction"_qs;
    QTest::newRow("0690") << u"Reserve<0690>"_qs << u"Reserve"_qs;
    QTest::newRow("0691") << u"Auction<0691>"_qs << u"Auction"_qs;
    QTest::newRow("0695") << u"US<0695>"_qs << u"US"_qs;
    QTest::newRow("0696") << u"UK<0696>"_qs << u"UK"_qs;
    QTest::newRow("0697") << u"CA<0697>"_qs << u"CA"_qs;
    QTest::newRow("0698") << u"DE<0698>"_qs << u"DE"_qs;
    QTest::newRow("0699") << u"US<0699>"_qs << u"US"_qs;
    QTest::newRow("0700") << u"Type of Listing:<0700>"_qs << u"Type of Listing:"_qs;
    QTest::newRow("5000") << u"Calvextra<5000>"_qs << u"Calvextra"_qs;
}

void TestLocalization::taggedStringsResolveToEnglish()
{
    QFETCH(QString, tagged);
    QFETCH(QString, expected);

    const qint32 id = QStringView(tagged).right(5).left(4).toInt();
    QCOMPARE(EnglishString(id), expected);
    QCOMPARE(GetLocalizedString(tagged), expected);
    // A tag that resolves is not worth a diagnostic.
    QCOMPARE(capturedTexts(), QStringList());
}

// ---- Diagnostics ----

void TestLocalization::debugLogWritesTheLine_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("plain") << u"Loaded CalvextraLang407.dll"_qs;
    QTest::newRow("trailing blanks") << u"Page  "_qs;
    QTest::newRow("quotes kept as they are") << u"say \"hi\""_qs;
    QTest::newRow("empty") << QString();
}

void TestLocalization::debugLogWritesTheLine()
{
    QFETCH(QString, text);
    DebugLog(text);
    QCOMPARE(capturedLines.size(), 1);
    QCOMPARE(capturedLines.first().type, QtDebugMsg);
    QCOMPARE(capturedLines.first().text, text);
}

void TestLocalization::logLocalizationPrefixesTheLine_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expectedLine");

    QTest::newRow("plain") << u"Missing tag for Subtitle"_qs << u"Localization:  Missing tag for Subtitle"_qs;
    QTest::newRow("trailing blank") << u"x "_qs << u"Localization:  x "_qs;
    QTest::newRow("empty") << QString() << u"Localization:  "_qs;
}

void TestLocalization::logLocalizationPrefixesTheLine()
{
    QFETCH(QString, text);
    QFETCH(QString, expectedLine);
    LogLocalization(text);
    QCOMPARE(capturedLines.size(), 1);
    QCOMPARE(capturedLines.first().type, QtDebugMsg);
    QCOMPARE(capturedLines.first().text, expectedLine);
}

// ---- The rules of the lookup ----

void TestLocalization::shortTextsGiveEmptyString_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("null") << QString();
    QTest::newRow("empty") << u""_qs;
    QTest::newRow("1 character") << u"Y"_qs;
    QTest::newRow("2 characters") << u"ab"_qs;
    QTest::newRow("3 characters") << u"abc"_qs;
    QTest::newRow("4 letters") << u"abcd"_qs;
    QTest::newRow("4 digits") << u"0636"_qs;
    QTest::newRow("4 blanks") << u"    "_qs;
}

void TestLocalization::shortTextsGiveEmptyString()
{
    QFETCH(QString, text);
    const QString result = GetLocalizedString(text);
    QVERIFY2(result.isEmpty(), qPrintable(result));
    QCOMPARE(capturedTexts(), QStringList{u"Send an empty string...by mistake"_qs});
    QCOMPARE(capturedLines.first().type, QtDebugMsg);
}

void TestLocalization::untaggedTextIsReturnedUnchanged_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("word") << u"Subtitle"_qs;
    QTest::newRow("5 letters") << u"abcde"_qs;
    QTest::newRow("sentence") << u"Add to Notepad"_qs;
    QTest::newRow("letter among the digits") << u"Item Sold?: <06a9>"_qs;
    QTest::newRow("tag one digit short") << u"Item Sold?: <063>"_qs;
    QTest::newRow("tag not at the end") << u"Y<0636> "_qs;
    QTest::newRow("trailing blanks kept") << u"Closing Bid:   "_qs;
}

void TestLocalization::untaggedTextIsReturnedUnchanged()
{
    QFETCH(QString, text);
    QCOMPARE(GetLocalizedString(text), text);
    QCOMPARE(capturedTexts(), QStringList{u"Localization:  Missing tag for "_qs + text});
}

void TestLocalization::tagDigitsAreTakenBeforeTheLastCharacter_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    // The four characters in front of the last one are the id; the brackets are not looked at.
    QTest::newRow("tagged") << u"abc<0636>"_qs << u"Y"_qs;
    QTest::newRow("digits only") << u"zz06367"_qs << u"Y"_qs;
    QTest::newRow("5 characters") << u"06369"_qs << u"Y"_qs;
    QTest::newRow("other brackets") << u"Sold [0640]"_qs << u"Closing Bid: "_qs;
    QTest::newRow("table wins over the text") << u"Something else<0639>"_qs << u"Item Sold?: "_qs;
    QTest::newRow("bare tag") << u"<0640>"_qs << u"Closing Bid: "_qs;
    QTest::newRow("no leading zero") << u"<5000>"_qs << u"Calvextra"_qs;
    QTest::newRow("410 unused by the program") << u"Creighters and Freighters<0410>"_qs
                                               << u"Creighters and Freighters"_qs;
    // An id that the table lacks shows the text in front of its six tag characters.
    QTest::newRow("unknown id") << u"Closing Bid: <1234>"_qs << u"Closing Bid: "_qs;
    QTest::newRow("unknown id in the gap") << u"Gap<0229>"_qs << u"Gap"_qs;
    QTest::newRow("unknown id, digits only") << u"x12345"_qs << u""_qs;
}

void TestLocalization::tagDigitsAreTakenBeforeTheLastCharacter()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(GetLocalizedString(text), expected);
    QCOMPARE(capturedTexts(), QStringList());
}

// ---- A language library ----

void TestLocalization::libraryLookup_data()
{
    QTest::addColumn<QString>("tagged");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<QString>("libraryText");
    QTest::addColumn<qint32>("errorNumber");
    QTest::addColumn<QString>("errorDescription");
    QTest::addColumn<qint32>("expectedId");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QStringList>("expectedErrors");

    const QStringList none;

    QTest::newRow("answer wins") << u"Y<0636>"_qs << Answer::Text << u"J"_qs << 0 << QString()
                                 << 636 << u"J"_qs << none;
    QTest::newRow("answer with trailing blank") << u"Page <0667>"_qs << Answer::Text << u"Seite "_qs << 0
                                                << QString() << 667 << u"Seite "_qs << none;
    QTest::newRow("leading zero dropped") << u"Item Sold?: <0639>"_qs << Answer::Text << u"Verkauft?: "_qs
                                          << 0 << QString() << 639 << u"Verkauft?: "_qs << none;
    QTest::newRow("four-digit id") << u"Calvextra<5000>"_qs << Answer::Text << u"Wertolino"_qs << 0
                                   << QString() << 5000 << u"Wertolino"_qs << none;
    QTest::newRow("digits without brackets") << u"zz06367"_qs << Answer::Text << u"J"_qs << 0 << QString()
                                             << 636 << u"J"_qs << none;
    QTest::newRow("answer for an id the English table lacks")
        << u"Gap<0229>"_qs << Answer::Text << u"Lücke"_qs << 0 << QString() << 229 << u"Lücke"_qs << none;
    QTest::newRow("empty answer falls back") << u"Closing Bid: <0640>"_qs << Answer::Text << QString() << 0
                                             << QString() << 640 << u"Closing Bid: "_qs << none;
    QTest::newRow("empty answer, table wins over the text")
        << u"Something else<0639>"_qs << Answer::Text << u""_qs << 0 << QString() << 639 << u"Item Sold?: "_qs
        << none;
    QTest::newRow("id missing from the library") << u"Y<0636>"_qs << Answer::Throw326 << QString() << 0
                                                 << QString() << 636 << u"Y"_qs << none;
    QTest::newRow("id missing, trailing blanks") << u"REGULAR AUCTION:  <0638>"_qs << Answer::Throw326
                                                 << QString() << 0 << QString() << 638
                                                 << u"REGULAR AUCTION:  "_qs << none;
    QTest::newRow("other error") << u"Y<0636>"_qs << Answer::ThrowResourceError << QString() << 438
                                 << u"Object doesn't support this property or method"_qs << 636 << u""_qs
                                 << QStringList{u"Object doesn't support this property or method"_qs};
    QTest::newRow("error number 325") << u"Closing Bid: <0640>"_qs << Answer::ThrowResourceError << QString()
                                      << 325 << u"Invalid format in resource file"_qs << 640 << u""_qs
                                      << QStringList{u"Invalid format in resource file"_qs};
    QTest::newRow("error number 0") << u"Closing Bid: <0640>"_qs << Answer::ThrowResourceError << QString()
                                    << 0 << u"Automation error"_qs << 640 << u""_qs
                                    << QStringList{u"Automation error"_qs};
    QTest::newRow("std::exception") << u"Closing Bid: <0640>"_qs << Answer::ThrowStdException << QString()
                                    << 0 << u"library unloaded"_qs << 640 << u""_qs
                                    << QStringList{u"library unloaded"_qs};
}

void TestLocalization::libraryLookup()
{
    QFETCH(QString, tagged);
    QFETCH(Answer, answer);
    QFETCH(QString, libraryText);
    QFETCH(qint32, errorNumber);
    QFETCH(QString, errorDescription);
    QFETCH(qint32, expectedId);
    QFETCH(QString, expected);
    QFETCH(QStringList, expectedErrors);

    FakeResources library;
    library.answer = answer;
    library.text = libraryText;
    library.errorNumber = errorNumber;
    library.errorDescription = errorDescription;
    setLanguageResources(&library);
    QCOMPARE(LanguageResources(), &library);

    const QString result = GetLocalizedString(tagged);
    QCOMPARE(result, expected);
    if (expected.isEmpty())
        QVERIFY(result.isEmpty());
    QCOMPARE(library.requestedIds, QList<qint32>{expectedId});
    QCOMPARE(handledErrors, expectedErrors);
    QCOMPARE(capturedTexts(), QStringList());
}

void TestLocalization::libraryNotAskedForShortOrUntaggedText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("short") << u"abcd"_qs << QString();
    QTest::newRow("untagged") << u"Subtitle"_qs << u"Subtitle"_qs;
}

void TestLocalization::libraryNotAskedForShortOrUntaggedText()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);

    FakeResources library;
    library.text = u"J"_qs;
    setLanguageResources(&library);

    QCOMPARE(GetLocalizedString(text), expected);
    QCOMPARE(library.requestedIds, QList<qint32>());
    QCOMPARE(capturedLines.size(), 1);
}

// Errors that the library raises without a description of its own still reach the handler.
void TestLocalization::unknownThrowReachesTheHandler()
{
    FakeResources library;
    library.answer = Answer::ThrowUnknown;
    setLanguageResources(&library);

    const QString result = GetLocalizedString(u"Closing Bid: <0640>"_qs);
    QVERIFY2(result.isEmpty(), qPrintable(result));
    QCOMPARE(handledErrors.size(), 1);
    QVERIFY(!handledErrors.first().isEmpty());
}

// ---- The default error report ----

void TestLocalization::defaultHandlerShowsMessageBox()
{
    QVERIFY(qobject_cast<QApplication *>(QCoreApplication::instance()));
    setLocalizationErrorHandler(nullptr); // back to the message box

    const QString description = u"Object doesn't support this property or method"_qs;
    FakeResources library;
    library.answer = Answer::ThrowResourceError;
    library.errorNumber = 438;
    library.errorDescription = description;
    setLanguageResources(&library);

    bool boxSeen = false;
    bool otherModalSeen = false;
    bool watchdogFired = false;
    QString boxText;
    QString boxTitle;
    QMessageBox::StandardButtons boxButtons;
    qsizetype buttonCount = 0;
    bool boxModal = false;

    QTimer poll;
    poll.setInterval(20);
    connect(&poll, &QTimer::timeout, this, [&] {
        if (boxSeen)
            return;
        QWidget *modal = QApplication::activeModalWidget();
        auto *box = qobject_cast<QMessageBox *>(modal);
        if (modal && !box) {
            otherModalSeen = true;
            modal->close();
            return;
        }
        if (!box) { // a box that is not modal is found, and then fails the test
            for (QWidget *widget : QApplication::topLevelWidgets()) {
                if (auto *shown = qobject_cast<QMessageBox *>(widget); shown && shown->isVisible())
                    box = shown;
            }
        }
        if (!box)
            return;
        boxSeen = true;
        boxText = box->text();
        boxTitle = box->windowTitle();
        boxButtons = box->standardButtons();
        buttonCount = box->buttons().size();
        boxModal = box->isModal();
        if (QAbstractButton *ok = box->button(QMessageBox::Ok))
            ok->click();
        else
            box->reject();
    });
    poll.start();

    // Whatever happens, the lookup must not wait for a user forever.
    QTimer watchdog;
    watchdog.setSingleShot(true);
    watchdog.setInterval(10000);
    connect(&watchdog, &QTimer::timeout, this, [&] {
        if (watchdogFired) // closing the windows did not end the wait either
            qFatal("GetLocalizedString is still waiting for a window that was closed");
        watchdogFired = true;
        watchdog.start(5000);
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (auto *dialog = qobject_cast<QDialog *>(widget); dialog && dialog->isVisible())
                dialog->reject();
            else if (widget->isModal() && widget->isVisible())
                widget->close();
        }
    });
    watchdog.start();

    const QString result = GetLocalizedString(u"Y<0636>"_qs);
    poll.stop();
    watchdog.stop();

    QVERIFY2(!watchdogFired, "the message box was not found and closed in time");
    QVERIFY2(!otherModalSeen, "a modal window other than a message box opened");
    QVERIFY(boxSeen);
    QVERIFY(boxModal);
    QCOMPARE(boxText, description);
    QCOMPARE(boxButtons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(buttonCount, qsizetype(1));
    QCOMPARE(boxTitle, ApplicationTitle());
    QVERIFY2(result.isEmpty(), qPrintable(result));
    QVERIFY(handledErrors.isEmpty()); // the handler set in init() was replaced
    QCOMPARE(library.requestedIds, QList<qint32>{636});
}

QTEST_MAIN(TestLocalization)
#include "tst_localization.moc"
