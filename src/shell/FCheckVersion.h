#pragma once

#include <QDialog>
#include <QPointer>

class CStartStatus;
class QLabel;
class QPushButton;

// The prompt that asks before the update server is contacted: on the first start of a new
// installation and from the Help menu. Check for Updates starts the check and keeps the prompt
// open with the busy pointer until the check has been handled (then it closes, accepted). A check
// that gets no answer ends the busy pointer and says so in one line; the user may check again. Do
// Not Check closes the prompt at once (rejected) and drops a check still under way, so nothing more
// comes of it.
class FCheckVersion : public QDialog
{
    Q_OBJECT

public:
    explicit FCheckVersion(QWidget *parent = nullptr);
    ~FCheckVersion() override;

    void Initialize(CStartStatus *StartStatus);

    void done(int result) override;

private:
    void cmdCheck_Click();
    void cmdDoNotCheck_Click();
    void oStartStatus_DoneChecking();
    void oStartStatus_NoAnswer();
    void oStartStatus_UnreadableAnswer();
    void showCheckFailed(const QString &line);
    void releaseStartStatus();
    void restorePointer();

    QLabel *imgBrontolux;
    QLabel *lblAppName;
    QLabel *Label1;
    QLabel *lblConnectToCheck;
    QLabel *lblNoAnswer;
    QPushButton *cmdCheck;
    QPushButton *cmdDoNotCheck;
    QPointer<CStartStatus> m_oStartStatus;
    bool m_busy = false;
};
