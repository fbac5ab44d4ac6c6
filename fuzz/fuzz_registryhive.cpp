// libFuzzer target for the portable registry's hive file.
//
// Input: the first byte says how the rest becomes the HKEY_CURRENT_USER hive (bit 0: the rest is
// the key tree, which the target wraps in a header and its correct digest, so that the tree reader
// itself is reached; otherwise the rest is the whole file) and which change is then made (bits 1-2:
// set the default value of the root, replace or add a value of the first subkey, create a key below
// the first subkey, delete the root's first value). The hive is read through the layer's calls as
// CRegistry reads it, then changed. Every invariant that must hold for any file is checked; a broken
// one aborts with the input and the values involved.
//
// Run with -dump_seeds=FOLDER to write the seed corpus: hives made by the layer itself, cut and
// damaged copies of them, and trees that break the store's own rules.

#include "FuzzCheck.h"
#include "RegistryLayer.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace RegistryLayer;

namespace {

constexpr quint32 HiveMagic = 0x42524847;
constexpr quint32 HiveFormat = 1;
constexpr QDataStream::Version StreamVersion = QDataStream::Qt_6_0;
// The walk stops here: every call reads the file afresh, and a large tree would only slow the run.
constexpr int MaxKeysWalked = 48;
constexpr quint32 MaxItemsPerKey = 48;
constexpr quint32 NameRoom = 20000;

QByteArray g_input;
QString g_detail;  // what the target was doing, for the report of a broken invariant

[[noreturn]] void broken(const char *invariant, const QString &detail)
{
    std::fprintf(stderr, "Broken invariant: %s\n  input (%lld bytes): %s\n  while: %s\n  %s\n", invariant,
                 static_cast<long long>(g_input.size()), g_input.left(256).toHex().constData(),
                 g_detail.toUtf8().constData(), detail.toUtf8().constData());
    std::abort();
}

QString rc(Result result)
{
    return QStringLiteral("result %1").arg(result);
}

// One key or value as the calls show it, in the order of a walk: a key, its values, its subkeys.
struct Entry
{
    QString path;  // of the key, parts joined by "\"
    bool isKey = true;
    QString name;  // of the value
    quint32 type = 0;
    QByteArray data;

    bool operator==(const Entry &) const = default;
};

QString describe(const QList<Entry> &entries)
{
    QStringList lines;
    for (const Entry &e : entries)
        lines.append(e.isKey ? QStringLiteral("key \"%1\"").arg(e.path)
                             : QStringLiteral("value \"%1\" \"%2\" type %3 data %4")
                                   .arg(e.path, e.name)
                                   .arg(e.type)
                                   .arg(QString::fromLatin1(e.data.left(32).toHex())));
    return lines.join(QLatin1String("; "));
}

QString hiveFile(Handle root)
{
    return StoreFolder() + (root == HKEY_CURRENT_USER ? QLatin1String("/HKEY_CURRENT_USER.hive")
                                                      : QLatin1String("/HKEY_LOCAL_MACHINE.hive"));
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        std::abort();
}

QByteArray wrapTree(const QByteArray &tree, quint32 format = HiveFormat)
{
    QByteArray file;
    QDataStream out(&file, QIODevice::WriteOnly);
    out.setVersion(StreamVersion);
    out << HiveMagic << format << tree << QCryptographicHash::hash(tree, QCryptographicHash::Sha256);
    return file;
}

// The values of a key: each enumerated name reads back through QueryValue with the type the
// enumeration gave, its size reported before its data, and a buffer one byte short refused.
bool walkValues(Handle key, const QString &path, QList<Entry> &entries)
{
    for (quint32 index = 0;; ++index) {
        if (index == MaxItemsPerKey)
            return false;
        g_detail = QStringLiteral("EnumValue of \"%1\" at %2").arg(path).arg(index);
        QString name;
        quint32 chars = NameRoom;
        quint32 type = 0;
        const Result result = EnumValue(key, index, name, chars, &type);
        if (result == ERROR_NO_MORE_ITEMS)
            return true;
        CHECK(result == ERROR_SUCCESS, rc(result));
        CHECK(chars == quint32(name.size()), QString::number(chars));
        QString shortName;
        quint32 tooFew = chars;
        CHECK(EnumValue(key, index, shortName, tooFew) == ERROR_MORE_DATA, name);

        g_detail = QStringLiteral("QueryValue \"%1\" of \"%2\"").arg(name, path);
        quint32 queriedType = 0;
        quint32 size = 0;
        CHECK(QueryValue(key, name, &queriedType, nullptr, &size) == ERROR_SUCCESS, name);
        CHECK(queriedType == type, QStringLiteral("enumerated as type %1, queried as %2").arg(type).arg(queriedType));
        QByteArray data;
        quint32 room = size;
        CHECK(QueryValue(key, name, nullptr, &data, &room) == ERROR_SUCCESS && room == size
                  && quint32(data.size()) == size,
              QStringLiteral("%1 bytes of %2").arg(data.size()).arg(size));
        if (size > 0) {
            QByteArray less;
            quint32 shortRoom = size - 1;
            CHECK(QueryValue(key, name, nullptr, &less, &shortRoom) == ERROR_MORE_DATA && shortRoom == size,
                  QString::number(shortRoom));
        }
        entries.append({path, false, name, type, data});
    }
}

// The key tree below key as the calls show it. False when the walk stopped before the end.
bool walk(Handle key, const QString &path, int depth, QList<Entry> &entries, int &keysLeft)
{
    if (--keysLeft < 0)
        return false;
    entries.append({path, true, {}, 0, {}});
    bool whole = walkValues(key, path, entries);

    QString previous;
    for (quint32 index = 0;; ++index) {
        if (index == MaxItemsPerKey)
            return false;
        g_detail = QStringLiteral("EnumKey of \"%1\" at %2").arg(path).arg(index);
        QString name;
        quint32 chars = NameRoom;
        const Result result = EnumKey(key, index, name, chars);
        if (result == ERROR_NO_MORE_ITEMS)
            break;
        CHECK(result == ERROR_SUCCESS, rc(result));
        CHECK(chars == quint32(name.size()), QString::number(chars));
        // Key names are what a key path can hold, enumerated in case-insensitive order.
        CHECK(!name.isEmpty() && name.size() <= 255 && !name.contains(QLatin1Char('\\')), name);
        CHECK(index == 0 || QString::compare(previous, name, Qt::CaseInsensitive) < 0, previous + QStringLiteral(" / ") + name);
        previous = name;
        QString shortName;
        quint32 tooFew = chars;
        CHECK(EnumKey(key, index, shortName, tooFew) == ERROR_MORE_DATA, name);

        const QString subPath = path.isEmpty() ? name : path + QLatin1Char('\\') + name;
        g_detail = QStringLiteral("OpenKey \"%1\"").arg(subPath);
        Handle sub = 0;
        const Result opened = OpenKey(key, name, 0, KEY_ALL_ACCESS, sub);
        CHECK(opened == ERROR_SUCCESS && sub != 0, rc(opened));
        if (depth < 8)
            whole = walk(sub, subPath, depth + 1, entries, keysLeft) && whole;
        else
            whole = false;
        CHECK(CloseKey(sub) == ERROR_SUCCESS, subPath);
        if (!whole)
            return false;
    }
    return whole;
}

struct Tree
{
    QList<Entry> entries;
    bool whole = false;
};

Tree readTree()
{
    Tree tree;
    int keysLeft = MaxKeysWalked;
    tree.whole = walk(HKEY_CURRENT_USER, QString(), 0, tree.entries, keysLeft);
    return tree;
}

// The walk after a change must equal the walk before it with the change applied; only a whole
// walk can be compared.
void checkTree(const Tree &expected, const char *change)
{
    const Tree after = readTree();
    CHECK(after.whole == expected.whole || !expected.whole, QString::fromLatin1(change));
    if (expected.whole && after.whole)
        CHECK(after.entries == expected.entries,
              QStringLiteral("%1\n  expected: %2\n  found: %3")
                  .arg(QLatin1String(change), describe(expected.entries), describe(after.entries)));
}

qsizetype firstSubkey(const QList<Entry> &entries)
{
    for (qsizetype i = 1; i < entries.size(); ++i) {
        if (entries[i].isKey)
            return i;
    }
    return -1;
}

// Sets a value on the key at entries[keyAt] and predicts the walk afterwards.
void setValueAndCheck(Tree tree, qsizetype keyAt, const QString &name, quint32 type, const QByteArray &data)
{
    const QString path = tree.entries[keyAt].path;
    g_detail = QStringLiteral("SetValue \"%1\" on \"%2\"").arg(name, path);
    Handle key = HKEY_CURRENT_USER;
    if (!path.isEmpty())
        CHECK(OpenKey(HKEY_CURRENT_USER, path, 0, KEY_ALL_ACCESS, key) == ERROR_SUCCESS, path);
    const Result result = SetValue(key, name, type, data);
    CHECK(result == ERROR_SUCCESS, rc(result));
    CHECK(StateOfHive(HKEY_CURRENT_USER) == HiveState::Valid, QString());

    quint32 readType = 0;
    QByteArray readData;
    quint32 room = NameRoom;
    CHECK(QueryValue(key, name, &readType, &readData, &room) == ERROR_SUCCESS && readType == type && readData == data,
          QStringLiteral("read back type %1, %2 bytes").arg(readType).arg(readData.size()));
    if (key != HKEY_CURRENT_USER)
        CHECK(CloseKey(key) == ERROR_SUCCESS, path);

    // A value of the same name (in any case) is replaced and keeps its name; a new one comes after
    // the key's other values.
    qsizetype at = keyAt + 1;
    bool replaced = false;
    for (; at < tree.entries.size() && !tree.entries[at].isKey; ++at) {
        Entry &value = tree.entries[at];
        if (QString::compare(value.name, name, Qt::CaseInsensitive) == 0) {
            value.type = type;
            value.data = data;
            replaced = true;
            break;
        }
    }
    if (!replaced) {
        if (at - keyAt - 1 >= qsizetype(MaxItemsPerKey))
            return;
        tree.entries.insert(at, {path, false, name, type, data});
    }
    checkTree(tree, "SetValue");
}

void createKeyAndCheck(const Tree &tree, qsizetype keyAt)
{
    const QString parent = tree.entries[keyAt].path;
    // The parent named in other case: names are found case-insensitively.
    const QString inOtherCase = parent.toUpper() == parent ? parent.toLower() : parent.toUpper();
    const QString path = inOtherCase.isEmpty() ? QStringLiteral("FuzzNew") : inOtherCase + QStringLiteral("\\FuzzNew");
    g_detail = QStringLiteral("CreateKey \"%1\"").arg(path);
    bool existed = false;
    for (qsizetype i = keyAt + 1; i < tree.entries.size(); ++i) {
        const QString &p = tree.entries[i].path;
        if (tree.entries[i].isKey
            && QString::compare(p, parent.isEmpty() ? QStringLiteral("FuzzNew") : parent + QStringLiteral("\\FuzzNew"),
                                Qt::CaseInsensitive) == 0)
            existed = true;
    }
    Handle created = 0;
    quint32 disposition = 0;
    const Result result = CreateKey(HKEY_CURRENT_USER, path, 0, KEY_ALL_ACCESS, created, &disposition);
    if (inOtherCase.toCaseFolded() != parent.toCaseFolded()) {
        // Upper and lower case of the name do not fold to the same key: nothing to predict.
        if (result == ERROR_SUCCESS)
            CloseKey(created);
        return;
    }
    CHECK(result == ERROR_SUCCESS && created != 0, rc(result));
    CHECK(StateOfHive(HKEY_CURRENT_USER) == HiveState::Valid, QString());
    if (tree.whole)
        CHECK(disposition == (existed ? REG_OPENED_EXISTING_KEY : REG_CREATED_NEW_KEY), QString::number(disposition));
    CHECK(CloseKey(created) == ERROR_SUCCESS, path);
    Handle opened = 0;
    CHECK(OpenKey(HKEY_CURRENT_USER, path, 0, KEY_QUERY_VALUE, opened) == ERROR_SUCCESS, path);
    CHECK(CloseKey(opened) == ERROR_SUCCESS, path);

    // Apart from the new key the tree is as it was.
    Tree after = readTree();
    if (!tree.whole || !after.whole)
        return;
    const QString newPath = parent.isEmpty() ? QStringLiteral("FuzzNew") : parent + QStringLiteral("\\FuzzNew");
    if (!existed) {
        qsizetype removed = 0;
        for (qsizetype i = 0; i < after.entries.size();) {
            if (after.entries[i].isKey && QString::compare(after.entries[i].path, newPath, Qt::CaseInsensitive) == 0) {
                after.entries.removeAt(i);
                ++removed;
            } else {
                ++i;
            }
        }
        CHECK(removed == 1, describe(after.entries));
    }
    CHECK(after.entries == tree.entries,
          QStringLiteral("expected: %1\n  found: %2").arg(describe(tree.entries), describe(after.entries)));
}

void deleteValueAndCheck(Tree tree)
{
    if (tree.entries.size() < 2 || tree.entries[1].isKey) {
        g_detail = QStringLiteral("DeleteValue of a value that is not there");
        // A name no value of a valid hive can have: longer than any stored one may be.
        const Result result = DeleteValue(HKEY_CURRENT_USER, QString(16384, QLatin1Char('x')));
        CHECK(result == ERROR_FILE_NOT_FOUND, rc(result));
        checkTree(tree, "DeleteValue of none");
        return;
    }
    const QString name = tree.entries[1].name;
    g_detail = QStringLiteral("DeleteValue \"%1\"").arg(name);
    const Result result = DeleteValue(HKEY_CURRENT_USER, name);
    CHECK(result == ERROR_SUCCESS, rc(result));
    CHECK(StateOfHive(HKEY_CURRENT_USER) == HiveState::Valid, QString());
    tree.entries.removeAt(1);
    checkTree(tree, "DeleteValue");
}

// An unusable hive reads as an empty one and refuses every change, leaving the file as it was.
void checkUnusable(const QString &path, const QByteArray &written)
{
    g_detail = QStringLiteral("reading an unusable hive");
    Handle key = 0;
    CHECK(OpenKey(HKEY_CURRENT_USER, QString(), 0, KEY_ALL_ACCESS, key) == ERROR_SUCCESS, QString());
    QString name;
    quint32 chars = NameRoom;
    CHECK(EnumKey(key, 0, name, chars) == ERROR_NO_MORE_ITEMS, name);
    chars = NameRoom;
    CHECK(EnumValue(key, 0, name, chars) == ERROR_NO_MORE_ITEMS, name);
    quint32 size = 0;
    CHECK(QueryValue(key, QString(), nullptr, nullptr, &size) == ERROR_FILE_NOT_FOUND, QString());
    Handle sub = 0;
    CHECK(OpenKey(key, QStringLiteral("Software"), 0, KEY_ALL_ACCESS, sub) == ERROR_FILE_NOT_FOUND && sub == 0, QString());
    CHECK(CloseKey(key) == ERROR_SUCCESS, QString());

    g_detail = QStringLiteral("changing an unusable hive");
    const auto refused = [](Result result) { return result == ERROR_BADDB || result == ERROR_ACCESS_DENIED; };
    Result result = SetValue(HKEY_CURRENT_USER, QStringLiteral("Fuzz"), REG_SZ, StringBytes(QStringLiteral("x")));
    CHECK(refused(result), rc(result));
    Handle created = 0;
    result = CreateKey(HKEY_CURRENT_USER, QStringLiteral("Software\\Fuzz"), 0, KEY_ALL_ACCESS, created, nullptr);
    CHECK(refused(result) && created == 0, rc(result));
    result = DeleteKey(HKEY_CURRENT_USER, QStringLiteral("Software"));
    CHECK(refused(result), rc(result));
    CHECK(fileBytes(path) == written, QStringLiteral("the file was replaced"));
}

// --- seeds ---------------------------------------------------------------------------------------

struct SeedKey
{
    QString name;
    QList<std::pair<QString, QByteArray>> values;  // all REG_SZ
    QList<SeedKey> subkeys;
};

// The tree format as the store writes it, for trees the store itself would never write.
void writeSeedKey(QDataStream &out, const SeedKey &key)
{
    out << key.name << quint32(key.values.size());
    for (const auto &[name, data] : key.values)
        out << name << REG_SZ << data;
    out << quint32(key.subkeys.size());
    for (const SeedKey &subkey : key.subkeys)
        writeSeedKey(out, subkey);
}

QByteArray seedTree(const SeedKey &root)
{
    QByteArray tree;
    QDataStream out(&tree, QIODevice::WriteOnly);
    out.setVersion(StreamVersion);
    writeSeedKey(out, root);
    return tree;
}

// The tree bytes inside a hive file the layer wrote.
QByteArray treeOf(const QByteArray &file)
{
    QDataStream in(file);
    in.setVersion(StreamVersion);
    quint32 magic = 0, format = 0;
    QByteArray tree;
    in >> magic >> format >> tree;
    return tree;
}

void dumpSeeds(const QString &folder)
{
    QDir().mkpath(folder);
    const auto seed = [&folder](const char *name, char control, const QByteArray &bytes) {
        writeFile(QDir(folder).filePath(QLatin1String(name)), QByteArray(1, control) + bytes);
    };
    const QString hive = hiveFile(HKEY_CURRENT_USER);
    QFile::remove(hive);
    seed("empty_file", 0, QByteArray());

    // Hives made by the layer: one value, then the keys and values CRegistry writes.
    CHECK(SetValue(HKEY_CURRENT_USER, QString(), REG_SZ, StringBytes(QStringLiteral("default"))) == ERROR_SUCCESS, QString());
    const QByteArray oneValue = fileBytes(hive);
    seed("one_value", 0, oneValue);
    Handle key = 0;
    CHECK(CreateKey(HKEY_CURRENT_USER, QStringLiteral("Software\\Brontolux\\Calvextra"), 0, KEY_ALL_ACCESS, key, nullptr)
              == ERROR_SUCCESS,
          QString());
    SetValue(key, QStringLiteral("Path"), REG_SZ, StringBytes(QStringLiteral("/opt/calvextra") + QChar(0)));
    SetValue(key, QStringLiteral("Count"), REG_DWORD, DwordBytes(42));
    SetValue(key, QStringLiteral("Blob"), REG_BINARY, QByteArray("\x00\x01\x02\xff", 4));
    SetValue(key, QStringLiteral("List"), REG_MULTI_SZ, StringBytes(QStringLiteral("a|b|").replace(QLatin1Char('|'), QChar(0))));
    SetValue(key, QStringLiteral("Empty"), REG_SZ, QByteArray());
    CloseKey(key);
    Handle other = 0;
    CreateKey(HKEY_CURRENT_USER, QStringLiteral("Software\\Apfel"), 0, KEY_ALL_ACCESS, other, nullptr);
    SetValue(other, QStringLiteral("Übergröße"), REG_SZ, StringBytes(QStringLiteral("ß")));
    CloseKey(other);
    CreateKey(HKEY_CURRENT_USER, QStringLiteral("Software\\zebra\\Deep\\Deeper"), 0, KEY_ALL_ACCESS, other, nullptr);
    CloseKey(other);
    const QByteArray full = fileBytes(hive);
    seed("layer_hive", 0, full);
    seed("layer_tree", 1, treeOf(full));
    seed("layer_tree_create", 5, treeOf(full));
    seed("layer_tree_delete", 7, treeOf(full));
    seed("layer_tree_replace", 3, treeOf(full));

    // Cut and damaged copies.
    seed("cut_half", 0, full.left(full.size() / 2));
    seed("cut_last_byte", 0, full.left(full.size() - 1));
    seed("cut_header", 0, full.left(6));
    QByteArray flipped = full;
    flipped[flipped.size() / 2] = char(flipped.at(flipped.size() / 2) ^ 0x20);
    seed("flipped_byte", 0, flipped);
    QByteArray magic = full;
    magic[0] = 'X';
    seed("wrong_magic", 0, magic);
    seed("newer_format", 0, wrapTree(treeOf(full), 2));
    seed("trailing_byte", 0, full + '\0');
    seed("tree_cut", 1, treeOf(full).left(treeOf(full).size() - 3));
    seed("tree_trailing", 1, treeOf(full) + '\0');

    // Trees that break the store's rules.
    const QByteArray text = StringBytes(QStringLiteral("v"));
    seed("duplicate_values", 1, seedTree({QString(), {{QStringLiteral("Name"), text}, {QStringLiteral("NAME"), text}}, {}}));
    seed("unsorted_keys", 1, seedTree({QString(), {}, {{QStringLiteral("b"), {}, {}}, {QStringLiteral("A"), {}, {}}}}));
    seed("same_keys", 1, seedTree({QString(), {}, {{QStringLiteral("a"), {}, {}}, {QStringLiteral("A"), {}, {}}}}));
    seed("backslash_key", 1, seedTree({QString(), {}, {{QStringLiteral("a\\b"), {}, {}}}}));
    seed("empty_key_name", 1, seedTree({QString(), {}, {{QString(), {}, {}}}}));
    seed("long_key_name", 1, seedTree({QString(), {}, {{QString(256, QLatin1Char('k')), {}, {}}}}));
    seed("sigma_values", 1,
         seedTree({QString(), {{QStringLiteral("\u03c3"), text}, {QStringLiteral("\u03c2"), text}, {QStringLiteral("\u00df"), text}}, {}}));
    seed("dotless_i_keys", 1, seedTree({QString(), {}, {{QStringLiteral("I"), {}, {}}, {QStringLiteral("\u0131"), {}, {}}}}));
    SeedKey deep{QStringLiteral("d"), {}, {}};
    for (int i = 0; i < 20; ++i)
        deep = SeedKey{QStringLiteral("d%1").arg(i), {}, {deep}};
    seed("deep_keys", 1, seedTree({QString(), {}, {deep}}));
    QFile::remove(hive);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // Every change is flushed to the disk: scripts/fuzz.sh points TMPDIR to memory.
    static QTemporaryDir store(QDir::tempPath() + QStringLiteral("/fuzz_registryhive-XXXXXX"));
    if (!store.isValid())
        std::abort();
    SetStoreFolder(store.path());
    for (int i = 1; i < *argc; ++i) {
        if (std::strncmp((*argv)[i], "-dump_seeds=", 12) == 0) {
            dumpSeeds(QString::fromLocal8Bit((*argv)[i] + 12));
            std::exit(0);
        }
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    g_input = QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::uint8_t control = data[0];
    const QByteArray rest = g_input.mid(1);
    const QString path = hiveFile(HKEY_CURRENT_USER);
    const QByteArray written = control & 1 ? wrapTree(rest) : rest;
    writeFile(path, written);

    g_detail = QStringLiteral("StateOfHive");
    const HiveState state = StateOfHive(HKEY_CURRENT_USER);
    CHECK(state != HiveState::Absent, QString());
    CHECK(StateOfHive(HKEY_CURRENT_USER) == state, QStringLiteral("the state changed between two reads"));
    CHECK(StateOfHive(HKEY_LOCAL_MACHINE) == HiveState::Absent, QString());
    if (state == HiveState::Unusable) {
        checkUnusable(path, written);
        CHECK(StateOfHive(HKEY_CURRENT_USER) == HiveState::Unusable, QString());
        return 0;
    }

    const Tree tree = readTree();
    const Tree again = readTree();
    CHECK(tree.entries == again.entries && tree.whole == again.whole, QStringLiteral("two reads differ"));

    const qsizetype subkey = firstSubkey(tree.entries);
    switch ((control >> 1) & 3) {
    case 0:
        setValueAndCheck(tree, 0, QString(), REG_SZ, StringBytes(QStringLiteral("fuzz") + QChar(0)));
        break;
    case 1: {
        const qsizetype keyAt = subkey < 0 ? 0 : subkey;
        const bool hasValue = keyAt + 1 < tree.entries.size() && !tree.entries[keyAt + 1].isKey;
        const QString name = hasValue ? tree.entries[keyAt + 1].name.toUpper() : QStringLiteral("FuzzValue");
        // Only a name that folds back to the existing one can be predicted to replace it.
        if (hasValue && name.toCaseFolded() != tree.entries[keyAt + 1].name.toCaseFolded())
            break;
        setValueAndCheck(tree, keyAt, name, REG_DWORD, DwordBytes(control));
        break;
    }
    case 2:
        createKeyAndCheck(tree, subkey < 0 ? 0 : subkey);
        break;
    case 3:
        deleteValueAndCheck(tree);
        break;
    }
    return 0;
}
