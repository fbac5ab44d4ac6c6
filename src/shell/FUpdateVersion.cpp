#include "FUpdateVersion.h"

#include "Localization.h"

#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

FUpdateVersion::FUpdateVersion(QWidget *parent)
    : QDialog(parent)
    , txtMessage(new QPlainTextEdit(this))
    , cmdUpdate(new QPushButton(GetLocalizedString(QStringLiteral("&Update Now<0458>")), this))
    , cmdDoNotUpgrade(new QPushButton(GetLocalizedString(QStringLiteral("Update &Later<0459>")), this))
{
    setObjectName(QStringLiteral("FUpdateVersion"));
    setModal(true);
    txtMessage->setObjectName(QStringLiteral("txtMessage"));
    // The server's text as it came: plain, read-only.
    txtMessage->setReadOnly(true);
    cmdUpdate->setObjectName(QStringLiteral("cmdUpdate"));
    cmdDoNotUpgrade->setObjectName(QStringLiteral("cmdDoNotUpgrade"));
    cmdUpdate->setDefault(true);

    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(cmdUpdate, QDialogButtonBox::AcceptRole);
    buttons->addButton(cmdDoNotUpgrade, QDialogButtonBox::RejectRole);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(txtMessage);
    layout->addWidget(buttons);
    // The message scrolls in its box, which never outgrows the screen.
    resize(QSize(420, 240).boundedTo(screen()->availableGeometry().size()));

    connect(cmdUpdate, &QPushButton::clicked, this, &FUpdateVersion::cmdUpdate_Click);
    connect(cmdDoNotUpgrade, &QPushButton::clicked, this, &FUpdateVersion::cmdDoNotUpgrade_Click);
}

void FUpdateVersion::Initialize(const QString &Caption, const QString &Message)
{
    setWindowTitle(Caption);
    txtMessage->setPlainText(Message);
}

void FUpdateVersion::cmdUpdate_Click()
{
    m_isUpdate = true;
    accept();
}

void FUpdateVersion::cmdDoNotUpgrade_Click()
{
    reject();
}
