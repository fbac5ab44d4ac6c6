// calvextra-fees on a large spreadsheet: a CSV file of listings of every kind (single items with
// features and reserves on the four sites, lots, payments) generated into a temporary folder,
// then converted by the built program as a child process, timed from start to exit, with the
// child's peak resident memory and processor time (wait4). When other work shares the cores, the
// processor time shows what the conversion itself costs. It runs at a tenth of the rows and at
// the full count, so that the memory can be seen not to grow with the input.
// Run: build/bin/bench_cli [rows] [rounds]   (default 1000000 rows, 3 rounds; best round shown)

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr double TargetSeconds = 3.0;
constexpr long TargetKiB = 40 * 1024;

const char Header[] = "site,start,closing,reserve,did-not-sell,bold,gallery,gallery-featured,two-categories,"
                      "extra-pictures,subtitle,items-offered,items-sold,payment,paypal,abroad,rate\n";

QByteArray amount(QRandomGenerator &random, int lowCents, int highCents)
{
    const int cents = int(random.bounded(lowCents, highCents));
    return QByteArray::number(cents / 100) + '.' + QByteArray::number(cents % 100).rightJustified(2, '0');
}

// One row; seven in ten are single items, two lots, one a payment alone.
QByteArray row(QRandomGenerator &random)
{
    static const char *const sites[] = {"us", "uk", "ca", "de"};
    const int site = int(random.bounded(4));
    const int kind = int(random.bounded(10));
    const auto flag = [&random](int inTen) { return int(random.bounded(10)) < inTen ? QByteArray("1") : QByteArray(); };
    QByteArray line = sites[site];
    line += ',';
    if (kind < 7) {
        const bool reserve = site != 3 && random.bounded(5) == 0;
        const QByteArray gallery = flag(4);
        line += amount(random, 100, 50000) + ',' + amount(random, 100, 200000) + ',' + (reserve ? "yes" : "") + ','
                + flag(1) + ',' + flag(3) + ',' + gallery + ',' + (gallery.isEmpty() ? QByteArray() : flag(2)) + ','
                + flag(2) + ',' + (random.bounded(4) == 0 ? QByteArray::number(random.bounded(1, 6)) : QByteArray())
                + ',' + flag(1) + ",,,";
    } else if (kind < 9) {
        const int offered = int(random.bounded(2, 200));
        line += amount(random, 100, 5000) + ',' + amount(random, 100, 10000) + ",,,," + flag(3) + ",,," + "pack"
                + ",," + QByteArray::number(offered) + ',' + QByteArray::number(random.bounded(0, offered + 1)) + ',';
    } else {
        line += ",,,,,,,,,,,,";
    }
    if (kind >= 7 && kind < 9) {
        line += ",,,\n";
        return line;
    }
    if (kind == 9 || random.bounded(3) == 0) {
        line += amount(random, 100, 100000) + ',' + (random.bounded(2) ? "merchant" : "standard") + ',' + flag(3) + ','
                + (site == 0 ? QByteArray() : QByteArray("1.") + QByteArray::number(random.bounded(100, 999)));
    } else {
        line += ",,,";
    }
    line += '\n';
    return line;
}

bool generate(const QString &path, int rows)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QRandomGenerator random(20261209);
    QByteArray block = Header;
    for (int i = 0; i < rows; ++i) {
        block += row(random);
        if (block.size() > (1 << 20)) {
            file.write(block);
            block.clear();
        }
    }
    return file.write(block) == block.size() && file.flush();
}

struct Run
{
    double seconds = 0;
    double cpuSeconds = 0;  // user and system time of the child, on all its threads
    long peakKiB = 0;
    int status = -1;
};

Run convert(const QString &input, const QString &output)
{
    const QByteArray program = CALVEXTRA_FEES_PROGRAM;
    const QByteArray in = input.toLocal8Bit();
    const QByteArray out = output.toLocal8Bit();
    QElapsedTimer timer;
    timer.start();
    const pid_t child = fork();
    if (child == 0) {
        execl(program.constData(), program.constData(), "--csv", in.constData(), "-o", out.constData(),
              static_cast<char *>(nullptr));
        _exit(127);
    }
    Run run;
    int status = 0;
    rusage usage{};
    if (child < 0 || wait4(child, &status, 0, &usage) != child)
        return run;
    run.seconds = double(timer.nsecsElapsed()) / 1e9;
    run.peakKiB = usage.ru_maxrss;
    const auto seconds = [](const timeval &time) { return double(time.tv_sec) + double(time.tv_usec) / 1e6; };
    run.cpuSeconds = seconds(usage.ru_utime) + seconds(usage.ru_stime);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

} // namespace

int main(int argc, char **argv)
{
    const int rows = argc > 1 ? std::atoi(argv[1]) : 1000000;
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 3;
    QTemporaryDir folder;
    bool met = true;
    for (const int count : {rows / 10, rows}) {
        const QString input = folder.filePath(QStringLiteral("listings-%1.csv").arg(count));
        QElapsedTimer timer;
        timer.start();
        if (!generate(input, count)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(input));
            return 2;
        }
        std::printf("%d rows: %.1f MB generated in %.2f s\n", count, double(QFile(input).size()) / 1e6,
                    double(timer.elapsed()) / 1000);
        Run best;
        best.seconds = 1e9;
        for (int round = 0; round < rounds; ++round) {
            const Run run = convert(input, folder.filePath(QStringLiteral("fees.csv")));
            if (run.status != 0) {
                std::fprintf(stderr, "calvextra-fees ended with status %d\n", run.status);
                return 2;
            }
            std::printf("  round %d: %.2f s (%.2f s of processor time), peak memory %.1f MB\n", round + 1, run.seconds,
                        run.cpuSeconds, double(run.peakKiB) / 1024);
            if (run.seconds < best.seconds)
                best = run;
            best.peakKiB = std::max(best.peakKiB, run.peakKiB);
        }
        std::printf("  best %.2f s (%.2f µs a row), peak memory %.1f MB\n", best.seconds, best.seconds * 1e6 / count,
                    double(best.peakKiB) / 1024);
        if (count == rows)
            met = best.seconds < TargetSeconds * rows / 1e6 && best.peakKiB < TargetKiB;
    }
    std::printf("target (%.0f s for a million rows, %ld MB): %s\n", TargetSeconds, TargetKiB / 1024,
                met ? "met" : "missed");
    return met ? 0 : 1;
}
