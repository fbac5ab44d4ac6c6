#pragma once

#include <QDialog>

class LinkLabel;
class QLabel;
class QPushButton;

// The About box: the program's name and version, the company's web address as a link, and the
// system-information program.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit frmAbout(QWidget *parent = nullptr);

    // Starts the system's system-information program, or says it is unavailable. On Windows the
    // program the registry names; elsewhere the first of a fixed list of known programs found on
    // the PATH.
    void StartSysInfo();

    QLabel *picIcon = nullptr, *lblTitle = nullptr, *lblVersion = nullptr, *lblInfo = nullptr,
           *lblDescription = nullptr, *lblDisclaimer = nullptr;
    LinkLabel *lblEmail = nullptr;
    QPushButton *cmdOK = nullptr, *cmdSysInfo = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
};
