#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>

class HttpGetter;

// The web connection of the update check: one HTTP GET at a time, answered asynchronously by
// AsynchResponse on the thread that owns the relay.
//
// - 12 (ReplyArrived) with the body as text (UTF-8) when the server answered with a 2xx status;
// - 11 (NoReply) with an empty text when the connection failed, the server answered with an
//   error status (its page is not the answer we asked for) or no complete reply came within the
//   timeout (15 seconds unless set).
//
// Only the first 64 KiB of a body are kept. Once that much has arrived the transfer is aborted and
// the reply counts as arrived (12) with those 64 KiB, so an endless or huge body neither hangs the
// check nor grows memory.
//
// The GETs are made by the network plugin, loaded with the first request; a plugin that cannot be
// loaded is a connection that fails at once.
//
// A receiver may release the relay from its AsynchResponse handler with deleteLater(), never with
// delete.
class WebRelay : public QObject
{
    Q_OBJECT

public:
    static constexpr int ReplyArrived = 12;
    static constexpr int NoReply = 11;
    static constexpr qsizetype ReplyCap = 64 * 1024;
    static constexpr int DefaultTimeout = 15000;  // milliseconds
    // The network plugin's file in the program's folder, without the platform's suffix.
    static inline const QString PluginFileName = QStringLiteral("CalvextraNetwork");

    explicit WebRelay(QObject *parent = nullptr);
    ~WebRelay() override;

    // Starts the GET of an http or https address and returns at once; a request still pending is
    // dropped without an answer. Any other address (a file, a relative path, another scheme) is
    // refused: the result is false and nothing will be emitted.
    bool Request(const QString &address);

    // Drops the pending request, if any, without an answer.
    void Cancel();
    bool IsPending() const { return m_pending; }

    void setTimeout(int milliseconds) { m_timeout = milliseconds; }
    int timeout() const { return m_timeout; }

Q_SIGNALS:
    void AsynchResponse(int status, const QString &text);

private:
    void readAvailable();
    void replyFinished();
    bool takeBody();
    bool succeeded() const;
    void answer(int status);

    // Made with the first request; none while the plugin cannot be loaded.
    std::unique_ptr<HttpGetter> m_getter;
    bool m_pending = false;
    QByteArray m_body;
    QTimer m_deadline;
    int m_timeout = DefaultTimeout;
};
