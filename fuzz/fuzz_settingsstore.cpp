// libFuzzer target for the settings store as the program reads it at start-up.
//
// Input: the bytes of the store file (an INI file at SettingsStorePath(), in a settings folder of
// this process). Then, as at start-up, the language is chosen from the "Language" value, the
// start-status object reads and rewrites the version record, and the calculator window is made,
// loads every value it remembers and is closed, which stores the site and its exchange rate.
// Every invariant that must hold for any file is checked; a broken one aborts with the file and
// the values involved.

#include "CAuctionSite.h"
#include "CStartStatus.h"
#include "EntryFieldRules.h"
#include "FuzzCheck.h"
#include "FuzzWindowProcess.h"
#include "LanguageState.h"
#include "Languages.h"
#include "NumberText.h"
#include "Settings.h"
#include "frmeBayFees.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMap>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

// Every value the window, the language choice and the version record read.
const QStringList StoredNames = {
    QStringLiteral("Language"), QStringLiteral("MRV"), QStringLiteral("FirstInstall"), QStringLiteral("Site"),
    QStringLiteral("StayOnTop"), QStringLiteral("Notepad"), QStringLiteral("RegularReserve"),
    QStringLiteral("RegularType"), QStringLiteral("RegularNumeric"), QStringLiteral("RegularFeaturedCategory"),
    QStringLiteral("RegularFeatured"), QStringLiteral("RegularGallery"), QStringLiteral("RegularGalleryFeatured"),
    QStringLiteral("RegularHighlighted"), QStringLiteral("RegularBold"), QStringLiteral("RegularGift"),
    QStringLiteral("RegularRealEstate"), QStringLiteral("RegularTwoCategories"),
    QStringLiteral("RegularTenDayAuction"), QStringLiteral("RegularMotors"), QStringLiteral("RegularVehicle"),
    QStringLiteral("RegularMotorcycle"), QStringLiteral("RegularOtherVehicle"), QStringLiteral("RegularIsExtraPhotos"),
    QStringLiteral("RegularSupersize"), QStringLiteral("RegularSlideshow"), QStringLiteral("RegularNumExtraPhotos"),
    QStringLiteral("DutchItemsOffered"), QStringLiteral("DutchOpeningPrice"), QStringLiteral("DutchMotors"),
    QStringLiteral("DutchFeaturedPlus"), QStringLiteral("DutchFeatured"), QStringLiteral("DutchGallery"),
    QStringLiteral("DutchGalleryFeatured"), QStringLiteral("DutchHighlighted"), QStringLiteral("DutchBold"),
    QStringLiteral("DutchGift"), QStringLiteral("DutchTenDayAuction"), QStringLiteral("DutchIsExtraPhotos"),
    QStringLiteral("DutchSupersize"), QStringLiteral("DutchSlideshow"), QStringLiteral("DutchNumExtraPhotos"),
    QStringLiteral("PayPalCreditCard"), QStringLiteral("PayPalNonCreditCard"), QStringLiteral("PayPalUKRate"),
    QStringLiteral("PayPalCanadaRate"), QStringLiteral("PayPalGermanyRate"),
};

QByteArray g_file;
QMap<QString, QString> g_stored;
QStringList g_dialogs;

[[noreturn]] void broken(const char *invariant, const QString &detail)
{
    QStringList values;
    for (auto it = g_stored.cbegin(); it != g_stored.cend(); ++it) {
        if (!it.value().isEmpty())
            values.append(it.key() + QStringLiteral("=\"") + it.value() + QLatin1Char('"'));
    }
    std::fprintf(stderr, "Broken invariant: %s\n  file: \"%s\"\n  read as: %s\n  %s\n", invariant,
                 QString::fromUtf8(g_file.left(2000)).replace(QChar(0), QLatin1String("\\0")).toUtf8().constData(),
                 values.join(QLatin1String(", ")).toUtf8().constData(),
                 detail.toUtf8().constData());
    std::abort();
}

QMap<QString, QString> readStore()
{
    QMap<QString, QString> values;
    for (const QString &name : StoredNames)
        values.insert(name, ReadSetting(name));
    return values;
}

QString differences(const QMap<QString, QString> &before, const QMap<QString, QString> &after)
{
    QStringList changed;
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        if (after.value(it.key()) != it.value())
            changed.append(QStringLiteral("%1: \"%2\" -> \"%3\"").arg(it.key(), it.value(), after.value(it.key())));
    }
    return changed.join(QLatin1String("; "));
}

// A result the window shows: nothing yet, a number, or "N/A" where the fee does not apply.
bool isResultText(const QString &text)
{
    return text.isEmpty() || text == QLatin1String("N/A") || IsNumericText(text);
}

std::optional<int> wholeNumber(const QString &value, int lowest, int highest)
{
    bool ok = false;
    const int number = value.trimmed().toInt(&ok);
    if (!ok || number < lowest || number > highest)
        return std::nullopt;
    return number;
}

void checkVersionRecord(const QMap<QString, QString> &before, bool emptyBefore, const CStartStatus &status)
{
    const QString stored = before.value(QStringLiteral("MRV"));
    if (!status.PreviousVersion().isEmpty())
        CHECK(CStartStatus::EncodeVersionRecord(status.PreviousVersion()) == stored, status.PreviousVersion());
    // Only an empty store is a new installation, and only a store without a record a first run.
    CHECK(!status.IsNewInstall() || (stored.isEmpty() && emptyBefore), QString());
    CHECK(status.IsFirstTime() == (stored.isEmpty() && emptyBefore), QString::number(status.IsFirstTime()));
    CHECK(ReadSetting(QStringLiteral("MRV")) == CStartStatus::EncodeVersionRecord(status.Version()),
          ReadSetting(QStringLiteral("MRV")));

    // The record and the user's values survive the rewrite of the file.
    QMap<QString, QString> expected = before;
    expected.insert(QStringLiteral("MRV"), CStartStatus::EncodeVersionRecord(status.Version()));
    if (status.IsNewInstall())
        expected.insert(QStringLiteral("FirstInstall"), expected.value(QStringLiteral("MRV")));
    // A value stored as something other than text reads as absent; QSettings writes it back as
    // its text, which may then be read.
    QMap<QString, QString> after = readStore();
    const QSettings file(SettingsStorePath(), QSettings::IniFormat);
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        if (it.value().isEmpty() && file.contains(it.key()))
            after.insert(it.key(), QString());
    }
    CHECK(after == expected, differences(expected, after));

    // The next start of the same version finds its own record.
    CStartStatus next;
    next.Initialize(CStartStatus::CalculatorApplicationClass);
    CHECK(next.PreviousVersion() == status.Version() && !next.IsNewInstall() && !next.IsFirstTime(),
          next.PreviousVersion());
}

void checkWindow(frmeBayFees &window, const QMap<QString, QString> &before, bool firstTime)
{
    const qint32 site = window.Site().Site();
    const QString storedSite = firstTime ? QString() : before.value(QStringLiteral("Site"));
    const qint32 expectedSite =
        storedSite.isEmpty() ? CAuctionSite::UnitedStates
                             : wholeNumber(storedSite, CAuctionSite::UnitedStates, CAuctionSite::Germany)
                                   .value_or(CAuctionSite::UnitedStates);
    CHECK(site == expectedSite, QStringLiteral("site %1, expected %2").arg(site).arg(expectedSite));
    const std::array<QAction *, 4> siteItems{window.mnuOptionsSiteEbay, window.mnuOptionsSiteUK,
                                             window.mnuOptionsSiteCanada, window.mnuOptionsSiteGermany};
    for (qint32 i = 0; i < 4; ++i)
        CHECK(siteItems[std::size_t(i)]->isChecked() == (i + 1 == site), QStringLiteral("site item %1").arg(i + 1));

    // Entries hold only what their change checks keep.
    for (QLineEdit *field : {window.txtStartingPrice, window.txtPrice, window.txtDutchOpeningPrice,
                             window.txtDutchFinalPrice, window.txtPaymentAmount})
        CHECK(field->text().isEmpty() || EntryFieldRules::IsAcceptableMoneyText(field->text()),
              field->objectName() + QStringLiteral(": ") + field->text());
    for (QLineEdit *field : {window.txtDutchItemsOffered, window.txtDutchItemsSold})
        CHECK(field->text().isEmpty() || EntryFieldRules::IsAcceptableCountText(field->text()),
              field->objectName() + QStringLiteral(": ") + field->text());
    if (site == CAuctionSite::Germany && IsNumericText(window.txtStartingPrice->text()))
        CHECK(SingleFromText(window.txtStartingPrice->text()) >= 1.0f, window.txtStartingPrice->text());

    for (QLineEdit *field : {window.txtInsertionFee, window.txtExtras, window.txtFVF, window.txtFees,
                             window.txtTotalDutchAuctionSales, window.txtExtraFeaturesDutch, window.txtDutchFees,
                             window.txtDutchCostPerItem, window.txtPayPalFee})
        CHECK(isResultText(field->text()), field->objectName() + QStringLiteral(": ") + field->text());

    for (QComboBox *list : {window.cboIsReserve, window.cboSingleItemType, window.cboExtraPhotos,
                            window.cboExtraPicturesDutch})
        CHECK(list->currentIndex() >= 0 && list->currentIndex() < list->count(),
              list->objectName() + QStringLiteral(": ") + QString::number(list->currentIndex()));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    StartWindowProcess(argc, argv, g_dialogs);
    static QTemporaryDir program(QDir::tempPath() + QStringLiteral("/fuzz_settingsstore-XXXXXX"));
    // No language library: the choice of language is read, the texts stay English.
    setLanguageLibraryFolder(program.path());
    setLanguageMessageHandler([](const QString &text, const QString &, LanguageMessageKind) { g_dialogs.append(text); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    g_file = QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
    g_dialogs.clear();
    DiscardUnsavedSettings();
    const QString path = SettingsStorePath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(g_file) != g_file.size())
            std::abort();
    }
    CHECK(SettingsStoreReadStatus().Ok(), QString());

    g_stored = readStore();
    const bool emptyBefore = SettingsStoreIsEmpty();
    CHECK(!emptyBefore || std::all_of(g_stored.cbegin(), g_stored.cend(), [](const QString &v) { return v.isEmpty(); }),
          QString());

    CHECK(InitLanguage(), QString());
    CHECK(CurrentLanguage().Code == QLatin1String("409") && CurrentLanguage().LibraryPath.isEmpty(),
          CurrentLanguage().Code);

    CStartStatus status;
    status.Initialize(CStartStatus::CalculatorApplicationClass);
    checkVersionRecord(g_stored, emptyBefore, status);

    {
        // The window loads the store as the start-up left it (its rewrite makes typed values text).
        const QMap<QString, QString> loaded = readStore();
        frmeBayFees window(status.IsFirstTime());
        checkWindow(window, loaded, status.IsFirstTime());
        window.close();
        // Closing keeps the site.
        CHECK(ReadSetting(QStringLiteral("Site")) == QString::number(window.Site().Site()),
              ReadSetting(QStringLiteral("Site")));
    }
    CHECK(g_dialogs.isEmpty(), g_dialogs.join(QLatin1String(" | ")));
    DiscardUnsavedSettings();
    return 0;
}
