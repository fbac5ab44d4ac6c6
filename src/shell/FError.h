#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// The error-report dialog: shows an unexpected error's text and offers to mail it to the
// maker's technical support or to continue without sending. Always on top; deletes itself when
// closed.
class FError : public QDialog
{
    Q_OBJECT

public:
    explicit FError(QWidget *parent = nullptr);

    // The error text to show; called before the dialog is shown.
    void Initialize(const QString &errorText);

    // The first show is the dialog's load: it prepares its captions then.
    void setVisible(bool visible) override;

private:
    void PrepareErrorDialog();
    void SendErrorReport();
    void CloseDialog();

    QString m_errorText;
    bool m_loaded = false;

    QLabel *lblError;
    QPlainTextEdit *txtError;
    QLabel *lblToEmail;
    QPushButton *cmdEmail;
    QPushButton *cmdContinue;
};
