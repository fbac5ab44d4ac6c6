#pragma once

#include <QString>
#include <QtGlobal>

// Reads one registry value for the About box: a string without its terminating NUL, or a 32-bit value as
// hexadecimal text, each stored byte in unpadded hexadecimal digits from the last byte to the first (so
// 0x0001020A reads "012A"). Other types read as "". False, with value "", when the key does not open or the
// value cannot be read into a buffer of 1024 characters.
bool GetKeyValue(quint32 root, const QString &keyPath, const QString &valueName, QString &value);
