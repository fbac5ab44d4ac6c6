#include "PrinterSurface.h"

#include <QFontDatabase>
#include <QLocale>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace {

constexpr qreal TwipsPerInch = 1440;
// Enough for the distinct words of a long notepad; a text that has more starts over.
constexpr qsizetype MaxCachedTexts = 50000;

// Where the text engine puts a point given in device pixels: on the grid of 64ths, towards zero.
qreal onGlyphGrid(qreal devicePixels)
{
    return std::trunc(devicePixels * 64) / 64;
}

// Characters a text layout breaks lines at, ends a measurement at or lays out as objects, where a
// plain drawText does not.
bool laidOutOtherwise(QChar c)
{
    const char16_t code = c.unicode();
    return code == 0x9c || code == 0x2028 || code == 0x2029 || code == 0xfffc;
}

QString printerName(const QPrinter &printer)
{
    return printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : printer.printerName();
}

struct PrinterHolder
{
    std::unique_ptr<QPrinter> ownedPrinter;
};

// Keeps the printer alive for as long as the surface on it: the holder base is made first and
// destroyed last, after the painter has let go of the printer.
class OwnedPrinterSurface : private PrinterHolder, public PrinterSurface
{
public:
    OwnedPrinterSurface(std::unique_ptr<QPrinter> printer, PrintTextLookup texts)
        : PrinterHolder{std::move(printer)}, PrinterSurface(*ownedPrinter, PrinterSurface::DefaultFont(), texts)
    {
    }
};

} // namespace

PrinterSurface::PrinterSurface(QPrinter &printer, const QFont &font, PrintTextLookup texts)
    : m_printer(printer), m_texts(texts), m_font(font), m_dpi(printer.resolution())
{
    if (!printer.isValid() || m_dpi <= 0)
        throw PrintError{m_texts(QStringLiteral("The printer \"%1\" is not available.<0721>"))
                             .arg(printerName(printer))};
    if (!m_painter.begin(&printer))
        throw PrintError{m_texts(QStringLiteral("The printer \"%1\" could not start printing.<0722>"))
                             .arg(printerName(printer))};
    m_painter.setFont(m_font);
    m_metrics.emplace(m_font, &m_printer);
    m_ascent = m_metrics->ascent();
    m_lineHeight = toTwips(m_metrics->height());
    const QRect paintRect = m_printer.pageLayout().paintRectPixels(int(m_dpi));
    m_pageWidth = toTwips(paintRect.width());
    m_pageHeight = toTwips(paintRect.height());
}

PrinterSurface::~PrinterSurface()
{
    if (m_painter.isActive())
        flushGlyphs();
}

float PrinterSurface::toTwips(qreal devicePixels) const
{
    return float(devicePixels * TwipsPerInch / m_dpi);
}

qreal PrinterSurface::toDevice(float twips) const
{
    return qreal(twips) * m_dpi / TwipsPerInch;
}

PrinterSurface::Shape &PrinterSurface::shapeOf(const QString &text) const
{
    auto found = m_shapes.find(text);
    if (found != m_shapes.end())
        return *found;
    // A text of words that never repeat must not grow the cache without end.
    if (m_shapes.size() >= MaxCachedTexts)
        m_shapes.clear();
    Shape entry;
    entry.advance = m_metrics->horizontalAdvance(text);
    return *m_shapes.insert(text, entry);
}

float PrinterSurface::TextWidth(const QString &text) const
{
    return toTwips(shapeOf(text).advance);
}

float PrinterSurface::TextHeight(const QString &) const
{
    return m_lineHeight;
}

void PrinterSurface::shape(const QString &text, Shape &entry) const
{
    entry.shaped = true;
    if (std::any_of(text.cbegin(), text.cend(), laidOutOtherwise)) {
        entry.drawnAsText = true;
        return;
    }
    QTextLayout layout(text, m_painter.font(), &m_printer);
    QTextOption option;
    option.setTextDirection(m_painter.layoutDirection());
    option.setWrapMode(QTextOption::NoWrap);
    option.setFlags(QTextOption::IncludeTrailingSpaces);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    if (line.isValid())
        line.setLineWidth(0);
    const bool oneLine = line.isValid() && !layout.createLine().isValid();
    layout.endLayout();
    if (!oneLine) {
        entry.drawnAsText = true;
        return;
    }
    // Glyph positions relative to the start of the baseline. They are whole 64ths of a device
    // pixel, so adding them to a start on that grid is exact.
    const QPointF baseline(line.x(), line.y() + line.ascent());
    entry.runs = line.glyphRuns();
    for (QGlyphRun &run : entry.runs) {
        QList<QPointF> positions = run.positions();
        for (QPointF &position : positions)
            position -= baseline;
        run.setPositions(positions);
    }
}

void PrinterSurface::Print(const QString &text)
{
    if (text.isEmpty())
        return;  // nothing to draw, no advance: the empty word before a leading separator
    Shape &entry = shapeOf(text);
    if (!entry.shaped)
        shape(text, entry);
    // The position is the top-left corner of the text, as on the printer object.
    const QPointF start(toDevice(m_x), toDevice(m_y) + m_ascent);
    if (entry.drawnAsText) {
        flushGlyphs();
        m_painter.drawText(start, text);
    } else {
        queueGlyphs(entry, start);
    }
    m_x += toTwips(entry.advance);
}

void PrinterSurface::queueGlyphs(const Shape &entry, QPointF baselineStart)
{
    const QPointF start(onGlyphGrid(baselineStart.x()), onGlyphGrid(baselineStart.y()));
    for (const QGlyphRun &run : entry.runs) {
        const QRawFont font = run.rawFont();
        if (m_queued.isEmpty() || !(m_queued.last().font == font))
            m_queued.append(QueuedRun{font, {}, {}});
        QueuedRun &queued = m_queued.last();
        queued.glyphs.append(run.glyphIndexes());
        for (const QPointF &position : run.positions())
            queued.positions.append(start + position);
    }
}

void PrinterSurface::flushGlyphs()
{
    if (m_queued.isEmpty())
        return;
    for (const QueuedRun &queued : std::as_const(m_queued)) {
        QGlyphRun run;
        run.setRawFont(queued.font);
        run.setGlyphIndexes(queued.glyphs);
        run.setPositions(queued.positions);
        m_painter.drawGlyphRun(QPointF(0, 0), run);
    }
    m_queued.clear();
}

// A run goes out whenever the position jumps, so that it starts from an absolute position as every
// print did before: within a run the printer adds up relative steps, written with limited digits,
// and a page would then differ from before in the last digits and in how its glyphs are smoothed.
void PrinterSurface::setCurrentX(float x)
{
    flushGlyphs();
    m_x = x;
}

void PrinterSurface::setCurrentY(float y)
{
    flushGlyphs();
    m_y = y;
}

void PrinterSurface::EndLine()
{
    flushGlyphs();
    m_x = 0;
    m_y += m_lineHeight;
}

void PrinterSurface::NewPage()
{
    flushGlyphs();
    if (!m_printer.newPage())
        throw PrintError{m_texts(QStringLiteral("The printer \"%1\" could not start a new page.<0723>"))
                             .arg(printerName(m_printer))};
    failIfPrinterFailed();
    m_x = 0;
    m_y = 0;
    ++m_page;
}

void PrinterSurface::EndDoc()
{
    flushGlyphs();
    m_painter.end();
    failIfPrinterFailed();
}

void PrinterSurface::failIfPrinterFailed() const
{
    if (m_printer.printerState() == QPrinter::Error)
        throw PrintError{m_texts(QStringLiteral("The printer \"%1\" reported an error.<0724>"))
                             .arg(printerName(m_printer))};
}

QFont PrinterSurface::DefaultFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSizeF(10);
    return font;
}

std::unique_ptr<PrintSurface> OpenPrinter(const QPrinterInfo &printer, PrintTextLookup texts)
{
    if (printer.isNull())
        throw PrintError{texts(QStringLiteral(
            "No printer is installed. Install a printer and make it the default printer, then print again.<0725>")),
                         true};
    auto device = std::make_unique<QPrinter>(printer, QPrinter::HighResolution);
    return std::make_unique<OwnedPrinterSurface>(std::move(device), texts);
}

std::unique_ptr<PrintSurface> OpenPdfPrinter(const QString &path, PrintTextLookup texts)
{
    auto device = std::make_unique<QPrinter>(QPrinter::HighResolution);
    device->setOutputFormat(QPrinter::PdfFormat);
    const bool usMeasures = QLocale().measurementSystem() == QLocale::ImperialUSSystem;
    device->setPageSize(QPageSize(usMeasures ? QPageSize::Letter : QPageSize::A4));
    device->setOutputFileName(path);
    return std::make_unique<OwnedPrinterSurface>(std::move(device), texts);
}

std::unique_ptr<PrintSurface> OpenDefaultPrinter(PrintTextLookup texts)
{
    return OpenPrinter(QPrinterInfo::defaultPrinter(), texts);
}
