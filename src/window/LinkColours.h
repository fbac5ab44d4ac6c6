#pragma once

#include <QColor>

class QPalette;

// The colours a link label shows: the classic blue and magenta wherever they can be read, the
// palette's own link colours, brightened or darkened as needed, where the background is so dark
// (or mid-grey) that the blue would vanish into it.
struct LinkColours
{
    QColor normal;
    QColor hover;

    // For text drawn on the palette's Window colour.
    static LinkColours forPalette(const QPalette &palette);
};

// The lowest contrast body text may have against its background (WCAG level AA).
inline constexpr double MinimumTextContrast = 4.5;

// Relative luminance and contrast ratio as WCAG defines them (1:1 to 21:1).
double relativeLuminance(const QColor &colour);
double contrastRatio(const QColor &first, const QColor &second);
