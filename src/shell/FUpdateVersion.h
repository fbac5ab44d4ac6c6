#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

// The offer of a newer version: the server's message and the choice between updating now and
// later. IsUpdate tells which was chosen once the dialog has closed.
class FUpdateVersion : public QDialog
{
    Q_OBJECT

public:
    explicit FUpdateVersion(QWidget *parent = nullptr);

    void Initialize(const QString &Caption, const QString &Message);
    bool IsUpdate() const { return m_isUpdate; }

private:
    void cmdUpdate_Click();
    void cmdDoNotUpgrade_Click();

    QPlainTextEdit *txtMessage;
    QPushButton *cmdUpdate;
    QPushButton *cmdDoNotUpgrade;
    bool m_isUpdate = false;
};
