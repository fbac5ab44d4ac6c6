#pragma once

#include <QList>
#include <QString>

#include <utility>

// The per-user settings of the program: string values under the maker's name and the product's
// section. Reading a value that was never stored gives "".
QString ReadSetting(const QString &Key);
void WriteSetting(const QString &Key, const QString &Value);

// Several values stored in one go: another copy of the program saving at the same moment leaves
// either all of these values or all of its own, never a mixture.
using SettingValues = QList<std::pair<QString, QString>>;
void WriteSettings(const SettingValues &values);

// True while the store holds no value at all, as before the program's first run.
bool SettingsStoreIsEmpty();
