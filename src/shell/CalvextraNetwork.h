#pragma once

#include "HttpGetter.h"

#include <QObject>

// The network plugin's instance: HTTP GETs on a QNetworkAccessManager of their own.
class CalvextraNetwork : public QObject, public NetworkServices
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID CalvextraNetworkServices_iid)
    Q_INTERFACES(NetworkServices)

public:
    std::unique_ptr<HttpGetter> CreateHttpGetter() override;
};
