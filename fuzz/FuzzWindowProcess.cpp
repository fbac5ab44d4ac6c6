#include "FuzzWindowProcess.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdlib>

void StartWindowProcess(int *argc, char ***argv, QStringList &dialogs)
{
    static QTemporaryDir home(QDir::tempPath() + QStringLiteral("/fuzz_window-XXXXXX"));
    if (!home.isValid())
        std::abort();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("XDG_CONFIG_HOME", QDir(home.path()).filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", QDir(home.path()).filePath(QStringLiteral("data")).toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", home.path().toLocal8Bit());
    new QApplication(*argc, *argv);
    static QTimer watchdog;
    QObject::connect(&watchdog, &QTimer::timeout, [&dialogs] {
        if (QWidget *dialog = QApplication::activeModalWidget()) {
            const auto *box = qobject_cast<QMessageBox *>(dialog);
            dialogs.append(dialog->objectName() + (box ? QStringLiteral(": ") + box->text() : QString()));
            dialog->close();
        }
    });
    watchdog.start(0);
}
