// Stands in for the program that File > New Window starts: opens the calculator window the way a
// later start does (settings loaded, no first run) and writes what it loaded into the file named
// by CALVEXTRA_PROBE_REPORT, reading numbers in the locale named by CALVEXTRA_PROBE_LOCALE.

#include "frmeBayFees.h"
#include "NumberText.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // The number format of the user who saved the settings.
    if (qEnvironmentVariableIsSet("CALVEXTRA_PROBE_LOCALE"))
        UseNumberLocale(QLocale(qEnvironmentVariable("CALVEXTRA_PROBE_LOCALE")));
    frmeBayFees window(false);
    QFile report(qEnvironmentVariable("CALVEXTRA_PROBE_REPORT"));
    if (!report.open(QIODevice::WriteOnly))
        return 1;
    report.write(QStringLiteral("site=%1 start=%2")
                     .arg(window.Site().Site())
                     .arg(window.findChild<QLineEdit *>(QStringLiteral("txtStartingPrice"))->text())
                     .toUtf8());
    return 0;
}
