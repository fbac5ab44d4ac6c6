// The word-wrap printer on a real printer: notepad texts printed to PDF files and read back with
// pdftotext (poppler-utils), page by page, with the position of every line.

#include "CWordWrap.h"
#include "NumberText.h"
#include "PdfToText.h"
#include "PluginFolders.h"
#include "PrinterServices.h"
#include "PrinterSurface.h"
#include "PrintingPlugin.h"
#include "TestLocales.h"

#include <QDate>
#include <QFontMetricsF>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <memory>
#include <optional>

namespace {

constexpr double TwipsPerPoint = 20;
// The header of every page when no language library is loaded.
const QString Header = QStringLiteral("Calvextra Notes");
// How far pdftotext's box of a text may lie from where it was drawn, in points (a line is about
// 11.7 points high). Horizontal positions come from the glyph advances and agree closely; the
// top of a box comes from the font's ascent as written into the PDF, which may differ a little
// from the one Qt measures.
constexpr double HorizontalSlack = 0.5;
constexpr double VerticalSlack = 1.0;

struct PdfLine
{
    QString text;  // the words of one printed line, one blank apart
    QRectF box;    // in points from the top-left corner of the paper
    QStringList words;
};

struct PdfPage
{
    QSizeF size;           // in points
    QList<PdfLine> lines;  // top to bottom, from the word boxes
    QStringList layout;    // the non-blank lines of the page as laid out, blanks collapsed
};

QString decodeEntities(QString text)
{
    text.replace(QLatin1String("&lt;"), QLatin1String("<"));
    text.replace(QLatin1String("&gt;"), QLatin1String(">"));
    text.replace(QLatin1String("&quot;"), QLatin1String("\""));
    text.replace(QLatin1String("&apos;"), QLatin1String("'"));
    text.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return text;
}

// Words whose tops lie within a point of each other were printed on one line.
QList<PdfLine> groupIntoLines(QList<std::pair<QString, QRectF>> words)
{
    std::sort(words.begin(), words.end(), [](const auto &a, const auto &b) {
        return a.second.top() < b.second.top() - 1.0 || (qAbs(a.second.top() - b.second.top()) <= 1.0 && a.second.left() < b.second.left());
    });
    QList<PdfLine> lines;
    for (const auto &[text, box] : words) {
        if (!lines.isEmpty() && qAbs(lines.last().box.top() - box.top()) <= 1.0) {
            PdfLine &line = lines.last();
            line.text += QLatin1Char(' ') + text;
            line.words.append(text);
            line.box = line.box.united(box);
        } else {
            lines.append({text, box, {text}});
        }
    }
    return lines;
}

// Reads a PDF file back: the page count and size and the word boxes from "pdftotext -bbox", the
// texts of each page from "pdftotext -layout". An empty text when all went well.
QString readPdf(const QString &path, QList<PdfPage> &pages)
{
    pages.clear();
    QByteArray boxes;
    if (QString error = runPdfToText({QStringLiteral("-bbox"), path, QStringLiteral("-")}, boxes); !error.isEmpty())
        return error;
    const QString html = QString::fromUtf8(boxes);
    static const QRegularExpression pageTag(
        QStringLiteral(R"re(<page width="([0-9.]+)" height="([0-9.]+)">(.*?)</page>)re"),
        QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression wordTag(QStringLiteral(
        R"re(<word xMin="([-0-9.]+)" yMin="([-0-9.]+)" xMax="([-0-9.]+)" yMax="([-0-9.]+)">(.*?)</word>)re"));
    for (const QRegularExpressionMatch &page : pageTag.globalMatch(html)) {
        QList<std::pair<QString, QRectF>> words;
        for (const QRegularExpressionMatch &word : wordTag.globalMatch(page.captured(3))) {
            const QPointF topLeft(word.captured(1).toDouble(), word.captured(2).toDouble());
            const QPointF bottomRight(word.captured(3).toDouble(), word.captured(4).toDouble());
            words.append({decodeEntities(word.captured(5)), QRectF(topLeft, bottomRight)});
        }
        pages.append({QSizeF(page.captured(1).toDouble(), page.captured(2).toDouble()), groupIntoLines(words), {}});
    }

    QByteArray layout;
    if (QString error = runPdfToText({QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8"), path,
                                      QStringLiteral("-")},
                                     layout);
        !error.isEmpty())
        return error;
    // Every page ends in a form feed.
    QStringList pageTexts = QString::fromUtf8(layout).split(QLatin1Char('\f'));
    if (!pageTexts.isEmpty() && pageTexts.last().trimmed().isEmpty())
        pageTexts.removeLast();
    if (pageTexts.size() != pages.size())
        return QStringLiteral("pdftotext found %1 pages with -bbox but %2 with -layout").arg(pages.size()).arg(pageTexts.size());
    for (qsizetype i = 0; i < pages.size(); ++i) {
        for (const QString &line : pageTexts.at(i).split(QLatin1Char('\n'))) {
            if (!line.trimmed().isEmpty())
                pages[i].layout.append(line.simplified());
        }
    }
    return QString();
}

QString near(const char *what, double actual, double expected, double slack)
{
    if (qAbs(actual - expected) <= slack)
        return QString();
    return QStringLiteral("%1 at %2 pt, expected %3 pt (within %4 pt)").arg(QLatin1String(what)).arg(actual).arg(expected).arg(slack);
}

// A PDF printer on A4 at high resolution, writing to the given file.
struct PdfPrinter
{
    QPrinter printer{QPrinter::HighResolution};

    explicit PdfPrinter(const QString &path)
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setOutputFileName(path);
    }
};

// A PDF file in a private folder, and the print surface on its printer in the usual 10-point face.
struct PdfJob
{
    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("notes.pdf"));
    PdfPrinter pdf{path};
    QPrinter &printer = pdf.printer;
    std::optional<PrinterSurface> surface;

    PdfJob() { surface.emplace(printer, PrinterSurface::DefaultFont()); }

    // Where the printable area, the origin of all twips positions, lies on the paper.
    QPointF origin() const { return printer.pageLayout().paintRect(QPageLayout::Point).topLeft(); }
};

// A surface that owns its printer, for the word-wrap printer's own opener.
class OwnedPdfSurface : private PdfPrinter, public PrinterSurface
{
public:
    explicit OwnedPdfSurface(const QString &path)
        : PdfPrinter(path), PrinterSurface(PdfPrinter::printer, PrinterSurface::DefaultFont())
    {
    }
};

// Where the word-wrap printer breaks pages: the body starts at the top margin, and after a line
// end a new page begins once Y has passed the bottom margin.
int linesPerPage(const PrintSurface &surface, const CWordWrap &wrap)
{
    const float lineHeight = surface.TextHeight(QStringLiteral("Line"));
    const float lastLineTop = surface.PageHeight() - wrap.MarginBottom();
    float y = wrap.MarginTop();
    int lines = 1;
    while ((y += lineHeight) <= lastLineTop)
        ++lines;
    return lines;
}

QString notepadLine(int number)
{
    return QStringLiteral("Line %1: REGULAR AUCTION:  Opening Bid $10.00, Sold at $25.00, Total eBay Fees $2.61")
        .arg(number, 3, 10, QLatin1Char('0'));
}

QString dateText(QDate date)
{
    return QLocale().toString(date, QLocale::ShortFormat);
}

// The footer as read back: the date, then the page number.
QString footer(const QString &date, int page)
{
    return date + QStringLiteral(" Page ") + QString::number(page);
}


// The way a print surface drew before glyphs were queued: fresh metrics for every measurement
// and one drawText for every print, at the same positions in twips. What the printer surface
// prints must read back the same, word for word and position for position.
class DrawTextSurface : public PrintSurface
{
public:
    explicit DrawTextSurface(QPrinter &printer) : m_printer(printer), m_font(PrinterSurface::DefaultFont())
    {
        QVERIFY(m_painter.begin(&printer));
        m_painter.setFont(m_font);
    }

    float CurrentX() const override { return m_x; }
    float CurrentY() const override { return m_y; }
    void setCurrentX(float x) override { m_x = x; }
    void setCurrentY(float y) override { m_y = y; }
    float PageWidth() const override { return toTwips(m_printer.pageLayout().paintRectPixels(dpi()).width()); }
    float PageHeight() const override { return toTwips(m_printer.pageLayout().paintRectPixels(dpi()).height()); }
    float TextWidth(const QString &text) const override
    {
        return toTwips(QFontMetricsF(m_font, &m_printer).horizontalAdvance(text));
    }
    float TextHeight(const QString &) const override { return toTwips(QFontMetricsF(m_font, &m_printer).height()); }
    void Print(const QString &text) override
    {
        const QFontMetricsF metrics(m_font, &m_printer);
        m_painter.drawText(QPointF(toDevice(m_x), toDevice(m_y) + metrics.ascent()), text);
        m_x += toTwips(metrics.horizontalAdvance(text));
    }
    void EndLine() override
    {
        m_x = 0;
        m_y += TextHeight(QString());
    }
    void NewPage() override
    {
        QVERIFY(m_printer.newPage());
        m_x = 0;
        m_y = 0;
        ++m_page;
    }
    int Page() const override { return m_page; }
    void EndDoc() override { m_painter.end(); }

private:
    int dpi() const { return m_printer.resolution(); }
    float toTwips(qreal pixels) const { return float(pixels * 1440 / dpi()); }
    qreal toDevice(float twips) const { return qreal(twips) * dpi() / 1440; }

    QPrinter &m_printer;
    QPainter m_painter;
    QFont m_font;
    float m_x = 0;
    float m_y = 0;
    int m_page = 1;
};

// A word pdftotext finds and its box in points.
struct WordBox
{
    QString text;
    QRectF box;
};

// Every word pdftotext finds, page by page.
QString readWordBoxes(const QString &path, QList<QList<WordBox>> &pages)
{
    pages.clear();
    QByteArray boxes;
    if (QString error = runPdfToText({QStringLiteral("-bbox"), path, QStringLiteral("-")}, boxes); !error.isEmpty())
        return error;
    static const QRegularExpression pageOrWord(QStringLiteral(
        R"re(<page |<word xMin="([-0-9.]+)" yMin="([-0-9.]+)" xMax="([-0-9.]+)" yMax="([-0-9.]+)">(.*?)</word>)re"));
    for (const QRegularExpressionMatch &match : pageOrWord.globalMatch(QString::fromUtf8(boxes))) {
        if (match.captured(1).isEmpty()) {
            pages.append(QList<WordBox>());
        } else if (!pages.isEmpty()) {
            const QPointF topLeft(match.captured(1).toDouble(), match.captured(2).toDouble());
            const QPointF bottomRight(match.captured(3).toDouble(), match.captured(4).toDouble());
            pages.last().append(WordBox{decodeEntities(match.captured(5)), QRectF(topLeft, bottomRight)});
        }
    }
    return QString();
}

// The same word in the same place, to the last digit pdftotext writes (a millionth of a point).
bool samePlace(const WordBox &a, const WordBox &b)
{
    return a.text == b.text && a.box.left() == b.box.left() && a.box.top() == b.box.top()
        && a.box.right() == b.box.right() && a.box.bottom() == b.box.bottom();
}

QString describe(const WordBox &word)
{
    return QStringLiteral("\"%1\" at %2, %3 to %4, %5")
        .arg(word.text)
        .arg(word.box.left(), 0, 'f', 6)
        .arg(word.box.top(), 0, 'f', 6)
        .arg(word.box.right(), 0, 'f', 6)
        .arg(word.box.bottom(), 0, 'f', 6);
}

// A long notepad with everything the word wrap handles: summaries, runs of blanks, tabs, CR LF
// and lone CR, words too wide for a line, letters beyond ASCII, right-to-left and East Asian
// scripts, combining marks, and characters the text engine treats specially.
QString mixedNotepad(int summaries)
{
    const QStringList extras = {
        QStringLiteral("Grüße aus Köln, Straße\tÄrger\t\tÖl"),
        QStringLiteral("\tindented by a tab   three blanks\r lone CR"),
        QStringLiteral("Ελληνικά κείμενα και עברית טקסט ועוד, العربية أيضا"),
        QStringLiteral("日本語のテキスト 中文文本 한국어"),
        QStringLiteral("e\u0301 a\u0308 soft\u00adhyphen no\u00a0break zero\u200bwidth fi ffl AV To Wa"),
        QStringLiteral("line\u2028separator para\u2029graph object\ufffc here \u009c mark"),
        QStringLiteral("Supercalifragilisticexpialidocious").repeated(6),
        QStringLiteral("(brackets) [1] {2} <3> \"quoted\" 'single' $10.00 %5 &amp;"),
    };
    QString text;
    for (int number = 1; number <= summaries; ++number) {
        text += notepadLine(number) + QStringLiteral("\r\n");
        if (number % 7 == 0)
            text += extras.at((number / 7) % extras.size()) + QStringLiteral("\r\n");
    }
    return text;
}

} // namespace

class TestPrintPdf : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The date at the foot of every page is written in the user's short date format.
    void initTestCase_data() { addLocaleRows(); }

    void initTestCase()
    {
        QByteArray version;
        const QString error = runPdfToText({QStringLiteral("-v")}, version);
        if (!error.isEmpty())
            QFAIL(qPrintable(error));
    }

    void init() { applyLocaleRow(); }

    void cleanup()
    {
        CWordWrap::setSurfaceOpener(nullptr);
        while (QGuiApplication::overrideCursor())
            QGuiApplication::restoreOverrideCursor();
    }

    void surfaceMeasuresInTwips()
    {
        PdfJob job;
        // The area a painter on the printer can draw on, in device pixels.
        const double pixelsPerTwip = job.printer.resolution() / 1440.0;
        QVERIFY2(qAbs(job.surface->PageWidth() * pixelsPerTwip - job.printer.width()) <= 1,
                 qPrintable(QStringLiteral("page width %1 twips, %2 pixels at %3 dpi")
                                .arg(job.surface->PageWidth()).arg(job.printer.width()).arg(job.printer.resolution())));
        QVERIFY2(qAbs(job.surface->PageHeight() * pixelsPerTwip - job.printer.height()) <= 1,
                 qPrintable(QStringLiteral("page height %1 twips, %2 pixels at %3 dpi")
                                .arg(job.surface->PageHeight()).arg(job.printer.height()).arg(job.printer.resolution())));
        // A 10-point line is a little more than 10 points (200 twips) high.
        const float lineHeight = job.surface->TextHeight(QStringLiteral("Line"));
        QVERIFY2(lineHeight >= 200 && lineHeight <= 320, qPrintable(QStringLiteral("line height %1 twips").arg(lineHeight)));
        const float zero = job.surface->TextWidth(QStringLiteral("0"));
        QVERIFY2(zero >= 50 && zero <= 200, qPrintable(QStringLiteral("width of \"0\": %1 twips").arg(zero)));
        QVERIFY(qAbs(job.surface->TextWidth(QStringLiteral("0000")) - 4 * zero) <= 1);
        QCOMPARE(job.surface->Page(), 1);
        job.surface->EndDoc();
    }

    void threePages_data()
    {
        QTest::addColumn<int>("thirdPageHalves");
        QTest::addColumn<bool>("finalLineEnd");
        QTest::newRow("two and a half pages, every line ended") << 1 << true;
        QTest::newRow("three full pages, the last line unended") << 2 << false;
        // The page test at the last line end starts the third page: header, date and number only.
        QTest::newRow("two full pages and a final line end") << 0 << true;
    }

    void threePages()
    {
        QFETCH(int, thirdPageHalves);
        QFETCH(bool, finalLineEnd);

        PdfJob job;
        PrinterSurface &surface = *job.surface;
        CWordWrap wrap;
        const int perPage = linesPerPage(surface, wrap);
        QVERIFY2(perPage >= 10 && perPage <= 200, qPrintable(QStringLiteral("%1 lines per page").arg(perPage)));
        const int lineCount = 2 * perPage + perPage * thirdPageHalves / 2;

        QStringList lines;
        for (int number = 1; number <= lineCount; ++number) {
            lines.append(notepadLine(number));
            // Every line fits between the margins, so only line ends break lines.
            QVERIFY(surface.TextWidth(lines.last()) <= surface.PageWidth() - wrap.MarginLeft() - wrap.MarginRight());
        }
        QString text = lines.join(QStringLiteral("\r\n"));
        if (finalLineEnd)
            text += QStringLiteral("\r\n");

        const QDate before = QDate::currentDate();
        wrap.PrintText(text, surface);
        const QDate after = QDate::currentDate();
        QCOMPARE(surface.Page(), 3);
        QVERIFY(!QGuiApplication::overrideCursor());

        QList<PdfPage> pages;
        if (const QString error = readPdf(job.path, pages); !error.isEmpty())
            QFAIL(qPrintable(error));
        QCOMPARE(pages.size(), 3);

        const QPointF origin = job.origin();
        const double lineHeight = surface.TextHeight(QStringLiteral("Line")) / TwipsPerPoint;
        for (int page = 1; page <= 3; ++page) {
            const PdfPage &pdf = pages.at(page - 1);
            QVERIFY2(qAbs(pdf.size.width() - 595.28) < 0.5 && qAbs(pdf.size.height() - 841.89) < 0.5,
                     qPrintable(QStringLiteral("page %1 is %2 x %3 pt, not A4").arg(page).arg(pdf.size.width()).arg(pdf.size.height())));

            const QStringList body = lines.mid((page - 1) * perPage, perPage);
            const QString date = pdf.layout.isEmpty() || !pdf.layout.last().startsWith(dateText(after)) ? dateText(before)
                                                                                                        : dateText(after);
            QStringList expected = {Header};
            for (const QString &line : body)
                expected.append(line.simplified());
            expected.append(footer(date, page));
            if (pdf.layout != expected) {
                qWarning().noquote() << "page" << page << "reads:\n" << pdf.layout.join(QLatin1Char('\n'));
                QCOMPARE(pdf.layout, expected);
            }

            // Where each line was printed: the header centred inside the top margin, the body from
            // the top-left corner of the margins one line height apart, the date at the left margin
            // and the page number ending at the right margin, half a bottom margin above the foot.
            QCOMPARE(pdf.lines.size(), body.size() + 2);
            const PdfLine &header = pdf.lines.first();
            QStringList misplaced;
            misplaced << near("header centre", header.box.center().x(), origin.x() + surface.PageWidth() / 2 / TwipsPerPoint, HorizontalSlack)
                      << near("header top", header.box.top(),
                              origin.y() + (wrap.MarginTop() - surface.TextHeight(wrap.HeaderText())) / 2 / TwipsPerPoint,
                              VerticalSlack);
            for (qsizetype i = 0; i < body.size(); ++i) {
                const PdfLine &line = pdf.lines.at(i + 1);
                misplaced << near("body line left", line.box.left(), origin.x() + wrap.MarginLeft() / TwipsPerPoint, HorizontalSlack)
                          << near("body line top", line.box.top(),
                                  origin.y() + wrap.MarginTop() / TwipsPerPoint + double(i) * lineHeight, VerticalSlack);
            }
            const PdfLine &foot = pdf.lines.last();
            const double footTop = origin.y() + (surface.PageHeight() - wrap.MarginBottom() / 2) / TwipsPerPoint;
            misplaced << near("date left", foot.box.left(), origin.x() + wrap.MarginLeft() / TwipsPerPoint, HorizontalSlack)
                      << near("page number right", foot.box.right(),
                              origin.x() + (surface.PageWidth() - wrap.MarginRight()) / TwipsPerPoint, HorizontalSlack)
                      << near("footer top", foot.box.top(), footTop, VerticalSlack);
            misplaced.removeAll(QString());
            QVERIFY2(misplaced.isEmpty(), qPrintable(QStringLiteral("page %1: ").arg(page) + misplaced.join(QStringLiteral("; "))));
        }
    }

    // Queuing glyphs changes how fast a job prints, never what it prints: a long text reads back
    // the same from both ways of drawing, page for page and word for word, boxes included.
    void sameAsOneDrawTextPerPrint_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("pages");
        QTest::newRow("notepad summaries") << mixedNotepad(0) + []() {
            QString text;
            for (int number = 1; number <= 700; ++number)
                text += notepadLine(number) + QStringLiteral("\r\n");
            return text;
        }() << 12;
        QTest::newRow("mixed scripts and separators") << mixedNotepad(300) << 6;
    }

    void sameAsOneDrawTextPerPrint()
    {
        QFETCH(QString, text);
        QFETCH(int, pages);

        QTemporaryDir folder;
        const QString before = folder.filePath(QStringLiteral("drawtext.pdf"));
        const QString after = folder.filePath(QStringLiteral("queued.pdf"));
        QList<QList<WordBox>> expected;
        QList<QList<WordBox>> actual;
        // Both files carry the date; should midnight pass between them, they are printed again.
        for (int attempt = 0; attempt < 2; ++attempt) {
            const QDate day = QDate::currentDate();
            {
                PdfPrinter pdf(before);
                DrawTextSurface surface(pdf.printer);
                CWordWrap().PrintText(text, surface);
                QCOMPARE(surface.Page(), pages);
            }
            {
                PdfPrinter pdf(after);
                PrinterSurface surface(pdf.printer, PrinterSurface::DefaultFont());
                CWordWrap().PrintText(text, surface);
                QCOMPARE(surface.Page(), pages);
            }
            if (QDate::currentDate() == day)
                break;
        }
        if (const QString error = readWordBoxes(before, expected); !error.isEmpty())
            QFAIL(qPrintable(error));
        if (const QString error = readWordBoxes(after, actual); !error.isEmpty())
            QFAIL(qPrintable(error));
        QCOMPARE(actual.size(), pages);
        QCOMPARE(expected.size(), pages);
        for (int page = 0; page < pages; ++page) {
            QVERIFY2(expected.at(page).size() > 20, qPrintable(QStringLiteral("page %1 is almost empty").arg(page + 1)));
            const QList<WordBox> &read = actual.at(page);
            const QList<WordBox> &drawn = expected.at(page);
            for (qsizetype word = 0; word < std::max(read.size(), drawn.size()); ++word) {
                if (word < read.size() && word < drawn.size() && samePlace(read.at(word), drawn.at(word)))
                    continue;
                QFAIL(qPrintable(QStringLiteral("page %1, word %2: %3 where drawText gave %4")
                                     .arg(page + 1)
                                     .arg(word + 1)
                                     .arg(word < read.size() ? describe(read.at(word)) : QStringLiteral("nothing"),
                                          word < drawn.size() ? describe(drawn.at(word)) : QStringLiteral("nothing"))));
            }
        }

        QList<PdfPage> beforePages;
        QList<PdfPage> afterPages;
        if (const QString error = readPdf(before, beforePages); !error.isEmpty())
            QFAIL(qPrintable(error));
        if (const QString error = readPdf(after, afterPages); !error.isEmpty())
            QFAIL(qPrintable(error));
        for (int page = 0; page < pages; ++page)
            QCOMPARE(afterPages.at(page).layout, beforePages.at(page).layout);
    }

    void emptyText()
    {
        PdfJob job;
        CWordWrap wrap;
        const QDate before = QDate::currentDate();
        wrap.PrintText(QString(), *job.surface);
        const QDate after = QDate::currentDate();
        QCOMPARE(job.surface->Page(), 1);

        QList<PdfPage> pages;
        if (const QString error = readPdf(job.path, pages); !error.isEmpty())
            QFAIL(qPrintable(error));
        QCOMPARE(pages.size(), 1);
        const QStringList today = {Header, footer(dateText(after), 1)};
        if (pages.first().layout != today)
            QCOMPARE(pages.first().layout, QStringList({Header, footer(dateText(before), 1)}));
    }

    void longWord_data()
    {
        // Body lines from the top margin down; an empty entry is a line left empty, and
        // "<long>" stands for the long word.
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("body");
        QTest::newRow("after a word") << QStringLiteral("Before <long> After\r\n")
                                      << QStringList{QStringLiteral("Before"), QStringLiteral("<long>"), QStringLiteral("After")};
        QTest::newRow("at the start, below an empty line") << QStringLiteral("<long> After")
                                                           << QStringList{QString(), QStringLiteral("<long>"), QStringLiteral("After")};
    }

    void longWord()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, body);

        PdfJob job;
        PrinterSurface &surface = *job.surface;
        CWordWrap wrap;
        // Just wider than the space between the margins, so it ends inside the right margin.
        const float between = surface.PageWidth() - wrap.MarginLeft() - wrap.MarginRight();
        const QString letters = QStringLiteral("Supercalifragilisticexpialidocious");
        QString word;
        for (qsizetype i = 0; surface.TextWidth(word) <= between; ++i)
            word += letters.at(i % letters.size());
        QVERIFY(surface.TextWidth(word) < between + wrap.MarginRight());
        text.replace(QStringLiteral("<long>"), word);
        body.replaceInStrings(QStringLiteral("<long>"), word);

        wrap.PrintText(text, surface);
        QCOMPARE(surface.Page(), 1);

        QList<PdfPage> pages;
        if (const QString error = readPdf(job.path, pages); !error.isEmpty())
            QFAIL(qPrintable(error));
        QCOMPARE(pages.size(), 1);
        const PdfPage &pdf = pages.first();
        QStringList printedBody = body;
        printedBody.removeAll(QString());
        QCOMPARE(pdf.layout.mid(1, pdf.layout.size() - 2), printedBody);

        // Each body line where it belongs, the long word whole, from the left margin into the
        // right one.
        const QPointF origin = job.origin();
        const double lineHeight = surface.TextHeight(QStringLiteral("Line")) / TwipsPerPoint;
        QCOMPARE(pdf.lines.size(), printedBody.size() + 2);
        qsizetype next = 1;
        for (qsizetype i = 0; i < body.size(); ++i) {
            if (body.at(i).isEmpty())
                continue;
            const PdfLine &line = pdf.lines.at(next++);
            QCOMPARE(line.text, body.at(i));
            const QString top = near("line top", line.box.top(), origin.y() + wrap.MarginTop() / TwipsPerPoint + double(i) * lineHeight,
                                     VerticalSlack);
            QVERIFY2(top.isEmpty(), qPrintable(body.at(i).left(10) + QStringLiteral(": ") + top));
            if (body.at(i) == word) {
                QCOMPARE(line.words, QStringList{word});
                QVERIFY2(near("long word left", line.box.left(), origin.x() + wrap.MarginLeft() / TwipsPerPoint, HorizontalSlack).isEmpty(),
                         qPrintable(QString::number(line.box.left())));
                QVERIFY(line.box.right() > origin.x() + (surface.PageWidth() - wrap.MarginRight()) / TwipsPerPoint);
            }
        }
    }

    void noPrinter()
    {
        try {
            OpenPrinter(QPrinterInfo());
            QFAIL("OpenPrinter on a null printer did not throw");
        } catch (const PrintError &error) {
            QVERIFY(!error.Description.trimmed().isEmpty());
            // The one failure a PDF file can stand in for.
            QVERIFY(error.NoPrinterInstalled);
        }

        // Through the word-wrap printer, which passes the error on with the cursor restored.
        CWordWrap::setSurfaceOpener([] { return OpenPrinter(QPrinterInfo()); });
        CWordWrap wrap;
        QVERIFY_THROWS_EXCEPTION(PrintError, wrap.PrintText(notepadLine(1)));
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    void unwritableFile()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("missing/notes.pdf"));
        PdfPrinter pdf(path);
        // Qt opens the file when the job starts, so the printer fails before the first page.
        try {
            PrinterSurface surface(pdf.printer, PrinterSurface::DefaultFont());
            QFAIL("a print job on an unwritable file started");
        } catch (const PrintError &error) {
            QVERIFY2(error.Description.contains(QStringLiteral("notes.pdf")), qPrintable(error.Description));
            QVERIFY(!error.NoPrinterInstalled);
        }
        QVERIFY(!QFileInfo::exists(path));

        CWordWrap::setSurfaceOpener([path] { return std::make_unique<OwnedPdfSurface>(path); });
        CWordWrap wrap;
        QVERIFY_THROWS_EXCEPTION(PrintError, wrap.PrintText(notepadLine(1)));
        QVERIFY(!QGuiApplication::overrideCursor());
        QVERIFY(!QFileInfo::exists(path));

        // The PDF file that stands in for a missing printer fails the same way.
        try {
            OpenPdfPrinter(path);
            QFAIL("a PDF file in a missing folder was opened");
        } catch (const PrintError &error) {
            QVERIFY2(error.Description.contains(QStringLiteral("notes.pdf")), qPrintable(error.Description));
            QVERIFY(!error.NoPrinterInstalled);
        }
        QVERIFY(!QFileInfo::exists(path));

        // So does the one the printing plugin makes, with the program's words.
        try {
            PrintingPlugin::OpenPdfPrinter(path);
            QFAIL("the printing plugin opened a PDF file in a missing folder");
        } catch (const PrintError &error) {
            QVERIFY2(error.Description.contains(QStringLiteral("notes.pdf")), qPrintable(error.Description));
            QVERIFY(!error.Description.contains(QStringLiteral("<0722>")));
            QVERIFY(!error.NoPrinterInstalled);
        }
        QVERIFY(!QFileInfo::exists(path));
    }

    // A printing plugin that cannot be loaded fails the job as a failing printer does, with the
    // loader's reason, and never with the offer of a PDF file, which needs the plugin too.
    void missingPrintingPlugin_data()
    {
        QTest::addColumn<int>("content");
        QTest::addColumn<QString>("job");
        // A part of the reason; %1 is the plugin folder.
        QTest::addColumn<QString>("reason");
        const QString notThere = QStringLiteral("CalvextraPrinting is not in %1.");
        QTest::newRow("empty folder, default printer") << int(PluginFolder::Empty) << "default" << notThere;
        QTest::newRow("empty folder, PDF file") << int(PluginFolder::Empty) << "pdf" << notThere;
        QTest::newRow("empty folder, word-wrap printer") << int(PluginFolder::Empty) << "wordwrap" << notThere;
        QTest::newRow("no library, PDF file") << int(PluginFolder::NoLibrary) << "pdf"
                                              << QStringLiteral("%1/CalvextraPrinting.");
        QTest::newRow("another plugin, default printer")
            << int(PluginFolder::OtherPlugin) << "default"
            << QStringLiteral("CalvextraPrinting offers no " CalvextraPrinterServices_iid ".");
    }

    void missingPrintingPlugin()
    {
        QFETCH(int, content);
        QFETCH(QString, job);
        QFETCH(QString, reason);
        const PluginFolder plugins(PluginFolder::Content(content), PrintingPlugin::FileName,
                                   QStringLiteral(NETWORK_PLUGIN));
        const QString path = plugins.path() + QStringLiteral("/notes.pdf");
        try {
            if (job == QLatin1String("default")) {
                PrintingPlugin::OpenDefaultPrinter();
            } else if (job == QLatin1String("pdf")) {
                PrintingPlugin::OpenPdfPrinter(path);
            } else {
                CWordWrap wrap;
                wrap.PrintText(notepadLine(1));
            }
            QFAIL("a job started without the printing plugin");
        } catch (const PrintError &error) {
            QVERIFY2(error.Description.contains(reason.arg(plugins.path())), qPrintable(error.Description));
            QVERIFY(!error.NoPrinterInstalled);
        }
        QVERIFY(!QGuiApplication::overrideCursor());
        QVERIFY(!QFileInfo::exists(path));
    }

    // In place of a missing printer: a PDF file on the paper of the user's region, with the pages
    // a printer gets.
    void pdfFileInPlaceOfAPrinter_data()
    {
        QTest::addColumn<QString>("region");
        QTest::addColumn<QSizeF>("paper");
        // Made by the printing plugin, as the window makes it, rather than by the surface itself.
        QTest::addColumn<bool>("throughPlugin");
        QTest::newRow("US measures: Letter") << QStringLiteral("en_US") << QSizeF(612, 792) << false;
        QTest::newRow("metric: A4") << QStringLiteral("de_DE") << QSizeF(595.28, 841.89) << false;
        QTest::newRow("metric, English: A4") << QStringLiteral("en_GB") << QSizeF(595.28, 841.89) << false;
        QTest::newRow("printing plugin, US measures: Letter") << QStringLiteral("en_US") << QSizeF(612, 792) << true;
        QTest::newRow("printing plugin, metric: A4") << QStringLiteral("de_DE") << QSizeF(595.28, 841.89) << true;
    }

    void pdfFileInPlaceOfAPrinter()
    {
        QFETCH(QString, region);
        QFETCH(QSizeF, paper);
        QFETCH(bool, throughPlugin);
        UseNumberLocale(QLocale(region));

        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("Notizen.pdf"));
        const std::unique_ptr<PrintSurface> surface =
            throughPlugin ? PrintingPlugin::OpenPdfPrinter(path) : OpenPdfPrinter(path);
        CWordWrap wrap;
        const QDate before = QDate::currentDate();
        wrap.PrintText(QStringLiteral("Grüße aus Köln\r\n") + notepadLine(1) + QStringLiteral("\r\n"), *surface);
        const QDate after = QDate::currentDate();
        QCOMPARE(surface->Page(), 1);
        // The face and line height of a print on a printer.
        const float lineHeight = surface->TextHeight(QStringLiteral("Line"));
        QVERIFY2(lineHeight >= 200 && lineHeight <= 320, qPrintable(QString::number(lineHeight)));

        QList<PdfPage> pages;
        if (const QString error = readPdf(path, pages); !error.isEmpty())
            QFAIL(qPrintable(error));
        QCOMPARE(pages.size(), 1);
        const PdfPage &pdf = pages.first();
        QVERIFY2(qAbs(pdf.size.width() - paper.width()) < 0.5 && qAbs(pdf.size.height() - paper.height()) < 0.5,
                 qPrintable(QStringLiteral("%1 x %2 pt").arg(pdf.size.width()).arg(pdf.size.height())));
        const QString date = pdf.layout.value(3).startsWith(dateText(after)) ? dateText(after) : dateText(before);
        QCOMPARE(pdf.layout, (QStringList{Header, QStringLiteral("Grüße aus Köln"), notepadLine(1).simplified(),
                                          footer(date, 1)}));
    }
};

QTEST_MAIN(TestPrintPdf)
#include "tst_printpdf.moc"
