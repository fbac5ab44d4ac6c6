#include "ConnectorLine.h"

#include <QPainter>

ConnectorLine::ConnectorLine(QWidget *parent) : QFrame(parent)
{
    setFrameShape(QFrame::NoFrame);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ConnectorLine::setState(State state)
{
    m_state = state;
    update();
}

QColor ConnectorLine::colour() const
{
    switch (m_state) {
    case State::ParentOn: return palette().color(QPalette::Active, QPalette::WindowText);
    case State::ParentOff: return palette().color(QPalette::Disabled, QPalette::WindowText);
    case State::Unset: break;
    }
    return palette().color(QPalette::Active, QPalette::Base);
}

void ConnectorLine::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), colour());
}
