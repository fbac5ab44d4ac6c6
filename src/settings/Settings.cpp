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
    // Only plain text counts: anything else stored under the name reads as absent.
    return value.typeId() == QMetaType::QString ? value.toString() : QString();
}

void WriteSetting(const QString &Key, const QString &Value)
{
    WriteSettings({{Key, Value}});
}

void WriteSettings(const SettingValues &values)
{
    // QSettings merges and writes the file under a lock when it is synced, here once at the end.
    const std::unique_ptr<QSettings> store = openStore();
    for (const auto &[key, value] : values)
        store->setValue(key, value);
}

bool SettingsStoreIsEmpty()
{
    return openStore()->allKeys().isEmpty();
}
