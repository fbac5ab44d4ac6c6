#pragma once

#include <QObject>
#include <QString>

// Our own plugins that carry the Qt modules few runs need (printing, the network): each is a file
// in the program's folder, loaded the first time one of its services is asked for, so that a
// start-up neither maps nor relocates those modules and the libraries they bring. A plugin stays
// loaded for the rest of the run: objects it made may outlive the call that asked for them.

// The instance of the plugin named (without the platform's suffix), or null with the reason in
// error: the file is missing, cannot be loaded or is no plugin.
QObject *LoadServicePlugin(const QString &baseName, QString &error);

// Where the plugins are looked for: the program's folder unless set otherwise; an empty folder
// sets it back.
QString ServicePluginFolder();
void setServicePluginFolder(const QString &folder);

// The plugin's instance as the interface it offers (declared with Q_DECLARE_INTERFACE), or null
// with the reason in error.
template <class Interface>
Interface *LoadServices(const QString &baseName, QString &error)
{
    QObject *instance = LoadServicePlugin(baseName, error);
    if (!instance)
        return nullptr;
    auto *services = qobject_cast<Interface *>(instance);
    if (!services)
        error = QStringLiteral("%1 offers no %2.").arg(baseName, QLatin1String(qobject_interface_iid<Interface *>()));
    return services;
}
