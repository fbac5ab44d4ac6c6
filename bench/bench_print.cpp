// Time to print a long notepad: a 20-page text printed through the word-wrap printer onto a PDF
// printer (A4, high resolution), from the start of the job until the file is written.
// Run: build/bin/bench_print [rounds]   (default 15 rounds, after one warm-up round)
// The PDF files go to a temporary folder; no real printer is used.

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

double ms(qint64 nanoseconds)
{
    return double(nanoseconds) / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;

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

    std::vector<qint64> times;
    qint64 warmUp = 0;
    int pages = 0;
    qint64 fileSize = 0;
    for (int round = 0; round <= rounds; ++round) {
        const QString path = folder.filePath(QStringLiteral("notes-%1.pdf").arg(round));
        QElapsedTimer timer;
        timer.start();
        try {
            PdfJob job(path);
            CWordWrap wrap;
            wrap.PrintText(text, *job.surface);
            pages = job.surface->Page();
        } catch (const PrintError &error) {
            std::fprintf(stderr, "printing failed: %s\n", qPrintable(error.Description));
            return 2;
        }
        const qint64 elapsed = timer.nsecsElapsed();
        if (round == 0)
            warmUp = elapsed;
        else
            times.push_back(elapsed);
        fileSize = QFileInfo(path).size();
        if (pages != Pages) {
            std::fprintf(stderr, "the notepad printed on %d pages, not %d\n", pages, Pages);
            return 1;
        }
        QFile::remove(path);
    }

    std::sort(times.begin(), times.end());
    const std::size_t n = times.size();
    const double median = n % 2 ? ms(times[n / 2]) : (ms(times[n / 2 - 1]) + ms(times[n / 2])) / 2;
    std::printf("notepad: %lld characters, %d lines per page, %d pages, PDF %lld bytes\n",
                static_cast<long long>(text.size()), perPage, pages, static_cast<long long>(fileSize));
    std::printf("print %d pages to PDF  rounds=%zu  median=%.2f ms  min=%.2f ms  max=%.2f ms  (warm-up round %.2f ms)\n",
                Pages, n, median, ms(times.front()), ms(times.back()), ms(warmUp));
    return 0;
}
