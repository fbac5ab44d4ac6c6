#include "CalvextraVersion.h"
#include "CommandLine.h"

#include <QCoreApplication>
#include <QFile>

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("calvextra-fees"));
    QCoreApplication::setApplicationVersion(QStringLiteral(CALVEXTRA_VERSION_TEXT));

    QFile in;
    QFile out;
    QFile err;
    in.open(stdin, QIODevice::ReadOnly);
    out.open(stdout, QIODevice::WriteOnly);
    err.open(stderr, QIODevice::WriteOnly | QIODevice::Unbuffered);
    return CommandLine::Run(QCoreApplication::arguments(), in, out, err);
}
