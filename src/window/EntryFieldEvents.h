#pragma once

#include <QObject>

class frmeBayFees;

// Routes the keys and focus changes of the window's seven entry fields to its handlers: a typed
// character goes through the field's key filter (which may swallow it), Enter presses the
// window's default button, and gaining or losing the focus runs the field's focus handler.
class EntryFieldEvents : public QObject
{
    Q_OBJECT

public:
    explicit EntryFieldEvents(frmeBayFees *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    frmeBayFees *m_window;
};
