#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTest>
#include <QWidget>

// The pointer moved as the windowing system moves it: QTest::mouseMove over a shown window
// goes through the platform's cursor, which also sends the enter and leave events.
inline void pointerTo(QWidget *widget, QPoint spot)
{
    QTest::mouseMove(widget, spot);
    QCoreApplication::processEvents();
}

// Counts the pointer's moves that reach a control, to show that a test's moves really arrive.
class MoveCounter : public QObject
{
public:
    explicit MoveCounter(QWidget *control) { control->installEventFilter(this); }
    int moves = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::MouseMove)
            ++moves;
        return false;
    }
};
