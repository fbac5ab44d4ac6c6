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

    // How far a job has got when a page is finished: the pages done and the characters of the
    // text used up so far.
    struct Progress
    {
        int pagesDone = 0;
        qsizetype charactersDone = 0;
        qsizetype characters = 0;
    };
    // Told after every finished page of a job. Returning false ends the job there: the document
    // is ended with the pages done, as when the text has run out.
    using PageObserver = std::function<bool(const Progress &)>;
    void setPageObserver(PageObserver observer) { m_pageObserver = std::move(observer); }

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
    // Ends the line; below the bottom margin a new page begins, otherwise the left margin. False
    // when the page observer ended the job at the finished page.
    bool nextLine(PrintSurface &surface, const Progress &progress);
    void advanceToTabStop(PrintSurface &surface);

    PageObserver m_pageObserver;
    QString m_headerText;
    float m_marginLeft = 720;
    float m_marginTop = 1440;
    float m_marginRight = 720;
    float m_marginBottom = 1440;
};
