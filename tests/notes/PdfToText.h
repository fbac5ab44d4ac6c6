#pragma once

// Runs pdftotext (poppler-utils) on a printed file, for the tests that read printed pages back.

#include <QByteArray>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

// The text of what went wrong, or an empty text and pdftotext's output.
inline QString runPdfToText(const QStringList &arguments, QByteArray &output)
{
#ifdef PDFTOTEXT_PROGRAM
    const QString program = QStringLiteral(PDFTOTEXT_PROGRAM);
#else
    QString program = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (program.isEmpty())
        program = QStringLiteral("pdftotext");
#endif
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted(30000))
        return QStringLiteral("pdftotext (%1) could not be run: %2. Install poppler-utils.")
            .arg(program, process.errorString());
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return QStringLiteral("pdftotext (%1) did not finish within a minute").arg(program);
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return QStringLiteral("pdftotext %1 failed (exit code %2): %3")
            .arg(arguments.join(QLatin1Char(' ')))
            .arg(process.exitCode())
            .arg(QString::fromLocal8Bit(process.readAllStandardError()).trimmed());
    output = process.readAllStandardOutput();
    return QString();
}
