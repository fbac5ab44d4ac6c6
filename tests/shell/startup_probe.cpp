// The program started as a user starts it, for tests whose start-up could hang (a FIFO where the
// settings file belongs): run as a child process, it reports on standard output what happens, so
// that the test can stop it after a timeout instead of hanging with it.
//
//   startup_probe
//
// Lines: "dialog <name>: <text>" for every dialog, which it then leaves (the update prompt by
// "Do Not Check"); "painted imagePlugins=<count>" once the window has painted, with the number of
// image-format plugins loaded by then; "shown site=<code> creditCard=<0|1> ukRate=<rate>"; then
// it saves from the menu, closes the window and ends with "done".

#include "Languages.h"
#include "Start.h"
#include "frmeBayFees.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSet>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <cstdio>

namespace {

void report(const QString &line)
{
    std::puts(line.toUtf8().constData());
    std::fflush(stdout);
}

void leaveDialog()
{
    QWidget *dialog = QApplication::activeModalWidget();
    if (!dialog || dialog->property("answered").toBool())
        return;
    dialog->setProperty("answered", true);
    const auto *box = qobject_cast<QMessageBox *>(dialog);
    report(QStringLiteral("dialog %1: %2").arg(dialog->objectName(),
                                               box ? box->text().replace(QLatin1Char('\n'), QLatin1Char('|')) : QString()));
    if (auto *button = dialog->findChild<QPushButton *>(QStringLiteral("cmdDoNotCheck")))
        button->click();
    else
        dialog->close();
}

// The image-format plugins mapped into this process.
int loadedImagePlugins()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return -1;
    QSet<QByteArray> plugins;
    for (const QByteArray &line : maps.readAll().split('\n')) {
        const qsizetype path = line.indexOf('/');
        if (path >= 0 && line.contains("/imageformats/"))
            plugins.insert(line.mid(path));
    }
    return int(plugins.size());
}

class PaintSeen : public QObject
{
public:
    bool painted = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        painted = painted || event->type() == QEvent::Paint;
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // No language library lies beside the tests: English runs.
    setLanguageLibraryFolder(QDir::tempPath());
    QTimer answering;
    QObject::connect(&answering, &QTimer::timeout, &app, &leaveDialog);
    answering.start(20);

    const std::unique_ptr<RunningProgram> program = StartUp();
    if (!program)
        return 1;
    frmeBayFees &window = *program->window;
    PaintSeen paint;
    window.installEventFilter(&paint);
    QElapsedTimer waiting;
    waiting.start();
    while (!paint.painted && waiting.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    window.removeEventFilter(&paint);
    report(paint.painted ? QStringLiteral("painted imagePlugins=%1").arg(loadedImagePlugins()) : QStringLiteral("not painted"));
    window.mnuOptionsSiteUK->trigger();
    const QString ukRate = window.txtConversion->text();
    window.mnuOptionsSiteEbay->trigger();
    report(QStringLiteral("shown site=%1 creditCard=%2 ukRate=%3")
               .arg(window.isVisible() ? QString::number(window.Site().Site()) : QStringLiteral("hidden"))
               .arg(window.optPayPalCreditCard->isChecked() ? 1 : 0)
               .arg(ukRate));
    window.mnuOptionsSaveSettings->trigger();
    window.close();
    report(QStringLiteral("done"));
    return 0;
}
