#include "LinkLabel.h"

#include <QMouseEvent>

namespace {
const QColor LinkBlue(0, 0, 255);
const QColor HoverMagenta(255, 0, 255);
} // namespace

LinkLabel::LinkLabel(QWidget *parent) : QLabel(parent)
{
    setCursor(Qt::PointingHandCursor);
    setMouseTracking(true);
    showNormalColour();
}

void LinkLabel::showNormalColour()
{
    m_hover = false;
    setColour(LinkBlue);
}

void LinkLabel::showHoverColour()
{
    m_hover = true;
    setColour(HoverMagenta);
}

void LinkLabel::setColour(const QColor &colour)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, colour);
    setPalette(p);
}

void LinkLabel::enterEvent(QEnterEvent *event)
{
    // Like the links of the shipping page, it stays magenta until the pointer reaches the
    // surface around it.
    showHoverColour();
    QLabel::enterEvent(event);
}

void LinkLabel::mouseMoveEvent(QMouseEvent *event)
{
    // Also when the link appeared under a resting pointer, which sends no enter.
    if (!m_hover)
        showHoverColour();
    event->accept();
}

void LinkLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QLabel::mousePressEvent(event);
        return;
    }
    Q_EMIT activated();
    event->accept();
}
