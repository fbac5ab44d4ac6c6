#include "CalvextraNetwork.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>

namespace {

class NetworkGetter : public HttpGetter
{
public:
    ~NetworkGetter() override { Abort(); }

    void Get(const QUrl &address, qint64 readBufferSize, std::function<void()> dataArrived,
             std::function<void()> finished) override
    {
        Abort();
        QNetworkRequest request(address);
        // Asked for as sent: a compressed body would be inflated before the cap could stop it.
        request.setRawHeader("Accept-Encoding", "identity");
        request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
        m_reply = m_network.get(request);
        // Qt stops reading from the socket while this much is waiting, so nothing piles up unread.
        m_reply->setReadBufferSize(readBufferSize);
        QObject::connect(m_reply, &QNetworkReply::readyRead, &m_callbacks, std::move(dataArrived));
        QObject::connect(m_reply, &QNetworkReply::finished, &m_callbacks, std::move(finished));
    }

    void Abort() override
    {
        if (QNetworkReply *reply = m_reply) {
            m_reply.clear();
            QObject::disconnect(reply, nullptr, &m_callbacks, nullptr);
            reply->abort();
            // Its own signals may be on the stack.
            reply->deleteLater();
        }
    }

    int StatusCode() const override
    {
        return m_reply ? m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() : 0;
    }
    bool Failed() const override { return !m_reply || m_reply->error() != QNetworkReply::NoError; }
    QByteArray Read(qint64 maxSize) override { return m_reply ? m_reply->read(maxSize) : QByteArray(); }
    void Discard() override
    {
        if (m_reply)
            m_reply->readAll();
    }

private:
    QNetworkAccessManager m_network;
    QPointer<QNetworkReply> m_reply;
    // The receiver of the callbacks' connections: dropping them leaves the manager's own.
    QObject m_callbacks;
};

} // namespace

std::unique_ptr<HttpGetter> CalvextraNetwork::CreateHttpGetter()
{
    return std::make_unique<NetworkGetter>();
}
