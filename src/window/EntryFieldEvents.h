#pragma once

#include <QLineEdit>
#include <QList>
#include <QObject>
#include <QPointer>

class QKeyEvent;
class frmeBayFees;

// Routes the keys, clicks and focus changes of the window's seven entry fields to its handlers: a
// typed character goes through the field's key filter (which may swallow it or type another
// character instead), Enter presses the window's default button, and gaining or losing the focus
// runs the field's focus handler, also when a click gives the focus. Fields that refuse the
// paste key get a context menu whose Paste is disabled, and every field asks the window whether
// it takes a text dragged onto it.
class EntryFieldEvents : public QObject
{
    Q_OBJECT

public:
    explicit EntryFieldEvents(frmeBayFees *window);

    // An entry field: all of the above.
    void watch(QLineEdit *field);
    // A field of which only the typed keys are filtered (the exchange rate).
    void watchKeys(QLineEdit *field);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool handleKey(QLineEdit *field, const QKeyEvent *key);

    frmeBayFees *m_window;
    QList<const QObject *> m_keysOnly;
    // The click that gives a field the focus places the caret and drops the selection that
    // entering made, so the field is followed from that focus until the click's release.
    QPointer<QLineEdit> m_enteredByClick;
    QPointer<QLineEdit> m_clickPressed;
};
