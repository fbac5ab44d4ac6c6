#include "WebRelay.h"

#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

WebRelay::WebRelay(QObject *parent)
    : QObject(parent)
{
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, [this] {
        if (m_reply)
            answer(NoReply);
    });
}

WebRelay::~WebRelay()
{
    Cancel();
}

bool WebRelay::Request(const QString &address)
{
    const QUrl url(address, QUrl::StrictMode);
    const QString scheme = url.scheme();
    if (!url.isValid() || url.host().isEmpty()
        || (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return false;

    Cancel();
    QNetworkRequest request(url);
    // Asked for as sent: a compressed body would be inflated before the cap could stop it.
    request.setRawHeader("Accept-Encoding", "identity");
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    m_body.clear();
    m_reply = m_network.get(request);
    // Qt stops reading from the socket while this much is waiting, so nothing piles up unread.
    m_reply->setReadBufferSize(ReplyCap);
    connect(m_reply, &QNetworkReply::readyRead, this, &WebRelay::readAvailable);
    connect(m_reply, &QNetworkReply::finished, this, &WebRelay::replyFinished);
    m_deadline.start(m_timeout);
    return true;
}

void WebRelay::Cancel()
{
    m_deadline.stop();
    if (QNetworkReply *reply = m_reply) {
        m_reply.clear();
        disconnect(reply, nullptr, this, nullptr);
        reply->abort();
        reply->deleteLater();
    }
    m_body.clear();
}

bool WebRelay::succeeded() const
{
    const int code = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    return m_reply->error() == QNetworkReply::NoError && code >= 200 && code < 300;
}

// Moves what has arrived into the body, up to the cap; true once the cap is reached.
bool WebRelay::takeBody()
{
    const qint64 room = ReplyCap - m_body.size();
    if (room > 0)
        m_body += m_reply->read(room);
    return m_body.size() >= ReplyCap;
}

void WebRelay::readAvailable()
{
    if (!m_reply)
        return;
    // An error page is read and thrown away by the finish; only a good body is kept.
    const int code = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (code < 200 || code >= 300) {
        m_reply->readAll();
        return;
    }
    if (takeBody())
        answer(ReplyArrived);
}

void WebRelay::replyFinished()
{
    if (!m_reply)
        return;
    if (!succeeded()) {
        answer(NoReply);
        return;
    }
    takeBody();
    answer(ReplyArrived);
}

void WebRelay::answer(int status)
{
    const QString text = status == ReplyArrived ? QString::fromUtf8(m_body) : QString();
    // Settled before the signal: its receiver may release this relay or ask again.
    Cancel();
    Q_EMIT AsynchResponse(status, text);
}
