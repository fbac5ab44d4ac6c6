#pragma once

#include "ServicePlugins.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

// A folder of its own where the service plugins are looked for, for as long as it lives, holding
// under the plugin's file name what a test asks for: nothing, a file that is no library, or
// another of our plugins.
class PluginFolder
{
public:
    enum Content { Empty, NoLibrary, OtherPlugin };

    // otherPlugin is the file of another plugin, whose suffix is the platform's; an empty folder
    // needs none.
    explicit PluginFolder(Content content, const QString &pluginName = QString(), const QString &otherPlugin = QString())
    {
        const QString file = m_folder.filePath(pluginName + QLatin1Char('.') + QFileInfo(otherPlugin).suffix());
        if (content == NoLibrary) {
            QFile text(file);
            if (text.open(QIODevice::WriteOnly))
                text.write("not a library\n");
        } else if (content == OtherPlugin) {
            QFile::copy(otherPlugin, file);
        }
        setServicePluginFolder(m_folder.path());
    }
    ~PluginFolder() { setServicePluginFolder(QString()); }
    PluginFolder(const PluginFolder &) = delete;
    PluginFolder &operator=(const PluginFolder &) = delete;

    QString path() const { return m_folder.path(); }

private:
    QTemporaryDir m_folder;
};
