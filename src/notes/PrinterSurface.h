#pragma once

#include "PrintSurface.h"

#include <QFont>
#include <QPainter>

#include <memory>

class QPrinter;
class QPrinterInfo;

// A print surface on a QPrinter: the job starts when the surface is made and is handed over by
// EndDoc. Positions are kept in twips and converted at the printer's resolution.
class PrinterSurface : public PrintSurface
{
public:
    // Throws PrintError when the printer cannot start the job.
    PrinterSurface(QPrinter &printer, const QFont &font);

    float CurrentX() const override { return m_x; }
    float CurrentY() const override { return m_y; }
    void setCurrentX(float x) override { m_x = x; }
    void setCurrentY(float y) override { m_y = y; }
    float PageWidth() const override;
    float PageHeight() const override;
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
    float toTwips(qreal devicePixels) const;
    qreal toDevice(float twips) const;
    void failIfPrinterFailed() const;

    QPrinter &m_printer;
    QPainter m_painter;
    QFont m_font;
    qreal m_dpi;
    float m_x = 0;
    float m_y = 0;
    int m_page = 1;
};

// The system's default printer, ready for one job; throws PrintError when there is none.
std::unique_ptr<PrintSurface> OpenDefaultPrinter();
// The same for a given printer: a null printer is "no printer installed".
std::unique_ptr<PrintSurface> OpenPrinter(const QPrinterInfo &printer);
// A PDF file in place of a printer, on the paper of the user's region (Letter where US measures
// are used, A4 elsewhere), in the face a printer gets; throws PrintError when the file cannot be
// written.
std::unique_ptr<PrintSurface> OpenPdfPrinter(const QString &path);
