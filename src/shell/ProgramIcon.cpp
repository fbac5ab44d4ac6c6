#include "ProgramIcon.h"

#include "PngPixmap.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>

#include <array>

namespace {

constexpr std::array<int, 7> Sizes{16, 24, 32, 48, 64, 128, 256};

class ProgramIconEngine : public QIconEngine
{
public:
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        Q_UNUSED(mode);
        Q_UNUSED(state);
        // The smallest picture at least as large as asked for (the largest when none is), scaled
        // down where it is larger; never scaled up.
        std::size_t index = 0;
        while (index + 1 < Sizes.size() && (Sizes[index] < size.width() || Sizes[index] < size.height()))
            ++index;
        QPixmap &picture = m_pictures[index];
        if (picture.isNull())
            picture = PngPixmap(QStringLiteral(":/icons/%1x%1/apps/calvextra.png").arg(Sizes[index]));
        if (picture.isNull() || (picture.width() <= size.width() && picture.height() <= size.height()))
            return picture;
        return picture.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }

    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        Q_UNUSED(mode);
        Q_UNUSED(state);
        return size.boundedTo(QSize(Sizes.back(), Sizes.back()));
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap picture = pixmap(rect.size() * ratio, mode, state);
        picture.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect, picture);
    }

    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        Q_UNUSED(mode);
        Q_UNUSED(state);
        QList<QSize> sizes;
        for (int size : Sizes)
            sizes.append(QSize(size, size));
        return sizes;
    }

    QIconEngine *clone() const override { return new ProgramIconEngine(*this); }
    QString key() const override { return QStringLiteral("ProgramIconEngine"); }

private:
    std::array<QPixmap, Sizes.size()> m_pictures;
};

} // namespace

QIcon ProgramIcon()
{
    return QIcon(new ProgramIconEngine);
}
