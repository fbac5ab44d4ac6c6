#include "CRegistry.h"

#include "RegistryLayer.h"

#include <QLocale>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <limits>

using namespace RegistryLayer;

RegistryError::RegistryError(qint32 number, const QString &description)
    : Number(number), Source(QStringLiteral("clsRegistry")), Description(description),
      m_what((Source + QLatin1Char(' ') + QString::number(number) + QLatin1Char(' ') + description).toUtf8())
{
}

const char *RegistryError::what() const noexcept
{
    return m_what.constData();
}

namespace {

// Value data and enumerated names are read into buffers of 255 characters.
constexpr quint32 BufferChars = 255;
constexpr quint32 BufferBytes = BufferChars * 2;

// A conversion of the caller's data, or of stored data, that does not fit or cannot be read as a number.
struct ConversionError {};
// SetValue's key cannot be opened.
struct KeyNotOpened {};
struct ValueNotWritten {};

// Runs an operation; whatever it throws reaches the caller as the operation's own error.
template <typename Body>
auto raisingAs(qint32 number, const char *operation, Body &&body) -> decltype(body())
{
    try {
        return body();
    } catch (...) {
        throw RegistryError(number, QString::fromLatin1(operation));
    }
}

QString withoutLeadingBackslash(const QString &path)
{
    return path.startsWith(QLatin1Char('\\')) ? path.mid(1) : path;
}

// The root to work on: the root itself, or its handle on the named machine. A failed connection is not
// checked; it leaves no handle, and whatever is then opened through it fails to open. The connection is
// closed again when the operation ends.
class TargetRoot
{
public:
    TargetRoot(Handle root, const QString &computer) : m_handle(root)
    {
        if (!computer.isEmpty()) {
            ConnectRegistry(computer, root, m_connected);
            m_handle = m_connected;
        }
    }
    ~TargetRoot()
    {
        if (m_connected)
            CloseKey(m_connected);
    }
    TargetRoot(const TargetRoot &) = delete;
    TargetRoot &operator=(const TargetRoot &) = delete;

    Handle handle() const { return m_handle; }

private:
    Handle m_handle;
    Handle m_connected = 0;
};

// Opens Path below the root with full access and closes it when the operation ends, also when it raises.
class OpenedKey
{
public:
    OpenedKey(Handle root, const QString &path)
    {
        OpenKey(root, withoutLeadingBackslash(path), 0, KEY_ALL_ACCESS, m_handle);
    }
    ~OpenedKey()
    {
        if (m_handle)
            CloseKey(m_handle);
    }
    OpenedKey(const OpenedKey &) = delete;
    OpenedKey &operator=(const OpenedKey &) = delete;

    bool isOpen() const { return m_handle != 0; }
    Handle handle() const { return m_handle; }

private:
    Handle m_handle = 0;
};

QString numberText(double number, int significantDigits)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(number, 'G', significantDigits);
}

// The caller's data as text: numbers in the user's number format, single precision with 7 significant
// digits, double with 15.
QString textOf(const QVariant &data)
{
    switch (data.typeId()) {
    case QMetaType::UnknownType:
        return QString();
    case QMetaType::Float:
        return numberText(double(data.toFloat()), 7);
    case QMetaType::Double:
        return numberText(data.toDouble(), 15);
    default:
        if (!data.canConvert<QString>())
            throw ConversionError();
        return data.toString();
    }
}

// The caller's data as a 32-bit integer: whole numbers must fit; fractions and texts (in the user's number
// format) round half to even first. Anything else cannot be converted.
qint32 longOf(const QVariant &data)
{
    double number = 0;
    switch (data.typeId()) {
    case QMetaType::UnknownType:
        return 0;
    case QMetaType::Bool:
        return data.toBool() ? 1 : 0;
    case QMetaType::ULongLong:
    case QMetaType::ULong:
    case QMetaType::UInt: {
        const quint64 whole = data.toULongLong();
        if (whole > quint64(std::numeric_limits<qint32>::max()))
            throw ConversionError();
        return qint32(whole);
    }
    case QMetaType::LongLong:
    case QMetaType::Long:
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar: {
        const qint64 whole = data.toLongLong();
        if (whole < std::numeric_limits<qint32>::min() || whole > std::numeric_limits<qint32>::max())
            throw ConversionError();
        return qint32(whole);
    }
    case QMetaType::Float:
    case QMetaType::Double:
        number = data.toDouble();
        break;
    default: {
        bool ok = false;
        number = QLocale().toDouble(data.toString().trimmed(), &ok);
        if (!ok)
            throw ConversionError();
    }
    }
    const double rounded = std::nearbyint(number);  // the default rounding mode: halves to even
    if (!(rounded >= std::numeric_limits<qint32>::min() && rounded <= std::numeric_limits<qint32>::max()))
        throw ConversionError();
    return qint32(rounded);
}

quint8 byteOf(qint64 number)
{
    if (number < 0 || number > 255)
        throw ConversionError();
    return quint8(number);
}

// Up to four stored bytes as the 32-bit integer they form (little endian, missing high bytes zero).
qint32 numberOfBytes(const QByteArray &data)
{
    QByteArray four = data.left(4);
    four.append(4 - four.size(), '\0');
    return qFromLittleEndian<qint32>(four.constData());
}

} // namespace

// Binary values, which nothing in the program stores, are kept to what fits a byte. Reading: at most 4
// bytes are read as a little-endian number; the result is that number as a byte, so a one-byte value gives
// its byte, a longer one gives its number when that is below 256 and raises 11002 otherwise, and one of more
// than 4 bytes cannot be read (the 16-bit 0). Writing over a binary value stores the data converted to a byte
// as that single byte, so a written byte reads back unchanged; data outside 0..255 raises 11001.
bool CRegistry::SetValue(quint32 Root, const QString &Path, const QString &ValueName, const QVariant &Data,
                         const QString &Computer) const
{
    return raisingAs(11001, "SetValue", [&] {
        const TargetRoot root(Root, Computer);
        const OpenedKey key(root.handle(), Path);
        if (!key.isOpen())
            throw KeyNotOpened();

        quint32 type = 0;
        quint32 size = BufferBytes;
        QByteArray existing;
        const bool exists = QueryValue(key.handle(), ValueName, &type, &existing, &size) == ERROR_SUCCESS;
        Result written = ERROR_SUCCESS;
        if (!exists || type == REG_SZ)
            written = RegistryLayer::SetValue(key.handle(), ValueName, REG_SZ, StringBytes(textOf(Data) + QChar(0)));
        else if (type == REG_DWORD)
            written = RegistryLayer::SetValue(key.handle(), ValueName, REG_DWORD, DwordBytes(quint32(longOf(Data))));
        else if (type == REG_BINARY)
            written = RegistryLayer::SetValue(key.handle(), ValueName, REG_BINARY,
                                              QByteArray(1, char(byteOf(longOf(Data)))));
        // Otherwise the outcome is not looked at; but a value the disk did not take is not
        // reported as stored.
        if (written == ERROR_DISK_FULL || written == ERROR_WRITE_FAULT)
            throw ValueNotWritten();
        return true;
    });
}

QVariant CRegistry::GetValue(quint32 Root, const QString &Path, const QString &ValueName,
                             const QString &Computer) const
{
    return raisingAs(11002, "GetValue", [&]() -> QVariant {
        const TargetRoot root(Root, Computer);
        const OpenedKey key(root.handle(), Path);
        if (!key.isOpen())
            return QVariant();

        quint32 type = 0;
        quint32 size = BufferBytes;
        QByteArray buffer;
        if (QueryValue(key.handle(), ValueName, &type, &buffer, &size) != ERROR_SUCCESS)
            return QVariant();

        if (type == REG_SZ) {
            QByteArray data;
            quint32 dataSize = size;
            if (QueryValue(key.handle(), ValueName, nullptr, &data, &dataSize) != ERROR_SUCCESS)
                return QStringLiteral("");
            // The stored terminating NUL is dropped with the last character.
            const QString text = StringFromBytes(data);
            return QString(text.left(std::max<qsizetype>(text.size() - 1, 0)));
        }
        if (type == REG_DWORD || type == REG_BINARY) {
            QByteArray data;
            quint32 dataSize = 4;
            if (QueryValue(key.handle(), ValueName, nullptr, &data, &dataSize) != ERROR_SUCCESS)
                return QVariant::fromValue(qint16(0));
            const qint32 number = numberOfBytes(data);
            if (type == REG_DWORD)
                return QVariant::fromValue(number);
            return QVariant::fromValue(byteOf(number));
        }
        return QVariant();
    });
}

QString CRegistry::ListSubKey(quint32 Root, const QString &Path, qint32 Index, const QString &Computer) const
{
    return raisingAs(11003, "ListSubKey", [&] {
        const TargetRoot root(Root, Computer);
        const OpenedKey key(root.handle(), Path);
        QString name;
        quint32 chars = BufferChars;
        if (!key.isOpen() || EnumKey(key.handle(), quint32(Index), name, chars) != ERROR_SUCCESS)
            return QString();
        return name.left(chars);
    });
}

bool CRegistry::DeleteValue(quint32 Root, const QString &Path, const QString &ValueName,
                            const QString &Computer) const
{
    return raisingAs(11004, "DeleteValue", [&] {
        const TargetRoot root(Root, Computer);
        const OpenedKey key(root.handle(), Path);
        return key.isOpen() && RegistryLayer::DeleteValue(key.handle(), ValueName) == ERROR_SUCCESS;
    });
}

bool CRegistry::CreateKey(quint32 Root, const QString &Path, const QString &Computer) const
{
    return raisingAs(11005, "CreateKey", [&] {
        const TargetRoot root(Root, Computer);
        Handle created = 0;
        quint32 disposition = 0;
        if (RegistryLayer::CreateKey(root.handle(), withoutLeadingBackslash(Path), REG_OPTION_NON_VOLATILE,
                                     KEY_ALL_ACCESS, created, &disposition)
            != ERROR_SUCCESS)
            return false;
        CloseKey(created);
        return true;
    });
}

bool CRegistry::DeleteKey(quint32 Root, const QString &Path, const QString &Computer) const
{
    return raisingAs(11006, "DeleteKey", [&] {
        const TargetRoot root(Root, Computer);
        return RegistryLayer::DeleteKey(root.handle(), withoutLeadingBackslash(Path)) == ERROR_SUCCESS;
    });
}

QString CRegistry::ListSubValue(quint32 Root, const QString &Path, qint32 Index, const QString &Computer) const
{
    return raisingAs(11007, "ListSubValue", [&] {
        const TargetRoot root(Root, Computer);
        const OpenedKey key(root.handle(), Path);
        QString name;
        quint32 chars = BufferChars;
        if (!key.isOpen() || EnumValue(key.handle(), quint32(Index), name, chars) != ERROR_SUCCESS)
            return QString();
        return name.left(chars);
    });
}

bool CRegistry::KeyExists(quint32 Root, const QString &Path, const QString &Computer) const
{
    return raisingAs(11008, "KeyExists", [&] {
        const TargetRoot root(Root, Computer);
        const OpenedKey key(root.handle(), Path);
        return key.isOpen();
    });
}
