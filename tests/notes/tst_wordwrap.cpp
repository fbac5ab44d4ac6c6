#include "CWordWrap.h"
#include "LanguageResources.h"
#include "Localization.h"
#include "PrintSurface.h"
#include "RecordingSurface.h"
#include "TestLocales.h"

#include <QCursor>
#include <QDate>
#include <QGuiApplication>
#include <QLocale>
#include <QMap>
#include <QTest>

#include <memory>

// Every character of the recording surface is 100 twips wide and every line 240 high, so each
// position below is worked out by hand from the margins (720 / 1440 / 720 / 1440 unless a row says
// otherwise). An item is written "page @x,y text".

namespace {

QString describe(const RecordingSurface::Printed &item)
{
    return QStringLiteral("%1 @%2,%3 %4")
        .arg(item.page)
        .arg(QString::number(double(item.x)), QString::number(double(item.y)), item.text);
}

// The first three prints of every page are its header, date and page number.
constexpr int FurnitureItems = 3;

QList<RecordingSurface::Printed> itemsOfPage(const QList<RecordingSurface::Printed> &printed, int page)
{
    QList<RecordingSurface::Printed> result;
    for (const RecordingSurface::Printed &item : printed) {
        if (item.page == page)
            result.append(item);
    }
    return result;
}

int lastPage(const QList<RecordingSurface::Printed> &printed)
{
    int page = 0;
    for (const RecordingSurface::Printed &item : printed)
        page = std::max(page, item.page);
    return page;
}

// What a page carries at its top and bottom.
QStringList furniture(const QList<RecordingSurface::Printed> &printed, int page)
{
    QStringList result;
    for (const RecordingSurface::Printed &item : itemsOfPage(printed, page).mid(0, FurnitureItems))
        result.append(describe(item));
    return result;
}

// The text of the pages without their furniture, blanks and empty words left out.
QStringList body(const QList<RecordingSurface::Printed> &printed)
{
    QStringList result;
    for (int page = 1; page <= lastPage(printed); ++page) {
        for (const RecordingSurface::Printed &item : itemsOfPage(printed, page).mid(FurnitureItems)) {
            if (!item.text.isEmpty() && item.text != QLatin1String(" "))
                result.append(describe(item));
        }
    }
    return result;
}

QString today()
{
    return QLocale().toString(QDate::currentDate(), QLocale::ShortFormat);
}

// Expected furniture uses "<date>" for today's date in the running locale. Should the date
// change while a test runs, the day before is accepted too.
void compareFurniture(const QStringList &actual, QStringList expected, const QString &dateBefore)
{
    QStringList expectedBefore = expected;
    for (QString &line : expected)
        line.replace(QStringLiteral("<date>"), today());
    for (QString &line : expectedBefore)
        line.replace(QStringLiteral("<date>"), dateBefore);
    if (actual == expectedBefore)
        return;
    QCOMPARE(actual, expected);
}

// A surface whose digit zero is wider than its other characters, to show which width the tab
// stops are counted in.
class WideZeroSurface : public RecordingSurface
{
public:
    using RecordingSurface::RecordingSurface;
    float TextWidth(const QString &text) const override
    {
        return RecordingSurface::TextWidth(text) + 50 * float(text.count(QLatin1Char('0')));
    }
};

// A surface that notes the mouse cursor whenever the printer is used.
class CursorWatchingSurface : public RecordingSurface
{
public:
    using RecordingSurface::RecordingSurface;
    QList<int> cursorShapes;

    void Print(const QString &text) override
    {
        note();
        RecordingSurface::Print(text);
    }
    void NewPage() override
    {
        note();
        RecordingSurface::NewPage();
    }
    void EndDoc() override
    {
        note();
        RecordingSurface::EndDoc();
    }

private:
    void note()
    {
        const QCursor *cursor = QGuiApplication::overrideCursor();
        cursorShapes.append(cursor ? int(cursor->shape()) : -1);
    }
};

// What a surface made by the opener did, kept after PrintText has released the surface.
struct JobReport
{
    int opened = 0;
    int released = 0;
    QList<RecordingSurface::Printed> printed;
    int documentsEnded = 0;
    QList<int> cursorShapes;
};

class ReportingSurface : public CursorWatchingSurface
{
public:
    ReportingSurface(JobReport &report, float pageWidth, float pageHeight, int failOnPage)
        : CursorWatchingSurface(pageWidth, pageHeight), m_report(report)
    {
        this->failOnPage = failOnPage;
        ++m_report.opened;
    }
    ~ReportingSurface() override
    {
        ++m_report.released;
        m_report.printed = printed;
        m_report.documentsEnded = documentsEnded;
        m_report.cursorShapes = cursorShapes;
    }
    ReportingSurface(const ReportingSurface &) = delete;
    ReportingSurface &operator=(const ReportingSurface &) = delete;

private:
    JobReport &m_report;
};

// A language library with texts for a few ids; the others are missing from it.
class FakeResources : public clsResources
{
public:
    QMap<qint32, QString> texts;

    QString GetResourceString(qint32 &ResourceIndex) override
    {
        const auto found = texts.constFind(ResourceIndex);
        if (found == texts.constEnd())
            throw ResourceError{ResourceError::ResourceNotFound, QStringLiteral("Resource with identifier not found")};
        return *found;
    }
};

void addBodyColumns()
{
    QTest::addColumn<float>("pageWidth");
    QTest::addColumn<float>("marginLeft");
    QTest::addColumn<float>("marginRight");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");
}

} // namespace

class TestWordWrap : public QObject
{
    Q_OBJECT

private:
    QString dateBefore;

private Q_SLOTS:
    void initTestCase_data() { addLocaleRows(); }
    void init();
    void cleanup();

    void defaultsAndProperties();

    void pageFurniture_data();
    void pageFurniture();
    void emptyTextPrintsOneBarePage();
    void furnitureInTheLibraryLanguage();

    void wordWrap_data();
    void wordWrap();
    void blanksArePrintedOneByOne();

    void tabStops_data();
    void tabStops();
    void tabStopsCountInWidthsOfZero();

    void pageBreaks_data();
    void pageBreaks();
    void secondPageHasItsOwnFurniture();
    void observerHearsOfEveryFinishedPage_data();
    void observerHearsOfEveryFinishedPage();
    void observerEndsTheJobAtAPage_data();
    void observerEndsTheJobAtAPage();

    void failingPrinterPassesTheErrorOn();
    void busyCursorWhilePrinting();

    void openerGivesTheSurface();
    void openerWithoutPrinterPassesTheErrorOn();
    void printerFailingThroughOpener();
};

void TestWordWrap::init()
{
    applyLocaleRow();
    dateBefore = today();
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    QVERIFY(LanguageResources() == nullptr);
}

void TestWordWrap::cleanup()
{
    CWordWrap::setSurfaceOpener(nullptr);
    setLanguageResources(nullptr);
    // A failed test must not leave its cursor to the next.
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
}

void TestWordWrap::defaultsAndProperties()
{
    CWordWrap printer;
    QCOMPARE(printer.HeaderText(), QStringLiteral("Calvextra Notes"));
    QCOMPARE(printer.MarginLeft(), 720.0f);
    QCOMPARE(printer.MarginTop(), 1440.0f);
    QCOMPARE(printer.MarginRight(), 720.0f);
    QCOMPARE(printer.MarginBottom(), 1440.0f);

    // Values are kept as given, unchecked.
    printer.setHeaderText(QString());
    printer.setMarginLeft(-12.5f);
    printer.setMarginTop(0.25f);
    printer.setMarginRight(100000.0f);
    printer.setMarginBottom(0.0f);
    QCOMPARE(printer.HeaderText(), QString());
    QCOMPARE(printer.MarginLeft(), -12.5f);
    QCOMPARE(printer.MarginTop(), 0.25f);
    QCOMPARE(printer.MarginRight(), 100000.0f);
    QCOMPARE(printer.MarginBottom(), 0.0f);
}

// ---- Header, date and page number ----

void TestWordWrap::pageFurniture_data()
{
    QTest::addColumn<float>("pageWidth");
    QTest::addColumn<float>("pageHeight");
    QTest::addColumn<QList<float>>("margins");  // left, top, right, bottom; empty: the defaults
    QTest::addColumn<QString>("header");         // null: the default header
    QTest::addColumn<QStringList>("expected");  // header, date, page number, then "x" of the text

    // Header 15 characters: x = (11000 - 1500) / 2, y = (1440 - 240) / 2. Footer at
    // 15000 - 1440 / 2; "Page 1" is 600 wide: x = 11000 - (600 + 720).
    QTest::newRow("defaults") << 11000.0f << 15000.0f << QList<float>{} << QString()
                              << QStringList{QStringLiteral("1 @4750,600 Calvextra Notes"),
                                             QStringLiteral("1 @720,14280 <date>"),
                                             QStringLiteral("1 @9680,14280 Page 1"),
                                             QStringLiteral("1 @720,1440 x")};
    QTest::newRow("narrower page, own header")
        << 9000.0f << 12000.0f << QList<float>{} << QStringLiteral("Notes")
        << QStringList{QStringLiteral("1 @4250,600 Notes"), QStringLiteral("1 @720,11280 <date>"),
                       QStringLiteral("1 @7680,11280 Page 1"), QStringLiteral("1 @720,1440 x")};
    // Header y = (2000 - 240) / 2; footer y = 12000 - 1000 / 2; page x = 9000 - (600 + 500).
    QTest::newRow("own margins")
        << 9000.0f << 12000.0f << QList<float>{1000, 2000, 500, 1000} << QStringLiteral("My notes")
        << QStringList{QStringLiteral("1 @4100,880 My notes"), QStringLiteral("1 @1000,11500 <date>"),
                       QStringLiteral("1 @7900,11500 Page 1"), QStringLiteral("1 @1000,2000 x")};
    // (10001 - 300) / 2 = 4850.5: the half is kept.
    QTest::newRow("odd page width") << 10001.0f << 15000.0f << QList<float>{} << QStringLiteral("abc")
                                    << QStringList{QStringLiteral("1 @4850.5,600 abc"),
                                                   QStringLiteral("1 @720,14280 <date>"),
                                                   QStringLiteral("1 @8681,14280 Page 1"),
                                                   QStringLiteral("1 @720,1440 x")};
    // An empty header is printed at the middle of the page.
    QTest::newRow("empty header") << 11000.0f << 15000.0f << QList<float>{} << QStringLiteral("")
                                  << QStringList{QStringLiteral("1 @5500,600 "), QStringLiteral("1 @720,14280 <date>"),
                                                 QStringLiteral("1 @9680,14280 Page 1"),
                                                 QStringLiteral("1 @720,1440 x")};
}

void TestWordWrap::pageFurniture()
{
    QFETCH(float, pageWidth);
    QFETCH(float, pageHeight);
    QFETCH(QList<float>, margins);
    QFETCH(QString, header);
    QFETCH(QStringList, expected);

    CWordWrap printer;
    if (!header.isNull())
        printer.setHeaderText(header);
    if (!margins.isEmpty()) {
        printer.setMarginLeft(margins.at(0));
        printer.setMarginTop(margins.at(1));
        printer.setMarginRight(margins.at(2));
        printer.setMarginBottom(margins.at(3));
    }
    RecordingSurface surface(pageWidth, pageHeight);
    printer.PrintText(QStringLiteral("x"), surface);

    compareFurniture(furniture(surface.printed, 1), expected.mid(0, 3), dateBefore);
    QCOMPARE(body(surface.printed), expected.mid(3));
    QCOMPARE(surface.Page(), 1);
    QCOMPARE(surface.documentsEnded, 1);
}

void TestWordWrap::emptyTextPrintsOneBarePage()
{
    CWordWrap printer;
    RecordingSurface surface;
    printer.PrintText(QString(), surface);

    QCOMPARE(surface.printed.size(), 3);
    compareFurniture(furniture(surface.printed, 1),
                     {QStringLiteral("1 @4750,600 Calvextra Notes"), QStringLiteral("1 @720,14280 <date>"),
                      QStringLiteral("1 @9680,14280 Page 1")},
                     dateBefore);
    QCOMPARE(surface.Page(), 1);
    QCOMPARE(surface.documentsEnded, 1);
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);
}

void TestWordWrap::furnitureInTheLibraryLanguage()
{
    CWordWrap madeBefore;

    FakeResources resources;
    resources.texts.insert(667, QStringLiteral("Seite "));
    resources.texts.insert(668, QStringLiteral("Wertolino Notizen"));
    setLanguageResources(&resources);

    // The header is looked up when the printer object is made; the page label at every page.
    CWordWrap printer;
    QCOMPARE(printer.HeaderText(), QStringLiteral("Wertolino Notizen"));
    QCOMPARE(madeBefore.HeaderText(), QStringLiteral("Calvextra Notes"));

    RecordingSurface surface;
    printer.PrintText(QString(), surface);
    // (11000 - 1700) / 2; "Seite 1" is 700 wide: 11000 - (700 + 720).
    compareFurniture(furniture(surface.printed, 1),
                     {QStringLiteral("1 @4650,600 Wertolino Notizen"), QStringLiteral("1 @720,14280 <date>"),
                      QStringLiteral("1 @9580,14280 Seite 1")},
                     dateBefore);

    RecordingSurface other;
    madeBefore.PrintText(QString(), other);
    compareFurniture(furniture(other.printed, 1),
                     {QStringLiteral("1 @4750,600 Calvextra Notes"), QStringLiteral("1 @720,14280 <date>"),
                      QStringLiteral("1 @9580,14280 Seite 1")},
                     dateBefore);
}

// ---- Words and lines ----

void TestWordWrap::wordWrap_data()
{
    addBodyColumns();

    // A page 2440 wide leaves 720 .. 1720 for the text: ten characters.
    const float narrow = 2440;
    QTest::newRow("words fill the line, the next goes below")
        << narrow << 720.0f << 720.0f << QStringLiteral("aaa bbb ccc dd")
        << QStringList{QStringLiteral("1 @720,1440 aaa"), QStringLiteral("1 @1120,1440 bbb"),
                       QStringLiteral("1 @720,1680 ccc"), QStringLiteral("1 @1120,1680 dd")};
    QTest::newRow("a word ending at the margin fits")
        << narrow << 720.0f << 720.0f << QStringLiteral("aaaa bbbbb c")
        << QStringList{QStringLiteral("1 @720,1440 aaaa"), QStringLiteral("1 @1220,1440 bbbbb"),
                       QStringLiteral("1 @720,1680 c")};
    QTest::newRow("one character past the margin wraps")
        << narrow << 720.0f << 720.0f << QStringLiteral("aaaa bbbbbb")
        << QStringList{QStringLiteral("1 @720,1440 aaaa"), QStringLiteral("1 @720,1680 bbbbbb")};
    QTest::newRow("a word as wide as the line fits")
        << narrow << 720.0f << 720.0f << QStringLiteral("abcdefghij")
        << QStringList{QStringLiteral("1 @720,1440 abcdefghij")};
    QTest::newRow("too wide at the start of a line: empty line first")
        << narrow << 720.0f << 720.0f << QStringLiteral("abcdefghijkl")
        << QStringList{QStringLiteral("1 @720,1680 abcdefghijkl")};
    QTest::newRow("too wide after a word: own line, whole")
        << narrow << 720.0f << 720.0f << QStringLiteral("ab abcdefghijkl x")
        << QStringList{QStringLiteral("1 @720,1440 ab"), QStringLiteral("1 @720,1680 abcdefghijkl"),
                       QStringLiteral("1 @720,1920 x")};
    QTest::newRow("too wide after a line feed")
        << narrow << 720.0f << 720.0f << QStringLiteral("ab\nabcdefghijkl")
        << QStringList{QStringLiteral("1 @720,1440 ab"), QStringLiteral("1 @720,1920 abcdefghijkl")};
    QTest::newRow("blanks may run past the margin")
        << narrow << 720.0f << 720.0f << QStringLiteral("aaaaaaaaa   b")
        << QStringList{QStringLiteral("1 @720,1440 aaaaaaaaa"), QStringLiteral("1 @720,1680 b")};
    QTest::newRow("run of blanks kept")
        << narrow << 720.0f << 720.0f << QStringLiteral("a   b")
        << QStringList{QStringLiteral("1 @720,1440 a"), QStringLiteral("1 @1120,1440 b")};
    QTest::newRow("leading blanks kept")
        << narrow << 720.0f << 720.0f << QStringLiteral("  a")
        << QStringList{QStringLiteral("1 @920,1440 a")};
    QTest::newRow("leading blanks of a later line kept")
        << narrow << 720.0f << 720.0f << QStringLiteral("a\r\n   b")
        << QStringList{QStringLiteral("1 @720,1440 a"), QStringLiteral("1 @1020,1680 b")};
    QTest::newRow("CR LF: one line per text line")
        << narrow << 720.0f << 720.0f << QStringLiteral("ab\r\ncd\r\nef\r\n")
        << QStringList{QStringLiteral("1 @720,1440 ab"), QStringLiteral("1 @720,1680 cd"),
                       QStringLiteral("1 @720,1920 ef")};
    QTest::newRow("LF alone breaks the line")
        << narrow << 720.0f << 720.0f << QStringLiteral("ab\ncd")
        << QStringList{QStringLiteral("1 @720,1440 ab"), QStringLiteral("1 @720,1680 cd")};
    QTest::newRow("empty lines kept")
        << narrow << 720.0f << 720.0f << QStringLiteral("a\r\n\r\n\r\nb")
        << QStringList{QStringLiteral("1 @720,1440 a"), QStringLiteral("1 @720,2160 b")};
    QTest::newRow("lone CR neither breaks nor takes room")
        << narrow << 720.0f << 720.0f << QStringLiteral("ab\rcd")
        << QStringList{QStringLiteral("1 @720,1440 ab"), QStringLiteral("1 @920,1440 cd")};
    QTest::newRow("LF CR is one line end")
        << narrow << 720.0f << 720.0f << QStringLiteral("ab\n\rcd")
        << QStringList{QStringLiteral("1 @720,1440 ab"), QStringLiteral("1 @720,1680 cd")};
    QTest::newRow("other control characters skipped")
        << narrow << 720.0f << 720.0f << QStringLiteral("a\u0001b\u000Bc\u000Cd\u001Fe")
        << QStringList{QStringLiteral("1 @720,1440 a"), QStringLiteral("1 @820,1440 b"),
                       QStringLiteral("1 @920,1440 c"), QStringLiteral("1 @1020,1440 d"),
                       QStringLiteral("1 @1120,1440 e")};
    QTest::newRow("letters beyond ASCII belong to words")
        << narrow << 720.0f << 720.0f << QStringLiteral("Grüße Straße")
        << QStringList{QStringLiteral("1 @720,1440 Grüße"), QStringLiteral("1 @720,1680 Straße")};
    QTest::newRow("no-break space and DEL belong to words")
        << narrow << 720.0f << 720.0f << QStringLiteral("ab\u00A0cd e\u007Ff")
        << QStringList{QStringLiteral("1 @720,1440 ab\u00A0cd"), QStringLiteral("1 @1320,1440 e\u007Ff")};
    // Printable width 2500 - 500 - 1000 = 1000: "bbbb" ends at 2000 exactly.
    QTest::newRow("own margins")
        << 2500.0f << 1000.0f << 500.0f << QStringLiteral("aaaaa bbbb cc")
        << QStringList{QStringLiteral("1 @1000,1440 aaaaa"), QStringLiteral("1 @1600,1440 bbbb"),
                       QStringLiteral("1 @1000,1680 cc")};
    QTest::newRow("default page, long line")
        << 11000.0f << 720.0f << 720.0f
        << QStringLiteral("The quick brown fox jumps over the lazy dog while the notepad prints its "
                          "summaries in one long line")
        // The margin is at 10280: "long" ends at 10120, "line" would end at 10620.
        << QStringList{QStringLiteral("1 @720,1440 The"), QStringLiteral("1 @1120,1440 quick"),
                       QStringLiteral("1 @1720,1440 brown"), QStringLiteral("1 @2320,1440 fox"),
                       QStringLiteral("1 @2720,1440 jumps"), QStringLiteral("1 @3320,1440 over"),
                       QStringLiteral("1 @3820,1440 the"), QStringLiteral("1 @4220,1440 lazy"),
                       QStringLiteral("1 @4720,1440 dog"), QStringLiteral("1 @5120,1440 while"),
                       QStringLiteral("1 @5720,1440 the"), QStringLiteral("1 @6120,1440 notepad"),
                       QStringLiteral("1 @6920,1440 prints"), QStringLiteral("1 @7620,1440 its"),
                       QStringLiteral("1 @8020,1440 summaries"), QStringLiteral("1 @9020,1440 in"),
                       QStringLiteral("1 @9320,1440 one"), QStringLiteral("1 @9720,1440 long"),
                       QStringLiteral("1 @720,1680 line")};
}

void TestWordWrap::wordWrap()
{
    QFETCH(float, pageWidth);
    QFETCH(float, marginLeft);
    QFETCH(float, marginRight);
    QFETCH(QString, text);
    QFETCH(QStringList, expected);

    CWordWrap printer;
    printer.setHeaderText(QStringLiteral("H"));
    printer.setMarginLeft(marginLeft);
    printer.setMarginRight(marginRight);
    RecordingSurface surface(pageWidth, 15000);
    printer.PrintText(text, surface);

    QCOMPARE(body(surface.printed), expected);
    QCOMPARE(surface.Page(), 1);
    QCOMPARE(surface.documentsEnded, 1);
}

void TestWordWrap::blanksArePrintedOneByOne()
{
    CWordWrap printer;
    RecordingSurface surface;
    printer.PrintText(QStringLiteral("  a   b\r\n c"), surface);

    QStringList blanks;
    for (const RecordingSurface::Printed &item : surface.printed) {
        if (item.text == QLatin1String(" "))
            blanks.append(describe(item));
    }
    QCOMPARE(blanks, (QStringList{QStringLiteral("1 @720,1440  "), QStringLiteral("1 @820,1440  "),
                                  QStringLiteral("1 @1020,1440  "), QStringLiteral("1 @1120,1440  "),
                                  QStringLiteral("1 @1220,1440  "), QStringLiteral("1 @720,1680  ")}));
}

// ---- Tabs ----

void TestWordWrap::tabStops_data()
{
    addBodyColumns();

    // w = 100; c = (X - 720) / w rounded, halves to even; n = c + 10 - (c mod 10); X = 100 n + 720.
    const float page = 11000;
    QTest::newRow("tab at the left margin: c 0, n 10")
        << page << 720.0f << 720.0f << QStringLiteral("\tx") << QStringList{QStringLiteral("1 @1720,1440 x")};
    QTest::newRow("second tab: c 10, n 20")
        << page << 720.0f << 720.0f << QStringLiteral("\t\tx") << QStringList{QStringLiteral("1 @2720,1440 x")};
    QTest::newRow("after three zeros: c 3, n 10")
        << page << 720.0f << 720.0f << QStringLiteral("000\tx")
        << QStringList{QStringLiteral("1 @720,1440 000"), QStringLiteral("1 @1720,1440 x")};
    QTest::newRow("after nine characters: c 9, n 10")
        << page << 720.0f << 720.0f << QStringLiteral("abcdefghi\tx")
        << QStringList{QStringLiteral("1 @720,1440 abcdefghi"), QStringLiteral("1 @1720,1440 x")};
    QTest::newRow("after ten characters: c 10, n 20")
        << page << 720.0f << 720.0f << QStringLiteral("abcdefghij\tx")
        << QStringList{QStringLiteral("1 @720,1440 abcdefghij"), QStringLiteral("1 @2720,1440 x")};
    QTest::newRow("columns of words")
        << page << 720.0f << 720.0f << QStringLiteral("a\tbb\tccc\r\ndddd\te")
        << QStringList{QStringLiteral("1 @720,1440 a"), QStringLiteral("1 @1720,1440 bb"),
                       QStringLiteral("1 @2720,1440 ccc"), QStringLiteral("1 @720,1680 dddd"),
                       QStringLiteral("1 @1720,1680 e")};
    QTest::newRow("blank then tab")
        << page << 720.0f << 720.0f << QStringLiteral("abcdefghi \tx")
        << QStringList{QStringLiteral("1 @720,1440 abcdefghi"), QStringLiteral("1 @2720,1440 x")};
    // Stops count from 720, not from the left margin: (1000 - 720) / 100 = 2.8, c 3, n 10.
    QTest::newRow("left margin 1000: stop still at 1720")
        << page << 1000.0f << 720.0f << QStringLiteral("\tx") << QStringList{QStringLiteral("1 @1720,1440 x")};
    // Left margin 770 puts every character start half a width off the grid.
    QTest::newRow("c 9.5 rounds to 10, n 20")
        << page << 770.0f << 720.0f << QStringLiteral("000000000\tx")
        << QStringList{QStringLiteral("1 @770,1440 000000000"), QStringLiteral("1 @2720,1440 x")};
    QTest::newRow("c 8.5 rounds to 8, n 10")
        << page << 770.0f << 720.0f << QStringLiteral("00000000\tx")
        << QStringList{QStringLiteral("1 @770,1440 00000000"), QStringLiteral("1 @1720,1440 x")};
    QTest::newRow("c 0.5 rounds to 0, n 10")
        << page << 770.0f << 720.0f << QStringLiteral("\tx") << QStringList{QStringLiteral("1 @1720,1440 x")};
    QTest::newRow("c 19.5 rounds to 20, n 30")
        << page << 2670.0f << 720.0f << QStringLiteral("\tx") << QStringList{QStringLiteral("1 @3720,1440 x")};
    // Left of 720: (-230 - 720) / 100 = -9.5 rounds to -10, n = -10 + 10 - 0 = 0.
    QTest::newRow("c -9.5 rounds to -10, n 0")
        << page << -230.0f << 720.0f << QStringLiteral("\tx") << QStringList{QStringLiteral("1 @720,1440 x")};
    // c -3: -3 mod 10 = -3, n = -3 + 10 + 3 = 10.
    QTest::newRow("c -3, n 10")
        << page << 420.0f << 720.0f << QStringLiteral("\tx") << QStringList{QStringLiteral("1 @1720,1440 x")};
    // c -13: -13 mod 10 = -3, n = -13 + 10 + 3 = 0.
    QTest::newRow("c -13, n 0")
        << page << -580.0f << 720.0f << QStringLiteral("\tx") << QStringList{QStringLiteral("1 @720,1440 x")};
    // c -20: n = -20 + 10 - 0 = -10, X = -1000 + 720.
    QTest::newRow("c -20, n -10")
        << page << -1280.0f << 720.0f << QStringLiteral("\tx") << QStringList{QStringLiteral("1 @-280,1440 x")};
    // A tab past the right margin: the next word wraps (2440 wide page, margin at 1720).
    QTest::newRow("word after a far tab wraps")
        << 2440.0f << 720.0f << 720.0f << QStringLiteral("abc\tx")
        << QStringList{QStringLiteral("1 @720,1440 abc"), QStringLiteral("1 @720,1680 x")};
}

void TestWordWrap::tabStops()
{
    wordWrap();
}

void TestWordWrap::tabStopsCountInWidthsOfZero()
{
    // "0" is 150 wide here, every other character 100: stops lie at 720 + 1500 n.
    CWordWrap printer;
    WideZeroSurface surface;
    printer.PrintText(QStringLiteral("\tx\r\nab\tx\r\n00\t\tx"), surface);
    QCOMPARE(body(surface.printed),
             (QStringList{QStringLiteral("1 @2220,1440 x"), QStringLiteral("1 @720,1680 ab"),
                          QStringLiteral("1 @2220,1680 x"), QStringLiteral("1 @720,1920 00"),
                          QStringLiteral("1 @3720,1920 x")}));
}

// ---- Pages ----

void TestWordWrap::pageBreaks_data()
{
    QTest::addColumn<float>("pageHeight");
    QTest::addColumn<float>("marginTop");
    QTest::addColumn<float>("marginBottom");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<int>("pages");

    // Page 3840 high: the last line may start at 3840 - 1440 = 2400 = 1440 + 4 * 240.
    QTest::newRow("five lines fit, the sixth starts page 2")
        << 3840.0f << 1440.0f << 1440.0f << QStringLiteral("l1\r\nl2\r\nl3\r\nl4\r\nl5\r\nl6")
        << QStringList{QStringLiteral("1 @720,1440 l1"), QStringLiteral("1 @720,1680 l2"),
                       QStringLiteral("1 @720,1920 l3"), QStringLiteral("1 @720,2160 l4"),
                       QStringLiteral("1 @720,2400 l5"), QStringLiteral("2 @720,1440 l6")}
        << 2;
    QTest::newRow("one twip less: the fifth starts page 2")
        << 3839.0f << 1440.0f << 1440.0f << QStringLiteral("l1\r\nl2\r\nl3\r\nl4\r\nl5\r\nl6")
        << QStringList{QStringLiteral("1 @720,1440 l1"), QStringLiteral("1 @720,1680 l2"),
                       QStringLiteral("1 @720,1920 l3"), QStringLiteral("1 @720,2160 l4"),
                       QStringLiteral("2 @720,1440 l5"), QStringLiteral("2 @720,1680 l6")}
        << 2;
    QTest::newRow("words stay on the last line")
        << 3840.0f << 1440.0f << 1440.0f << QStringLiteral("l1\nl2\nl3\nl4\naa bb cc")
        << QStringList{QStringLiteral("1 @720,1440 l1"), QStringLiteral("1 @720,1680 l2"),
                       QStringLiteral("1 @720,1920 l3"), QStringLiteral("1 @720,2160 l4"),
                       QStringLiteral("1 @720,2400 aa"), QStringLiteral("1 @1020,2400 bb"),
                       QStringLiteral("1 @1320,2400 cc")}
        << 1;
    QTest::newRow("a final line feed opens a page")
        << 3840.0f << 1440.0f << 1440.0f << QStringLiteral("l1\nl2\nl3\nl4\nl5\n")
        << QStringList{QStringLiteral("1 @720,1440 l1"), QStringLiteral("1 @720,1680 l2"),
                       QStringLiteral("1 @720,1920 l3"), QStringLiteral("1 @720,2160 l4"),
                       QStringLiteral("1 @720,2400 l5")}
        << 2;
    // Lines between 1440 and 3840 - 1200 = 2640: six of them, one more than with the default.
    QTest::newRow("own bottom margin")
        << 3840.0f << 1440.0f << 1200.0f << QStringLiteral("l1\nl2\nl3\nl4\nl5\nl6\nl7")
        << QStringList{QStringLiteral("1 @720,1440 l1"), QStringLiteral("1 @720,1680 l2"),
                       QStringLiteral("1 @720,1920 l3"), QStringLiteral("1 @720,2160 l4"),
                       QStringLiteral("1 @720,2400 l5"), QStringLiteral("1 @720,2640 l6"),
                       QStringLiteral("2 @720,1440 l7")}
        << 2;
    // The body starts below the bottom limit (2000 - 1440 = 560): nothing is tested before the
    // first line ends, and each new page starts at the top margin again.
    QTest::newRow("tested only at line ends")
        << 2000.0f << 1440.0f << 1440.0f << QStringLiteral("a b\nc\nd")
        << QStringList{QStringLiteral("1 @720,1440 a"), QStringLiteral("1 @920,1440 b"),
                       QStringLiteral("2 @720,1440 c"), QStringLiteral("3 @720,1440 d")}
        << 3;
    QTest::newRow("own top margin")
        << 3840.0f << 1920.0f << 1440.0f << QStringLiteral("l1\nl2\nl3\nl4")
        << QStringList{QStringLiteral("1 @720,1920 l1"), QStringLiteral("1 @720,2160 l2"),
                       QStringLiteral("1 @720,2400 l3"), QStringLiteral("2 @720,1920 l4")}
        << 2;
}

void TestWordWrap::pageBreaks()
{
    QFETCH(float, pageHeight);
    QFETCH(float, marginTop);
    QFETCH(float, marginBottom);
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    QFETCH(int, pages);

    CWordWrap printer;
    printer.setMarginTop(marginTop);
    printer.setMarginBottom(marginBottom);
    RecordingSurface surface(11000, pageHeight);
    printer.PrintText(text, surface);

    QCOMPARE(body(surface.printed), expected);
    QCOMPARE(surface.Page(), pages);
    QCOMPARE(lastPage(surface.printed), pages);
    QCOMPARE(surface.documentsEnded, 1);
    // Every page carries its own number.
    for (int page = 1; page <= pages; ++page) {
        const QStringList items = furniture(surface.printed, page);
        QCOMPARE(items.size(), 3);
        QVERIFY2(items.at(2).endsWith(QStringLiteral(" Page %1").arg(page)), qPrintable(items.at(2)));
    }
}

void TestWordWrap::secondPageHasItsOwnFurniture()
{
    // A wrapped word is a line end too: "bbbbbb" does not fit beside "aaaaa" on the last line
    // (2440 wide page), and the line end starts page 2.
    CWordWrap printer;
    printer.setHeaderText(QStringLiteral("Notes"));
    RecordingSurface surface(2440, 3840);
    printer.PrintText(QStringLiteral("1\n2\n3\n4\naaaaa bbbbbb"), surface);

    QCOMPARE(surface.Page(), 2);
    // Header (2440 - 500) / 2 = 970; footer 3840 - 720 = 3120; "Page 2" at 2440 - (600 + 720).
    compareFurniture(furniture(surface.printed, 1),
                     {QStringLiteral("1 @970,600 Notes"), QStringLiteral("1 @720,3120 <date>"),
                      QStringLiteral("1 @1120,3120 Page 1")},
                     dateBefore);
    compareFurniture(furniture(surface.printed, 2),
                     {QStringLiteral("2 @970,600 Notes"), QStringLiteral("2 @720,3120 <date>"),
                      QStringLiteral("2 @1120,3120 Page 2")},
                     dateBefore);
    QCOMPARE(body(surface.printed),
             (QStringList{QStringLiteral("1 @720,1440 1"), QStringLiteral("1 @720,1680 2"),
                          QStringLiteral("1 @720,1920 3"), QStringLiteral("1 @720,2160 4"),
                          QStringLiteral("1 @720,2400 aaaaa"), QStringLiteral("2 @720,1440 bbbbbb")}));
    QCOMPARE(surface.documentsEnded, 1);
}

// ---- Watching a long job ----

void TestWordWrap::observerHearsOfEveryFinishedPage_data()
{
    // Page 3840 high: five body lines a page. "done" lists pages done and characters used up.
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("done");
    QTest::newRow("one page: never told") << QStringLiteral("l1\nl2\nl3") << QStringList{};
    QTest::newRow("line feeds end pages")
        << QStringLiteral("l1\nl2\nl3\nl4\nl5\nl6\nl7\nl8\nl9\nl10\nl11")
        << QStringList{QStringLiteral("1: 15 of 34"), QStringLiteral("2: 31 of 34")};
    // The word that does not fit beside "aaaaa" ends the page before it is printed.
    QTest::newRow("a wrapped word ends a page")
        << QStringLiteral("1\n2\n3\n4\naaaaa ") + QString(108, u'b')
        << QStringList{QStringLiteral("1: 14 of 122")};
}

void TestWordWrap::observerHearsOfEveryFinishedPage()
{
    QFETCH(QString, text);
    QFETCH(QStringList, done);

    CWordWrap printer;
    QStringList told;
    RecordingSurface surface(11000, 3840);
    printer.setPageObserver([&told, &surface](const CWordWrap::Progress &progress) {
        // Told before the next page starts.
        told.append(QStringLiteral("%1: %2 of %3").arg(progress.pagesDone).arg(progress.charactersDone).arg(progress.characters));
        return progress.pagesDone == surface.Page();
    });
    printer.PrintText(text, surface);

    QCOMPARE(told, done);
    QCOMPARE(surface.Page(), int(done.size()) + 1);
    QCOMPARE(surface.documentsEnded, 1);
    // Watching changes nothing that is printed.
    RecordingSurface unwatched(11000, 3840);
    CWordWrap().PrintText(text, unwatched);
    QCOMPARE(body(surface.printed), body(unwatched.printed));
}

void TestWordWrap::observerEndsTheJobAtAPage_data()
{
    QTest::addColumn<int>("stopAfter");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("after page 1") << 1 << QStringList{QStringLiteral("1 @720,1440 l1"), QStringLiteral("1 @720,1680 l2"),
                                                      QStringLiteral("1 @720,1920 l3"), QStringLiteral("1 @720,2160 l4"),
                                                      QStringLiteral("1 @720,2400 l5")};
    QTest::newRow("after page 2") << 2 << QStringList{QStringLiteral("1 @720,1440 l1"), QStringLiteral("1 @720,1680 l2"),
                                                      QStringLiteral("1 @720,1920 l3"), QStringLiteral("1 @720,2160 l4"),
                                                      QStringLiteral("1 @720,2400 l5"), QStringLiteral("2 @720,1440 l6"),
                                                      QStringLiteral("2 @720,1680 l7"), QStringLiteral("2 @720,1920 l8"),
                                                      QStringLiteral("2 @720,2160 l9"), QStringLiteral("2 @720,2400 l10")};
}

void TestWordWrap::observerEndsTheJobAtAPage()
{
    QFETCH(int, stopAfter);
    QFETCH(QStringList, expected);

    CWordWrap printer;
    int calls = 0;
    printer.setPageObserver([&calls, stopAfter](const CWordWrap::Progress &progress) {
        ++calls;
        return progress.pagesDone < stopAfter;
    });
    RecordingSurface surface(11000, 3840);
    printer.PrintText(QStringLiteral("l1\nl2\nl3\nl4\nl5\nl6\nl7\nl8\nl9\nl10\nl11\nl12 and more words"), surface);

    // The pages done and nothing after them; the document is ended and the cursor restored.
    QCOMPARE(calls, stopAfter);
    QCOMPARE(body(surface.printed), expected);
    QCOMPARE(surface.Page(), stopAfter);
    QCOMPARE(lastPage(surface.printed), stopAfter);
    QCOMPARE(surface.documentsEnded, 1);
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    const QStringList lastFurniture = furniture(surface.printed, stopAfter);
    QVERIFY2(lastFurniture.value(2).endsWith(QStringLiteral(" Page %1").arg(stopAfter)), qPrintable(lastFurniture.join(u'|')));
}

// ---- Failing printer and the busy cursor ----

void TestWordWrap::failingPrinterPassesTheErrorOn()
{
    CWordWrap printer;
    RecordingSurface surface(11000, 3840);
    surface.failOnPage = 2;

    bool thrown = false;
    try {
        printer.PrintText(QStringLiteral("l1\nl2\nl3\nl4\nl5\nl6\nl7"), surface);
    } catch (const PrintError &error) {
        thrown = true;
        QCOMPARE(error.Description, QStringLiteral("The test printer ran out of paper."));
    }
    QVERIFY(thrown);
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    // Page 1 was printed in full; the job was not handed over.
    QCOMPARE(body(surface.printed).size(), 5);
    QCOMPARE(lastPage(surface.printed), 1);
    QCOMPARE(surface.documentsEnded, 0);

    // The same object prints the next job as usual.
    RecordingSurface next;
    printer.PrintText(QStringLiteral("again"), next);
    QCOMPARE(body(next.printed), QStringList{QStringLiteral("1 @720,1440 again")});
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);
}

void TestWordWrap::busyCursorWhilePrinting()
{
    CWordWrap printer;
    CursorWatchingSurface surface(11000, 3840);
    printer.PrintText(QStringLiteral("l1\nl2\nl3\nl4\nl5\nl6"), surface);

    // Furniture and six lines on two pages, a new page, the end of the job.
    QCOMPARE(surface.cursorShapes.size(), int(surface.printed.size()) + 2);
    for (const int shape : surface.cursorShapes)
        QCOMPARE(shape, int(Qt::WaitCursor));
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);
}

// ---- The surface opener ----

void TestWordWrap::openerGivesTheSurface()
{
    JobReport report;
    CWordWrap::setSurfaceOpener(
        [&report] { return std::unique_ptr<PrintSurface>(new ReportingSurface(report, 9000, 12000, 0)); });

    CWordWrap printer;
    printer.setHeaderText(QStringLiteral("Notes"));
    printer.PrintText(QStringLiteral("hello world"));

    QCOMPARE(report.opened, 1);
    QCOMPARE(report.released, 1);
    QCOMPARE(report.documentsEnded, 1);
    compareFurniture(furniture(report.printed, 1),
                     {QStringLiteral("1 @4250,600 Notes"), QStringLiteral("1 @720,11280 <date>"),
                      QStringLiteral("1 @7680,11280 Page 1")},
                     dateBefore);
    QCOMPARE(body(report.printed),
             (QStringList{QStringLiteral("1 @720,1440 hello"), QStringLiteral("1 @1320,1440 world")}));
    QVERIFY(!report.cursorShapes.isEmpty());
    for (const int shape : report.cursorShapes)
        QCOMPARE(shape, int(Qt::WaitCursor));
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);

    // Every call is a job of its own on a surface of its own.
    printer.PrintText(QString());
    QCOMPARE(report.opened, 2);
    QCOMPARE(report.released, 2);
    QCOMPARE(report.documentsEnded, 1);
    QCOMPARE(report.printed.size(), 3);
    QCOMPARE(lastPage(report.printed), 1);
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);
}

void TestWordWrap::openerWithoutPrinterPassesTheErrorOn()
{
    int calls = 0;
    CWordWrap::setSurfaceOpener([&calls]() -> std::unique_ptr<PrintSurface> {
        ++calls;
        throw PrintError{QStringLiteral("No printer is installed.")};
    });

    CWordWrap printer;
    QVERIFY_THROWS_EXCEPTION(PrintError, printer.PrintText(QStringLiteral("text")));
    QCOMPARE(calls, 1);
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);

    try {
        printer.PrintText(QStringLiteral("text"));
        QFAIL("no error");
    } catch (const PrintError &error) {
        QCOMPARE(error.Description, QStringLiteral("No printer is installed."));
    }
    QCOMPARE(calls, 2);
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);
}

void TestWordWrap::printerFailingThroughOpener()
{
    JobReport report;
    CWordWrap::setSurfaceOpener(
        [&report] { return std::unique_ptr<PrintSurface>(new ReportingSurface(report, 11000, 3840, 2)); });

    CWordWrap printer;
    QVERIFY_THROWS_EXCEPTION(PrintError, printer.PrintText(QStringLiteral("l1\nl2\nl3\nl4\nl5\nl6")));
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    QCOMPARE(report.opened, 1);
    QCOMPARE(report.released, 1);
    QCOMPARE(report.documentsEnded, 0);
    QCOMPARE(body(report.printed).size(), 5);
}

QTEST_MAIN(TestWordWrap)
#include "tst_wordwrap.moc"
