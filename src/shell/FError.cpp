#include "FError.h"

#include "CalvextraVersion.h"
#include "Localization.h"
#include "MakerEndpoints.h"

#include <QApplication>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QString encoded(const QString &text)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(text));
}

} // namespace

FError::FError(QWidget *parent)
    : QDialog(parent)
    , lblError(new QLabel(this))
    , txtError(new QPlainTextEdit(this))
    , lblToEmail(new QLabel(this))
    , cmdEmail(new QPushButton(this))
    , cmdContinue(new QPushButton(this))
{
    setObjectName(QStringLiteral("FError"));
    setAttribute(Qt::WA_DeleteOnClose);

    lblError->setObjectName(QStringLiteral("lblError"));
    lblError->setWordWrap(true);
    txtError->setObjectName(QStringLiteral("txtError"));
    txtError->setReadOnly(true);
    lblToEmail->setObjectName(QStringLiteral("lblToEmail"));
    lblToEmail->setWordWrap(true);
    cmdEmail->setObjectName(QStringLiteral("cmdEmail"));
    cmdContinue->setObjectName(QStringLiteral("cmdContinue"));

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdEmail);
    buttons->addWidget(cmdContinue);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblError);
    layout->addWidget(txtError, 1);
    layout->addWidget(lblToEmail);
    layout->addLayout(buttons);
    resize(480, 320);

    connect(cmdEmail, &QPushButton::clicked, this, &FError::SendErrorReport);
    connect(cmdContinue, &QPushButton::clicked, this, &FError::CloseDialog);
}

void FError::Initialize(const QString &errorText)
{
    m_errorText = errorText;
}

void FError::setVisible(bool visible)
{
    if (visible && !m_loaded) {
        m_loaded = true;
        PrepareErrorDialog();
    }
    QDialog::setVisible(visible);
}

void FError::PrepareErrorDialog()
{
    // Set before the window first appears, so it opens above all others where it is.
    setWindowFlag(Qt::WindowStaysOnTopHint, true);

    setWindowTitle(QStringLiteral(CALVEXTRA_PRODUCT_NAME "  ") + GetLocalizedString(QStringLiteral("Error<0603>")));
    lblError->setText(GetLocalizedString(QStringLiteral(
        "An error has occured in this application.  The application has returned the following information about this error:<0213>")));
    txtError->setPlainText(m_errorText);
    lblToEmail->setText(GetLocalizedString(QStringLiteral(
        "Please take a moment to send this error information to the Brontolux technical support team for review.  You may also continue without sending this error to us.<0604>")));
    cmdContinue->setText(GetLocalizedString(QStringLiteral("&Continue<0212>")));
    cmdEmail->setText(GetLocalizedString(QStringLiteral("&Send Error<0211>")));

    QApplication::beep();
}

void FError::SendErrorReport()
{
    const QString subject = QStringLiteral(CALVEXTRA_PRODUCT_NAME " " CALVEXTRA_VERSION_TEXT " Error");
    // Always the maker's mailbox, whatever the brand: the maker supports the program. Subject
    // and body are percent-encoded ("+" included, which some mail programs read as a space), so
    // that spaces, line breaks, "&" and "#" of the error text reach the mail program intact.
    QUrl link;
    link.setScheme(QStringLiteral("mailto"));
    link.setPath(MakerEndpoints::ErrorReportMailbox);
    link.setQuery(QStringLiteral("subject=") + encoded(subject) + QStringLiteral("&body=") + encoded(m_errorText),
                  QUrl::StrictMode);
    // Whether a mail program opened is not examined: the dialog closes either way.
    QDesktopServices::openUrl(link);
    close();
}

void FError::CloseDialog()
{
    close();
}
