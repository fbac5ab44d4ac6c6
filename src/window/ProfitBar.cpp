#include "ProfitBar.h"

#include "NumberText.h"
#include "ProfitCalculator.h"

#include <QEvent>
#include <QPainter>

#include <algorithm>

namespace {

constexpr int BarHeight = 26;
constexpr int Gap = 6;
constexpr int Swatch = 10;

MoneyValue negated(MoneyValue value)
{
    return value.times(-1);
}

// Black or white, whichever reads better on the colour.
QColor textOn(const QColor &background)
{
    return qGray(background.rgb()) > 140 ? QColor(Qt::black) : QColor(Qt::white);
}

} // namespace

ProfitBar::ProfitBar(QWidget *parent) : QWidget(parent)
{
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void ProfitBar::SetNames(const QStringList &names)
{
    m_names = names;
    updateGeometry();
    update();
}

void ProfitBar::Clear()
{
    m_segments.clear();
    m_received = MoneyValue();
    updateGeometry();
    update();
}

void ProfitBar::SetFigures(const ProfitFigures &figures, const QString &currency)
{
    m_segments.clear();
    m_currency = currency;
    m_received = figures.Received;
    const Segment costs[] = {{Share::EbayFees, figures.EbayFees},
                             {Share::PayPalFee, figures.PayPalFee},
                             {Share::Shipping, figures.ShippingCost},
                             {Share::ItemCost, figures.ItemCost}};
    for (const Segment &segment : costs) {
        if (segment.Amount > MoneyValue())
            m_segments.append(segment);
    }
    if (figures.Profit > MoneyValue())
        m_segments.append({Share::Profit, figures.Profit});
    else if (figures.Profit < MoneyValue())
        m_segments.append({Share::Loss, negated(figures.Profit)});
    updateGeometry();
    update();
}

QColor ProfitBar::ShareColor(Share share) const
{
    // The palette's selection colour leads; the other shares turn its hue round the circle,
    // keeping its strength so that every share stands out against the palette's window.
    const QColor base = palette().color(QPalette::Highlight).toHsv();
    static constexpr int hueSteps[ShareCount] = {0, 60, 200, 130, 0, 0};
    const int hue = base.hsvHue() < 0 ? 210 : base.hsvHue();
    const int saturation = std::max(base.hsvSaturation(), 120);
    const int value = std::clamp(base.value(), 150, 230);
    if (share == Share::Profit)
        return QColor::fromHsv(120, saturation, value);
    if (share == Share::Loss)
        return palette().color(QPalette::WindowText);
    return QColor::fromHsv((hue + hueSteps[int(share)]) % 360, saturation, value);
}

QString ProfitBar::legendText(const Segment &segment) const
{
    const int index = int(segment.Kind);
    const QString name = index < m_names.size() ? m_names[index] : QString();
    return QStringLiteral("%1 %2 %3").arg(name, m_currency, MoneyText(segment.Amount));
}

QList<ProfitBar::LegendEntry> ProfitBar::legendLayout(int width) const
{
    QList<LegendEntry> entries;
    const QFontMetrics metrics = fontMetrics();
    const int lineHeight = std::max(metrics.height(), Swatch);
    int x = 0;
    int y = BarHeight + Gap;
    for (const Segment &segment : m_segments) {
        const QString text = legendText(segment);
        const int entryWidth = Swatch + 4 + metrics.horizontalAdvance(text);
        if (x > 0 && x + entryWidth > width) {
            x = 0;
            y += lineHeight + 2;
        }
        entries.append({QRect(x, y, entryWidth, lineHeight), segment.Kind, text});
        x += entryWidth + 3 * Gap;
    }
    return entries;
}

int ProfitBar::heightForWidth(int width) const
{
    const QList<LegendEntry> legend = legendLayout(width);
    const int lines = legend.isEmpty() ? 1 : legend.back().Place.bottom() + 1 - (BarHeight + Gap);
    return BarHeight + Gap + std::max(lines, fontMetrics().height() * 2 + 2);
}

QSize ProfitBar::sizeHint() const
{
    return {420, heightForWidth(420)};
}

QSize ProfitBar::minimumSizeHint() const
{
    return {200, BarHeight + Gap + fontMetrics().height()};
}

void ProfitBar::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange) {
        updateGeometry();
        update();
    }
}

void ProfitBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect bar(0, 0, width() - 1, BarHeight);
    painter.setPen(palette().color(QPalette::Mid));
    painter.setBrush(palette().brush(QPalette::Base));
    painter.drawRect(bar);
    if (m_segments.isEmpty())
        return;

    // The bar spans what the buyer paid, or all the costs where they are more.
    MoneyValue costs;
    for (const Segment &segment : m_segments) {
        if (segment.Kind != Share::Profit && segment.Kind != Share::Loss)
            costs += segment.Amount;
    }
    const qint64 span = std::max(std::max(costs, m_received).tenThousandths(), qint64(1));
    const auto xAt = [&bar, span](qint64 units) {
        return bar.left() + int(double(bar.width()) * double(units) / double(span) + 0.5);
    };

    qint64 along = 0;
    for (const Segment &segment : m_segments) {
        if (segment.Kind == Share::Loss)
            continue;
        const int left = xAt(along);
        along += segment.Amount.tenThousandths();
        const QRect place(QPoint(left, bar.top()), QPoint(std::max(left, xAt(along) - 1), bar.bottom()));
        const QColor colour = ShareColor(segment.Kind);
        painter.fillRect(place, colour);
        const QString amount = MoneyText(segment.Amount);
        if (fontMetrics().horizontalAdvance(amount) + 6 <= place.width()) {
            painter.setPen(textOn(colour));
            painter.drawText(place, Qt::AlignCenter, amount);
        }
    }
    // The costs beyond the payment are the loss: hatched over the bar's end, edged at the payment.
    for (const Segment &segment : m_segments) {
        if (segment.Kind != Share::Loss)
            continue;
        const QRect place(QPoint(xAt(m_received.tenThousandths()), bar.top()), QPoint(xAt(span), bar.bottom()));
        painter.fillRect(place, QBrush(ShareColor(Share::Loss), Qt::BDiagPattern));
        painter.setPen(QPen(ShareColor(Share::Loss), 2));
        painter.drawLine(place.topLeft(), place.bottomLeft());
    }

    for (const LegendEntry &entry : legendLayout(width())) {
        const QRect swatch(entry.Place.left(), entry.Place.center().y() - Swatch / 2, Swatch, Swatch);
        if (entry.Kind == Share::Loss) {
            painter.setPen(ShareColor(Share::Loss));
            painter.setBrush(QBrush(ShareColor(Share::Loss), Qt::BDiagPattern));
            painter.drawRect(swatch.adjusted(0, 0, -1, -1));
        } else {
            painter.fillRect(swatch, ShareColor(entry.Kind));
        }
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(entry.Place.adjusted(Swatch + 4, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, entry.Text);
    }
}
