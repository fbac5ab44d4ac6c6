#include "LanguageLibraryLoader.h"

#include "LanguageResources.h"

#include <QHash>
#include <QJsonObject>
#include <QPluginLoader>

#include <memory>

namespace {

// Registered libraries by class name. A library stays loaded for the rest of the run: texts
// handed out by it may still be shown.
QHash<QString, std::shared_ptr<QPluginLoader>> &registeredLibraries()
{
    static QHash<QString, std::shared_ptr<QPluginLoader>> libraries;
    return libraries;
}

QString className(const QPluginLoader &loader)
{
    return loader.metaData().value(QStringLiteral("MetaData")).toObject().value(QStringLiteral("Class")).toString();
}

} // namespace

bool RegisterLanguageLibrary(const QString &path)
{
    auto loader = std::make_shared<QPluginLoader>(path);
    const bool isLanguageLibrary =
        loader->metaData().value(QStringLiteral("IID")).toString() == QLatin1String(CalvextraLanguageResources_iid)
        && !className(*loader).isEmpty();
    if (!isLanguageLibrary || !loader->load())
        return false;
    registeredLibraries().insert(className(*loader), loader);
    return true;
}

clsResources *CreateLanguageResources(const QString &className)
{
    const auto registered = registeredLibraries().constFind(className);
    if (registered == registeredLibraries().constEnd())
        throw LanguageLibraryError{QStringLiteral("The language library class %1 is not registered.").arg(className)};
    QObject *instance = (*registered)->instance();
    auto *resources = qobject_cast<clsResources *>(instance);
    if (!resources)
        throw LanguageLibraryError{QStringLiteral("The language library class %1 could not be created: %2")
                                       .arg(className, (*registered)->errorString())};
    return resources;
}
