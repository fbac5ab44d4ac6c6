#pragma once

#include <QString>

// The per-user settings of the program: string values under the maker's name and the product's
// section. Reading a value that was never stored gives "".
QString ReadSetting(const QString &Key);
void WriteSetting(const QString &Key, const QString &Value);
