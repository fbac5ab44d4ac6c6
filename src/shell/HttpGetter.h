#pragma once

// The interface between the program and its network plugin, which carries Qt Network and the
// libraries it brings (TLS, proxies, Kerberos). The plugin's instance implements NetworkServices;
// this header is all that the two share, so that no meta-object exists twice.

#include <QByteArray>
#include <QUrl>
#include <QtPlugin>

#include <functional>
#include <memory>

// One HTTP GET at a time, as the web connection of the update check asks for it. The callbacks
// come on the thread that made the getter, from the reply's own signals: a callback may abort
// the GET or start another.
class HttpGetter
{
public:
    virtual ~HttpGetter() = default;

    // Starts the GET of the address, dropping a pending one without its callbacks. The reply is
    // read from the socket while less than readBufferSize bytes of it wait unread. dataArrived
    // comes whenever more of the reply can be read, finished once it is complete or failed.
    virtual void Get(const QUrl &address, qint64 readBufferSize, std::function<void()> dataArrived,
                     std::function<void()> finished) = 0;
    // Drops the pending GET, if any, without its callbacks.
    virtual void Abort() = 0;

    // The HTTP status of the pending reply, 0 before the server answered.
    virtual int StatusCode() const = 0;
    // True once the connection or the transfer failed.
    virtual bool Failed() const = 0;
    // Up to maxSize bytes of the body that have arrived, taken from the reply.
    virtual QByteArray Read(qint64 maxSize) = 0;
    // Throws away what has arrived.
    virtual void Discard() = 0;
};

class NetworkServices
{
public:
    virtual ~NetworkServices() = default;
    virtual std::unique_ptr<HttpGetter> CreateHttpGetter() = 0;
};

#define CalvextraNetworkServices_iid "example.brontolux.Calvextra.NetworkServices/1.0"
Q_DECLARE_INTERFACE(NetworkServices, CalvextraNetworkServices_iid)
