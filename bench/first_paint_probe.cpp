// Calvextra's own start-up, ended after the main window's first paint: the program's Main as it
// runs, with nothing changed, and an application hook that quits once the calculator window has
// painted. Run under callgrind beside bare_window --quit-after-paint (bench/startup-instructions.sh)
// for instruction counts that repeat to a fraction of a percent.

#include "FirstPaintMark.h"
#include "Start.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

namespace {

// Ends the application when the calculator window has painted for the first time, as
// bare_window's quit rule does for its window. The update prompt of a first start is answered
// "Do Not Check", so the runs after it start as a user's later starts do.
class FirstPaintQuit : public QObject
{
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            if (auto *dialog = qobject_cast<QDialog *>(watched)) {
                QTimer::singleShot(0, dialog, [dialog] {
                    if (auto *button = dialog->findChild<QPushButton *>(QStringLiteral("cmdDoNotCheck")))
                        button->click();
                    else
                        dialog->reject();
                });
            }
        }
        if (event->type() == QEvent::Paint && !m_quitting) {
            const auto *widget = qobject_cast<QWidget *>(watched);
            if (widget && widget->isWindow() && widget->inherits("QMainWindow")) {
                m_quitting = true;
                QTimer::singleShot(0, qApp, [] {
                    markFirstPaintDone();
                    QCoreApplication::quit();
                });
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_quitting = false;
};

void installQuitAfterPaint()
{
    qApp->installEventFilter(new FirstPaintQuit);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installQuitAfterPaint)

int main(int argc, char **argv)
{
    return Main(argc, argv);
}
