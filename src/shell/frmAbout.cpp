#include "frmAbout.h"

#include "Brand.h"
#include "CalvextraVersion.h"
#include "LinkLabel.h"
#include "Localization.h"
#include "RegistryKeyValue.h"
#include "RegistryLayer.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QStyle>
#include <QUrl>
#include <QVBoxLayout>

namespace {

// Brand values and library texts are shown as written: no markup, no links, no pictures.
QLabel *makeLabel(QWidget *parent, const char *name, const QString &text)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setText(text);
    return label;
}

#ifndef Q_OS_WIN
struct SystemInformationProgram
{
    QString name;
    QStringList arguments;
};

// The system-information programs of the desktops, in the order they are tried. Only these, and
// only as found on the PATH: nothing the user's own files name is ever started.
const QList<SystemInformationProgram> &systemInformationPrograms()
{
    static const QList<SystemInformationProgram> programs{
#ifdef Q_OS_MACOS
        {QStringLiteral("open"), {QStringLiteral("-b"), QStringLiteral("com.apple.SystemProfiler")}},
#endif
        {QStringLiteral("kinfocenter"), {}},
        {QStringLiteral("hardinfo2"), {}},
        {QStringLiteral("hardinfo"), {}},
        {QStringLiteral("cpu-x"), {}},
        {QStringLiteral("gnome-system-monitor"), {}},
    };
    return programs;
}
#endif

} // namespace

frmAbout::frmAbout(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(GetLocalizedString(QStringLiteral("Calvextra - Calculate eBay Auction Fees<0460>")));

    picIcon = makeLabel(this, "picIcon", QString());
    const QIcon icon = QApplication::windowIcon().isNull()
                           ? style()->standardIcon(QStyle::SP_MessageBoxInformation)
                           : QApplication::windowIcon();
    picIcon->setPixmap(icon.pixmap(48, 48));
    picIcon->setAlignment(Qt::AlignTop);

    lblTitle = makeLabel(this, "lblTitle", GetLocalizedString(QStringLiteral("Calvextra<0465>")));
    QFont titleFont = lblTitle->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    lblTitle->setFont(titleFont);
    lblVersion = makeLabel(this, "lblVersion",
                           GetLocalizedString(QStringLiteral("Version <0670>"))
                               + QStringLiteral(CALVEXTRA_VERSION_TEXT));
    lblInfo = makeLabel(this, "lblInfo",
                        WithCompanyName(GetLocalizedString(QStringLiteral(
                            "For more information about Calvextra, other Brontolux products and product updates, "
                            "please visit us at:<0669>"))));

    lblEmail = new LinkLabel(this);
    lblEmail->setObjectName(QStringLiteral("lblEmail"));
    lblEmail->setTextFormat(Qt::PlainText);
    lblEmail->setText(Brand().CompanyURL);
    lblEmail->installEventFilter(this);
    connect(lblEmail, &LinkLabel::activated, this, [] { QDesktopServices::openUrl(QUrl(Brand().CompanyURL)); });

    lblDescription = makeLabel(this, "lblDescription",
                               QStringLiteral("The fees shown are those of the schedules built into this version. "
                                              "Check the sites' current fees before you list."));
    lblDisclaimer = makeLabel(this, "lblDisclaimer", QString());

    cmdOK = new QPushButton(GetLocalizedString(QStringLiteral("OK<0227>")), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    cmdSysInfo = new QPushButton(GetLocalizedString(QStringLiteral("&System Info...<0228>")), this);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    connect(cmdSysInfo, &QPushButton::clicked, this, [this] { StartSysInfo(); });

    auto *texts = new QVBoxLayout;
    for (QWidget *text : std::initializer_list<QWidget *>{lblTitle, lblVersion, lblInfo, lblEmail, lblDescription,
                                                         lblDisclaimer})
        texts->addWidget(text);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdSysInfo);
    buttons->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(picIcon);
    layout->addLayout(texts, 1);
    layout->addLayout(buttons);
    setMinimumWidth(480);
    // The link takes the focus from the keyboard, but the box still opens with it on OK: Enter
    // closes the box, and Tab reaches the link after the buttons.
    cmdOK->setFocus();

    // The pointer leaving the link over any other control of the box sets it back to blue.
    setMouseTracking(true);
    for (QWidget *child : findChildren<QWidget *>()) {
        if (child != lblEmail) {
            child->setMouseTracking(true);
            child->installEventFilter(this);
        }
    }
}

bool frmAbout::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lblEmail) {
        // Magenta while pressed (the page opens on the press), blue again on release.
        if (event->type() == QEvent::MouseButtonPress)
            lblEmail->showHoverColour();
        else if (event->type() == QEvent::MouseButtonRelease)
            lblEmail->showNormalColour();
    } else if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) {
        lblEmail->showNormalColour();
    }
    return QDialog::eventFilter(watched, event);
}

void frmAbout::mousePressEvent(QMouseEvent *event)
{
    // The link passes on only presses of the other buttons; those leave its colour alone.
    if (childAt(event->position().toPoint()) != lblEmail)
        lblEmail->showNormalColour();
    QDialog::mousePressEvent(event);
}

void frmAbout::StartSysInfo()
{
#ifdef Q_OS_WIN
    // Windows names its own program under keys only administrators may write.
    QString program;
    if (GetKeyValue(RegistryLayer::HKEY_LOCAL_MACHINE, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"),
                    QStringLiteral("PATH"), program)
        && QProcess::startDetached(program, {})) {
        return;
    }
    QString folder;
    if (GetKeyValue(RegistryLayer::HKEY_LOCAL_MACHINE, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"),
                    QStringLiteral("MSINFO"), folder)) {
        const QString msinfo = folder + QStringLiteral("\\MSINFO32.EXE");
        if (QFileInfo::exists(QDir::fromNativeSeparators(msinfo)) && QProcess::startDetached(msinfo, {}))
            return;
    }
#else
    // Elsewhere the registry is a store in the user's own config folder, which anything running
    // as the user can write: a program named there is never started.
    for (const SystemInformationProgram &candidate : systemInformationPrograms()) {
        const QString program = QStandardPaths::findExecutable(candidate.name);
        if (!program.isEmpty() && QProcess::startDetached(program, candidate.arguments))
            return;
    }
#endif
    QMessageBox::information(this, windowTitle(),
                             GetLocalizedString(QStringLiteral("System Information Is Unavailable At This Time<0505>")));
}
