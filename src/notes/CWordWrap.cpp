#include "CWordWrap.h"

#include "Localization.h"
#include "PrintSurface.h"
#include "PrintingPlugin.h"

#include <QCursor>
#include <QDate>
#include <QGuiApplication>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace {

CWordWrap::SurfaceOpener &surfaceOpener()
{
    static CWordWrap::SurfaceOpener opener = PrintingPlugin::OpenDefaultPrinter;
    return opener;
}

// The hourglass for as long as a job runs, however it ends.
class BusyCursor
{
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};

// Space, tab, CR, LF and the other control characters separate words; everything else,
// letters beyond ASCII included, belongs to a word.
bool isBlankOrLess(QChar c)
{
    return c.unicode() <= 32;
}

// Tab stops lie every ten widths of "0" from a fixed 720 twips, not from the left margin (the two
// agree with the default margin).
constexpr float TabOrigin = 720;

} // namespace

void CWordWrap::setSurfaceOpener(SurfaceOpener opener)
{
    surfaceOpener() = opener ? std::move(opener) : SurfaceOpener(PrintingPlugin::OpenDefaultPrinter);
}

CWordWrap::CWordWrap() : m_headerText(GetLocalizedString(QStringLiteral("Calvextra Notes<0668>")))
{
}

void CWordWrap::PrintText(const QString &Text)
{
    const BusyCursor busy;
    const std::unique_ptr<PrintSurface> surface = surfaceOpener()();
    PrintText(Text, *surface);
}

void CWordWrap::PrintText(const QString &Text, PrintSurface &surface)
{
    const BusyCursor busy;
    PrintPageHeader(surface, false);
    const qsizetype length = Text.size();
    const auto progressAt = [&surface, length](qsizetype position) {
        return Progress{surface.Page(), position, length};
    };
    qsizetype p = 0;
    bool going = true;
    while (going && p < length) {
        const qsizetype wordStart = p;
        while (p < length && !isBlankOrLess(Text.at(p)))
            ++p;
        const QString word = Text.mid(wordStart, p - wordStart);

        // A word that ends exactly at the right margin fits. One wider than the page goes on a
        // line of its own, whole.
        if (surface.CurrentX() + surface.TextWidth(word) > surface.PageWidth() - m_marginRight
            && !nextLine(surface, progressAt(wordStart)))
            break;
        surface.Print(word);

        for (; going && p < length && isBlankOrLess(Text.at(p)); ++p) {
            switch (Text.at(p).unicode()) {
            case ' ':
                surface.Print(QStringLiteral(" "));
                break;
            case '\n':
                going = nextLine(surface, progressAt(p + 1));
                break;
            case '\t':
                advanceToTabStop(surface);
                break;
            default:
                break;  // the CR of a CR LF pair and other control characters print nothing
            }
        }
    }
    surface.EndDoc();
}

bool CWordWrap::nextLine(PrintSurface &surface, const Progress &progress)
{
    surface.EndLine();
    if (surface.CurrentY() > surface.PageHeight() - m_marginBottom) {
        if (m_pageObserver && !m_pageObserver(progress))
            return false;
        PrintPageHeader(surface, true);
    } else {
        surface.setCurrentX(m_marginLeft);
    }
    return true;
}

void CWordWrap::advanceToTabStop(PrintSurface &surface)
{
    const float zeroWidth = surface.TextWidth(QStringLiteral("0"));
    if (!(zeroWidth > 0))
        return;  // a font without width cannot place tab stops
    // Halves go to the even column, as the default rounding mode does.
    const double column = std::nearbyint(double(surface.CurrentX() - TabOrigin) / double(zeroWidth));
    const double bounded = std::clamp(column, -1e9, 1e9);
    const auto c = static_cast<qint64>(bounded);
    const qint64 n = c + 10 - (c % 10);
    surface.setCurrentX(float(double(zeroWidth) * double(n) + double(TabOrigin)));
}

void CWordWrap::PrintPageHeader(PrintSurface &surface, bool newPage)
{
    if (newPage)
        surface.NewPage();

    surface.setCurrentY((m_marginTop - surface.TextHeight(m_headerText)) / 2);
    surface.setCurrentX((surface.PageWidth() - surface.TextWidth(m_headerText)) / 2);
    surface.Print(m_headerText);

    const float footerY = surface.PageHeight() - m_marginBottom / 2;
    surface.setCurrentX(m_marginLeft);
    surface.setCurrentY(footerY);
    surface.Print(QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));

    const QString pageNumber = GetLocalizedString(QStringLiteral("Page <0667>")) + QString::number(surface.Page());
    surface.setCurrentX(surface.PageWidth() - (surface.TextWidth(pageNumber) + m_marginRight));
    surface.setCurrentY(footerY);
    surface.Print(pageNumber);

    surface.setCurrentX(m_marginLeft);
    surface.setCurrentY(m_marginTop);
}
