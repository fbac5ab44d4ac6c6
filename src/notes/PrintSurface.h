#pragma once

#include <QString>

// A page-printing device as the word-wrap printer sees it. Positions and sizes are in twips
// (1/1440 inch) from the top-left corner of the printable area; "page width" and "page height"
// are the printable width and height of the current page.
class PrintSurface
{
public:
    virtual ~PrintSurface() = default;

    virtual float CurrentX() const = 0;
    virtual float CurrentY() const = 0;
    virtual void setCurrentX(float x) = 0;
    virtual void setCurrentY(float y) = 0;

    virtual float PageWidth() const = 0;
    virtual float PageHeight() const = 0;
    virtual float TextWidth(const QString &text) const = 0;
    virtual float TextHeight(const QString &text) const = 0;

    // Prints at the current position and moves right by the text's width; the line stays open.
    virtual void Print(const QString &text) = 0;
    // Back to the left edge, one line height lower.
    virtual void EndLine() = 0;
    virtual void NewPage() = 0;
    // 1 on the first page of the job.
    virtual int Page() const = 0;
    // Hands the job to the printer.
    virtual void EndDoc() = 0;
};

// How a printer's messages get the words of the running language: a tagged text in, its text out.
// A plain function, so that the printing plugin, which shares no state with the program, can be
// handed the program's own lookup.
using PrintTextLookup = QString (*)(const QString &TaggedText);

// A printer that is missing or fails. Description names the problem in words for the user;
// NoPrinterInstalled tells the case where there is no printer at all, which a PDF file can stand
// in for.
struct PrintError
{
    QString Description;
    bool NoPrinterInstalled = false;
};
