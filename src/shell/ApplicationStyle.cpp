#include "ApplicationStyle.h"

#include "PngPixmap.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QStyleOption>
#include <qdrawutil.h>

namespace {

// An icon of the base style, asked of it the first time the icon is drawn or measured.
class StyleIconOnDemand : public QIconEngine
{
public:
    StyleIconOnDemand(const QStyle *style, QStyle::StandardPixmap which, Qt::LayoutDirection direction)
        : m_style(style), m_which(which), m_direction(direction)
    {
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, 1.0, mode, state);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return icon().pixmap(size / scale, scale, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    QIconEngine *clone() const override { return new StyleIconOnDemand(*this); }
    QString key() const override { return QStringLiteral("StyleIconOnDemand"); }

private:
    const QIcon &icon()
    {
        if (!m_loaded) {
            m_loaded = true;
            if (m_style) {
                // Asked without an option, the style reads the application's direction: the one
                // of the moment the icon was asked for is passed on where it has changed since.
                QStyleOption option;
                option.direction = m_direction;
                const bool sameDirection = m_direction == QGuiApplication::layoutDirection();
                m_icon = m_style->standardIcon(m_which, sameDirection ? nullptr : &option);
            }
        }
        return m_icon;
    }

    QPointer<const QStyle> m_style;
    QStyle::StandardPixmap m_which;
    Qt::LayoutDirection m_direction;
    bool m_loaded = false;
    QIcon m_icon;
};

constexpr int FusionGroupBoxTopMargin = 3;

} // namespace

bool ApplicationStyle::isFusion() const
{
    return baseStyle()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) == 0;
}

QIcon ApplicationStyle::standardIcon(StandardPixmap icon, const QStyleOption *option, const QWidget *widget) const
{
    // Every menu bar asks for its overflow arrow as it is made, though few ever show it.
    if (icon == SP_ToolBarHorizontalExtensionButton && !option)
        return QIcon(new StyleIconOnDemand(baseStyle(), icon, QGuiApplication::layoutDirection()));
    return QProxyStyle::standardIcon(icon, option, widget);
}

void ApplicationStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                                     const QWidget *widget) const
{
    if (element != PE_FrameGroupBox || !isFusion()) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // Fusion's own drawing of the frame, with its picture read once.
    if (m_groupBoxFrame.isNull())
        m_groupBoxFrame = PngPixmap(QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png"));
    int topMargin = FusionGroupBoxTopMargin;
    const auto *box = qobject_cast<const QGroupBox *>(widget);
    if (!box || box->isCheckable() || !box->title().isEmpty())
        topMargin += qMax(baseStyle()->pixelMetric(PM_ExclusiveIndicatorHeight), option->fontMetrics.height());
    qDrawBorderPixmap(painter, option->rect.adjusted(0, topMargin, 0, 0), QMargins(6, 6, 6, 6), m_groupBoxFrame);
}
