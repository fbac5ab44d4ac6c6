#pragma once

#include <QRect>
#include <QWidget>

// The window is designed in twips (1/1440 inch); these convert at the screen's logical DPI.
namespace Twips {

inline int toPixels(int twips, const QWidget *widget)
{
    const int dpi = widget ? widget->logicalDpiY() : 96;
    return (twips * dpi + 720) / 1440;
}

inline QRect toPixels(int left, int top, int width, int height, const QWidget *widget)
{
    return QRect(toPixels(left, widget), toPixels(top, widget), toPixels(width, widget), toPixels(height, widget));
}

// Places a child at a position given in twips relative to its parent.
inline void place(QWidget *widget, int left, int top, int width, int height)
{
    widget->setGeometry(toPixels(left, top, width, height, widget));
}

} // namespace Twips
