#pragma once

#include <QString>

#include <functional>
#include <memory>

class PrintSurface;

// Prints a plain text as one job: words wrap at the right margin, line feeds and tabs are
// honoured, and every page carries a centred header, the date at the bottom left and its number at
// the bottom right. Margins are in twips.
class CWordWrap
{
public:
    // Where PrintText(Text) prints: by default the system's default printer. The opener throws
    // PrintError when there is no printer to print on.
    using SurfaceOpener = std::function<std::unique_ptr<PrintSurface>()>;
    static void setSurfaceOpener(SurfaceOpener opener);

    CWordWrap();

    QString HeaderText() const { return m_headerText; }
    void setHeaderText(const QString &text) { m_headerText = text; }
    float MarginLeft() const { return m_marginLeft; }
    void setMarginLeft(float twips) { m_marginLeft = twips; }
    float MarginTop() const { return m_marginTop; }
    void setMarginTop(float twips) { m_marginTop = twips; }
    float MarginRight() const { return m_marginRight; }
    void setMarginRight(float twips) { m_marginRight = twips; }
    float MarginBottom() const { return m_marginBottom; }
    void setMarginBottom(float twips) { m_marginBottom = twips; }

    // One print job on the current surface. A missing or failing printer throws PrintError; the
    // busy cursor shown meanwhile is restored either way.
    void PrintText(const QString &Text);
    void PrintText(const QString &Text, PrintSurface &surface);

private:
    void PrintPageHeader(PrintSurface &surface, bool newPage);
    // Ends the line; below the bottom margin a new page begins, otherwise the left margin.
    void nextLine(PrintSurface &surface);
    void advanceToTabStop(PrintSurface &surface);

    QString m_headerText;
    float m_marginLeft = 720;
    float m_marginTop = 1440;
    float m_marginRight = 720;
    float m_marginBottom = 1440;
};
