#pragma once

#include <QLineEdit>
#include <QObject>
#include <QPointer>

class frmeBayFees;

// Routes the keys, clicks and focus changes of the window's seven entry fields to its handlers: a
// typed character goes through the field's key filter (which may swallow it or type another
// character instead), Enter presses the window's default button, and gaining or losing the focus
// runs the field's focus handler, also when a click gives the focus.
class EntryFieldEvents : public QObject
{
    Q_OBJECT

public:
    explicit EntryFieldEvents(frmeBayFees *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    frmeBayFees *m_window;
    // The click that gives a field the focus places the caret and drops the selection that
    // entering made, so the field is followed from that focus until the click's release.
    QPointer<QLineEdit> m_enteredByClick;
    QPointer<QLineEdit> m_clickPressed;
};
