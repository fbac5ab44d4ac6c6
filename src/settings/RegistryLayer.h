#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// The part of the Windows registry API that CRegistry and the About box use, with Windows' handle values,
// result codes and data types. On Windows the calls go to advapi32; elsewhere to a portable store of one
// hive file per root key (see RegistryLayer.cpp).
//
// The calls follow the wide-character API: value data are bytes, strings are stored as UTF-16 (little
// endian) with their terminating NUL, data sizes count bytes and name sizes count characters.
//
// Handles are numbers kept by this layer for the process; calls come from one thread.
//
// The constants carry the Windows names, so on Windows this header must come before <windows.h>.
namespace RegistryLayer {

using Handle = quint32;  // a predefined root key or a key opened through this layer; 0 is no key
using Result = qint32;   // a Windows error code; ERROR_SUCCESS on success

inline constexpr Handle HKEY_CLASSES_ROOT = 0x80000000u;
inline constexpr Handle HKEY_CURRENT_USER = 0x80000001u;
inline constexpr Handle HKEY_LOCAL_MACHINE = 0x80000002u;
inline constexpr Handle HKEY_USERS = 0x80000003u;

inline constexpr Result ERROR_SUCCESS = 0;
inline constexpr Result ERROR_FILE_NOT_FOUND = 2;
inline constexpr Result ERROR_ACCESS_DENIED = 5;  // also a key that still has subkeys, as RegDeleteKey reports it
inline constexpr Result ERROR_INVALID_HANDLE = 6;
inline constexpr Result ERROR_WRITE_FAULT = 29;  // a change could not be written whole; the hive is as before
inline constexpr Result ERROR_LOCK_VIOLATION = 33;
inline constexpr Result ERROR_BAD_NETPATH = 53;
inline constexpr Result ERROR_INVALID_PARAMETER = 87;
inline constexpr Result ERROR_DISK_FULL = 112;
inline constexpr Result ERROR_BAD_PATHNAME = 161;
inline constexpr Result ERROR_MORE_DATA = 234;
inline constexpr Result ERROR_NO_MORE_ITEMS = 259;
inline constexpr Result ERROR_BADDB = 1009;  // the hive file cannot be understood
inline constexpr Result ERROR_KEY_DELETED = 1018;

inline constexpr quint32 REG_SZ = 1;
inline constexpr quint32 REG_EXPAND_SZ = 2;
inline constexpr quint32 REG_BINARY = 3;
inline constexpr quint32 REG_DWORD = 4;
inline constexpr quint32 REG_MULTI_SZ = 7;

inline constexpr quint32 KEY_QUERY_VALUE = 0x0001;
inline constexpr quint32 KEY_SET_VALUE = 0x0002;
inline constexpr quint32 KEY_CREATE_SUB_KEY = 0x0004;
inline constexpr quint32 KEY_ENUMERATE_SUB_KEYS = 0x0008;
inline constexpr quint32 KEY_ALL_ACCESS = 0xF003F;

inline constexpr quint32 REG_OPTION_NON_VOLATILE = 0;
inline constexpr quint32 REG_CREATED_NEW_KEY = 1;
inline constexpr quint32 REG_OPENED_EXISTING_KEY = 2;

// RegOpenKeyEx: opens subKey below key (an empty subKey opens key itself again).
Result OpenKey(Handle key, const QString &subKey, quint32 options, quint32 access, Handle &result);
// RegCloseKey. Closing a predefined root key succeeds and does nothing.
Result CloseKey(Handle key);
// RegQueryValueEx. With data == nullptr only the type and size are reported. Otherwise *size is the capacity
// in bytes on entry; a value that does not fit gives ERROR_MORE_DATA with the size it needs.
Result QueryValue(Handle key, const QString &valueName, quint32 *type, QByteArray *data, quint32 *size);
// RegSetValueEx: creates or replaces the value.
Result SetValue(Handle key, const QString &valueName, quint32 type, const QByteArray &data);
// RegCreateKeyEx: creates subKey and the keys on the way to it, or opens it when it exists.
Result CreateKey(Handle key, const QString &subKey, quint32 options, quint32 access, Handle &result,
                 quint32 *disposition);
// RegDeleteKey: deletes a key without subkeys, with its values.
Result DeleteKey(Handle key, const QString &subKey);
// RegDeleteValue.
Result DeleteValue(Handle key, const QString &valueName);
// RegEnumKeyEx / RegEnumValue: the name at index. nameChars is the capacity in characters, room for the NUL
// included, on entry and the name's length on success; a longer name gives ERROR_MORE_DATA.
Result EnumKey(Handle key, quint32 index, QString &name, quint32 &nameChars);
Result EnumValue(Handle key, quint32 index, QString &name, quint32 &nameChars, quint32 *type = nullptr);
// RegConnectRegistry: a handle to root on the named machine. Only this machine can be reached; any other
// name gives ERROR_BAD_NETPATH and a result of 0.
Result ConnectRegistry(const QString &machineName, Handle root, Handle &result);

// Data helpers: a string as stored (UTF-16 little endian, without adding a NUL), the characters of stored
// string data (an odd last byte is ignored), and a 32-bit number as stored (4 bytes, little endian).
QByteArray StringBytes(const QString &text);
QString StringFromBytes(const QByteArray &data);
QByteArray DwordBytes(quint32 number);

#ifndef Q_OS_WIN
// The portable store keeps its hives in this folder: the user's config folder + "/Brontolux/registry" unless
// SetStoreFolder chose another one (an empty name goes back to the default).
QString StoreFolder();
void SetStoreFolder(const QString &folder);

enum class HiveState { Absent, Valid, Unusable };
// What the hive file of a root key holds right now: no file, a complete hive, or a file that cannot be read.
HiveState StateOfHive(Handle root);
#endif

} // namespace RegistryLayer
