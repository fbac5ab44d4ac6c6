#include "FMessage.h"

#include "Localization.h"

#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// A short message gets the width of a usual message box; a wide one at most half the screen.
constexpr int NarrowestText = 300;

int widestLine(const QString &text, const QFontMetrics &metrics)
{
    int widest = 0;
    for (const QString &line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

} // namespace

FMessage::FMessage(const QString &name, const QString &title, const QString &text, QWidget *parent)
    : QDialog(parent)
    , lblIcon(new QLabel(this))
    , lblMessage(new QLabel)
    , scrMessage(new QScrollArea(this))
    , cmdOK(new QPushButton(GetLocalizedString(QStringLiteral("OK<0227>")), this))
{
    setObjectName(name);
    setWindowTitle(title);
    setModal(true);

    lblIcon->setObjectName(QStringLiteral("lblIcon"));
    const int iconSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    lblIcon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation, nullptr, this).pixmap(iconSize));
    lblIcon->setAlignment(Qt::AlignTop);

    lblMessage->setObjectName(QStringLiteral("lblMessage"));
    lblMessage->setTextFormat(Qt::PlainText);
    lblMessage->setWordWrap(true);
    lblMessage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblMessage->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblMessage->setText(text);

    scrMessage->setObjectName(QStringLiteral("scrMessage"));
    scrMessage->setFrameShape(QFrame::NoFrame);
    scrMessage->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scrMessage->setWidgetResizable(true);
    scrMessage->setWidget(lblMessage);
    scrMessage->viewport()->setAutoFillBackground(false);
    lblMessage->setAutoFillBackground(false);

    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(cmdOK, QDialogButtonBox::AcceptRole);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    auto *body = new QHBoxLayout;
    body->addWidget(lblIcon);
    body->addWidget(scrMessage, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addWidget(buttons);

    fitToScreen();
}

QString FMessage::text() const
{
    return lblMessage->text();
}

Qt::TextFormat FMessage::textFormat() const
{
    return lblMessage->textFormat();
}

// The text shows whole when it fits in half the screen's height; longer texts scroll, so the
// box and its OK button always stay on the screen.
void FMessage::fitToScreen()
{
    const QRect available = screen()->availableGeometry();
    const int width = std::clamp(widestLine(lblMessage->text(), lblMessage->fontMetrics()) + 2, NarrowestText,
                                 std::max(NarrowestText, available.width() / 2));
    const int fullHeight = lblMessage->heightForWidth(width);
    const int height = std::min(fullHeight, available.height() / 2);
    const int scrollBar = fullHeight > height ? style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this) : 0;
    scrMessage->setMinimumSize(width + scrollBar, height);
    resize(sizeHint().boundedTo(available.size()));
}

void FMessage::Show(const QString &name, const QString &title, const QString &text, QWidget *parent)
{
    const QPointer<FMessage> box = new FMessage(name, title, text, parent);
    box->exec();
    delete box.data();
}
