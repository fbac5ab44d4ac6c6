#include "LinkLabel.h"

#include "LinkColours.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

LinkLabel::LinkLabel(QWidget *parent) : QLabel(parent)
{
    setCursor(Qt::PointingHandCursor);
    setMouseTracking(true);
    // Tab reaches it; a click opens the page without taking the focus from the field being typed in.
    setFocusPolicy(Qt::TabFocus);
    showNormalColour();
}

void LinkLabel::showNormalColour()
{
    m_hover = false;
    showColour();
}

void LinkLabel::showHoverColour()
{
    m_hover = true;
    showColour();
}

void LinkLabel::showColour()
{
    // Only the text colour is the link's own: the background and the link colours it is chosen
    // against keep following the window's palette.
    const LinkColours colours = LinkColours::forPalette(palette());
    QPalette own;
    own.setColor(QPalette::WindowText, m_hover ? colours.hover : colours.normal);
    m_settingColour = true;
    setPalette(own);
    m_settingColour = false;
}

void LinkLabel::changeEvent(QEvent *event)
{
    // A new desktop palette (a dark theme switched on) may need other colours.
    if (event->type() == QEvent::PaletteChange && !m_settingColour)
        showColour();
    QLabel::changeEvent(event);
}

void LinkLabel::enterEvent(QEnterEvent *event)
{
    // Like the links of the shipping page, it stays magenta until the pointer reaches the
    // surface around it.
    showHoverColour();
    QLabel::enterEvent(event);
}

void LinkLabel::focusInEvent(QFocusEvent *event)
{
    QLabel::focusInEvent(event);
    update();
}

void LinkLabel::focusOutEvent(QFocusEvent *event)
{
    QLabel::focusOutEvent(event);
    update();
}

void LinkLabel::keyPressEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const int key = event->key();
    if (modifiers == Qt::NoModifier && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
        Q_EMIT activated();
        event->accept();
        return;
    }
    QLabel::keyPressEvent(event);
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

void LinkLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // The frame hugs the text, not the whole width the label is given.
    QStyleOptionFocusRect option;
    option.initFrom(this);
    const QRect text = style()->itemTextRect(fontMetrics(), contentsRect(), int(alignment()), isEnabled(), this->text());
    option.rect = text.adjusted(-2, -1, 2, 1).intersected(rect());
    option.backgroundColor = palette().color(backgroundRole());
    QStylePainter painter(this);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}
