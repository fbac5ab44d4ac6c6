#include "WebRelay.h"

#include "HttpGetter.h"
#include "ServicePlugins.h"

#include <QLoggingCategory>
#include <QUrl>

namespace {

Q_LOGGING_CATEGORY(lcWebRelay, "calvextra.webrelay")

std::unique_ptr<HttpGetter> createGetter()
{
    QString error;
    NetworkServices *services = LoadServices<NetworkServices>(WebRelay::PluginFileName, error);
    if (!services) {
        qCWarning(lcWebRelay).noquote() << error;
        return nullptr;
    }
    return services->CreateHttpGetter();
}

} // namespace

WebRelay::WebRelay(QObject *parent)
    : QObject(parent)
{
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, [this] {
        if (m_pending)
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
    m_pending = true;
    if (!m_getter)
        m_getter = createGetter();
    if (!m_getter) {
        // Without the plugin nothing can be sent: the answer is that of a failed connection, after
        // the event loop has run, as every answer is.
        m_deadline.start(0);
        return true;
    }
    m_getter->Get(url, ReplyCap, [this] { readAvailable(); }, [this] { replyFinished(); });
    m_deadline.start(m_timeout);
    return true;
}

void WebRelay::Cancel()
{
    m_deadline.stop();
    m_pending = false;
    if (m_getter)
        m_getter->Abort();
    m_body.clear();
}

bool WebRelay::succeeded() const
{
    const int code = m_getter->StatusCode();
    return !m_getter->Failed() && code >= 200 && code < 300;
}

// Moves what has arrived into the body, up to the cap; true once the cap is reached.
bool WebRelay::takeBody()
{
    const qint64 room = ReplyCap - m_body.size();
    if (room > 0)
        m_body += m_getter->Read(room);
    return m_body.size() >= ReplyCap;
}

void WebRelay::readAvailable()
{
    if (!m_pending)
        return;
    // An error page is read and thrown away by the finish; only a good body is kept.
    const int code = m_getter->StatusCode();
    if (code < 200 || code >= 300) {
        m_getter->Discard();
        return;
    }
    if (takeBody())
        answer(ReplyArrived);
}

void WebRelay::replyFinished()
{
    if (!m_pending)
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
