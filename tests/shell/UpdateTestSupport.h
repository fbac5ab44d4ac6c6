#pragma once

#include "FMessage.h"
#include "OpenedLinks.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QHostAddress>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <functional>
#include <memory>

// A web server on 127.0.0.1 for the update check: it records each request line and answers with
// the reply it was given, or not at all, or late, or with a body that never ends.
class VersionServer : public QObject
{
    Q_OBJECT

public:
    enum class Behaviour { Answer, Silent, Endless };

    VersionServer()
    {
        if (!m_server.listen(QHostAddress::LocalHost, 0))
            qFatal("the test server cannot listen on 127.0.0.1");
        connect(&m_server, &QTcpServer::newConnection, this, &VersionServer::accept);
    }

    QString address() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort()); }

    // Answers with `body` under the status line `status`, after `delay` milliseconds.
    void answer(const QByteArray &body, const QByteArray &status = "200 OK", int delay = 0)
    {
        m_behaviour = Behaviour::Answer;
        m_body = body;
        m_status = status;
        m_delay = delay;
    }
    // Reads the request and never answers.
    void stayQuiet() { m_behaviour = Behaviour::Silent; }
    // Answers 200 with a body of "x" that goes on until the client hangs up.
    void answerEndlessly() { m_behaviour = Behaviour::Endless; }

    QList<QByteArray> requestLines;
    int connections = 0;
    qint64 bytesSent = 0;       // of bodies, over all connections
    int closedByClient = 0;     // connections the client dropped before the body was complete

private:
    void accept()
    {
        while (QTcpSocket *socket = m_server.nextPendingConnection()) {
            ++connections;
            socket->setParent(this);
            auto request = std::make_shared<QByteArray>();
            connect(socket, &QTcpSocket::readyRead, this, [this, socket, request] {
                if (request->contains("\r\n\r\n"))
                    return;
                *request += socket->readAll();
                if (!request->contains("\r\n\r\n"))
                    return;
                requestLines.append(request->left(request->indexOf("\r\n")));
                respond(socket);
            });
        }
    }

    void respond(QTcpSocket *socket)
    {
        switch (m_behaviour) {
        case Behaviour::Silent:
            return;
        case Behaviour::Answer: {
            const QByteArray header = "HTTP/1.1 " + m_status + "\r\nContent-Type: text/plain\r\nContent-Length: "
                + QByteArray::number(m_body.size()) + "\r\nConnection: close\r\n\r\n";
            QTimer::singleShot(m_delay, socket, [this, socket, header] {
                socket->write(header);
                sendPaced(socket, m_body, 0);
            });
            return;
        }
        case Behaviour::Endless:
            socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nConnection: close\r\n\r\n");
            sendPaced(socket, QByteArray(), -1);
            return;
        }
    }

    // Writes the body a piece at a time, as the client takes it; offset -1: an endless body.
    void sendPaced(QTcpSocket *socket, const QByteArray &body, qint64 offset)
    {
        constexpr qint64 piece = 16 * 1024;
        auto position = std::make_shared<qint64>(offset);
        auto more = [this, socket, body, position] {
            if (socket->state() != QAbstractSocket::ConnectedState)
                return;
            while (socket->bytesToWrite() < 4 * piece) {
                if (*position < 0) {
                    socket->write(QByteArray(piece, 'x'));
                    bytesSent += piece;
                    continue;
                }
                if (*position >= body.size()) {
                    if (socket->bytesToWrite() == 0)
                        socket->disconnectFromHost();
                    return;
                }
                const QByteArray part = body.mid(*position, piece);
                socket->write(part);
                *position += part.size();
                bytesSent += part.size();
            }
        };
        connect(socket, &QTcpSocket::bytesWritten, socket, more);
        connect(socket, &QTcpSocket::disconnected, this, [this, body, position] {
            if (*position < 0 || *position < body.size())
                ++closedByClient;
        });
        more();
    }

    QTcpServer m_server;
    Behaviour m_behaviour = Behaviour::Answer;
    QByteArray m_body;
    QByteArray m_status = "200 OK";
    int m_delay = 0;
};

// A port on 127.0.0.1 where nobody listens: connections are refused.
inline QString refusingAddress()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return QStringLiteral("http://127.0.0.1:%1").arg(port);
}

// Everything the program asks the desktop to open, of any scheme a reply could name, is caught
// here instead: no browser, file or program is ever started by a test.
class OpenedAddresses : public OpenedLinks
{
public:
    OpenedAddresses()
        : OpenedLinks({QStringLiteral("http"), QStringLiteral("https"), QStringLiteral("file"), QStringLiteral("ftp"),
                       QStringLiteral(""), QStringLiteral("javascript"), QStringLiteral("data"),
                       QStringLiteral("mailto")})
    {
    }
};

// Watches for the modal dialogs of a reply and answers them as the user would: the new-version
// offer with Update Now or Later, a message with OK. Each is recorded as
// "objectName|title|text", with the pointer shape it was shown under and whether the box and the
// button pressed lay inside the screen.
class DialogWatcher : public QObject
{
    Q_OBJECT

public:
    explicit DialogWatcher(bool updateNow = false)
        : m_updateNow(updateNow)
    {
        m_timer.setInterval(10);
        connect(&m_timer, &QTimer::timeout, this, &DialogWatcher::look);
        m_timer.start();
    }

    QStringList seen;
    QList<Qt::TextFormat> formats;              // of the message boxes
    QList<Qt::CursorShape> pointers;            // the override pointer while each was shown (ArrowCursor: none)
    QStringList offScreen;                      // "objectName: what lay outside the screen", for each such box

private:
    void look()
    {
        QWidget *dialog = QApplication::activeModalWidget();
        if (!dialog || dialog->objectName() == QLatin1String("FCheckVersion") || !dialog->isVisible())
            return;
        const QCursor *pointer = QGuiApplication::overrideCursor();
        pointers.append(pointer ? pointer->shape() : Qt::ArrowCursor);
        if (dialog->objectName() == QLatin1String("FUpdateVersion")) {
            const auto *message = dialog->findChild<QPlainTextEdit *>(QStringLiteral("txtMessage"));
            seen.append(QStringLiteral("FUpdateVersion|%1|%2")
                            .arg(dialog->windowTitle(), message ? message->toPlainText() : QStringLiteral("?")));
            auto *button = dialog->findChild<QPushButton *>(m_updateNow ? QStringLiteral("cmdUpdate")
                                                                        : QStringLiteral("cmdDoNotUpgrade"));
            press(dialog, button);
            return;
        }
        if (auto *box = qobject_cast<FMessage *>(dialog)) {
            seen.append(QStringLiteral("%1|%2|%3").arg(box->objectName(), box->windowTitle(), box->text()));
            formats.append(box->textFormat());
            press(box, box->findChild<QPushButton *>(QStringLiteral("cmdOK")));
            return;
        }
        seen.append(QStringLiteral("unexpected %1|%2").arg(dialog->objectName(), dialog->windowTitle()));
        dialog->close();
    }

    // The user can reach the button only when it is on the screen.
    void press(QWidget *dialog, QPushButton *button)
    {
        const QRect screen = dialog->screen()->availableGeometry();
        if (!screen.contains(dialog->frameGeometry()))
            offScreen.append(dialog->objectName() + QStringLiteral(": the box"));
        if (!button) {
            dialog->close();
            return;
        }
        if (!button->isVisible() || !screen.contains(QRect(button->mapToGlobal(QPoint(0, 0)), button->size())))
            offScreen.append(dialog->objectName() + QStringLiteral(": ") + button->objectName());
        QTest::mouseClick(button, Qt::LeftButton);
    }

    QTimer m_timer;
    bool m_updateNow;
};

// Settings in a folder of this test process, emptied on demand; the user's own are never touched.
// Call before anything opens the settings store.
inline void useFreshSettings()
{
    static QTemporaryDir folder;
    static const bool redirected = qputenv("XDG_CONFIG_HOME", folder.path().toLocal8Bit());
    Q_UNUSED(redirected);
    QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Brontolux"), QStringLiteral("Calvextra")).clear();
}
