#pragma once

#include "LanguageResources.h"

#include <QObject>

// The German language library's resources object: the German text of every string id.
class clsResources407 : public QObject, public clsResources
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID CalvextraLanguageResources_iid FILE "CalvextraLang407.json")
    Q_INTERFACES(clsResources)

public:
    QString GetResourceString(qint32 &ResourceIndex) override;
};
