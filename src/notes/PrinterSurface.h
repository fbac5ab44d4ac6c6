#pragma once

#include "Localization.h"
#include "PrintSurface.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QHash>
#include <QPainter>
#include <QRawFont>

#include <memory>
#include <optional>

class QPrinter;
class QPrinterInfo;

// A print surface on a QPrinter: the job starts when the surface is made and is handed over by
// EndDoc. Positions are kept in twips and converted at the printer's resolution.
//
// A notepad repeats the same few words thousands of times, so every text is measured and shaped
// once per job, and the glyphs of the prints that follow one another on a line go to the printer
// in one run. Each glyph lands exactly where a QPainter::drawText of its own text at the print
// position would put it.
class PrinterSurface : public PrintSurface
{
public:
    // Throws PrintError when the printer cannot start the job. The messages' words come from texts.
    PrinterSurface(QPrinter &printer, const QFont &font, PrintTextLookup texts = GetLocalizedString);
    // A job abandoned without EndDoc keeps what was printed, as the painter ending it would.
    ~PrinterSurface() override;
    PrinterSurface(const PrinterSurface &) = delete;
    PrinterSurface &operator=(const PrinterSurface &) = delete;

    float CurrentX() const override { return m_x; }
    float CurrentY() const override { return m_y; }
    void setCurrentX(float x) override;
    void setCurrentY(float y) override;
    float PageWidth() const override { return m_pageWidth; }
    float PageHeight() const override { return m_pageHeight; }
    float TextWidth(const QString &text) const override;
    float TextHeight(const QString &text) const override;
    void Print(const QString &text) override;
    void EndLine() override;
    void NewPage() override;
    int Page() const override { return m_page; }
    void EndDoc() override;

    // The font a job prints in when the program chooses none: the printer's usual 10-point face.
    static QFont DefaultFont();

private:
    // A text as drawText lays it out: its advance in device pixels and, once it has been printed,
    // its glyphs relative to the start of its baseline. Texts the text layout would break or
    // treat otherwise than drawText are drawn with drawText itself.
    struct Shape
    {
        qreal advance = 0;
        bool shaped = false;
        bool drawnAsText = false;
        QList<QGlyphRun> runs;
    };
    struct QueuedRun
    {
        QRawFont font;
        QList<quint32> glyphs;
        QList<QPointF> positions;  // device pixels on the page
    };

    Shape &shapeOf(const QString &text) const;
    void shape(const QString &text, Shape &entry) const;
    // Queues the glyphs of a shaped text with its baseline starting at the given device position.
    void queueGlyphs(const Shape &entry, QPointF baselineStart);
    // Draws the queued glyphs, in the order they were printed.
    void flushGlyphs();

    float toTwips(qreal devicePixels) const;
    qreal toDevice(float twips) const;
    void failIfPrinterFailed() const;

    QPrinter &m_printer;
    PrintTextLookup m_texts;
    QPainter m_painter;
    QFont m_font;
    qreal m_dpi;
    // The font does not change during a job: one set of metrics serves every measurement.
    std::optional<QFontMetricsF> m_metrics;
    qreal m_ascent = 0;
    float m_lineHeight = 0;
    float m_pageWidth = 0;
    float m_pageHeight = 0;
    mutable QHash<QString, Shape> m_shapes;
    // The glyphs printed since the position was last set or the line ended, not yet drawn:
    // consecutive glyphs of one font share a run.
    QList<QueuedRun> m_queued;
    float m_x = 0;
    float m_y = 0;
    int m_page = 1;
};

// The system's default printer, ready for one job; throws PrintError when there is none.
std::unique_ptr<PrintSurface> OpenDefaultPrinter(PrintTextLookup texts = GetLocalizedString);
// The same for a given printer: a null printer is "no printer installed".
std::unique_ptr<PrintSurface> OpenPrinter(const QPrinterInfo &printer, PrintTextLookup texts = GetLocalizedString);
// A PDF file in place of a printer, on the paper of the user's region (Letter where US measures
// are used, A4 elsewhere), in the face a printer gets; throws PrintError when the file cannot be
// written.
std::unique_ptr<PrintSurface> OpenPdfPrinter(const QString &path, PrintTextLookup texts = GetLocalizedString);
