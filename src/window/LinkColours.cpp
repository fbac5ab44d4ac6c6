#include "LinkColours.h"

#include <QPalette>

#include <algorithm>
#include <cmath>

namespace {

const QColor ClassicBlue(0, 0, 255);
const QColor ClassicMagenta(255, 0, 255);
// The hover colour on a dark background when the palette's visited-link colour is no different.
const QColor LightMagenta(255, 128, 255);

double linearChannel(double value)
{
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

QColor mixed(const QColor &from, const QColor &to, double share)
{
    auto channel = [share](int a, int b) { return int(std::lround(a + (b - a) * share)); };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()), channel(from.blue(), to.blue()));
}

// The colour itself when it already reads well; otherwise moved towards white or black, whichever
// stands out more from the background, just far enough.
QColor readableOn(const QColor &colour, const QColor &background)
{
    if (contrastRatio(colour, background) >= MinimumTextContrast)
        return colour;
    const QColor white(255, 255, 255), black(0, 0, 0);
    const QColor extreme = contrastRatio(white, background) >= contrastRatio(black, background) ? white : black;
    for (int step = 1; step < 20; ++step) {
        const QColor candidate = mixed(colour, extreme, step / 20.0);
        if (contrastRatio(candidate, background) >= MinimumTextContrast)
            return candidate;
    }
    return extreme;
}

} // namespace

double relativeLuminance(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return 0.2126 * linearChannel(rgb.redF()) + 0.7152 * linearChannel(rgb.greenF())
        + 0.0722 * linearChannel(rgb.blueF());
}

double contrastRatio(const QColor &first, const QColor &second)
{
    const double a = relativeLuminance(first), b = relativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

LinkColours LinkColours::forPalette(const QPalette &palette)
{
    const QColor background = palette.color(QPalette::Window);
    // On the light backgrounds the links were made for they keep their own colours exactly.
    if (contrastRatio(ClassicBlue, background) >= MinimumTextContrast)
        return {ClassicBlue, ClassicMagenta};
    const QColor link = palette.color(QPalette::Link);
    const QColor visited = palette.color(QPalette::LinkVisited);
    return {readableOn(link, background), readableOn(visited != link ? visited : LightMagenta, background)};
}
