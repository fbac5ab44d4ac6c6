#pragma once

#include "LanguageResources.h"

#include <QObject>

// A French library that knows only a few texts: the rest must come from the English table.
class clsResources40C : public QObject, public clsResources
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID CalvextraLanguageResources_iid FILE "CalvextraLang40C.json")
    Q_INTERFACES(clsResources)

public:
    QString GetResourceString(qint32 &ResourceIndex) override;
};
