#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>

#include <exception>

// What CRegistry raises when an operation fails unexpectedly: the operation's own number (11001 to 11008),
// source "clsRegistry" and the operation's name as description. What went wrong inside is not passed on.
class RegistryError : public std::exception
{
public:
    RegistryError(qint32 number, const QString &description);
    const char *what() const noexcept override;

    qint32 Number;
    QString Source;
    QString Description;

private:
    QByteArray m_what;
};

// Reading, writing, enumerating and deleting registry keys and values, on this machine or a named one.
// Stateless: every call opens what it needs, does one thing and closes it again.
//
// Root is a predefined root key (RegistryLayer::HKEY_LOCAL_MACHINE and so on; the signed value of the same
// 32 bits works as well). Path is relative to it with backslash separators; one leading backslash is
// dropped. Computer is a machine name; empty means this machine without connecting.
//
// Expected failures (missing key or value, index past the end, access refused) come back as the result:
// false, "" or an invalid QVariant (Empty). SetValue on a key that cannot be opened and any other failure
// inside an operation raise RegistryError.
class CRegistry
{
public:
    // Writes Data. A new value, or one that is a string, becomes a string holding Data's text; a 32-bit value
    // stays one and a binary value stays binary. True once the write was attempted.
    bool SetValue(quint32 Root, const QString &Path, const QString &ValueName, const QVariant &Data,
                  const QString &Computer = QString()) const;
    // The value as stored: a QString, a qint32 for a 32-bit value, a quint8 for a binary value; a qint16 0
    // when such a value cannot be read; an invalid QVariant when there is no readable value.
    QVariant GetValue(quint32 Root, const QString &Path, const QString &ValueName,
                      const QString &Computer = QString()) const;
    // The name of the subkey / value at Index (from 0), or "" past the end.
    QString ListSubKey(quint32 Root, const QString &Path, qint32 Index, const QString &Computer = QString()) const;
    QString ListSubValue(quint32 Root, const QString &Path, qint32 Index, const QString &Computer = QString()) const;
    bool DeleteValue(quint32 Root, const QString &Path, const QString &ValueName,
                     const QString &Computer = QString()) const;
    // True when the key was created or already existed.
    bool CreateKey(quint32 Root, const QString &Path, const QString &Computer = QString()) const;
    // False for a key that still has subkeys.
    bool DeleteKey(quint32 Root, const QString &Path, const QString &Computer = QString()) const;
    // True when the key opens with full access.
    bool KeyExists(quint32 Root, const QString &Path, const QString &Computer = QString()) const;
};
