#include "RegistryKeyValue.h"

#include "RegistryLayer.h"

using namespace RegistryLayer;

bool GetKeyValue(quint32 root, const QString &keyPath, const QString &valueName, QString &value)
{
    constexpr quint32 ReadWriteAccess = 0x2003F;
    constexpr quint32 BufferBytes = 1024 * 2;

    value.clear();
    Handle key = 0;
    if (OpenKey(root, keyPath, 0, ReadWriteAccess, key) != ERROR_SUCCESS)
        return false;
    quint32 type = 0;
    quint32 size = BufferBytes;
    QByteArray data;
    const Result read = QueryValue(key, valueName, &type, &data, &size);
    CloseKey(key);
    if (read != ERROR_SUCCESS)
        return false;

    if (type == REG_SZ) {
        value = StringFromBytes(data);
        if (value.endsWith(QChar(0)))
            value.chop(1);
    } else if (type == REG_DWORD) {
        for (qsizetype i = data.size() - 1; i >= 0; --i)
            value += QString::number(quint8(data.at(i)), 16).toUpper();
    }
    return true;
}
