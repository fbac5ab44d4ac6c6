#include "CRegistry.h"
#include "RegistryKeyValue.h"
#include "RegistryLayer.h"
#include "TestLocales.h"
#include "WriteFaults.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>
#include <optional>

using namespace RegistryLayer;

namespace {

const QString AppKey = QStringLiteral("Software\\Brontolux\\Calvextra");

// Stored string data: the text with its terminating NUL, two bytes a character.
QByteArray sz(const QString &text)
{
    return StringBytes(text + QChar(0));
}

// Puts a value of any type straight into the store, creating its key.
void putRaw(Handle root, const QString &path, const QString &name, quint32 type, const QByteArray &data)
{
    Handle key = 0;
    QCOMPARE(CreateKey(root, path, 0, KEY_ALL_ACCESS, key, nullptr), ERROR_SUCCESS);
    QCOMPARE(RegistryLayer::SetValue(key, name, type, data), ERROR_SUCCESS);
    QCOMPARE(CloseKey(key), ERROR_SUCCESS);
}

struct RawValue {
    quint32 type = 0;
    QByteArray data;
    bool operator==(const RawValue &) const = default;
};

std::optional<RawValue> raw(Handle root, const QString &path, const QString &name)
{
    Handle key = 0;
    if (OpenKey(root, path, 0, KEY_QUERY_VALUE, key) != ERROR_SUCCESS)
        return std::nullopt;
    RawValue value;
    quint32 size = 1 << 20;
    const Result read = QueryValue(key, name, &value.type, &value.data, &size);
    CloseKey(key);
    if (read != ERROR_SUCCESS)
        return std::nullopt;
    return value;
}

// The number and source of the RegistryError that call raises, or 0 when it raises nothing.
qint32 raisedBy(const std::function<void()> &call, const QString &operation)
{
    try {
        call();
    } catch (const RegistryError &error) {
        if (error.Source != QLatin1String("clsRegistry") || error.Description != operation)
            return -1;
        return error.Number;
    }
    return 0;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QString hiveFile(const QString &folder, const char *rootName)
{
    return folder + QLatin1Char('/') + QLatin1String(rootName) + QLatin1String(".hive");
}

// What registry_writer writes (see registry_writer.cpp).
constexpr qint32 WriterBlock = 50;
QString writerBlock(qint32 block)
{
    return QStringLiteral("Block%1").arg(block, 4, 10, QLatin1Char('0'));
}
QString writerValueName(qint32 i)
{
    return QStringLiteral("v%1").arg(i, 5, 10, QLatin1Char('0'));
}
QString writerText(qint32 i)
{
    return QStringLiteral("%1;").arg(i, 5, 10, QLatin1Char('0')).repeated(30);
}

} // namespace

class tst_Registry : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_store;
    QTemporaryDir m_configHome;
    const CRegistry m_registry{};

    // Checks that the writer's values are exactly values 0 to n - 1, each complete, and gives n.
    qint32 writtenValues(QString &fault) const;

private Q_SLOTS:
    void initTestCase_data() { addLocaleRows(); }
    void initTestCase();
    void init();
    void cleanup();

    void leadingBackslash_data();
    void leadingBackslash();
    void createAndDeleteWithLeadingBackslash();
    void getValue_data();
    void getValue();
    void getValueOnMissingKeyIsEmpty();
    void setValue_data();
    void setValue();
    void setValueOnMissingKeyRaises();
    void bufferOf255Characters_data();
    void bufferOf255Characters();
    void enumerationToTheEnd();
    void createKey();
    void deleteKey_data();
    void deleteKey();
    void deleteValue();
    void keyExists_data();
    void keyExists();
    void computerNames_data();
    void computerNames();
    void layerResultCodes();
    void getKeyValue_data();
    void getKeyValue();
    void getKeyValueOnMissingKey();
    void oneFilePerRootInTheConfigFolder();
    void unusableHiveIsNeverOverwritten_data();
    void unusableHiveIsNeverOverwritten();
    void failedWriteLeavesTheHive_data();
    void failedWriteLeavesTheHive();
    void survivesBeingKilledMidWrite();
};

void tst_Registry::initTestCase()
{
    QVERIFY(m_configHome.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_configHome.path()));
}

void tst_Registry::init()
{
    applyLocaleRow();
    m_store = std::make_unique<QTemporaryDir>();
    QVERIFY(m_store->isValid());
    SetStoreFolder(m_store->path());
}

void tst_Registry::cleanup()
{
    SetStoreFolder(m_store->path());  // a test that moved the store elsewhere leaves it in its own folder
    m_store.reset();
}

void tst_Registry::leadingBackslash_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("found");
    QTest::newRow("plain") << AppKey << true;
    QTest::newRow("one leading backslash") << QStringLiteral("\\") + AppKey << true;
    QTest::newRow("two leading backslashes") << QStringLiteral("\\\\") + AppKey << false;
    QTest::newRow("other case") << QStringLiteral("SOFTWARE\\brontolux\\CALVEXTRA") << true;
    QTest::newRow("doubled inside") << QStringLiteral("Software\\\\Brontolux\\Calvextra") << false;
}

void tst_Registry::leadingBackslash()
{
    QFETCH(QString, path);
    QFETCH(bool, found);
    QVERIFY(m_registry.CreateKey(HKEY_LOCAL_MACHINE, AppKey + QStringLiteral("\\Sub")));
    QVERIFY(m_registry.SetValue(HKEY_LOCAL_MACHINE, AppKey, QStringLiteral("Version"), QStringLiteral("3.7.1")));

    QCOMPARE(m_registry.KeyExists(HKEY_LOCAL_MACHINE, path), found);
    QCOMPARE(m_registry.GetValue(HKEY_LOCAL_MACHINE, path, QStringLiteral("Version")),
             found ? QVariant(QStringLiteral("3.7.1")) : QVariant());
    QCOMPARE(m_registry.ListSubKey(HKEY_LOCAL_MACHINE, path, 0), found ? QStringLiteral("Sub") : QString());
    QCOMPARE(m_registry.ListSubValue(HKEY_LOCAL_MACHINE, path, 0), found ? QStringLiteral("Version") : QString());

    const qint32 raised = raisedBy([&] { m_registry.SetValue(HKEY_LOCAL_MACHINE, path, QStringLiteral("Version"), 9); },
                                   QStringLiteral("SetValue"));
    QCOMPARE(raised, found ? 0 : 11001);
    QCOMPARE(m_registry.GetValue(HKEY_LOCAL_MACHINE, AppKey, QStringLiteral("Version")),
             QVariant(found ? QStringLiteral("9") : QStringLiteral("3.7.1")));

    QCOMPARE(m_registry.DeleteValue(HKEY_LOCAL_MACHINE, path, QStringLiteral("Version")), found);
    QCOMPARE(m_registry.GetValue(HKEY_LOCAL_MACHINE, AppKey, QStringLiteral("Version")).isValid(), !found);
}

void tst_Registry::createAndDeleteWithLeadingBackslash()
{
    QVERIFY(m_registry.CreateKey(HKEY_CURRENT_USER, QStringLiteral("\\Software\\New")));
    QVERIFY(m_registry.KeyExists(HKEY_CURRENT_USER, QStringLiteral("Software\\New")));
    QVERIFY(!m_registry.CreateKey(HKEY_CURRENT_USER, QStringLiteral("\\\\Software\\Other")));
    QVERIFY(!m_registry.KeyExists(HKEY_CURRENT_USER, QStringLiteral("Software\\Other")));

    QVERIFY(!m_registry.DeleteKey(HKEY_CURRENT_USER, QStringLiteral("\\\\Software\\New")));
    QVERIFY(m_registry.KeyExists(HKEY_CURRENT_USER, QStringLiteral("Software\\New")));
    QVERIFY(m_registry.DeleteKey(HKEY_CURRENT_USER, QStringLiteral("\\Software\\New")));
    QVERIFY(!m_registry.KeyExists(HKEY_CURRENT_USER, QStringLiteral("Software\\New")));
}

void tst_Registry::getValue_data()
{
    QTest::addColumn<bool>("stored");
    QTest::addColumn<quint32>("type");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QVariant>("expected");
    QTest::addColumn<qint32>("raised");

    const auto row = [](const char *name, quint32 type, const QByteArray &data, const QVariant &expected,
                        qint32 raised = 0) { QTest::newRow(name) << true << type << data << expected << raised; };
    const auto text = [](const char *utf8) { return QVariant(QString::fromUtf8(utf8)); };
    const auto long32 = [](qint32 number) { return QVariant::fromValue(number); };
    const auto byte = [](quint8 number) { return QVariant::fromValue(number); };
    const QVariant empty;
    const QVariant zero16 = QVariant::fromValue(qint16(0));
    const QString c254(254, QLatin1Char('x'));
    const QString c255(255, QLatin1Char('x'));

    QTest::newRow("no such value") << false << 0u << QByteArray() << empty << 0;
    row("string", REG_SZ, sz(QStringLiteral("Calvextra")), text("Calvextra"));
    row("string, non-Latin", REG_SZ, sz(QStringLiteral("Gebühr €")), text("Gebühr €"));
    row("string of 254 characters", REG_SZ, sz(c254), QVariant(c254));
    row("string of 255 characters", REG_SZ, sz(c255), empty);
    row("single NUL character", REG_SZ, QByteArray(2, '\0'), text(""));
    row("single NUL byte", REG_SZ, QByteArray(1, '\0'), text(""));
    row("string without NUL loses its last character", REG_SZ, StringBytes(QStringLiteral("abc")), text("ab"));
    row("dword", REG_DWORD, DwordBytes(42), long32(42));
    row("dword, high bit", REG_DWORD, DwordBytes(0xFFFFFFFEu), long32(-2));
    row("dword, largest positive", REG_DWORD, DwordBytes(0x7FFFFFFF), long32(2147483647));
    row("dword of 2 bytes", REG_DWORD, QByteArray::fromHex("3412"), long32(0x1234));
    row("dword of 8 bytes", REG_DWORD, QByteArray::fromHex("0100000000000000"), zero16);
    row("binary byte", REG_BINARY, QByteArray::fromHex("07"), byte(7));
    row("binary 255", REG_BINARY, QByteArray::fromHex("ff"), byte(255));
    row("binary 4 bytes below 256", REG_BINARY, QByteArray::fromHex("05000000"), byte(5));
    row("binary 2 bytes, 256", REG_BINARY, QByteArray::fromHex("0001"), empty, 11002);
    row("binary 4 bytes, all set", REG_BINARY, QByteArray::fromHex("ffffffff"), empty, 11002);
    row("binary of 5 bytes", REG_BINARY, QByteArray::fromHex("0100000000"), zero16);
    row("binary, no bytes", REG_BINARY, QByteArray(), byte(0));
    row("binary beyond the buffer", REG_BINARY, QByteArray(600, '\1'), empty);
    row("expandable string", REG_EXPAND_SZ, sz(QStringLiteral("%TEMP%")), empty);
    row("multiple strings", REG_MULTI_SZ, sz(QStringLiteral("a")) + sz(QString()), empty);
}

void tst_Registry::getValue()
{
    QFETCH(bool, stored);
    QFETCH(quint32, type);
    QFETCH(QByteArray, data);
    QFETCH(QVariant, expected);
    QFETCH(qint32, raised);

    QVERIFY(m_registry.CreateKey(HKEY_LOCAL_MACHINE, AppKey));
    if (stored)
        putRaw(HKEY_LOCAL_MACHINE, AppKey, QStringLiteral("Value"), type, data);

    QVariant result;
    QCOMPARE(raisedBy([&] { result = m_registry.GetValue(HKEY_LOCAL_MACHINE, AppKey, QStringLiteral("value")); },
                      QStringLiteral("GetValue")),
             raised);
    QCOMPARE(result.isValid(), expected.isValid());
    QCOMPARE(result.typeId(), expected.typeId());
    QCOMPARE(result, expected);
}

void tst_Registry::getValueOnMissingKeyIsEmpty()
{
    QVariant result = QStringLiteral("untouched");
    QCOMPARE(raisedBy([&] { result = m_registry.GetValue(HKEY_LOCAL_MACHINE, AppKey, QStringLiteral("Version")); },
                      QStringLiteral("GetValue")),
             0);
    QVERIFY(!result.isValid());
}

void tst_Registry::setValue_data()
{
    QTest::addColumn<bool>("existing");
    QTest::addColumn<quint32>("existingType");
    QTest::addColumn<QByteArray>("existingData");
    QTest::addColumn<QVariant>("data");
    QTest::addColumn<QVariant>("expected");  // a QString for a string, a quint32 for a dword, a QByteArray for binary
    QTest::addColumn<qint32>("raised");

    // A value that does not exist yet, and one that exists with the given type and data.
    const auto fresh = [](const char *name, const QVariant &data, const char *stored) {
        QTest::newRow(name) << false << 0u << QByteArray() << data << QVariant(QString::fromUtf8(stored)) << 0;
    };
    const auto over = [](const char *name, quint32 type, const QByteArray &old, const QVariant &data,
                         const QVariant &expected, qint32 raised = 0) {
        QTest::newRow(name) << true << type << old << data << expected << raised;
    };
    const auto text = [](const char *utf8) { return QVariant(QString::fromUtf8(utf8)); };
    const QVariant unchanged;
    const QByteArray dword7 = DwordBytes(7);
    const QByteArray byte1 = QByteArray::fromHex("01");
    const QByteArray multi = sz(QStringLiteral("a")) + sz(QString());

    // Strings in data and expected are written with "." and read in the row's locale.
    fresh("new, text", text("hello"), "hello");
    fresh("new, whole number", 42, "42");
    fresh("new, negative", qint64(-7), "-7");
    fresh("new, fraction", 1.5, "1.5");
    fresh("new, single precision", 0.1f, "0.1");
    fresh("new, no group separator", 1234567.25, "1234567.25");
    fresh("new, Empty", QVariant(), "");
    over("string, number", REG_SZ, sz(QStringLiteral("old")), 7, text("7"));
    over("string beyond the buffer", REG_SZ, sz(QString(300, QLatin1Char('o'))), text("x"), text("x"));
    over("binary beyond the buffer becomes a string", REG_BINARY, QByteArray(600, '\1'), 9, text("9"));
    over("dword, text", REG_DWORD, dword7, text("42"), 42u);
    over("dword, text with blanks", REG_DWORD, dword7, text(" 42 "), 42u);
    over("dword, whole number", REG_DWORD, dword7, 123456, 123456u);
    over("dword, -1", REG_DWORD, dword7, -1, 0xFFFFFFFFu);
    over("dword, smallest", REG_DWORD, dword7, qint64(-2147483648LL), 0x80000000u);
    over("dword, largest", REG_DWORD, dword7, qint64(2147483647), 0x7FFFFFFFu);
    over("dword, text 2.5 to even", REG_DWORD, dword7, text("2.5"), 2u);
    over("dword, text 3.5 to even", REG_DWORD, dword7, text("3.5"), 4u);
    over("dword, -2.5 to even", REG_DWORD, dword7, -2.5, 0xFFFFFFFEu);
    over("dword, 7.6", REG_DWORD, dword7, 7.6, 8u);
    over("dword, Empty", REG_DWORD, dword7, QVariant(), 0u);
    over("dword, not a number", REG_DWORD, dword7, text("abc"), unchanged, 11001);
    over("dword, 2147483648", REG_DWORD, dword7, qint64(2147483648LL), unchanged, 11001);
    over("dword, unsigned 4294967295", REG_DWORD, dword7, 0xFFFFFFFFu, unchanged, 11001);
    over("dword, 3e9", REG_DWORD, dword7, 3e9, unchanged, 11001);
    over("binary, byte", REG_BINARY, byte1, 200, QByteArray::fromHex("c8"));
    over("binary, text", REG_BINARY, byte1, text("17"), QByteArray::fromHex("11"));
    over("binary, 256", REG_BINARY, byte1, 256, unchanged, 11001);
    over("binary, -1", REG_BINARY, byte1, -1, unchanged, 11001);
    over("expandable string untouched", REG_EXPAND_SZ, sz(QStringLiteral("%TEMP%")), text("x"), unchanged);
    over("multiple strings untouched", REG_MULTI_SZ, multi, 5, unchanged);
}

void tst_Registry::setValue()
{
    QFETCH(bool, existing);
    QFETCH(quint32, existingType);
    QFETCH(QByteArray, existingData);
    QFETCH(QVariant, data);
    QFETCH(QVariant, expected);
    QFETCH(qint32, raised);

    if (data.typeId() == QMetaType::QString)
        data = inLocale(data.toString());
    QVERIFY(m_registry.CreateKey(HKEY_CURRENT_USER, AppKey));
    if (existing)
        putRaw(HKEY_CURRENT_USER, AppKey, QStringLiteral("Rate"), existingType, existingData);

    bool result = false;
    QCOMPARE(raisedBy([&] { result = m_registry.SetValue(HKEY_CURRENT_USER, AppKey, QStringLiteral("RATE"), data); },
                      QStringLiteral("SetValue")),
             raised);
    QCOMPARE(result, raised == 0);

    std::optional<RawValue> want;
    switch (expected.typeId()) {
    case QMetaType::QString: want = RawValue{REG_SZ, sz(inLocale(expected.toString()))}; break;
    case QMetaType::UInt: want = RawValue{REG_DWORD, DwordBytes(expected.toUInt())}; break;
    case QMetaType::QByteArray: want = RawValue{REG_BINARY, expected.toByteArray()}; break;
    default: want = RawValue{existingType, existingData}; break;
    }
    const std::optional<RawValue> now = raw(HKEY_CURRENT_USER, AppKey, QStringLiteral("Rate"));
    QVERIFY(now);
    QCOMPARE(now->type, want->type);
    QCOMPARE(now->data, want->data);
    // A value keeps the name it was created with.
    QCOMPARE(m_registry.ListSubValue(HKEY_CURRENT_USER, AppKey, 0),
             existing ? QStringLiteral("Rate") : QStringLiteral("RATE"));
}

void tst_Registry::setValueOnMissingKeyRaises()
{
    bool result = true;
    QCOMPARE(raisedBy([&] { result = m_registry.SetValue(HKEY_CURRENT_USER, AppKey, QStringLiteral("Rate"), 1.5); },
                      QStringLiteral("SetValue")),
             11001);
    QVERIFY(result);  // untouched: nothing was returned
    QVERIFY(!m_registry.KeyExists(HKEY_CURRENT_USER, AppKey));
    QVERIFY(!m_registry.KeyExists(HKEY_CURRENT_USER, QStringLiteral("Software")));
}

void tst_Registry::bufferOf255Characters_data()
{
    QTest::addColumn<qint32>("length");
    QTest::addColumn<bool>("fits");
    QTest::newRow("254") << 254 << true;
    QTest::newRow("255") << 255 << false;
}

void tst_Registry::bufferOf255Characters()
{
    QFETCH(qint32, length);
    QFETCH(bool, fits);
    const QString text = QStringLiteral("0123456789").repeated(26).left(length);

    QVERIFY(m_registry.CreateKey(HKEY_CURRENT_USER, AppKey + QLatin1Char('\\') + text));
    QVERIFY(m_registry.SetValue(HKEY_CURRENT_USER, AppKey, QStringLiteral("Text"), text));
    QVERIFY(m_registry.SetValue(HKEY_CURRENT_USER, AppKey, text, QStringLiteral("named")));

    QCOMPARE(m_registry.GetValue(HKEY_CURRENT_USER, AppKey, QStringLiteral("Text")),
             fits ? QVariant(text) : QVariant());
    QCOMPARE(m_registry.ListSubKey(HKEY_CURRENT_USER, AppKey, 0), fits ? text : QString());
    QCOMPARE(m_registry.ListSubValue(HKEY_CURRENT_USER, AppKey, 1), fits ? text : QString());
    // The entries are there all the same.
    QVERIFY(m_registry.KeyExists(HKEY_CURRENT_USER, AppKey + QLatin1Char('\\') + text));
    QCOMPARE(m_registry.GetValue(HKEY_CURRENT_USER, AppKey, text), QVariant(QStringLiteral("named")));
}

void tst_Registry::enumerationToTheEnd()
{
    for (const char *name : {"b", "A", "c", "A\\x"})
        QVERIFY(m_registry.CreateKey(HKEY_CURRENT_USER, AppKey + QLatin1Char('\\') + QLatin1String(name)));
    for (const char *name : {"z", "y", "x"})
        QVERIFY(m_registry.SetValue(HKEY_CURRENT_USER, AppKey, QLatin1String(name), 1));

    const auto listAll = [this](bool keys) {
        QStringList names;
        for (qint32 i = 0; i < 10; ++i) {
            const QString name = keys ? m_registry.ListSubKey(HKEY_CURRENT_USER, AppKey, i)
                                      : m_registry.ListSubValue(HKEY_CURRENT_USER, AppKey, i);
            if (name.isEmpty())
                break;
            names << name;
        }
        return names;
    };
    QStringList keys = listAll(true);
    QStringList values = listAll(false);
    QCOMPARE(keys.size(), 3);
    QCOMPARE(values.size(), 3);
    QCOMPARE(m_registry.ListSubKey(HKEY_CURRENT_USER, AppKey, 3), QString());
    QCOMPARE(m_registry.ListSubValue(HKEY_CURRENT_USER, AppKey, 3), QString());
    QCOMPARE(m_registry.ListSubKey(HKEY_CURRENT_USER, AppKey, -1), QString());
    QCOMPARE(m_registry.ListSubValue(HKEY_CURRENT_USER, AppKey, -1), QString());

    // Rewriting a value or re-creating a key keeps the order.
    QVERIFY(m_registry.SetValue(HKEY_CURRENT_USER, AppKey, QStringLiteral("y"), 2));
    QVERIFY(m_registry.CreateKey(HKEY_CURRENT_USER, AppKey + QStringLiteral("\\b")));
    QCOMPARE(listAll(true), keys);
    QCOMPARE(listAll(false), values);
    keys.sort();
    values.sort();
    QCOMPARE(keys, QStringList({QStringLiteral("A"), QStringLiteral("b"), QStringLiteral("c")}));
    QCOMPARE(values, QStringList({QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("z")}));

    QCOMPARE(m_registry.ListSubKey(HKEY_CURRENT_USER, AppKey + QStringLiteral("\\c"), 0), QString());
    QCOMPARE(m_registry.ListSubKey(HKEY_CURRENT_USER, AppKey + QStringLiteral("\\missing"), 0), QString());
    QCOMPARE(m_registry.ListSubValue(HKEY_CURRENT_USER, AppKey + QStringLiteral("\\missing"), 0), QString());
}

void tst_Registry::createKey()
{
    QVERIFY(m_registry.CreateKey(HKEY_LOCAL_MACHINE, QStringLiteral("Software\\A\\B\\C")));
    QVERIFY(m_registry.KeyExists(HKEY_LOCAL_MACHINE, QStringLiteral("Software\\A\\B")));
    QVERIFY(m_registry.SetValue(HKEY_LOCAL_MACHINE, QStringLiteral("Software\\A\\B\\C"), QStringLiteral("Kept"), 1));
    QVERIFY(m_registry.CreateKey(HKEY_LOCAL_MACHINE, QStringLiteral("Software\\A\\B\\C")));
    QVERIFY(m_registry.CreateKey(HKEY_LOCAL_MACHINE, QStringLiteral("software\\a\\b\\c")));
    QCOMPARE(m_registry.GetValue(HKEY_LOCAL_MACHINE, QStringLiteral("Software\\A\\B\\C"), QStringLiteral("Kept")),
             QVariant(QStringLiteral("1")));
    QCOMPARE(m_registry.ListSubKey(HKEY_LOCAL_MACHINE, QStringLiteral("Software\\A\\B"), 1), QString());
    QVERIFY(!m_registry.CreateKey(HKEY_LOCAL_MACHINE, QStringLiteral("Software\\") + QString(256, QLatin1Char('k'))));
    QVERIFY(!m_registry.CreateKey(0x80000009u, QStringLiteral("Software")));
}

void tst_Registry::deleteKey_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("deleted");
    QTest::newRow("key with values, no subkeys") << QStringLiteral("Software\\Shop\\Leaf") << true;
    QTest::newRow("leading backslash") << QStringLiteral("\\Software\\Shop\\Leaf") << true;
    QTest::newRow("other case") << QStringLiteral("SOFTWARE\\SHOP\\LEAF") << true;
    QTest::newRow("key with a subkey") << QStringLiteral("Software\\Shop") << false;
    QTest::newRow("missing key") << QStringLiteral("Software\\Shop\\Missing") << false;
    QTest::newRow("the root key") << QString() << false;
}

void tst_Registry::deleteKey()
{
    QFETCH(QString, path);
    QFETCH(bool, deleted);
    QVERIFY(m_registry.CreateKey(HKEY_CURRENT_USER, QStringLiteral("Software\\Shop\\Leaf")));
    QVERIFY(m_registry.SetValue(HKEY_CURRENT_USER, QStringLiteral("Software\\Shop\\Leaf"), QStringLiteral("v"), 1));
    QVERIFY(m_registry.SetValue(HKEY_CURRENT_USER, QStringLiteral("Software\\Shop"), QStringLiteral("w"), 2));

    QCOMPARE(m_registry.DeleteKey(HKEY_CURRENT_USER, path), deleted);
    QCOMPARE(m_registry.KeyExists(HKEY_CURRENT_USER, QStringLiteral("Software\\Shop\\Leaf")), !deleted);
    QVERIFY(m_registry.KeyExists(HKEY_CURRENT_USER, QStringLiteral("Software\\Shop")));
    QCOMPARE(m_registry.GetValue(HKEY_CURRENT_USER, QStringLiteral("Software\\Shop"), QStringLiteral("w")),
             QVariant(QStringLiteral("2")));
    if (deleted) {  // its values went with it and do not come back with the key
        QVERIFY(m_registry.CreateKey(HKEY_CURRENT_USER, QStringLiteral("Software\\Shop\\Leaf")));
        QVERIFY(!m_registry.GetValue(HKEY_CURRENT_USER, QStringLiteral("Software\\Shop\\Leaf"), QStringLiteral("v"))
                     .isValid());
    }
}

void tst_Registry::deleteValue()
{
    QVERIFY(m_registry.CreateKey(HKEY_CURRENT_USER, AppKey));
    QVERIFY(m_registry.SetValue(HKEY_CURRENT_USER, AppKey, QStringLiteral("First"), 1));
    QVERIFY(m_registry.SetValue(HKEY_CURRENT_USER, AppKey, QStringLiteral("Second"), 2));

    QVERIFY(m_registry.DeleteValue(HKEY_CURRENT_USER, QStringLiteral("\\") + AppKey, QStringLiteral("FIRST")));
    QVERIFY(!m_registry.GetValue(HKEY_CURRENT_USER, AppKey, QStringLiteral("First")).isValid());
    QCOMPARE(m_registry.GetValue(HKEY_CURRENT_USER, AppKey, QStringLiteral("Second")), QVariant(QStringLiteral("2")));
    QCOMPARE(m_registry.ListSubValue(HKEY_CURRENT_USER, AppKey, 0), QStringLiteral("Second"));
    QCOMPARE(m_registry.ListSubValue(HKEY_CURRENT_USER, AppKey, 1), QString());

    QVERIFY(!m_registry.DeleteValue(HKEY_CURRENT_USER, AppKey, QStringLiteral("First")));
    QVERIFY(!m_registry.DeleteValue(HKEY_CURRENT_USER, AppKey + QStringLiteral("\\Missing"), QStringLiteral("Second")));
    QVERIFY(m_registry.KeyExists(HKEY_CURRENT_USER, AppKey));
}

void tst_Registry::keyExists_data()
{
    QTest::addColumn<quint32>("root");
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("exists");
    QTest::newRow("the key") << HKEY_CURRENT_USER << AppKey << true;
    QTest::newRow("a parent") << HKEY_CURRENT_USER << QStringLiteral("Software") << true;
    QTest::newRow("the root itself") << HKEY_CURRENT_USER << QString() << true;
    QTest::newRow("another root") << HKEY_LOCAL_MACHINE << AppKey << false;
    QTest::newRow("root as a signed number") << quint32(qint32(-2147483647)) << AppKey << true;
    QTest::newRow("missing") << HKEY_CURRENT_USER << AppKey + QStringLiteral("\\Missing") << false;
    QTest::newRow("no root key") << 0x80000009u << QString() << false;
}

void tst_Registry::keyExists()
{
    QFETCH(quint32, root);
    QFETCH(QString, path);
    QFETCH(bool, exists);
    QVERIFY(m_registry.CreateKey(HKEY_CURRENT_USER, AppKey));
    QCOMPARE(m_registry.KeyExists(root, path), exists);
}

void tst_Registry::computerNames_data()
{
    QTest::addColumn<QString>("computer");
    QTest::addColumn<bool>("reachable");
    QTest::newRow("dot") << QStringLiteral(".") << true;
    QTest::newRow("localhost") << QStringLiteral("localhost") << true;
    QTest::newRow("LocalHost") << QStringLiteral("LocalHost") << true;
    QTest::newRow("\\\\localhost") << QStringLiteral("\\\\localhost") << true;
    QTest::newRow("\\\\.") << QStringLiteral("\\\\.") << true;
    const QString host = QSysInfo::machineHostName();
    if (!host.isEmpty()) {
        QTest::newRow("host name") << host << true;
        QTest::newRow("\\\\host name") << QStringLiteral("\\\\") + host << true;
        QTest::newRow("HOST NAME") << host.toUpper() << true;
    }
    QTest::newRow("another machine") << QStringLiteral("elsewhere.invalid") << false;
    QTest::newRow("\\\\another machine") << QStringLiteral("\\\\elsewhere") << false;
    QTest::newRow("localhost2") << QStringLiteral("localhost2") << false;
    QTest::newRow("an address") << QStringLiteral("192.0.2.1") << false;
    QTest::newRow("host name and more") << host + QStringLiteral("-other") << false;
}

void tst_Registry::computerNames()
{
    QFETCH(QString, computer);
    QFETCH(bool, reachable);
    QVERIFY(m_registry.CreateKey(HKEY_LOCAL_MACHINE, AppKey + QStringLiteral("\\Sub")));
    QVERIFY(m_registry.SetValue(HKEY_LOCAL_MACHINE, AppKey, QStringLiteral("Version"), QStringLiteral("3.7.1")));

    QCOMPARE(m_registry.KeyExists(HKEY_LOCAL_MACHINE, AppKey, computer), reachable);
    QCOMPARE(m_registry.GetValue(HKEY_LOCAL_MACHINE, AppKey, QStringLiteral("Version"), computer),
             reachable ? QVariant(QStringLiteral("3.7.1")) : QVariant());
    QCOMPARE(m_registry.ListSubKey(HKEY_LOCAL_MACHINE, AppKey, 0, computer),
             reachable ? QStringLiteral("Sub") : QString());
    QCOMPARE(m_registry.ListSubValue(HKEY_LOCAL_MACHINE, AppKey, 0, computer),
             reachable ? QStringLiteral("Version") : QString());
    QCOMPARE(raisedBy([&] { m_registry.SetValue(HKEY_LOCAL_MACHINE, AppKey, QStringLiteral("Version"), 4, computer); },
                      QStringLiteral("SetValue")),
             reachable ? 0 : 11001);
    QCOMPARE(m_registry.CreateKey(HKEY_LOCAL_MACHINE, AppKey + QStringLiteral("\\New"), computer), reachable);
    QCOMPARE(m_registry.KeyExists(HKEY_LOCAL_MACHINE, AppKey + QStringLiteral("\\New")), reachable);
    QCOMPARE(m_registry.DeleteKey(HKEY_LOCAL_MACHINE, AppKey + QStringLiteral("\\Sub"), computer), reachable);
    QCOMPARE(m_registry.KeyExists(HKEY_LOCAL_MACHINE, AppKey + QStringLiteral("\\Sub")), !reachable);
    QCOMPARE(m_registry.DeleteValue(HKEY_LOCAL_MACHINE, AppKey, QStringLiteral("Version"), computer), reachable);
    QCOMPARE(m_registry.GetValue(HKEY_LOCAL_MACHINE, AppKey, QStringLiteral("Version")),
             reachable ? QVariant() : QVariant(QStringLiteral("3.7.1")));
}

void tst_Registry::layerResultCodes()
{
    Handle machine = 1;
    QCOMPARE(ConnectRegistry(QStringLiteral("elsewhere"), HKEY_LOCAL_MACHINE, machine), ERROR_BAD_NETPATH);
    QCOMPARE(machine, 0u);
    Handle key = 1;
    QCOMPARE(OpenKey(machine, QStringLiteral("Software"), 0, KEY_ALL_ACCESS, key), ERROR_INVALID_HANDLE);
    QCOMPARE(key, 0u);
    QCOMPARE(OpenKey(HKEY_LOCAL_MACHINE, QStringLiteral("Software"), 0, KEY_ALL_ACCESS, key), ERROR_FILE_NOT_FOUND);

    quint32 disposition = 0;
    QCOMPARE(CreateKey(HKEY_LOCAL_MACHINE, QStringLiteral("Software\\Shop"), 0, KEY_ALL_ACCESS, key, &disposition),
             ERROR_SUCCESS);
    QCOMPARE(disposition, REG_CREATED_NEW_KEY);
    Handle again = 0;
    QCOMPARE(CreateKey(HKEY_LOCAL_MACHINE, QStringLiteral("SOFTWARE\\shop"), 0, KEY_ALL_ACCESS, again, &disposition),
             ERROR_SUCCESS);
    QCOMPARE(disposition, REG_OPENED_EXISTING_KEY);
    QVERIFY(again != key);
    QCOMPARE(CloseKey(again), ERROR_SUCCESS);

    QCOMPARE(RegistryLayer::SetValue(key, QStringLiteral("Name"), REG_SZ, sz(QStringLiteral("abc"))), ERROR_SUCCESS);
    quint32 type = 0;
    quint32 size = 7;
    QByteArray data;
    QCOMPARE(QueryValue(key, QStringLiteral("name"), &type, &data, &size), ERROR_MORE_DATA);
    QCOMPARE(size, 8u);
    QCOMPARE(QueryValue(key, QStringLiteral("name"), &type, &data, &size), ERROR_SUCCESS);
    QCOMPARE(type, REG_SZ);
    QCOMPARE(data, sz(QStringLiteral("abc")));
    QCOMPARE(QueryValue(key, QStringLiteral("other"), &type, &data, &size), ERROR_FILE_NOT_FOUND);

    QString name;
    quint32 chars = 255;
    QCOMPARE(EnumValue(key, 1, name, chars), ERROR_NO_MORE_ITEMS);
    QCOMPARE(EnumKey(key, 0, name, chars), ERROR_NO_MORE_ITEMS);
    chars = 4;
    QCOMPARE(EnumValue(key, 0, name, chars), ERROR_MORE_DATA);
    chars = 5;
    QCOMPARE(EnumValue(key, 0, name, chars), ERROR_SUCCESS);
    QCOMPARE(name, QStringLiteral("Name"));
    QCOMPARE(chars, 4u);

    Handle readOnly = 0;
    QCOMPARE(OpenKey(HKEY_LOCAL_MACHINE, QStringLiteral("Software\\Shop"), 0, KEY_QUERY_VALUE, readOnly),
             ERROR_SUCCESS);
    QCOMPARE(RegistryLayer::SetValue(readOnly, QStringLiteral("Name"), REG_SZ, sz(QString())), ERROR_ACCESS_DENIED);
    QCOMPARE(DeleteKey(HKEY_LOCAL_MACHINE, QStringLiteral("Software")), ERROR_ACCESS_DENIED);  // has a subkey
    QCOMPARE(DeleteKey(HKEY_LOCAL_MACHINE, QStringLiteral("Software\\Shop")), ERROR_SUCCESS);
    QCOMPARE(QueryValue(readOnly, QStringLiteral("Name"), &type, nullptr, &size), ERROR_KEY_DELETED);
    QCOMPARE(DeleteKey(HKEY_LOCAL_MACHINE, QStringLiteral("Software\\Shop")), ERROR_FILE_NOT_FOUND);
    QCOMPARE(OpenKey(HKEY_LOCAL_MACHINE, QStringLiteral("\\Software"), 0, KEY_ALL_ACCESS, again), ERROR_BAD_PATHNAME);

    QCOMPARE(CloseKey(readOnly), ERROR_SUCCESS);
    QCOMPARE(CloseKey(key), ERROR_SUCCESS);
    QCOMPARE(CloseKey(key), ERROR_INVALID_HANDLE);
    QCOMPARE(CloseKey(HKEY_LOCAL_MACHINE), ERROR_SUCCESS);
}

void tst_Registry::getKeyValue_data()
{
    QTest::addColumn<quint32>("type");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("read");
    QTest::addColumn<QString>("expected");

    const QString c1023 = QStringLiteral("abc").repeated(341);
    QTest::newRow("path") << REG_SZ << sz(QStringLiteral("C:\\Program Files\\Common Files\\msinfo32.exe")) << true
                          << QStringLiteral("C:\\Program Files\\Common Files\\msinfo32.exe");
    QTest::newRow("string without NUL") << REG_SZ << StringBytes(QStringLiteral("abc")) << true
                                        << QStringLiteral("abc");
    QTest::newRow("empty string") << REG_SZ << sz(QString()) << true << QString();
    QTest::newRow("string of 1023 characters") << REG_SZ << sz(c1023) << true << c1023;
    QTest::newRow("string of 1024 characters") << REG_SZ << sz(c1023 + QLatin1Char('d')) << false << QString();
    QTest::newRow("dword 0x12345678") << REG_DWORD << DwordBytes(0x12345678) << true << QStringLiteral("12345678");
    QTest::newRow("dword 0x0001020A") << REG_DWORD << DwordBytes(0x0001020A) << true << QStringLiteral("012A");
    QTest::newRow("dword 0x0A0B0C0D") << REG_DWORD << DwordBytes(0x0A0B0C0D) << true << QStringLiteral("ABCD");
    QTest::newRow("dword 0") << REG_DWORD << DwordBytes(0) << true << QStringLiteral("0000");
    QTest::newRow("dword 0xFFFFFFFF") << REG_DWORD << DwordBytes(0xFFFFFFFF) << true << QStringLiteral("FFFFFFFF");
    QTest::newRow("dword 0x10000000") << REG_DWORD << DwordBytes(0x10000000) << true << QStringLiteral("10000");
}

void tst_Registry::getKeyValue()
{
    QFETCH(quint32, type);
    QFETCH(QByteArray, data);
    QFETCH(bool, read);
    QFETCH(QString, expected);
    const QString msinfo = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
    putRaw(HKEY_LOCAL_MACHINE, msinfo, QStringLiteral("PATH"), type, data);

    QString value = QStringLiteral("before");
    QCOMPARE(GetKeyValue(HKEY_LOCAL_MACHINE, msinfo, QStringLiteral("Path"), value), read);
    QCOMPARE(value, expected);
}

void tst_Registry::getKeyValueOnMissingKey()
{
    QString value = QStringLiteral("before");
    QVERIFY(!GetKeyValue(HKEY_LOCAL_MACHINE, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"),
                         QStringLiteral("MSINFO"), value));
    QCOMPARE(value, QString());
    QVERIFY(m_registry.CreateKey(HKEY_LOCAL_MACHINE, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location")));
    QVERIFY(!GetKeyValue(HKEY_LOCAL_MACHINE, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"),
                         QStringLiteral("MSINFO"), value));
}

void tst_Registry::oneFilePerRootInTheConfigFolder()
{
    SetStoreFolder(QString());
    const QString folder = m_configHome.path() + QStringLiteral("/Brontolux/registry");
    QCOMPARE(StoreFolder(), folder);
    QVERIFY(QDir(folder).removeRecursively());

    QVERIFY(m_registry.CreateKey(HKEY_LOCAL_MACHINE, AppKey));
    QVERIFY(m_registry.SetValue(HKEY_CURRENT_USER, QString(), QStringLiteral("Top"), 1));
    QVERIFY(QFile::exists(hiveFile(folder, "HKEY_LOCAL_MACHINE")));
    QVERIFY(QFile::exists(hiveFile(folder, "HKEY_CURRENT_USER")));
    QVERIFY(!QFile::exists(hiveFile(folder, "HKEY_CLASSES_ROOT")));
    QVERIFY(!QFile::exists(hiveFile(folder, "HKEY_USERS")));
    QCOMPARE(StateOfHive(HKEY_LOCAL_MACHINE), HiveState::Valid);
    QCOMPARE(StateOfHive(HKEY_USERS), HiveState::Absent);
    QVERIFY(!m_registry.KeyExists(HKEY_USERS, AppKey));

    // Another store folder is another registry.
    SetStoreFolder(m_store->path());
    QVERIFY(!m_registry.KeyExists(HKEY_LOCAL_MACHINE, AppKey));
    SetStoreFolder(QString());
    QVERIFY(m_registry.KeyExists(HKEY_LOCAL_MACHINE, AppKey));
    QVERIFY(QDir(folder).removeRecursively());
}

void tst_Registry::unusableHiveIsNeverOverwritten_data()
{
    QTest::addColumn<QString>("damage");
    for (const char *damage : {"garbage", "empty file", "cut short", "one byte changed", "newer format", "unreadable"})
        QTest::newRow(damage) << QString::fromLatin1(damage);
}

void tst_Registry::unusableHiveIsNeverOverwritten()
{
    QFETCH(QString, damage);
    QVERIFY(m_registry.CreateKey(HKEY_CURRENT_USER, AppKey));
    QVERIFY(m_registry.SetValue(HKEY_CURRENT_USER, AppKey, QStringLiteral("Rate"), QStringLiteral("1.25")));
    const QString file = hiveFile(m_store->path(), "HKEY_CURRENT_USER");
    QByteArray bytes = readFile(file);
    QVERIFY(bytes.size() > 40);

    if (damage == QLatin1String("garbage"))
        bytes = QByteArray("<registry>not a hive</registry>");
    else if (damage == QLatin1String("empty file"))
        bytes.clear();
    else if (damage == QLatin1String("cut short"))
        bytes.chop(10);
    else if (damage == QLatin1String("one byte changed"))
        bytes[bytes.size() / 2] = char(bytes.at(bytes.size() / 2) ^ 0x20);
    else if (damage == QLatin1String("newer format"))
        bytes[7] = char(bytes.at(7) + 1);  // the format number follows the 4-byte magic, big endian
    QVERIFY(writeFile(file, bytes));
    if (damage == QLatin1String("unreadable")) {
        QVERIFY(QFile::setPermissions(file, QFile::WriteOwner));
        QFile probe(file);
        if (probe.open(QIODevice::ReadOnly))
            QSKIP("this user reads files without read permission");
    }

    QCOMPARE(StateOfHive(HKEY_CURRENT_USER), HiveState::Unusable);
    QVERIFY(!m_registry.KeyExists(HKEY_CURRENT_USER, AppKey));
    QVERIFY(!m_registry.GetValue(HKEY_CURRENT_USER, AppKey, QStringLiteral("Rate")).isValid());
    QVERIFY(m_registry.KeyExists(HKEY_CURRENT_USER, QString()));
    QCOMPARE(m_registry.ListSubKey(HKEY_CURRENT_USER, QString(), 0), QString());
    QVERIFY(!m_registry.CreateKey(HKEY_CURRENT_USER, QStringLiteral("Software\\Other")));
    QVERIFY(m_registry.SetValue(HKEY_CURRENT_USER, QString(), QStringLiteral("Top"), 1));  // attempted, not written
    QVERIFY(!m_registry.GetValue(HKEY_CURRENT_USER, QString(), QStringLiteral("Top")).isValid());
    QVERIFY(!m_registry.DeleteKey(HKEY_CURRENT_USER, AppKey));

    QVERIFY(QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner));
    QCOMPARE(readFile(file), bytes);
    // The other hives are not affected, and without the file the root starts afresh.
    QVERIFY(m_registry.CreateKey(HKEY_LOCAL_MACHINE, AppKey));
    QVERIFY(QFile::remove(file));
    QVERIFY(m_registry.CreateKey(HKEY_CURRENT_USER, QStringLiteral("Software\\Other")));
    QCOMPARE(StateOfHive(HKEY_CURRENT_USER), HiveState::Valid);
}

// A change the disk does not take whole is reported, and the hive stays as it was: the old file,
// no new file beside it, and the next change once there is room again keeps every value.
void tst_Registry::failedWriteLeavesTheHive_data()
{
    QTest::addColumn<int>("room");  // bytes the disk takes; -1: as many as the old hive has
    QTest::addColumn<bool>("failFlush");
    QTest::addColumn<Result>("expected");
    QTest::newRow("no room for the lock") << 0 << false << ERROR_WRITE_FAULT;
    QTest::newRow("room for the old size only") << -1 << false << ERROR_DISK_FULL;
    QTest::newRow("flush to the disk fails") << (1 << 20) << true << ERROR_WRITE_FAULT;
}

void tst_Registry::failedWriteLeavesTheHive()
{
    QFETCH(int, room);
    QFETCH(bool, failFlush);
    QFETCH(Result, expected);
    QVERIFY(m_registry.CreateKey(HKEY_CURRENT_USER, AppKey));
    QVERIFY(m_registry.SetValue(HKEY_CURRENT_USER, AppKey, QStringLiteral("Rate"), QStringLiteral("1.25")));
    const QString file = hiveFile(m_store->path(), "HKEY_CURRENT_USER");
    const QByteArray before = readFile(file);
    const qint64 bytes = room == -1 ? before.size() : room;
    const auto arm = [&] { return WriteFaults::Arm(m_store->path(), bytes, failFlush); };
    if (!arm())
        QSKIP("write faults cannot be injected on this system");

    Handle key = 0;
    QCOMPARE(OpenKey(HKEY_CURRENT_USER, AppKey, 0, KEY_ALL_ACCESS, key), ERROR_SUCCESS);
    QCOMPARE(RegistryLayer::SetValue(key, QStringLiteral("Site"), REG_SZ, sz(QStringLiteral("2"))), expected);
    CloseKey(key);
    arm();
    QVERIFY_THROWS_EXCEPTION(RegistryError,
                             m_registry.SetValue(HKEY_CURRENT_USER, AppKey, QStringLiteral("Site"), QStringLiteral("2")));
    WriteFaults::Disarm();

    QCOMPARE(readFile(file), before);
    QCOMPARE(QDir(m_store->path()).entryList({QStringLiteral("*.new-*"), QStringLiteral("*.lock")},
                                             QDir::Files | QDir::Hidden),
             QStringList());
    QVERIFY(m_registry.SetValue(HKEY_CURRENT_USER, AppKey, QStringLiteral("Site"), QStringLiteral("2")));
    QCOMPARE(m_registry.GetValue(HKEY_CURRENT_USER, AppKey, QStringLiteral("Rate")), QVariant(QStringLiteral("1.25")));
    QCOMPARE(m_registry.GetValue(HKEY_CURRENT_USER, AppKey, QStringLiteral("Site")), QVariant(QStringLiteral("2")));
}

qint32 tst_Registry::writtenValues(QString &fault) const
{
    const QString writerKey = QStringLiteral("Software\\Writer");
    qint32 count = 0;
    for (qint32 block = 0;; ++block) {
        const QString name = m_registry.ListSubKey(HKEY_CURRENT_USER, writerKey, block);
        if (name.isEmpty())
            return count;
        if (name != writerBlock(block)) {
            fault = QStringLiteral("block %1 is named %2").arg(block).arg(name);
            return count;
        }
        if (count != block * WriterBlock) {
            fault = QStringLiteral("block %1 follows an incomplete block").arg(block);
            return count;
        }
        const QString path = writerKey + QLatin1Char('\\') + name;
        for (qint32 i = 0; i < WriterBlock; ++i) {
            const qint32 index = block * WriterBlock + i;
            const QString valueName = m_registry.ListSubValue(HKEY_CURRENT_USER, path, i);
            if (valueName.isEmpty())
                break;
            if (valueName != writerValueName(index)
                || m_registry.GetValue(HKEY_CURRENT_USER, path, valueName) != QVariant(writerText(index))) {
                fault = QStringLiteral("value %1 of block %2 is wrong").arg(i).arg(block);
                return count;
            }
            ++count;
        }
        if (!m_registry.ListSubValue(HKEY_CURRENT_USER, path, WriterBlock).isEmpty()) {
            fault = QStringLiteral("block %1 has too many values").arg(block);
            return count;
        }
    }
}

void tst_Registry::survivesBeingKilledMidWrite()
{
    const quint32 seed = QRandomGenerator::global()->generate();
    qInfo("kill moments from seed %u", seed);
    QRandomGenerator random(seed);
    const QString writer = QStringLiteral(REGISTRY_WRITER);
    const QString hive = hiveFile(m_store->path(), "HKEY_CURRENT_USER");

    qint32 before = 0;
    for (qint32 round = 0; round < 8; ++round) {
        QProcess process;
        process.start(writer, {m_store->path(), QStringLiteral("100000")});
        QVERIFY(process.waitForStarted());
        QTest::qWait(int(random.bounded(80, 400)));
        QCOMPARE(process.state(), QProcess::Running);  // still writing when it is killed
        process.kill();
        QVERIFY(process.waitForFinished());

        QVERIFY(QFile::exists(hive));
        QCOMPARE(StateOfHive(HKEY_CURRENT_USER), HiveState::Valid);
        QString fault;
        const qint32 now = writtenValues(fault);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        QVERIFY2(now >= before, qPrintable(QStringLiteral("%1 values after %2").arg(now).arg(before)));
        before = now;

        // A lock the writer may have held when it died does not stop the next change.
        QVERIFY(m_registry.CreateKey(HKEY_CURRENT_USER, QStringLiteral("Software\\Checker")));
        QVERIFY(m_registry.SetValue(HKEY_CURRENT_USER, QStringLiteral("Software\\Checker"), QStringLiteral("Round"),
                                    round));
        QCOMPARE(m_registry.GetValue(HKEY_CURRENT_USER, QStringLiteral("Software\\Checker"), QStringLiteral("Round")),
                 QVariant(QString::number(round)));
        // Nor does a new file the writer left unfinished stay beside the hive.
        QCOMPARE(QDir(m_store->path()).entryList({QStringLiteral("*.new-*")}, QDir::Files | QDir::Hidden),
                 QStringList());
    }
    QVERIFY2(before > 0, "the writer never got a value written");

    // A writer that is left alone carries on exactly where the killed ones stopped.
    QProcess process;
    process.start(writer, {m_store->path(), QString::number(before + 20)});
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
    QString fault;
    QCOMPARE(writtenValues(fault), before + 20);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
}

QTEST_GUILESS_MAIN(tst_Registry)
#include "tst_registry.moc"
