#pragma once

#include "VersionReply.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QtGlobal>

#include <functional>
#include <optional>

class QWidget;
class WebRelay;

// The start-status object: what the start-up learnt (application class, version, whether this is
// a new installation) and the update check built on it. One lives for the whole run; the start-up
// hands it to the first-run prompt and to the calculator window.
//
// The update check asks the update server with a GET of
//   <server>/version/versioncheck.asp?app=<product>&version=<major.minor.revision>
//       &appclass=<application class>&language=<running language's name>
// and acts on the reply: a newer version offers its download, a server message is shown. A handled
// reply raises DoneChecking; a check that got no reply raises NoAnswer; a reply that could not be
// read raises its error and then UnreadableAnswer.
class CStartStatus : public QObject
{
    Q_OBJECT

public:
    // What the start-up sends as the application class.
    static constexpr qint32 CalculatorApplicationClass = 250000;

    // Errors of the update check carry the base number of object errors; the text names the
    // operation, the underlying number and its description, as in
    // "oStartStatus.CheckVersionPage 5 <description>".
    static constexpr qint32 ObjectErrorBase = qint32(0x80040000u);
    using ErrorSink = std::function<void(qint32 number, const QString &text)>;

    explicit CStartStatus(QObject *parent = nullptr);
    ~CStartStatus() override;

    // Sets the application class and the version ("major.minor.revision"; the program's own when
    // empty), then tells a new installation from a later start by the "MRV" record and writes the
    // records: "MRV" at every start, "FirstInstall" on a new installation, both with the running
    // version. Only an empty store makes a new installation: a record that cannot be decoded, or
    // one that is missing from a store holding the user's values, still shows that a version ran
    // before, so it is not taken for a first run (which would replace the user's settings with the
    // defaults); the record is simply rewritten.
    void Initialize(qint32 ApplicationClass, const QString &Version = QString());

    qint32 ApplicationClass() const { return m_applicationClass; }
    // "major.minor", and that as a number read in the user's number format.
    QString VersionText() const { return m_versionText; }
    float VersionNumber() const { return m_versionNumber; }
    // "major.minor.revision", as sent to the update server.
    QString Version() const { return m_version; }
    bool IsNewInstall() const { return m_isNewInstall; }
    // The window starts from the default settings: on the first run of a new installation, and
    // when the store cannot be read at all (a folder or a special file where its file belongs),
    // where the defaults then hold in memory for the run. Only the former gets the update prompt.
    bool IsFirstTime() const { return m_isFirstTime; }
    // The version the "MRV" record named before this start ("" when absent or unreadable).
    QString PreviousVersion() const { return m_previousVersion; }

    // The stored form of the version records: "CX1:", the version in base64 and a CRC-16 of it.
    static QString EncodeVersionRecord(const QString &version);
    static std::optional<QString> DecodeVersionRecord(const QString &record);

    // Starts the update check and returns at once; a check still pending is dropped. The argument
    // is not used.
    void CheckVersion(const QString &Unused);
    // Drops the pending check: its reply, if one still comes, is ignored.
    void CancelCheck();
    bool IsChecking() const;
    QString RequestAddress() const;

    // The reply values of the latest check; every check starts from none.
    const VersionReply &Reply() const { return m_reply; }

    // Where the check asks; the maker's update server unless set (tests point it to 127.0.0.1).
    void setUpdateServer(const QString &address) { m_updateServer = address; }
    QString UpdateServer() const { return m_updateServer; }
    // How long the check waits for its reply, in milliseconds.
    void setReplyTimeout(int milliseconds) { m_replyTimeout = milliseconds; }
    // Where errors of the check go; by default a warning in the "calvextra.update" category.
    void setErrorSink(ErrorSink sink);
    // The window the dialogs of a reply belong to; the active window when unset.
    void setDialogParent(QWidget *parent) { m_dialogParent = parent; }

    // Only http and https addresses are ever opened from a reply: it must not be able to start a
    // local file or program.
    static bool IsWebAddress(const QString &address);

Q_SIGNALS:
    void DoneChecking();
    void NoAnswer();
    void UnreadableAnswer();

private:
    void AsynchResponse(int status, const QString &text);
    bool ParseVersionResponse(const QString &text);
    void ActOnVersionResponse();
    void ReleaseConnection();
    void raiseError(const QString &operation, qint32 number, const QString &description);
    QWidget *dialogParent() const;

    qint32 m_applicationClass = 0;
    QString m_versionText;
    float m_versionNumber = 0;
    QString m_version;
    bool m_isNewInstall = false;
    bool m_isFirstTime = false;
    QString m_previousVersion;

    QString m_updateServer;
    int m_replyTimeout;
    ErrorSink m_errorSink;
    QPointer<QWidget> m_dialogParent;
    QPointer<WebRelay> m_oWebConnection;
    VersionReply m_reply;
};
