#pragma once

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

class QNetworkReply;

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

    explicit WebRelay(QObject *parent = nullptr);
    ~WebRelay() override;

    // Starts the GET of an http or https address and returns at once; a request still pending is
    // dropped without an answer. Any other address (a file, a relative path, another scheme) is
    // refused: the result is false and nothing will be emitted.
    bool Request(const QString &address);

    // Drops the pending request, if any, without an answer.
    void Cancel();
    bool IsPending() const { return !m_reply.isNull(); }

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

    QNetworkAccessManager m_network;
    QPointer<QNetworkReply> m_reply;
    QByteArray m_body;
    QTimer m_deadline;
    int m_timeout = DefaultTimeout;
};
