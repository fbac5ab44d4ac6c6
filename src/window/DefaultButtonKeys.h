#pragma once

#include <QObject>
#include <QPointer>
#include <QPushButton>

class QTabWidget;

// Enter and the keypad's Enter on the tabs, the way a dialog treats them: a focused push button
// takes the key for itself; from any other control of the tab that holds the window's default
// button the key presses that button. Controls that use Enter themselves (an entry field, an
// open list) keep it. A tab without a default button of its own (shipping) ignores the key.
//
// The key is caught where it arrives after the focused control has passed it on, on the tab
// control itself, so every control of a page is covered, however late it was made or enabled.
class DefaultButtonKeys : public QObject
{
    Q_OBJECT

public:
    explicit DefaultButtonKeys(QTabWidget *tabs);

    // The button Enter presses; it is drawn as the default and the previous one no longer is.
    void setDefaultButton(QPushButton *button);

    // Clicks the default button unless it is disabled.
    void pressDefaultButton();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QTabWidget *m_tabs;
    QPointer<QPushButton> m_defaultButton;
};
