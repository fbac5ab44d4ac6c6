#include "PrintProgress.h"

#include "Localization.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QProgressDialog>
#include <QPushButton>

#include <algorithm>

namespace {

// A job that takes longer than this is worth a dialog; a shorter one finishes unnoticed.
constexpr qint64 DialogAfterMs = 500;
// The bar shows the share of the text printed, in thousandths.
constexpr int BarSteps = 1000;

QString pagesPrinted(int pages)
{
    return GetLocalizedString(QStringLiteral("Pages printed: %1<0881>")).arg(pages);
}

} // namespace

PrintProgress::PrintProgress(QWidget *window) : m_window(window)
{
}

PrintProgress::~PrintProgress()
{
    delete m_dialog;
}

void PrintProgress::watch(CWordWrap &printer)
{
    m_clock.start();
    printer.setPageObserver([this](const CWordWrap::Progress &progress) { return pageDone(progress); });
}

bool PrintProgress::pageDone(const CWordWrap::Progress &progress)
{
    // A window closed meanwhile has nobody left to print for.
    if (!m_window) {
        m_cancelled = true;
        return false;
    }
    if (!m_dialog && m_clock.elapsed() >= DialogAfterMs)
        showDialog();
    if (m_dialog) {
        m_dialog->setLabelText(pagesPrinted(progress.pagesDone));
        const qsizetype characters = std::max<qsizetype>(progress.characters, 1);
        m_dialog->setValue(int(progress.charactersDone * BarSteps / characters));
    }
    // Until the dialog stands between the user and the window, clicks and keys wait, so that
    // nothing can change the window while it prints.
    QCoreApplication::processEvents(m_dialog ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
    if (!m_window || (m_dialog && m_dialog->wasCanceled()))
        m_cancelled = true;
    return !m_cancelled;
}

void PrintProgress::showDialog()
{
    auto *dialog = new QProgressDialog(m_window);
    dialog->setObjectName(QStringLiteral("printProgress"));
    dialog->setWindowTitle(GetLocalizedString(QStringLiteral("Printing the Notes<0880>")));
    dialog->setWindowModality(Qt::WindowModal);
    auto *cancel = new QPushButton(GetLocalizedString(QStringLiteral("Cancel<0882>")), dialog);
    cancel->setObjectName(QStringLiteral("cmdCancelPrint"));
    dialog->setCancelButton(cancel);
    dialog->setRange(0, BarSteps);
    dialog->setMinimumDuration(0);
    dialog->setAutoClose(false);
    dialog->setAutoReset(false);
    dialog->setLabelText(pagesPrinted(0));
    dialog->show();
    m_dialog = dialog;
    // The job goes on in the background now: the arrow stays usable for Cancel.
    if (QGuiApplication::overrideCursor())
        QGuiApplication::changeOverrideCursor(QCursor(Qt::BusyCursor));
}
