#include "PrinterSurface.h"

#include "Localization.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

constexpr qreal TwipsPerInch = 1440;

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
    explicit OwnedPrinterSurface(std::unique_ptr<QPrinter> printer)
        : PrinterHolder{std::move(printer)}, PrinterSurface(*ownedPrinter, PrinterSurface::DefaultFont())
    {
    }
};

} // namespace

PrinterSurface::PrinterSurface(QPrinter &printer, const QFont &font)
    : m_printer(printer), m_font(font), m_dpi(printer.resolution())
{
    if (!printer.isValid() || m_dpi <= 0)
        throw PrintError{GetLocalizedString(QStringLiteral("The printer \"%1\" is not available.<0721>"))
                             .arg(printerName(printer))};
    if (!m_painter.begin(&printer))
        throw PrintError{GetLocalizedString(QStringLiteral("The printer \"%1\" could not start printing.<0722>"))
                             .arg(printerName(printer))};
    m_painter.setFont(m_font);
}

float PrinterSurface::toTwips(qreal devicePixels) const
{
    return float(devicePixels * TwipsPerInch / m_dpi);
}

qreal PrinterSurface::toDevice(float twips) const
{
    return qreal(twips) * m_dpi / TwipsPerInch;
}

float PrinterSurface::PageWidth() const
{
    return toTwips(m_printer.pageLayout().paintRectPixels(int(m_dpi)).width());
}

float PrinterSurface::PageHeight() const
{
    return toTwips(m_printer.pageLayout().paintRectPixels(int(m_dpi)).height());
}

float PrinterSurface::TextWidth(const QString &text) const
{
    return toTwips(QFontMetricsF(m_font, &m_printer).horizontalAdvance(text));
}

float PrinterSurface::TextHeight(const QString &) const
{
    return toTwips(QFontMetricsF(m_font, &m_printer).height());
}

void PrinterSurface::Print(const QString &text)
{
    const QFontMetricsF metrics(m_font, &m_printer);
    // The position is the top-left corner of the text, as on the printer object.
    m_painter.drawText(QPointF(toDevice(m_x), toDevice(m_y) + metrics.ascent()), text);
    m_x += toTwips(metrics.horizontalAdvance(text));
}

void PrinterSurface::EndLine()
{
    m_x = 0;
    m_y += TextHeight(QString());
}

void PrinterSurface::NewPage()
{
    if (!m_printer.newPage())
        throw PrintError{GetLocalizedString(QStringLiteral("The printer \"%1\" could not start a new page.<0723>"))
                             .arg(printerName(m_printer))};
    failIfPrinterFailed();
    m_x = 0;
    m_y = 0;
    ++m_page;
}

void PrinterSurface::EndDoc()
{
    m_painter.end();
    failIfPrinterFailed();
}

void PrinterSurface::failIfPrinterFailed() const
{
    if (m_printer.printerState() == QPrinter::Error)
        throw PrintError{GetLocalizedString(QStringLiteral("The printer \"%1\" reported an error.<0724>"))
                             .arg(printerName(m_printer))};
}

QFont PrinterSurface::DefaultFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSizeF(10);
    return font;
}

std::unique_ptr<PrintSurface> OpenPrinter(const QPrinterInfo &printer)
{
    if (printer.isNull())
        throw PrintError{GetLocalizedString(QStringLiteral(
            "No printer is installed. Install a printer and make it the default printer, then print again.<0725>")),
                         true};
    auto device = std::make_unique<QPrinter>(printer, QPrinter::HighResolution);
    return std::make_unique<OwnedPrinterSurface>(std::move(device));
}

std::unique_ptr<PrintSurface> OpenPdfPrinter(const QString &path)
{
    auto device = std::make_unique<QPrinter>(QPrinter::HighResolution);
    device->setOutputFormat(QPrinter::PdfFormat);
    const bool usMeasures = QLocale().measurementSystem() == QLocale::ImperialUSSystem;
    device->setPageSize(QPageSize(usMeasures ? QPageSize::Letter : QPageSize::A4));
    device->setOutputFileName(path);
    return std::make_unique<OwnedPrinterSurface>(std::move(device));
}

std::unique_ptr<PrintSurface> OpenDefaultPrinter()
{
    return OpenPrinter(QPrinterInfo::defaultPrinter());
}
