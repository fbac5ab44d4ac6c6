#include "ToolPanel.h"

#include "Localization.h"
#include "frmeBayFees.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace {

const QString Shown = QStringLiteral("1");
const QString Hidden = QStringLiteral("0");

QString placeText(const QRect &place)
{
    return QStringLiteral("%1,%2,%3,%4").arg(place.x()).arg(place.y()).arg(place.width()).arg(place.height());
}

// "x,y,width,height" with a size the panel can take; anything else is no place.
QRect placeFromText(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4)
        return {};
    int numbers[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        numbers[i] = parts[i].trimmed().toInt(&ok);
        if (!ok)
            return {};
    }
    const QRect place(numbers[0], numbers[1], numbers[2], numbers[3]);
    if (place.width() < 1 || place.height() < 1 || place.width() > 10000 || place.height() > 10000)
        return {};
    return place;
}

// A stored place is used only where part of the panel's title bar lands on a screen now.
bool onSomeScreen(const QRect &place)
{
    const QRect titleBar(place.x(), place.y(), place.width(), 30);
    for (const QScreen *screen : QGuiApplication::screens()) {
        if (screen->availableGeometry().intersects(titleBar))
            return true;
    }
    return false;
}

} // namespace

ToolPanel::ToolPanel(frmeBayFees *window, const QString &settingName)
    : QWidget(window, Qt::Tool), m_window(window), m_settingName(settingName)
{
    setObjectName(settingName);
    setAttribute(Qt::WA_DeleteOnClose, false);
}

void ToolPanel::AppendSettings(SettingValues &values) const
{
    values.append({m_settingName, isVisible() ? Shown : Hidden});
    values.append({m_settingName + QStringLiteral("Place"), placeText(QRect(pos(), size()))});
}

void ToolPanel::RestorePlace(int order)
{
    const QRect place = placeFromText(ReadSetting(m_settingName + QStringLiteral("Place")));
    if (place.isValid() && onSomeScreen(place)) {
        resize(place.size());
        move(place.topLeft());
        return;
    }
    adjustSize();
    const QRect beside = m_window->frameGeometry();
    QPoint topLeft(beside.right() + 1, beside.top() + 40 * order);
    // Kept on the calculator's screen: a panel that would leave it goes over the window instead.
    if (const QScreen *screen = m_window->screen()) {
        const QRect room = screen->availableGeometry();
        topLeft.setX(std::max(room.left(), std::min(topLeft.x(), room.right() - width())));
        topLeft.setY(std::max(room.top(), std::min(topLeft.y(), room.bottom() - height())));
    }
    move(topLeft);
}

QString ToolPanel::Text(const char *tagged)
{
    // The panels ask for their texts at every recalculation.
    return LocalizedText(tagged);
}

QString ToolPanel::SiteName(qint32 site)
{
    static const char *const names[5] = {"", "eBay.com<0430>", "eBay UK<0431>", "eBay Canada<0432>",
                                         "eBay Germany<0433>"};
    return site >= 1 && site <= 4 ? Text(names[site]) : QString();
}

bool ToolPanel::StoredVisible(const QString &settingName)
{
    return ReadSetting(settingName) == Shown;
}

void ToolPanel::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // A hidden panel skips the recalculations: it catches up as it appears.
    Refresh(m_window->CurrentListing());
    Q_EMIT visibilityChanged(true);
}

void ToolPanel::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    // Hidden with the calculator window (minimised or closing), it still counts as shown.
    if (!m_window->isVisible() || m_window->isMinimized())
        return;
    Q_EMIT visibilityChanged(false);
}
