#pragma once

#include <QList>
#include <QString>

#include <utility>

// The per-user settings of the program: string values under the maker's name and the product's
// section. Reading a value that was never stored gives "".
//
// The store is one file (on Windows a registry key). Only a regular file is ever opened: a folder
// or a special file in its place (a FIFO would block the first read for good) makes the store
// unreadable, and it reads as holding nothing. Values that the store could not take stay in
// effect in memory for the rest of the run and are written again with the next save.
QString ReadSetting(const QString &Key);

// While one is alive, ReadSetting answers from one opening of the store instead of opening it
// for every value, so the values a load reads together cost one reading of the file. A save in
// between is seen: the store is opened again after it.
class SettingsReading
{
public:
    SettingsReading();
    ~SettingsReading();
    SettingsReading(const SettingsReading &) = delete;
    SettingsReading &operator=(const SettingsReading &) = delete;
};

// Why the settings store could not take (or give) values.
enum class SettingsProblem {
    None,
    ReadOnly,          // the file may not be changed
    IsFolder,          // a folder stands where the file belongs
    NotRegularFile,    // a device, a FIFO or a socket stands there
    FolderNotWritable, // the file cannot be created where it belongs
    DiskFull,
    WriteFailed,       // any other failure of the write
};

struct SettingsStatus
{
    SettingsProblem Problem = SettingsProblem::None;
    QString FilePath;  // the file the problem is about

    bool Ok() const { return Problem == SettingsProblem::None; }
};

// A save replaces the store file only with one that was written whole, flushed to the disk and
// read back with every value; when anything fails the old file stays as it was and the problem is
// returned.
SettingsStatus WriteSetting(const QString &Key, const QString &Value);

// Several values stored in one go: another copy of the program saving at the same moment leaves
// either all of these values or all of its own, never a mixture.
using SettingValues = QList<std::pair<QString, QString>>;
[[nodiscard]] SettingsStatus WriteSettings(const SettingValues &values);

// Stores a value without waiting for the disk: every read has it at once, and it is written on a
// thread of its own. The next save of any value waits for that write first and carries the value
// again should the write have failed (reporting it then), and so does the program's end, so the
// value is never lost. Failures are not reported here.
void WriteSettingInBackground(const QString &Key, const QString &Value);
// Waits until the values written in the background are in the store (or known not to be).
void FinishSettingsWrites();

// True while the store holds no value at all, as before the program's first run. A store that
// cannot be read holds none the program could use.
bool SettingsStoreIsEmpty();

// Whether the store can be read: a regular file, or none yet. Otherwise the problem and the file
// that stands in the way.
SettingsStatus SettingsStoreReadStatus();

// Where the store lives, found without opening it.
QString SettingsStorePath();

// Forgets the values kept in memory because the store did not take them (for a store that was
// replaced or repaired from outside, as tests do).
void DiscardUnsavedSettings();
