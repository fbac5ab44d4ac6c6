// Writes values into the registry store, one CRegistry.SetValue at a time, until a given number of values
// exists; a new run carries on after the values already there.
//
//   registry_writer <store folder> <number of values>
//
// Value i is named "v<i>" (5 digits) and lives in HKEY_CURRENT_USER "Software\Writer\Block<i / 50>" (4 digits);
// its text is "<i>;" (5 digits) 30 times. Exit code 0 when done, 1 when a key could not be created.

#include "CRegistry.h"
#include "RegistryLayer.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

constexpr qint32 ValuesPerBlock = 50;
const QString WriterKey = QStringLiteral("Software\\Writer");

QString blockPath(qint32 i)
{
    return WriterKey + QStringLiteral("\\Block%1").arg(i / ValuesPerBlock, 4, 10, QLatin1Char('0'));
}

// Where the previous runs stopped: the values of all complete blocks plus those of the last block.
qint32 valuesPresent(const CRegistry &registry)
{
    qint32 blocks = 0;
    while (!registry.ListSubKey(RegistryLayer::HKEY_CURRENT_USER, WriterKey, blocks).isEmpty())
        ++blocks;
    if (blocks == 0)
        return 0;
    const qint32 first = (blocks - 1) * ValuesPerBlock;
    qint32 inLast = 0;
    while (!registry.ListSubValue(RegistryLayer::HKEY_CURRENT_USER, blockPath(first), inLast).isEmpty())
        ++inLast;
    return first + inLast;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3)
        return 2;
    RegistryLayer::SetStoreFolder(arguments.at(1));
    const qint32 wanted = arguments.at(2).toInt();

    const CRegistry registry{};
    for (qint32 i = valuesPresent(registry); i < wanted; ++i) {
        if (i % ValuesPerBlock == 0 && !registry.CreateKey(RegistryLayer::HKEY_CURRENT_USER, blockPath(i)))
            return 1;
        const QString number = QStringLiteral("%1").arg(i, 5, 10, QLatin1Char('0'));
        registry.SetValue(RegistryLayer::HKEY_CURRENT_USER, blockPath(i), QLatin1Char('v') + number,
                          (number + QLatin1Char(';')).repeated(30));
    }
    return 0;
}
