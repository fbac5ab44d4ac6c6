// Pasting large texts into the notepad, timed the way a user meets it: from Ctrl+V with the text
// on the clipboard until the window has laid out and painted the pasted text (the notepad shown,
// the paste a real key press). Three kinds of text, each at 64 KB, 256 KB and 1 MB:
//   one line without spaces, many short lines, random printable characters.
// Run: QT_QPA_PLATFORM=offscreen build/bin/bench_notepad [rounds] [largest size in KB] [qt]
//   (default 3 rounds, up to 1024 KB). "qt" gives the notepad a document with Qt's own layout,
//   for comparison. Settings and kept notes go to a temporary folder.

#include "frmeBayFees.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

namespace {

constexpr double TargetSeconds = 0.5;

QString oneLongWord(int size)
{
    QString text(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        text[i] = QChar(u'a' + i % 26);
    return text;
}

QString shortLines(int size)
{
    QString text;
    text.reserve(size + 64);
    for (int line = 0; text.size() < size; ++line)
        text += QStringLiteral("Note %1: closing bid 12.50, fees 1.20\n").arg(line);
    text.truncate(size);
    return text;
}

QString randomPrintable(int size)
{
    std::mt19937 generator(20261209);
    std::uniform_int_distribution<int> printable(0x20, 0x7e);
    QString text(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        text[i] = QChar(char16_t(printable(generator)));
    return text;
}

void settle()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

// Seconds from the key press until the pasted text is laid out and painted.
double timePaste(QPlainTextEdit *notes, const QString &text)
{
    notes->clear();
    QGuiApplication::clipboard()->setText(text);
    settle();

    QElapsedTimer timer;
    timer.start();
    QTest::keyClick(notes, Qt::Key_V, Qt::ControlModifier);
    notes->viewport()->repaint();
    settle();
    const double seconds = double(timer.nsecsElapsed()) / 1e9;

    if (notes->document()->characterCount() != text.size() + 1) {
        std::fprintf(stderr, "the paste did not arrive whole: %d of %lld characters\n",
                     notes->document()->characterCount() - 1, static_cast<long long>(text.size()));
        std::exit(1);
    }
    return seconds;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir folder;
    qputenv("XDG_CONFIG_HOME", folder.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", folder.filePath(QStringLiteral("data")).toLocal8Bit());

    QApplication application(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    const int largestKb = argc > 2 ? std::max(1, std::atoi(argv[2])) : 1024;
    const bool qtLayout = argc > 3 && qstrcmp(argv[3], "qt") == 0;

    frmeBayFees window;
    window.show();
    QApplication::setActiveWindow(&window);
    if (!QTest::qWaitForWindowActive(&window)) {
        std::fprintf(stderr, "the window did not become active\n");
        return 2;
    }
    auto *notes = window.findChild<QPlainTextEdit *>(QStringLiteral("txtNotes"));
    auto *expand = window.findChild<QPushButton *>(QStringLiteral("cmdNotepad"));
    if (!notes || !expand)
        return 2;
    if (qtLayout) {
        const QFont font = notes->document()->defaultFont();
        notes->setDocument(nullptr);
        notes->document()->setDefaultFont(font);
    }
    if (!window.NotepadVisible())
        expand->click();
    notes->setFocus(Qt::OtherFocusReason);
    settle();

    struct Kind
    {
        const char *name;
        QString (*make)(int);
    };
    const Kind kinds[] = {{"one line without spaces", oneLongWord},
                          {"many short lines", shortLines},
                          {"random printable", randomPrintable}};
    bool allMet = true;
    std::printf("platform %s, %s layout, %d rounds each, median shown\n", qPrintable(QGuiApplication::platformName()),
                qtLayout ? "Qt's own" : "the notepad's", rounds);
    for (const Kind &kind : kinds) {
        for (int kb : {64, 256, 1024}) {
            if (kb > largestKb)
                continue;
            const QString text = kind.make(kb * 1024);
            std::vector<double> times;
            for (int round = 0; round < rounds; ++round)
                times.push_back(timePaste(notes, text));
            std::sort(times.begin(), times.end());
            const double median = times[times.size() / 2];
            const bool met = median < TargetSeconds;
            allMet = allMet && met;
            std::printf("paste %-24s %5d KB  median=%8.3f s  min=%8.3f s  max=%8.3f s  target < %.1f s: %s\n",
                        kind.name, kb, median, times.front(), times.back(), TargetSeconds, met ? "met" : "MISSED");
            std::fflush(stdout);
        }
    }
    notes->clear();
    return allMet ? 0 : 1;
}
