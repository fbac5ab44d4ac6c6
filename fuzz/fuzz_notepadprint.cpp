// libFuzzer target for the word-wrap printer of the notepad.
//
// Input: the first byte picks the page width (bits 0-1), the page height (bits 2-3), how wide
// characters are (bits 4-5: all alike, by character code, "0" without width, a wide "0") and the
// encoding of the text (bit 6: UTF-16 instead of UTF-8); the second byte picks the four margins
// (two bits each). The rest is the notepad text, printed on a surface that records every call.
// Every invariant that must hold for any text is checked; a broken one aborts with the text and
// what was printed.

#include "CWordWrap.h"
#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "PrintSurface.h"
#include "RecordingSurface.h"

#include <QGuiApplication>
#include <QList>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// The first prints of every page are its header, the date and the page number.
constexpr int FurniturePrints = 3;

QString g_text;

using Printed = RecordingSurface::Printed;

// The recording surface with characters as wide as the mode says, which also tells the page
// furniture from the text.
class Recorder : public RecordingSurface
{
public:
    Recorder(float width, float height, int widthMode) : RecordingSurface(width, height), m_widthMode(widthMode) {}

    float TextWidth(const QString &text) const override
    {
        float width = 0;
        for (QChar c : text)
            width += charWidth(c);
        return width;
    }
    void Print(const QString &text) override
    {
        furniture.append(m_furnitureLeft > 0);
        if (m_furnitureLeft > 0)
            --m_furnitureLeft;
        RecordingSurface::Print(text);
    }
    void EndLine() override
    {
        ++linesEnded;
        RecordingSurface::EndLine();
    }
    void NewPage() override
    {
        RecordingSurface::NewPage();
        m_furnitureLeft = FurniturePrints;
    }

    QList<bool> furniture;  // of each print
    int linesEnded = 0;

private:
    float charWidth(QChar c) const
    {
        switch (m_widthMode) {
        case 0:
            return CharWidth;
        case 1:
            return float(c.unicode() % 7) * 40;  // some characters have no width at all
        case 2:
            return c == QLatin1Char('0') ? 0 : 90;
        default:
            return c == QLatin1Char('0') ? 1500 : 60;
        }
    }

    int m_widthMode;
    int m_furnitureLeft = FurniturePrints;
};

QString describe(const QList<Printed> &printed)
{
    QStringList items;
    for (const Printed &item : printed.mid(0, 200))
        items.append(QStringLiteral("%1 @%2,%3 \"%4\"")
                         .arg(item.page)
                         .arg(double(item.x))
                         .arg(double(item.y))
                         .arg(item.text));
    return items.join(QLatin1String("; "));
}

const QList<Printed> *g_printed = nullptr;

[[noreturn]] void broken(const char *invariant, const QString &detail)
{
    std::fprintf(stderr, "Broken invariant: %s\n  text: \"%s\"\n  %s\n  printed: %s\n", invariant,
                 g_text.toUtf8().constData(), detail.toUtf8().constData(),
                 g_printed ? describe(*g_printed).toUtf8().constData() : "");
    std::abort();
}

bool separates(QChar c)
{
    return c.unicode() <= 32;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 2)
        return 0;
    const std::uint8_t page = data[0];
    const std::uint8_t margins = data[1];
    data += 2;
    size -= 2;
    g_text = InputText(data, size, page & 0x40);

    static const float widths[] = {11000, 3000, 700, 0};
    static const float heights[] = {15000, 2400, 300, 0};
    static const float marginChoices[] = {720, 0, 1440, 5000};
    const float width = widths[page & 3];
    const float height = heights[(page >> 2) & 3];
    Recorder surface(width, height, (page >> 4) & 3);
    CWordWrap printer;
    printer.setMarginLeft(marginChoices[margins & 3]);
    printer.setMarginRight(marginChoices[(margins >> 2) & 3]);
    printer.setMarginTop(marginChoices[(margins >> 4) & 3]);
    printer.setMarginBottom(marginChoices[(margins >> 6) & 3]);
    const float right = width - printer.MarginRight();
    const float bottom = height - printer.MarginBottom();

    g_printed = &surface.printed;
    printer.PrintText(g_text, surface);

    CHECK(surface.documentsEnded == 1, QString::number(surface.documentsEnded));

    // Every character is printed once, in order: words whole, each blank as its own " ", and the
    // other separators (line feeds, tabs, CR and control characters) not at all.
    QString expected;
    for (QChar c : g_text) {
        if (!separates(c) || c == QLatin1Char(' '))
            expected += c;
    }
    QString body;
    int pages = 1;
    int lastPage = 1;
    qsizetype bodyPrints = 0;
    for (qsizetype i = 0; i < surface.printed.size(); ++i) {
        const Printed &item = surface.printed[i];
        CHECK(std::isfinite(item.x) && std::isfinite(item.y), describe({item}));
        CHECK(item.page == lastPage || item.page == lastPage + 1, describe({item}));
        lastPage = item.page;
        pages = std::max(pages, item.page);
        if (surface.furniture[i])
            continue;
        ++bodyPrints;
        body += item.text;
        if (item.text.isEmpty())
            continue;
        if (item.text == QLatin1String(" ")) {
            CHECK(item.y >= printer.MarginTop(), describe({item}));
            continue;
        }
        // A word is a piece without separators; it fits between the margins, or stands first on a
        // line of its own when it is wider than the page allows.
        CHECK(std::none_of(item.text.cbegin(), item.text.cend(), separates), describe({item}));
        const float wordWidth = surface.TextWidth(item.text);
        CHECK(item.x + wordWidth <= right || item.x == printer.MarginLeft(),
              QStringLiteral("%1 wide, right margin at %2: %3").arg(double(wordWidth)).arg(double(right)).arg(describe({item})));
        // Lines begin at the top margin and stop at the bottom one; the first line of a page is
        // printed even when the margins leave no room.
        CHECK(item.y >= printer.MarginTop(), describe({item}));
        CHECK(item.y == printer.MarginTop() || item.y <= bottom,
              QStringLiteral("bottom margin at %1: %2").arg(double(bottom)).arg(describe({item})));
    }
    CHECK(body == expected, QStringLiteral("printed \"%1\"").arg(body));
    CHECK(pages == surface.Page(), QString::number(surface.Page()));
    // Each furniture print is a page's; no more lines end than the text has words and line feeds.
    CHECK(surface.printed.size() - bodyPrints == qsizetype(pages) * FurniturePrints,
          QString::number(surface.printed.size() - bodyPrints));
    CHECK(surface.linesEnded <= 2 * g_text.size() + 1, QString::number(surface.linesEnded));
    g_printed = nullptr;
    return 0;
}
