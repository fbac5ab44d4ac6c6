#include "CStartStatus.h"

#include "CalvextraVersion.h"
#include "FMessage.h"
#include "FUpdateVersion.h"
#include "FWebBrowse.h"
#include "LanguageState.h"
#include "Localization.h"
#include "MakerEndpoints.h"
#include "PublicVars.h"
#include "Settings.h"
#include "WebRelay.h"

#include <QApplication>
#include <QByteArray>
#include <QCursor>
#include <QLocale>
#include <QLoggingCategory>
#include <QUrl>

Q_LOGGING_CATEGORY(lcUpdate, "calvextra.update")

namespace {

const QString RecordPrefix = QStringLiteral("CX1:");

// While a dialog of the reply waits for the user, the pointer is the normal arrow even when the
// prompt set the hourglass; afterwards the previous pointer returns.
class NormalPointer
{
public:
    NormalPointer() { QApplication::setOverrideCursor(QCursor(Qt::ArrowCursor)); }
    ~NormalPointer() { QApplication::restoreOverrideCursor(); }
    NormalPointer(const NormalPointer &) = delete;
    NormalPointer &operator=(const NormalPointer &) = delete;
};

// A modal message with an OK button. Texts are shown as plain text: a server's message brings no
// markup and no links to follow; a long one scrolls in a box that fits the screen.
void showMessage(const QString &name, const QString &title, const QString &text, QWidget *parent)
{
    FMessage::Show(name, title, text, parent);
}

} // namespace

CStartStatus::CStartStatus(QObject *parent)
    : QObject(parent)
    , m_version(QStringLiteral(CALVEXTRA_VERSION_TEXT))
    , m_updateServer(MakerEndpoints::UpdateServer)
    , m_replyTimeout(WebRelay::DefaultTimeout)
{
    setErrorSink({});
}

CStartStatus::~CStartStatus()
{
    ReleaseConnection();
}

void CStartStatus::Initialize(qint32 ApplicationClass, const QString &Version)
{
    m_applicationClass = ApplicationClass;
    if (!Version.isEmpty())
        m_version = Version;
    m_versionText = m_version.section(QLatin1Char('.'), 0, 1);
    bool ok = false;
    m_versionNumber = QLocale().toFloat(LocalizeNumberText(m_versionText), &ok);
    if (!ok)
        m_versionNumber = 0;

    const QString previous = ReadSetting(QStringLiteral("MRV"));
    // Only an empty store is a new installation: one that lost its record but holds the user's
    // values is a later start. A store that cannot be read at all tells nothing; the window then
    // starts from the defaults, but the prompt of a first start is not shown again at every start.
    const bool nothingStored = previous.isEmpty() && SettingsStoreIsEmpty();
    m_isNewInstall = nothingStored && SettingsStoreReadStatus().Ok();
    m_isFirstTime = nothingStored;
    m_previousVersion = DecodeVersionRecord(previous).value_or(QString());

    const QString record = EncodeVersionRecord(m_version);
    SettingValues records{{QStringLiteral("MRV"), record}};
    if (m_isNewInstall)
        records.append({QStringLiteral("FirstInstall"), record});
    // A later start of the same version finds its record already there: the store is not
    // rewritten for nothing at every start. A record the store does not take goes unreported:
    // the user's own saves say so, and the next one that succeeds writes the record as well.
    if (previous != record)
        (void)WriteSettings(records);
}

QString CStartStatus::EncodeVersionRecord(const QString &version)
{
    const QByteArray text = version.toUtf8();
    return RecordPrefix + QString::fromLatin1(text.toBase64()) + QLatin1Char(':')
        + QStringLiteral("%1").arg(qChecksum(text), 4, 16, QLatin1Char('0'));
}

std::optional<QString> CStartStatus::DecodeVersionRecord(const QString &record)
{
    if (!record.startsWith(RecordPrefix))
        return std::nullopt;
    const QStringList parts = record.mid(RecordPrefix.size()).split(QLatin1Char(':'));
    if (parts.size() != 2 || parts[1].size() != 4)
        return std::nullopt;
    const auto decoded = QByteArray::fromBase64Encoding(parts[0].toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    bool ok = false;
    const uint checksum = parts[1].toUInt(&ok, 16);
    if (!decoded || !ok || checksum != qChecksum(*decoded))
        return std::nullopt;
    // Only a record this program wrote: its own encoding of UTF-8 text, which survives a round trip.
    const QString version = QString::fromUtf8(*decoded);
    if (EncodeVersionRecord(version) != record)
        return std::nullopt;
    return version;
}

QString CStartStatus::RequestAddress() const
{
    // Sent as it stands: the values are plain ASCII and the server reads them unescaped.
    return m_updateServer + QStringLiteral("/version/versioncheck.asp") + QStringLiteral("?app=")
        + QStringLiteral(CALVEXTRA_PRODUCT_NAME) + QStringLiteral("&version=") + m_version
        + QStringLiteral("&appclass=") + QString::number(m_applicationClass) + QStringLiteral("&language=")
        + CurrentLanguage().LanguageName;
}

void CStartStatus::CheckVersion(const QString &Unused)
{
    Q_UNUSED(Unused);
    ReleaseConnection();
    // What an earlier check heard must not colour this one's answer.
    m_reply = VersionReply();
    m_oWebConnection = new WebRelay(this);
    m_oWebConnection->setTimeout(m_replyTimeout);
    connect(m_oWebConnection, &WebRelay::AsynchResponse, this, &CStartStatus::AsynchResponse);
    if (!m_oWebConnection->Request(RequestAddress())) {
        ReleaseConnection();
        raiseError(QStringLiteral("Check"), MalformedReplyNumber,
                   QStringLiteral("Invalid procedure call or argument: the update server's address is not a web address"));
    }
}

void CStartStatus::CancelCheck()
{
    ReleaseConnection();
}

bool CStartStatus::IsChecking() const
{
    return m_oWebConnection && m_oWebConnection->IsPending();
}

void CStartStatus::ReleaseConnection()
{
    if (WebRelay *relay = m_oWebConnection) {
        m_oWebConnection.clear();
        disconnect(relay, nullptr, this, nullptr);
        relay->Cancel();
        relay->deleteLater();
    }
}

void CStartStatus::setErrorSink(ErrorSink sink)
{
    if (!sink)
        sink = [](qint32 number, const QString &text) { qCWarning(lcUpdate).noquote() << number << text; };
    m_errorSink = std::move(sink);
}

void CStartStatus::raiseError(const QString &operation, qint32 number, const QString &description)
{
    m_errorSink(ObjectErrorBase,
                QStringLiteral("oStartStatus.%1 %2 %3").arg(operation, QString::number(number), description));
}

void CStartStatus::AsynchResponse(int status, const QString &text)
{
    if (status == WebRelay::NoReply) {
        // The check is over without an answer; the prompt says so and may try again.
        ReleaseConnection();
        Q_EMIT NoAnswer();
        return;
    }
    if (status != WebRelay::ReplyArrived)
        return;
    ReleaseConnection();
    if (!ParseVersionResponse(text)) {
        // Like a check without an answer: the prompt says so and may try again.
        Q_EMIT UnreadableAnswer();
        return;
    }
    const QPointer<CStartStatus> alive(this);
    ActOnVersionResponse();
    // The dialogs run their own event loop, in which the window may have released this object.
    if (alive)
        Q_EMIT DoneChecking();
}

bool CStartStatus::ParseVersionResponse(const QString &text)
{
    if (const auto error = ParseVersionReply(text, m_reply)) {
        raiseError(QStringLiteral("CheckVersionPage"), error->Number, error->Description);
        return false;
    }
    return true;
}

bool CStartStatus::IsWebAddress(const QString &address)
{
    const QUrl url(address, QUrl::StrictMode);
    return url.isValid() && !url.host().isEmpty()
        && (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https"));
}

QWidget *CStartStatus::dialogParent() const
{
    return m_dialogParent ? m_dialogParent.data() : QApplication::activeWindow();
}

void CStartStatus::ActOnVersionResponse()
{
    const QPointer<CStartStatus> alive(this);
    const NormalPointer pointer;
    if (m_reply.NewVersion) {
        const QPointer<FUpdateVersion> offer = new FUpdateVersion(dialogParent());
        offer->Initialize(GetLocalizedString(QStringLiteral("New Version Available.<0661>")), m_reply.Message);
        offer->exec();
        const bool update = offer && offer->IsUpdate();
        delete offer.data();
        if (!alive || !update)
            return;
        const QString address = m_reply.UpdateAddress;
        if (!IsWebAddress(address)) {
            qCWarning(lcUpdate).noquote()
                << QStringLiteral("Not opened: the update address \"%1\" is not an http or https address").arg(address);
            return;
        }
        showMessage(QStringLiteral("msgDownloadUpdate"), GetLocalizedString(QStringLiteral("Download update<0664>")),
                    GetLocalizedString(QStringLiteral("A setup file will now be retrieved from the internet.<0662>"))
                        + QStringLiteral("\r\n")
                        + GetLocalizedString(QStringLiteral("Please choose 'Open' when you are prompted.<0663>")),
                    dialogParent());
        FWebBrowse::OpenBrower(address);
    } else if (!m_reply.Message.isEmpty()) {
        showMessage(QStringLiteral("msgServerMessage"), GetLocalizedString(QStringLiteral("Brontolux Message<0665>")),
                    m_reply.Message, dialogParent());
    }
}
