// The Help menu (help file, company links, mail links, the fee pages of the Sources submenu) and
// File > New Window.

#include "frmeBayFees.h"

#include "Brand.h"
#include "CalvextraVersion.h"
#include "LanguageState.h"
#include "WebAddresses.h"

#include <QAction>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QProcess>
#include <QUrl>
#include <QUrlQuery>

namespace {

// A mail link with its subject encoded, so that blanks and other characters reach the mail
// program intact.
QUrl mailLink(const QString &mailbox, const QString &subject)
{
    QUrl link(QStringLiteral("mailto:") + mailbox);
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("subject"), subject);
    link.setQuery(query);
    return link;
}

} // namespace

QString &frmeBayFees::NewWindowProgram()
{
    static QString program;
    return program;
}

QString frmeBayFees::HelpFilePath()
{
    const bool german = CurrentLanguage().Code == QLatin1String("407");
    return QDir(QCoreApplication::applicationDirPath())
        .filePath(german ? QStringLiteral("wertolino_hilfe.htm") : QStringLiteral("calvextra_help.htm"));
}

void frmeBayFees::connectHelpMenu()
{
    // A missing help file opens nothing and says nothing.
    connect(mnuHelpContents, &QAction::triggered, this,
            [] { QDesktopServices::openUrl(QUrl::fromLocalFile(HelpFilePath())); });
    connect(mnuHelpAbout, &QAction::triggered, this, [this] { Q_EMIT AboutRequested(); });
    connect(mnuHelpUpdate, &QAction::triggered, this, [this] { Q_EMIT UpdateCheckRequested(); });
    connect(mnuHelpHomepage, &QAction::triggered, this, [this] { OpenURL(QUrl(Brand().CompanyURL)); });
    connect(mnuHelpFeedback, &QAction::triggered, this, [] {
        QDesktopServices::openUrl(
            mailLink(Brand().SupportEmail, QStringLiteral("Comment RE: Calvextra ") + QStringLiteral(CALVEXTRA_VERSION_TEXT)));
    });
    connect(mnuHelpSubscribe, &QAction::triggered, this, [] {
        QDesktopServices::openUrl(mailLink(
            Brand().SubscribeEmail,
            QStringLiteral("Subscribe ") + CompanyName() + QStringLiteral(" Mailing List REF: Calvextra")));
    });

    const std::pair<QAction *, const QString *> sources[] = {
        {mnuHelpSourcesEbay, &WebAddresses::EbayUSFees},
        {mnuHelpSourcesEbayMotors, &WebAddresses::EbayMotorsFees},
        {mnuHelpSourcesEbayCanada, &WebAddresses::EbayCanadaFees},
        {mnuHelpSourcesEbayUK, &WebAddresses::EbayUKFees},
        {mnuHelpSourcesEbayGermany, &WebAddresses::EbayGermanyFees},
        {mnuHelpSourcesEbayPictures, &WebAddresses::EbayUSPictures},
        {mnuHelpSourcesEbayUKPictures, &WebAddresses::EbayUKPictures},
        {mnuHelpSourcesEbayCanadaPictures, &WebAddresses::EbayCanadaPictures},
        {mnuHelpSourcesEbayGermanyPictures, &WebAddresses::EbayGermanyPictures},
        {mnuHelpSourcesPayPalUS, &WebAddresses::PayPalUSFees},
        {mnuHelpPayPalInternational, &WebAddresses::PayPalInternationalFees},
        {mnuHelpBillpointUS, &WebAddresses::BillpointUSFees},
        {mnuHelpBillpointUK, &WebAddresses::BillpointUKFees},
    };
    for (const auto &[item, address] : sources)
        connect(item, &QAction::triggered, this, [this, page = address] { OpenURL(QUrl(*page)); });

    // A second, independent copy of the program, which loads the saved settings on its own.
    // If it cannot be started, nothing is said.
    connect(mnuFileNewWindow, &QAction::triggered, this, [] {
        const QString program = NewWindowProgram();
        QProcess::startDetached(program.isEmpty() ? QCoreApplication::applicationFilePath() : program, {});
    });
}
