#include "ServicePlugins.h"

#include <QCoreApplication>
#include <QDir>
#include <QPluginLoader>

namespace {

QString &chosenFolder()
{
    static QString folder;
    return folder;
}

} // namespace

QString ServicePluginFolder()
{
    return chosenFolder().isEmpty() ? QCoreApplication::applicationDirPath() : chosenFolder();
}

void setServicePluginFolder(const QString &folder)
{
    chosenFolder() = folder;
}

QObject *LoadServicePlugin(const QString &baseName, QString &error)
{
    // The loader finds the file with the platform's suffix. It does not unload the library when
    // it goes, which keeps the plugin for the rest of the run.
    QPluginLoader loader(QDir(ServicePluginFolder()).filePath(baseName));
    QObject *instance = loader.instance();
    if (!instance)
        error = loader.fileName().isEmpty()
                    ? QStringLiteral("%1 is not in %2.").arg(baseName, QDir::toNativeSeparators(ServicePluginFolder()))
                    : loader.errorString();
    return instance;
}
