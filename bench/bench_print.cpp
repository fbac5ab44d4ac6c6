// Time to print a long notepad through the word-wrap printer onto a PDF printer (A4, high
// resolution), from the start of the job until the file is written: a 20-page text, then a
// notepad of 10,000 summaries as the calculator writes them (about 850 pages).
// Run: build/bin/bench_print [rounds [long rounds]]   (default 15 and 3 rounds, each after one
// warm-up round)
// The PDF files go to a temporary folder; no real printer is used.

#include "CAuctionSite.h"
#include "CNotes.h"
#include "CWordWrap.h"
#include "PrinterSurface.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPageSize>
#include <QPrinter>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

namespace {

constexpr int Pages = 20;
constexpr int Summaries = 10000;

struct PdfJob
{
    QPrinter printer{QPrinter::HighResolution};
    std::optional<PrinterSurface> surface;

    explicit PdfJob(const QString &path)
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setOutputFileName(path);
        surface.emplace(printer, PrinterSurface::DefaultFont());
    }
};

// Lines that fill one page: the body starts at the top margin and a new page begins after a
// line end once the position has passed the bottom margin.
int linesPerPage(const PrintSurface &surface, const CWordWrap &wrap)
{
    const float lineHeight = surface.TextHeight(QStringLiteral("Line"));
    float y = wrap.MarginTop();
    int lines = 1;
    while ((y += lineHeight) <= surface.PageHeight() - wrap.MarginBottom())
        ++lines;
    return lines;
}

// Summaries as the notepad holds them, one per line, ending half-way down the last page.
QString notepad(int perPage)
{
    const int lineCount = (Pages - 1) * perPage + perPage / 2;
    QString text;
    for (int number = 1; number <= lineCount; ++number) {
        text += QStringLiteral("Line %1: REGULAR AUCTION:  Opening Bid $10.00, Sold at $25.00, Total eBay Fees $2.61")
                    .arg(number, 3, 10, QLatin1Char('0'));
        text += QStringLiteral("\r\n");
    }
    return text;
}

// Summaries of sold and unsold items on the first site, their figures varying from one to the
// next, five lines each.
QString summaries()
{
    CAuctionSite site;
    site.setSite(1);
    CNotes notes;
    QString text;
    for (int number = 0; number < Summaries; ++number) {
        const QString price = QString::number(10 + number % 90) + QStringLiteral(".00");
        const QString bid = QString::number(12 + number % 370) + QStringLiteral(".50");
        text += notes.AddToNotesRegular(number % 3 == 0, price, QStringLiteral("1.10"), QStringLiteral("0.00"),
                                        number % 4 != 0, bid, QStringLiteral("3.28"), QStringLiteral("4.38"), site);
    }
    return text;
}

double ms(qint64 nanoseconds)
{
    return double(nanoseconds) / 1e6;
}

struct Timings
{
    std::vector<qint64> times;  // sorted, warm-up round left out
    qint64 warmUp = 0;
    int pages = 0;
    qint64 fileSize = 0;

    double median() const
    {
        const std::size_t n = times.size();
        return n % 2 ? ms(times[n / 2]) : (ms(times[n / 2 - 1]) + ms(times[n / 2])) / 2;
    }
};

// Prints the text once more than the rounds asked for and times every job; false when a job
// failed, with the reason on stderr.
bool printRounds(const QTemporaryDir &folder, const QString &text, int rounds, Timings &timings)
{
    for (int round = 0; round <= rounds; ++round) {
        const QString path = folder.filePath(QStringLiteral("notes-%1.pdf").arg(round));
        QElapsedTimer timer;
        timer.start();
        try {
            PdfJob job(path);
            CWordWrap wrap;
            wrap.PrintText(text, *job.surface);
            timings.pages = job.surface->Page();
        } catch (const PrintError &error) {
            std::fprintf(stderr, "printing failed: %s\n", qPrintable(error.Description));
            return false;
        }
        const qint64 elapsed = timer.nsecsElapsed();
        if (round == 0)
            timings.warmUp = elapsed;
        else
            timings.times.push_back(elapsed);
        timings.fileSize = QFileInfo(path).size();
        QFile::remove(path);
    }
    std::sort(timings.times.begin(), timings.times.end());
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    const int longRounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;

    QTemporaryDir folder;
    if (!folder.isValid()) {
        std::fprintf(stderr, "no temporary folder: %s\n", qPrintable(folder.errorString()));
        return 2;
    }

    int perPage = 0;
    {
        PdfJob probe(folder.filePath(QStringLiteral("probe.pdf")));
        perPage = linesPerPage(*probe.surface, CWordWrap());
        probe.surface->EndDoc();
    }
    const QString text = notepad(perPage);

    Timings twentyPages;
    if (!printRounds(folder, text, rounds, twentyPages))
        return 2;
    if (twentyPages.pages != Pages) {
        std::fprintf(stderr, "the notepad printed on %d pages, not %d\n", twentyPages.pages, Pages);
        return 1;
    }
    std::printf("notepad: %lld characters, %d lines per page, %d pages, PDF %lld bytes\n",
                static_cast<long long>(text.size()), perPage, twentyPages.pages, static_cast<long long>(twentyPages.fileSize));
    std::printf("print %d pages to PDF  rounds=%zu  median=%.2f ms (%.3f ms/page)  min=%.2f ms  max=%.2f ms  (warm-up round %.2f ms)\n",
                Pages, twentyPages.times.size(), twentyPages.median(), twentyPages.median() / Pages, ms(twentyPages.times.front()),
                ms(twentyPages.times.back()), ms(twentyPages.warmUp));
    std::fflush(stdout);

    const QString notepadOfSummaries = summaries();
    Timings allSummaries;
    if (!printRounds(folder, notepadOfSummaries, longRounds, allSummaries))
        return 2;
    std::printf("notepad: %d summaries, %lld characters, %d pages, PDF %lld bytes\n", Summaries,
                static_cast<long long>(notepadOfSummaries.size()), allSummaries.pages, static_cast<long long>(allSummaries.fileSize));
    std::printf("print %d summaries to PDF  rounds=%zu  median=%.1f ms total (%.3f ms/page)  min=%.1f ms  max=%.1f ms  (warm-up round %.1f ms)\n",
                Summaries, allSummaries.times.size(), allSummaries.median(), allSummaries.median() / allSummaries.pages, ms(allSummaries.times.front()),
                ms(allSummaries.times.back()), ms(allSummaries.warmUp));
    return 0;
}
