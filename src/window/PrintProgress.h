#pragma once

#include "CWordWrap.h"

#include <QElapsedTimer>
#include <QPointer>

class QProgressDialog;
class QWidget;

// Keeps the window alive during a long print job. Between pages the events are handled, so the
// window repaints; once a job has run for about half a second a window-modal dialog counts the
// pages printed and offers Cancel, which ends the job after the page in hand (the document is
// ended, with the pages done). One object watches one job.
class PrintProgress
{
public:
    explicit PrintProgress(QWidget *window);
    ~PrintProgress();
    PrintProgress(const PrintProgress &) = delete;
    PrintProgress &operator=(const PrintProgress &) = delete;

    // From now on the printer reports its finished pages here.
    void watch(CWordWrap &printer);

private:
    bool pageDone(const CWordWrap::Progress &progress);
    void showDialog();

    QPointer<QWidget> m_window;
    QPointer<QProgressDialog> m_dialog;
    QElapsedTimer m_clock;
    bool m_cancelled = false;
};
