#include "RegistryLayer.h"

#include <QtEndian>

namespace RegistryLayer {

QByteArray StringBytes(const QString &text)
{
    QByteArray bytes(text.size() * 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        qToLittleEndian<quint16>(text.at(i).unicode(), bytes.data() + 2 * i);
    return bytes;
}

QString StringFromBytes(const QByteArray &data)
{
    QString text(data.size() / 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        text[i] = QChar(qFromLittleEndian<quint16>(data.constData() + 2 * i));
    return text;
}

QByteArray DwordBytes(quint32 number)
{
    QByteArray bytes(4, Qt::Uninitialized);
    qToLittleEndian(number, bytes.data());
    return bytes;
}

} // namespace RegistryLayer

#ifndef Q_OS_WIN

// The portable store.
//
// Each root key is one file, "<root name>.hive", in StoreFolder(). A file holds a header (magic number,
// format version), the whole key tree serialised with QDataStream, and the SHA-256 digest of that tree.
// QDataStream keeps value data byte for byte, which binary and string data need; the digest makes a cut or
// damaged file recognisable as a whole instead of half-read.
//
// Every call reads the hive afresh, so several processes see each other's changes. A change is a
// read-modify-write under a lock file ("<hive>.lock"; a lock left by a process that died is taken over) and
// replaces the file only with a new one that was written whole, flushed to the disk and read back: a reader,
// or a writer killed at any moment, sees either the old or the new complete file, never a partial one, and
// a write that fails (a full disk) leaves the old file and reports the failure.
//
// A file that cannot be read or understood (damaged, cut, written by a newer format) reads as an empty hive
// and is left alone: changes to it fail (ERROR_BADDB, or ERROR_ACCESS_DENIED when it cannot be opened) rather
// than replace what it holds. Removing the file starts a new hive.

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QLockFile>
#include <QSet>
#include <QStandardPaths>
#include <QStringList>
#include <QSysInfo>

#include "VerifiedFile.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace RegistryLayer {
namespace {

constexpr quint32 HiveMagic = 0x42524847;  // "BRHG"
constexpr quint32 HiveFormat = 1;
constexpr QDataStream::Version StreamVersion = QDataStream::Qt_6_0;
constexpr qsizetype MaxKeyDepth = 512;
constexpr qsizetype MaxKeyNameChars = 255;
constexpr qsizetype MaxValueNameChars = 16383;
constexpr qint64 MaxHiveBytes = qint64(256) * 1024 * 1024;
// A lock file whose owner is gone is taken over at once; one that cannot be traced to its owner (its
// content never got written) only once it is older than LockStaleMs, which no real change comes near.
constexpr int LockStaleMs = 10000;
constexpr int LockWaitMs = 15000;

struct StoredValue {
    QString name;
    quint32 type = 0;
    QByteArray data;
};

// Subkeys are kept in case-insensitive name order, which is also the order they are enumerated in; values
// keep the order in which they were first set.
struct StoredKey {
    QString name;
    std::vector<StoredValue> values;
    std::vector<StoredKey> subkeys;
};

bool sameName(const QString &a, const QString &b)
{
    return QString::compare(a, b, Qt::CaseInsensitive) == 0;
}

std::vector<StoredKey>::iterator childPosition(StoredKey &key, const QString &name)
{
    return std::lower_bound(key.subkeys.begin(), key.subkeys.end(), name, [](const StoredKey &k, const QString &n) {
        return QString::compare(k.name, n, Qt::CaseInsensitive) < 0;
    });
}

StoredKey *findChild(StoredKey &key, const QString &name)
{
    const auto it = childPosition(key, name);
    return it != key.subkeys.end() && sameName(it->name, name) ? &*it : nullptr;
}

StoredKey *findKey(StoredKey &root, const QStringList &path)
{
    StoredKey *key = &root;
    for (const QString &part : path) {
        key = findChild(*key, part);
        if (!key)
            return nullptr;
    }
    return key;
}

std::vector<StoredValue>::iterator findValue(StoredKey &key, const QString &name)
{
    return std::find_if(key.values.begin(), key.values.end(),
                        [&name](const StoredValue &v) { return sameName(v.name, name); });
}

struct Hive {
    HiveState state = HiveState::Absent;
    Result failure = ERROR_SUCCESS;  // why an unusable hive cannot be changed
    StoredKey root;
};

bool isRoot(Handle key)
{
    return key >= HKEY_CLASSES_ROOT && key <= HKEY_USERS;
}

QString hivePath(Handle root)
{
    static const char *const names[] = {"HKEY_CLASSES_ROOT", "HKEY_CURRENT_USER", "HKEY_LOCAL_MACHINE", "HKEY_USERS"};
    return StoreFolder() + QLatin1Char('/') + QLatin1String(names[root - HKEY_CLASSES_ROOT]) + QLatin1String(".hive");
}

QString &chosenFolder()
{
    static QString folder;
    return folder;
}

void writeKey(QDataStream &out, const StoredKey &key)
{
    out << key.name << quint32(key.values.size());
    for (const StoredValue &value : key.values)
        out << value.name << value.type << value.data;
    out << quint32(key.subkeys.size());
    for (const StoredKey &subkey : key.subkeys)
        writeKey(out, subkey);
}

bool validKeyName(const QString &name)
{
    return !name.isEmpty() && name.size() <= MaxKeyNameChars && !name.contains(QLatin1Char('\\'));
}

// Reads one key and everything below it, checking what the store itself never writes: names out of bounds,
// duplicate names, subkeys out of order, nesting beyond the depth a key path may have.
bool readKey(QDataStream &in, StoredKey &key, qsizetype depth)
{
    quint32 valueCount = 0;
    in >> key.name >> valueCount;
    if (in.status() != QDataStream::Ok || (depth > 0 && !validKeyName(key.name)))
        return false;
    QSet<QString> valueNames;
    for (quint32 i = 0; i < valueCount; ++i) {
        StoredValue value;
        in >> value.name >> value.type >> value.data;
        if (in.status() != QDataStream::Ok || value.name.size() > MaxValueNameChars)
            return false;
        const QString folded = value.name.toCaseFolded();
        if (valueNames.contains(folded))
            return false;
        valueNames.insert(folded);
        key.values.push_back(std::move(value));
    }
    quint32 subkeyCount = 0;
    in >> subkeyCount;
    if (in.status() != QDataStream::Ok || (subkeyCount > 0 && depth >= MaxKeyDepth))
        return false;
    for (quint32 i = 0; i < subkeyCount; ++i) {
        StoredKey subkey;
        if (!readKey(in, subkey, depth + 1))
            return false;
        if (!key.subkeys.empty() && QString::compare(key.subkeys.back().name, subkey.name, Qt::CaseInsensitive) >= 0)
            return false;
        key.subkeys.push_back(std::move(subkey));
    }
    return true;
}

bool parseHive(const QByteArray &bytes, StoredKey &root)
{
    QDataStream in(bytes);
    in.setVersion(StreamVersion);
    quint32 magic = 0;
    quint32 format = 0;
    in >> magic >> format;
    if (in.status() != QDataStream::Ok || magic != HiveMagic || format != HiveFormat)
        return false;
    QByteArray tree;
    QByteArray digest;
    in >> tree >> digest;
    if (in.status() != QDataStream::Ok || !in.atEnd()
        || digest != QCryptographicHash::hash(tree, QCryptographicHash::Sha256))
        return false;
    QDataStream treeIn(tree);
    treeIn.setVersion(StreamVersion);
    return readKey(treeIn, root, 0) && treeIn.atEnd();
}

Hive loadHive(Handle root)
{
    Hive hive;
    QFile file(hivePath(root));
    if (!file.exists())
        return hive;
    hive.state = HiveState::Unusable;
    if (!file.open(QIODevice::ReadOnly)) {
        hive.failure = ERROR_ACCESS_DENIED;
        return hive;
    }
    hive.failure = ERROR_BADDB;
    if (file.size() > MaxHiveBytes)
        return hive;
    StoredKey tree;
    if (!parseHive(file.readAll(), tree))
        return hive;
    hive.state = HiveState::Valid;
    hive.failure = ERROR_SUCCESS;
    hive.root = std::move(tree);
    return hive;
}

Result saveHive(Handle root, const StoredKey &tree)
{
    QByteArray treeBytes;
    {
        QDataStream treeOut(&treeBytes, QIODevice::WriteOnly);
        treeOut.setVersion(StreamVersion);
        writeKey(treeOut, tree);
    }
    QByteArray fileBytes;
    {
        QDataStream out(&fileBytes, QIODevice::WriteOnly);
        out.setVersion(StreamVersion);
        out << HiveMagic << HiveFormat << treeBytes << QCryptographicHash::hash(treeBytes, QCryptographicHash::Sha256);
    }
    // The caller holds the hive's lock: new files beside it are left over from a writer that died.
    RemoveLeftoverNewFiles(hivePath(root));
    switch (ReplaceFileVerified(hivePath(root), fileBytes)) {
    case FileReplaceProblem::None:
        return ERROR_SUCCESS;
    case FileReplaceProblem::CannotCreate:
        return ERROR_ACCESS_DENIED;
    case FileReplaceProblem::DiskFull:
        return ERROR_DISK_FULL;
    case FileReplaceProblem::WriteFailed:
        break;
    }
    return ERROR_WRITE_FAULT;
}

// Runs change(tree, changed) on the current hive under the hive's lock and stores the result when the change
// succeeded and altered something.
template <typename Change>
Result modifyHive(Handle root, Change &&change)
{
    if (!QDir().mkpath(StoreFolder()))
        return ERROR_ACCESS_DENIED;
    QLockFile lock(hivePath(root) + QLatin1String(".lock"));
    lock.setStaleLockTime(LockStaleMs);
    if (!lock.tryLock(LockWaitMs)) {
        switch (lock.error()) {
        case QLockFile::LockFailedError:
            return ERROR_LOCK_VIOLATION;
        case QLockFile::PermissionError:
            return ERROR_ACCESS_DENIED;
        default:
            return ERROR_WRITE_FAULT;  // the lock file could not be written, as on a full disk
        }
    }
    Hive hive = loadHive(root);
    if (hive.state == HiveState::Unusable)
        return hive.failure;
    bool changed = false;
    const Result result = change(hive.root, changed);
    if (result != ERROR_SUCCESS || !changed)
        return result;
    return saveHive(root, hive.root);
}

// A key handed out by OpenKey, CreateKey or ConnectRegistry: which key (by path, so that a key deleted
// meanwhile is noticed) and the access it was opened with.
struct OpenedKey {
    Handle root = 0;
    QStringList path;
    quint32 access = 0;
};

QHash<Handle, OpenedKey> &openedKeys()
{
    static QHash<Handle, OpenedKey> keys;
    return keys;
}

Handle remember(const OpenedKey &key)
{
    static Handle next = 0x100;
    Handle handle = 0;
    do {
        handle = next;
        next = next + 4 < HKEY_CLASSES_ROOT ? next + 4 : 0x100;
    } while (openedKeys().contains(handle));
    openedKeys().insert(handle, key);
    return handle;
}

std::optional<OpenedKey> lookup(Handle key)
{
    if (isRoot(key))
        return OpenedKey{key, {}, KEY_ALL_ACCESS};
    const auto it = openedKeys().constFind(key);
    if (it == openedKeys().constEnd())
        return std::nullopt;
    return *it;
}

// Splits a key path at its backslashes. A leading or doubled backslash is a bad path, as for the Windows
// calls; one trailing backslash is ignored.
Result splitPath(QString subKey, QStringList &parts)
{
    parts.clear();
    if (subKey.startsWith(QLatin1Char('\\')))
        return ERROR_BAD_PATHNAME;
    if (subKey.endsWith(QLatin1Char('\\')))
        subKey.chop(1);
    if (subKey.isEmpty())
        return ERROR_SUCCESS;
    parts = subKey.split(QLatin1Char('\\'));
    return parts.contains(QString()) ? ERROR_BAD_PATHNAME : ERROR_SUCCESS;
}

// The fresh hive of an opened key and the key in it. Filled in place: key points into hive.
struct KeyInHive {
    OpenedKey opened;
    Hive hive;
    StoredKey *key = nullptr;
};

Result locate(Handle handle, quint32 neededAccess, KeyInHive &where)
{
    const std::optional<OpenedKey> opened = lookup(handle);
    if (!opened)
        return ERROR_INVALID_HANDLE;
    if ((opened->access & neededAccess) != neededAccess)
        return ERROR_ACCESS_DENIED;
    where.opened = *opened;
    where.hive = loadHive(opened->root);
    where.key = findKey(where.hive.root, opened->path);
    return where.key ? ERROR_SUCCESS : ERROR_KEY_DELETED;
}

bool namesThisMachine(QString name)
{
    if (name.startsWith(QLatin1String("\\\\")))
        name.remove(0, 2);
    const QString host = QSysInfo::machineHostName();
    return name.isEmpty() || name == QLatin1String(".") || sameName(name, QStringLiteral("localhost"))
        || (!host.isEmpty() && sameName(name, host));
}

} // namespace

QString StoreFolder()
{
    if (!chosenFolder().isEmpty())
        return chosenFolder();
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QLatin1String("/Brontolux/registry");
}

void SetStoreFolder(const QString &folder)
{
    chosenFolder() = folder;
}

HiveState StateOfHive(Handle root)
{
    return isRoot(root) ? loadHive(root).state : HiveState::Absent;
}

Result OpenKey(Handle key, const QString &subKey, quint32 /*options*/, quint32 access, Handle &result)
{
    result = 0;
    QStringList parts;
    if (const Result bad = splitPath(subKey, parts))
        return lookup(key) ? bad : ERROR_INVALID_HANDLE;
    KeyInHive where;
    if (const Result failed = locate(key, 0, where))
        return failed;
    if (!findKey(*where.key, parts))
        return ERROR_FILE_NOT_FOUND;
    OpenedKey opened = where.opened;
    opened.path += parts;
    opened.access = access;
    result = remember(opened);
    return ERROR_SUCCESS;
}

Result CloseKey(Handle key)
{
    if (isRoot(key))
        return ERROR_SUCCESS;
    return openedKeys().remove(key) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

Result QueryValue(Handle key, const QString &valueName, quint32 *type, QByteArray *data, quint32 *size)
{
    if (data && !size)
        return ERROR_INVALID_PARAMETER;
    KeyInHive where;
    if (const Result failed = locate(key, KEY_QUERY_VALUE, where))
        return failed;
    const auto value = findValue(*where.key, valueName);
    if (value == where.key->values.end())
        return ERROR_FILE_NOT_FOUND;
    if (type)
        *type = value->type;
    const quint32 stored = quint32(value->data.size());
    if (data) {
        if (*size < stored) {
            *size = stored;
            return ERROR_MORE_DATA;
        }
        *data = value->data;
    }
    if (size)
        *size = stored;
    return ERROR_SUCCESS;
}

Result SetValue(Handle key, const QString &valueName, quint32 type, const QByteArray &data)
{
    const std::optional<OpenedKey> opened = lookup(key);
    if (!opened)
        return ERROR_INVALID_HANDLE;
    if (!(opened->access & KEY_SET_VALUE))
        return ERROR_ACCESS_DENIED;
    if (valueName.size() > MaxValueNameChars)
        return ERROR_INVALID_PARAMETER;
    return modifyHive(opened->root, [&](StoredKey &tree, bool &changed) {
        StoredKey *target = findKey(tree, opened->path);
        if (!target)
            return ERROR_KEY_DELETED;
        const auto value = findValue(*target, valueName);
        if (value == target->values.end()) {
            target->values.push_back({valueName, type, data});
        } else {
            if (value->type == type && value->data == data)
                return ERROR_SUCCESS;
            value->type = type;
            value->data = data;
        }
        changed = true;
        return ERROR_SUCCESS;
    });
}

Result CreateKey(Handle key, const QString &subKey, quint32 /*options*/, quint32 access, Handle &result,
                 quint32 *disposition)
{
    result = 0;
    const std::optional<OpenedKey> opened = lookup(key);
    if (!opened)
        return ERROR_INVALID_HANDLE;
    QStringList parts;
    if (const Result bad = splitPath(subKey, parts))
        return bad;
    if (opened->path.size() + parts.size() > MaxKeyDepth)
        return ERROR_INVALID_PARAMETER;
    for (const QString &part : parts) {
        if (part.size() > MaxKeyNameChars)
            return ERROR_INVALID_PARAMETER;
    }
    OpenedKey target = *opened;
    target.path += parts;
    target.access = access;

    KeyInHive where;
    if (const Result failed = locate(key, 0, where))
        return failed;
    bool created = false;
    if (!findKey(*where.key, parts)) {
        if (!(opened->access & KEY_CREATE_SUB_KEY))
            return ERROR_ACCESS_DENIED;
        const Result failed = modifyHive(opened->root, [&](StoredKey &tree, bool &changed) {
            StoredKey *parent = findKey(tree, opened->path);
            if (!parent)
                return ERROR_KEY_DELETED;
            for (const QString &part : parts) {
                StoredKey *child = findChild(*parent, part);
                if (!child) {
                    child = &*parent->subkeys.insert(childPosition(*parent, part), StoredKey{part, {}, {}});
                    created = changed = true;
                }
                parent = child;
            }
            return ERROR_SUCCESS;
        });
        if (failed)
            return failed;
    }
    if (disposition)
        *disposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
    result = remember(target);
    return ERROR_SUCCESS;
}

Result DeleteKey(Handle key, const QString &subKey)
{
    const std::optional<OpenedKey> opened = lookup(key);
    if (!opened)
        return ERROR_INVALID_HANDLE;
    QStringList parts;
    if (const Result bad = splitPath(subKey, parts))
        return bad;
    const QStringList path = opened->path + parts;
    if (path.isEmpty())
        return ERROR_ACCESS_DENIED;  // a root key cannot be deleted
    return modifyHive(opened->root, [&](StoredKey &tree, bool &changed) {
        if (!findKey(tree, opened->path))
            return ERROR_KEY_DELETED;
        StoredKey *parent = findKey(tree, path.mid(0, path.size() - 1));
        if (!parent)
            return ERROR_FILE_NOT_FOUND;
        const auto it = childPosition(*parent, path.last());
        if (it == parent->subkeys.end() || !sameName(it->name, path.last()))
            return ERROR_FILE_NOT_FOUND;
        if (!it->subkeys.empty())
            return ERROR_ACCESS_DENIED;
        parent->subkeys.erase(it);
        changed = true;
        return ERROR_SUCCESS;
    });
}

Result DeleteValue(Handle key, const QString &valueName)
{
    const std::optional<OpenedKey> opened = lookup(key);
    if (!opened)
        return ERROR_INVALID_HANDLE;
    if (!(opened->access & KEY_SET_VALUE))
        return ERROR_ACCESS_DENIED;
    KeyInHive where;
    if (const Result failed = locate(key, 0, where))
        return failed;
    if (findValue(*where.key, valueName) == where.key->values.end())
        return ERROR_FILE_NOT_FOUND;
    return modifyHive(opened->root, [&](StoredKey &tree, bool &changed) {
        StoredKey *target = findKey(tree, opened->path);
        if (!target)
            return ERROR_KEY_DELETED;
        const auto value = findValue(*target, valueName);
        if (value == target->values.end())
            return ERROR_FILE_NOT_FOUND;
        target->values.erase(value);
        changed = true;
        return ERROR_SUCCESS;
    });
}

Result EnumKey(Handle key, quint32 index, QString &name, quint32 &nameChars)
{
    KeyInHive where;
    if (const Result failed = locate(key, KEY_ENUMERATE_SUB_KEYS, where))
        return failed;
    if (index >= where.key->subkeys.size())
        return ERROR_NO_MORE_ITEMS;
    const QString &found = where.key->subkeys[index].name;
    if (quint64(found.size()) + 1 > nameChars)
        return ERROR_MORE_DATA;
    name = found;
    nameChars = quint32(found.size());
    return ERROR_SUCCESS;
}

Result EnumValue(Handle key, quint32 index, QString &name, quint32 &nameChars, quint32 *type)
{
    KeyInHive where;
    if (const Result failed = locate(key, KEY_QUERY_VALUE, where))
        return failed;
    if (index >= where.key->values.size())
        return ERROR_NO_MORE_ITEMS;
    const StoredValue &found = where.key->values[index];
    if (quint64(found.name.size()) + 1 > nameChars)
        return ERROR_MORE_DATA;
    name = found.name;
    nameChars = quint32(found.name.size());
    if (type)
        *type = found.type;
    return ERROR_SUCCESS;
}

Result ConnectRegistry(const QString &machineName, Handle root, Handle &result)
{
    result = 0;
    if (!namesThisMachine(machineName))
        return ERROR_BAD_NETPATH;
    if (!isRoot(root))
        return ERROR_INVALID_HANDLE;
    result = remember(OpenedKey{root, {}, KEY_ALL_ACCESS});
    return ERROR_SUCCESS;
}

} // namespace RegistryLayer

#else // Q_OS_WIN

// On Windows every call goes to advapi32's wide-character functions. Handles of opened keys are kept in a
// table so that they stay 32-bit numbers; the predefined root keys are the sign-extended values.

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <QHash>

#include <vector>

namespace RegistryLayer {
namespace {

QHash<Handle, HKEY> &nativeKeys()
{
    static QHash<Handle, HKEY> keys;
    return keys;
}

bool isPredefined(Handle key)
{
    return key >= 0x80000000u && key <= 0x80000006u;
}

HKEY native(Handle key)
{
    if (isPredefined(key))
        return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG_PTR>(static_cast<LONG>(key))));
    return nativeKeys().value(key, nullptr);
}

Handle remember(HKEY key)
{
    static Handle next = 0x100;
    Handle handle = 0;
    do {
        handle = next;
        next = next + 4 < 0x80000000u ? next + 4 : 0x100;
    } while (nativeKeys().contains(handle));
    nativeKeys().insert(handle, key);
    return handle;
}

LPCWSTR wide(const QString &text)
{
    return reinterpret_cast<LPCWSTR>(text.utf16());
}

} // namespace

Result OpenKey(Handle key, const QString &subKey, quint32 options, quint32 access, Handle &result)
{
    HKEY opened = nullptr;
    const LONG rc = RegOpenKeyExW(native(key), wide(subKey), options, access, &opened);
    result = rc == ERROR_SUCCESS ? remember(opened) : 0;
    return rc;
}

Result CloseKey(Handle key)
{
    if (isPredefined(key))
        return ERROR_SUCCESS;
    const HKEY opened = nativeKeys().take(key);
    return opened ? RegCloseKey(opened) : ERROR_INVALID_HANDLE;
}

Result QueryValue(Handle key, const QString &valueName, quint32 *type, QByteArray *data, quint32 *size)
{
    DWORD nativeType = 0;
    DWORD nativeSize = size ? *size : 0;
    if (data)
        data->resize(nativeSize);
    const LONG rc = RegQueryValueExW(native(key), wide(valueName), nullptr, &nativeType,
                                     data ? reinterpret_cast<LPBYTE>(data->data()) : nullptr,
                                     size ? &nativeSize : nullptr);
    if (type)
        *type = nativeType;
    if (size)
        *size = nativeSize;
    if (data)
        data->resize(rc == ERROR_SUCCESS ? qsizetype(nativeSize) : 0);
    return rc;
}

Result SetValue(Handle key, const QString &valueName, quint32 type, const QByteArray &data)
{
    return RegSetValueExW(native(key), wide(valueName), 0, type, reinterpret_cast<const BYTE *>(data.constData()),
                          DWORD(data.size()));
}

Result CreateKey(Handle key, const QString &subKey, quint32 options, quint32 access, Handle &result,
                 quint32 *disposition)
{
    HKEY created = nullptr;
    DWORD nativeDisposition = 0;
    const LONG rc = RegCreateKeyExW(native(key), wide(subKey), 0, nullptr, options, access, nullptr, &created,
                                    &nativeDisposition);
    result = rc == ERROR_SUCCESS ? remember(created) : 0;
    if (disposition)
        *disposition = nativeDisposition;
    return rc;
}

Result DeleteKey(Handle key, const QString &subKey)
{
    return RegDeleteKeyW(native(key), wide(subKey));
}

Result DeleteValue(Handle key, const QString &valueName)
{
    return RegDeleteValueW(native(key), wide(valueName));
}

Result EnumKey(Handle key, quint32 index, QString &name, quint32 &nameChars)
{
    std::vector<wchar_t> buffer(nameChars + 1);
    DWORD chars = nameChars;
    FILETIME written;
    const LONG rc = RegEnumKeyExW(native(key), index, buffer.data(), &chars, nullptr, nullptr, nullptr, &written);
    if (rc == ERROR_SUCCESS) {
        name = QString::fromWCharArray(buffer.data(), qsizetype(chars));
        nameChars = chars;
    }
    return rc;
}

Result EnumValue(Handle key, quint32 index, QString &name, quint32 &nameChars, quint32 *type)
{
    std::vector<wchar_t> buffer(nameChars + 1);
    DWORD chars = nameChars;
    DWORD nativeType = 0;
    const LONG rc = RegEnumValueW(native(key), index, buffer.data(), &chars, nullptr, &nativeType, nullptr, nullptr);
    if (rc == ERROR_SUCCESS) {
        name = QString::fromWCharArray(buffer.data(), qsizetype(chars));
        nameChars = chars;
        if (type)
            *type = nativeType;
    }
    return rc;
}

Result ConnectRegistry(const QString &machineName, Handle root, Handle &result)
{
    HKEY connected = nullptr;
    const LONG rc = RegConnectRegistryW(machineName.isEmpty() ? nullptr : wide(machineName), native(root), &connected);
    result = rc == ERROR_SUCCESS ? remember(connected) : 0;
    return rc;
}

} // namespace RegistryLayer

#endif // Q_OS_WIN
