#include "Settings.h"

#include <QSettings>

#include <memory>

namespace {

std::unique_ptr<QSettings> openStore()
{
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Brontolux"),
                                       QStringLiteral("Calvextra"));
}

} // namespace

QString ReadSetting(const QString &Key)
{
    const QVariant value = openStore()->value(Key);
    return value.canConvert<QString>() ? value.toString() : QString();
}

void WriteSetting(const QString &Key, const QString &Value)
{
    openStore()->setValue(Key, Value);
}
