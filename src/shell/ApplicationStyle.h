#pragma once

#include <QPixmap>
#include <QProxyStyle>

// The style the application would use anyway, drawing everything as it does, with the two images
// it wants before the window first paints read more cheaply. Read the usual way, the first image
// of a run has every installed image-format plugin loaded and asked whether it reads PNG; so the
// menu bar's overflow arrow is read only when something first draws it, and Fusion's group box
// frame is read as the PNG it is.
class ApplicationStyle : public QProxyStyle
{
public:
    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option, const QWidget *widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override;

private:
    bool isFusion() const;

    mutable QPixmap m_groupBoxFrame;
};
