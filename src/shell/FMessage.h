#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QScrollArea;

// A modal message with an OK button for texts that come from outside, such as the update
// server's: shown as plain text, never as markup, and scrolled inside a box that fits the
// screen however long the text is.
class FMessage : public QDialog
{
    Q_OBJECT

public:
    FMessage(const QString &name, const QString &title, const QString &text, QWidget *parent = nullptr);

    QString text() const;
    Qt::TextFormat textFormat() const;

    // Shows the message and waits until the user closes it. The box lives on the heap, so that a
    // parent released while it waits takes it along instead of leaving it to be deleted twice.
    static void Show(const QString &name, const QString &title, const QString &text, QWidget *parent);

private:
    void fitToScreen();

    QLabel *lblIcon;
    QLabel *lblMessage;
    QScrollArea *scrMessage;
    QPushButton *cmdOK;
};
