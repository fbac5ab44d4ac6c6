#include "Settings.h"

#include "VerifiedFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QMap>
#include <QSet>
#include <QSettings>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QTemporaryFile>
#include <QVariantMap>

#include <algorithm>
#include <chrono>
#include <future>
#include <memory>
#include <optional>

namespace {

const QString Organization = QStringLiteral("Brontolux");
const QString Application = QStringLiteral("Calvextra");

std::unique_ptr<QSettings> openStore()
{
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, Organization, Application);
}

// The store a SettingsReading keeps open, from its first read on.
struct OpenReading
{
    int depth = 0;
    std::unique_ptr<QSettings> store;
};

OpenReading &openReading()
{
    static OpenReading reading;
    return reading;
}

// Values written this run that the store did not take; they win over the store until a save
// succeeds.
QMap<QString, QString> &unsavedValues()
{
    static QMap<QString, QString> values;
    return values;
}

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
QString userConfigFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}
#endif

// The files QSettings opens for the store: the application's and the maker's shared fallback.
QStringList storeFiles()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    return {SettingsStorePath(), userConfigFolder() + QLatin1Char('/') + Organization + QStringLiteral(".conf")};
#else
    return {};
#endif
}

SettingsProblem problemOfExisting(const QFileInfo &file)
{
    if (!file.exists())
        return SettingsProblem::None;
    if (file.isDir())
        return SettingsProblem::IsFolder;
    if (!file.isFile())
        return SettingsProblem::NotRegularFile;
    return SettingsProblem::None;
}

// A file with no write permission at all was made read-only on purpose: it is not replaced, even
// by a user whom the system would let write it.
bool markedReadOnly(const QFileInfo &file)
{
    constexpr QFile::Permissions anyWrite = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    return file.isFile() && !(file.permissions() & anyWrite);
}

// The nearest folder on the way to the file that exists (or the file system's root).
QString existingFolderOf(const QString &path)
{
    QDir folder = QFileInfo(path).absoluteDir();
    while (!folder.exists() && !folder.isRoot())
        folder.setPath(QFileInfo(folder.absolutePath()).absolutePath());
    return folder.absolutePath();
}

// Why a write that QSettings refused went wrong.
SettingsStatus diagnoseFailedWrite()
{
    if (const SettingsStatus problem = SettingsStoreReadStatus(); !problem.Ok())
        return problem;
    const QString path = SettingsStorePath();
    // The registry or the preferences system tells no more than that.
    if (storeFiles().isEmpty())
        return {SettingsProblem::WriteFailed, path};
    const QFileInfo file(path);
    if (file.exists() && (!file.isWritable() || markedReadOnly(file)))
        return {SettingsProblem::ReadOnly, path};
    const QFileInfo folder(file.absolutePath());
    if ((folder.exists() && !(folder.isDir() && folder.isWritable()))
        || (!folder.exists() && !QFileInfo(existingFolderOf(path)).isWritable()))
        return {SettingsProblem::FolderNotWritable, path};
    // Room for the file once more, and a block to spare.
    const QStorageInfo storage(existingFolderOf(path));
    if (storage.isValid() && storage.bytesAvailable() < file.size() + 4096)
        return {SettingsProblem::DiskFull, path};
    return {SettingsProblem::WriteFailed, path};
}

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)

// Another copy of the program saving at the same moment waits this long; a lock left by one that
// died is taken over at once, one whose owner cannot be told only after LockStaleMs.
constexpr int LockStaleMs = 10000;
constexpr int LockWaitMs = 15000;

// The store file holding these values, as QSettings writes it: made in a scratch file beside the
// store (a leftover new file, should the program die), which is removed again.
std::optional<QByteArray> storeContent(const QString &storePath, const QVariantMap &values)
{
    QTemporaryFile scratch(NewFileTemplate(storePath));
    if (!scratch.open())
        return std::nullopt;
    scratch.close();
    {
        QSettings writer(scratch.fileName(), QSettings::IniFormat);
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            writer.setValue(it.key(), it.value());
        writer.sync();
        if (writer.status() != QSettings::NoError)
            return std::nullopt;
    }
    QFile written(scratch.fileName());
    if (!written.open(QIODevice::ReadOnly))
        return std::nullopt;
    return written.readAll();
}

// Whether the new store file is whole: it gives back every value of this save as it was set and
// still holds every other key it held. The other keys are checked for being there only: QSettings
// does not always write back a value read from a file that it did not write itself (a "@Variant"
// number comes back as text, a list holding a NUL differs), and a key it cannot write at all (an
// empty name) is never carried over. QSettings keeps what it read of a file by its name, so the
// check reads the new file under its own, never seen before.
bool holdsValues(const QString &newFile, const QStringList &keptKeys, const QMap<QString, QString> &saved)
{
    const QSettings check(newFile, QSettings::IniFormat);
    if (check.status() != QSettings::NoError)
        return false;
    for (auto it = saved.cbegin(); it != saved.cend(); ++it) {
        const QVariant stored = check.value(it.key());
        if (stored.typeId() != QMetaType::QString || stored.toString() != it.value())
            return false;
    }
    return std::all_of(keptKeys.cbegin(), keptKeys.cend(), [&check](const QString &key) { return check.contains(key); });
}

// Reads the store, sets the values and replaces the file with the result, all under the store's
// lock. The file is only replaced by one that was written whole and reads back with every value.
SettingsStatus replaceStoreFile(const QMap<QString, QString> &values)
{
    const QString path = SettingsStorePath();
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return diagnoseFailedWrite();
    QLockFile lock(path + QStringLiteral(".lock"));
    lock.setStaleLockTime(LockStaleMs);
    if (!lock.tryLock(LockWaitMs))
        return diagnoseFailedWrite();
    RemoveLeftoverNewFiles(path);
    QVariantMap merged;
    QStringList keptKeys;
    {
        const QSettings current(path, QSettings::IniFormat);
        // A file that could not be read is not overwritten with only the values of this save.
        if (current.status() == QSettings::AccessError)
            return diagnoseFailedWrite();
        for (const QString &key : current.allKeys()) {
            // A key QSettings reads under another name ("MRV/" as "MRV") gives that key's value or
            // none: written back it would replace the real key's value, with an old one or with
            // nothing. Nor can a key without a name be written.
            const QVariant value = current.value(key);
            if (key.isEmpty() || key != key.split(QLatin1Char('/'), Qt::SkipEmptyParts).join(QLatin1Char('/'))
                || !value.isValid())
                continue;
            merged.insert(key, value);
            if (!values.contains(key))
                keptKeys.append(key);
        }
    }
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        merged.insert(it.key(), it.value());
    const std::optional<QByteArray> content = storeContent(path, merged);
    if (!content)
        return diagnoseFailedWrite();
    const FileReplaceProblem problem = ReplaceFileVerified(
        path, *content, [&](const QString &newFile) { return holdsValues(newFile, keptKeys, values); });
    if (problem == FileReplaceProblem::None)
        return {};
    if (problem == FileReplaceProblem::DiskFull)
        return {SettingsProblem::DiskFull, path};
    return diagnoseFailedWrite();
}

#endif

SettingsStatus writeToStore(const QMap<QString, QString> &values)
{
    if (const SettingsStatus problem = SettingsStoreReadStatus(); !problem.Ok())
        return problem;
    const QFileInfo file(SettingsStorePath());
    if (markedReadOnly(file))
        return {SettingsProblem::ReadOnly, file.filePath()};
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    return replaceStoreFile(values);
#else
    // The registry or the preferences system takes each value whole.
    const std::unique_ptr<QSettings> store = openStore();
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        store->setValue(it.key(), it.value());
    store->sync();
    if (store->status() == QSettings::AccessError)
        return diagnoseFailedWrite();
    return {};
#endif
}

// A save on a thread of its own: the values it writes and, once it is done, its outcome.
struct BackgroundSave
{
    QMap<QString, QString> values;
    std::future<SettingsStatus> outcome;
};

std::optional<BackgroundSave> &backgroundSave()
{
    static std::optional<BackgroundSave> save;
    return save;
}

// The keys written in the background that the store does not hold yet.
QSet<QString> &keysAwaitingStore()
{
    static QSet<QString> keys;
    return keys;
}

// At the program's end: the save under way is waited for, and values written in the background
// that are not stored yet get one last save.
void storeBackgroundValuesAtExit()
{
    FinishSettingsWrites();
    if (!keysAwaitingStore().isEmpty())
        (void)WriteSettings({});
}

void launchBackgroundSave()
{
    static const bool storedAtExit = [] {
        qAddPostRoutine(storeBackgroundValuesAtExit);
        return true;
    }();
    Q_UNUSED(storedAtExit);
    const QMap<QString, QString> values = unsavedValues();
    backgroundSave() = BackgroundSave{values, std::async(std::launch::async, [values] { return writeToStore(values); })};
}

} // namespace

// Waits for the save under way and takes in its outcome: a value it stored waits no more, unless
// it was set anew meanwhile; one it could not store goes along with the next save.
void FinishSettingsWrites()
{
    std::optional<BackgroundSave> &save = backgroundSave();
    if (!save)
        return;
    const SettingsStatus outcome = save->outcome.get();
    if (outcome.Ok()) {
        QMap<QString, QString> &unsaved = unsavedValues();
        for (auto it = save->values.cbegin(); it != save->values.cend(); ++it) {
            if (const auto pending = unsaved.find(it.key()); pending != unsaved.end() && *pending == it.value()) {
                unsaved.erase(pending);
                keysAwaitingStore().remove(it.key());
            }
        }
    }
    save.reset();
    openReading().store.reset();
}

QString SettingsStorePath()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    // Where QSettings keeps a native user-scope store, worked out without opening anything there.
    return userConfigFolder() + QLatin1Char('/') + Organization + QLatin1Char('/') + Application
           + QStringLiteral(".conf");
#else
    // The registry or the preferences system: nothing that a read could block on.
    return openStore()->fileName();
#endif
}

SettingsStatus SettingsStoreReadStatus()
{
    for (const QString &path : storeFiles()) {
        if (const SettingsProblem problem = problemOfExisting(QFileInfo(path)); problem != SettingsProblem::None)
            return {problem, path};
    }
    return {};
}

SettingsReading::SettingsReading()
{
    ++openReading().depth;
}

SettingsReading::~SettingsReading()
{
    OpenReading &reading = openReading();
    if (--reading.depth == 0)
        reading.store.reset();
}

QString ReadSetting(const QString &Key)
{
    const QMap<QString, QString> &unsaved = unsavedValues();
    if (const auto kept = unsaved.constFind(Key); kept != unsaved.cend())
        return *kept;
    // A store that is no regular file is never opened: a FIFO there would block the read.
    OpenReading &reading = openReading();
    std::unique_ptr<QSettings> ownStore;
    QSettings *store = nullptr;
    if (reading.depth > 0) {
        if (!reading.store && SettingsStoreReadStatus().Ok())
            reading.store = openStore();
        store = reading.store.get();
    } else if (SettingsStoreReadStatus().Ok()) {
        ownStore = openStore();
        store = ownStore.get();
    }
    if (!store)
        return QString();
    const QVariant value = store->value(Key);
    // Only plain text counts: anything else stored under the name reads as absent.
    return value.typeId() == QMetaType::QString ? value.toString() : QString();
}

SettingsStatus WriteSetting(const QString &Key, const QString &Value)
{
    return WriteSettings({{Key, Value}});
}

SettingsStatus WriteSettings(const SettingValues &values)
{
    FinishSettingsWrites();
    // What an earlier save could not store goes along again, under the newer values.
    QMap<QString, QString> pending = unsavedValues();
    for (const auto &[key, value] : values)
        pending.insert(key, value);
    const SettingsStatus result = writeToStore(pending);
    unsavedValues() = result.Ok() ? QMap<QString, QString>() : pending;
    if (result.Ok())
        keysAwaitingStore().clear();
    // A reading under way opens the store again: it holds the file as it was before the save.
    openReading().store.reset();
    return result;
}

bool SettingsStoreIsEmpty()
{
    if (!unsavedValues().isEmpty())
        return false;
    return !SettingsStoreReadStatus().Ok() || openStore()->allKeys().isEmpty();
}

void WriteSettingInBackground(const QString &Key, const QString &Value)
{
    std::optional<BackgroundSave> &save = backgroundSave();
    if (save && save->outcome.wait_for(std::chrono::seconds(0)) == std::future_status::ready)
        FinishSettingsWrites();
    unsavedValues().insert(Key, Value);
    keysAwaitingStore().insert(Key);
    // One save at a time: while one is writing, the value holds in memory and goes with the next.
    if (!save)
        launchBackgroundSave();
}

void DiscardUnsavedSettings()
{
    FinishSettingsWrites();
    unsavedValues().clear();
    keysAwaitingStore().clear();
}
