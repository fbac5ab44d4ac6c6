#include "FCheckVersion.h"

#include "Brand.h"
#include "CStartStatus.h"
#include "Localization.h"

#include <QApplication>
#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The maker's mark: a blue rounded square with a white "B".
QPixmap makerLogo()
{
    constexpr int side = 48;
    QPixmap logo(side, side);
    logo.fill(Qt::transparent);
    QPainter painter(&logo);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 70, 160));
    painter.drawRoundedRect(QRectF(1, 1, side - 2, side - 2), 9, 9);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(30);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 0, side, side), Qt::AlignCenter, QStringLiteral("B"));
    return logo;
}

} // namespace

FCheckVersion::FCheckVersion(QWidget *parent)
    : QDialog(parent)
    , imgBrontolux(new QLabel(this))
    , lblAppName(new QLabel(GetLocalizedString(QStringLiteral("Calvextra<0203>")), this))
    , Label1(new QLabel(CompanyName(), this))
    , lblConnectToCheck(new QLabel(WithCompanyName(GetLocalizedString(QStringLiteral(
                                       "If this is the first time you are using Calvextra, please allow it to check the "
                                       "Brontolux server for updates.  This will ensure the application runs properly, and "
                                       "will only take a moment.<0601>"))),
                                   this))
    , lblNoAnswer(new QLabel(
          GetLocalizedString(QStringLiteral("The update server could not be reached.<0720>")),
          this))
    , cmdCheck(new QPushButton(GetLocalizedString(QStringLiteral("Check for Updates<0204>")), this))
    , cmdDoNotCheck(new QPushButton(GetLocalizedString(QStringLiteral("Do Not Check<0205>")), this))
{
    setObjectName(QStringLiteral("FCheckVersion"));
    setWindowTitle(GetLocalizedString(QStringLiteral("Check for product updates<0201>")));
    setModal(true);

    imgBrontolux->setObjectName(QStringLiteral("imgBrontolux"));
    imgBrontolux->setPixmap(makerLogo());
    lblAppName->setObjectName(QStringLiteral("lblAppName"));
    QFont nameFont = lblAppName->font();
    nameFont.setBold(true);
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.4);
    lblAppName->setFont(nameFont);
    Label1->setObjectName(QStringLiteral("Label1"));
    lblConnectToCheck->setObjectName(QStringLiteral("lblConnectToCheck"));
    lblConnectToCheck->setWordWrap(true);
    // Texts from the language library or the brand file are shown as written, never as markup.
    for (QLabel *label : {lblAppName, Label1, lblConnectToCheck, lblNoAnswer})
        label->setTextFormat(Qt::PlainText);
    lblNoAnswer->setObjectName(QStringLiteral("lblNoAnswer"));
    lblNoAnswer->setWordWrap(true);
    lblNoAnswer->hide();
    cmdCheck->setObjectName(QStringLiteral("cmdCheck"));
    cmdDoNotCheck->setObjectName(QStringLiteral("cmdDoNotCheck"));
    cmdCheck->setDefault(true);

    auto *names = new QVBoxLayout;
    names->addWidget(lblAppName);
    names->addWidget(Label1);
    auto *heading = new QHBoxLayout;
    heading->addWidget(imgBrontolux);
    heading->addLayout(names, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdCheck);
    buttons->addWidget(cmdDoNotCheck);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(heading);
    layout->addWidget(lblConnectToCheck);
    layout->addWidget(lblNoAnswer);
    layout->addStretch(1);
    layout->addLayout(buttons);
    setFixedWidth(420);

    connect(cmdCheck, &QPushButton::clicked, this, &FCheckVersion::cmdCheck_Click);
    connect(cmdDoNotCheck, &QPushButton::clicked, this, &FCheckVersion::cmdDoNotCheck_Click);
}

FCheckVersion::~FCheckVersion()
{
    releaseStartStatus();
    restorePointer();
}

void FCheckVersion::Initialize(CStartStatus *StartStatus)
{
    releaseStartStatus();
    m_oStartStatus = StartStatus;
    if (m_oStartStatus) {
        connect(m_oStartStatus, &CStartStatus::DoneChecking, this, &FCheckVersion::oStartStatus_DoneChecking);
        connect(m_oStartStatus, &CStartStatus::NoAnswer, this, &FCheckVersion::oStartStatus_NoAnswer);
        connect(m_oStartStatus, &CStartStatus::UnreadableAnswer, this, &FCheckVersion::oStartStatus_UnreadableAnswer);
    }
}

void FCheckVersion::cmdCheck_Click()
{
    if (!m_oStartStatus)
        return;
    lblNoAnswer->hide();
    if (!m_busy) {
        QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        m_busy = true;
    }
    m_oStartStatus->CheckVersion(QString());
}

void FCheckVersion::cmdDoNotCheck_Click()
{
    reject();
}

void FCheckVersion::oStartStatus_DoneChecking()
{
    releaseStartStatus();
    accept();
}

// No message box: the prompt itself says it, and Check for Updates tries again.
void FCheckVersion::oStartStatus_NoAnswer()
{
    showCheckFailed(GetLocalizedString(QStringLiteral("The update server could not be reached.<0720>")));
}

void FCheckVersion::oStartStatus_UnreadableAnswer()
{
    showCheckFailed(GetLocalizedString(QStringLiteral("The update server's answer could not be read.<0726>")));
}

void FCheckVersion::showCheckFailed(const QString &line)
{
    restorePointer();
    lblNoAnswer->setText(line);
    lblNoAnswer->show();
}

// However the prompt closes: the pointer returns, and a check still under way is dropped.
void FCheckVersion::done(int result)
{
    if (m_oStartStatus)
        m_oStartStatus->CancelCheck();
    releaseStartStatus();
    restorePointer();
    QDialog::done(result);
}

void FCheckVersion::releaseStartStatus()
{
    if (m_oStartStatus)
        disconnect(m_oStartStatus, nullptr, this, nullptr);
    m_oStartStatus.clear();
}

void FCheckVersion::restorePointer()
{
    if (m_busy) {
        QApplication::restoreOverrideCursor();
        m_busy = false;
    }
}
