// What the window remembers between runs: loading at start, saving from the menu, the defaults
// of a first run, and the site and exchange rate kept when the window closes.

#include "frmeBayFees.h"

#include "LanguageState.h"
#include "Languages.h"
#include "Localization.h"
#include "NumberText.h"
#include "Settings.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QRadioButton>
#include <QScopedValueRollback>

#include <array>
#include <optional>
#include <span>

namespace {

const QString On = QStringLiteral("1");
const QString Off = QStringLiteral("0");

QString flag(bool on)
{
    return on ? On : Off;
}

using CheckBoxMember = QCheckBox *frmeBayFees::*;

struct CheckSetting
{
    const char *name;
    CheckBoxMember box;
};

// The single-item tab's check boxes, in the order they are loaded and saved; the vehicle-type
// options are loaded between chkVehicle and chkExtraPhotos.
constexpr std::array<CheckSetting, 12> RegularChecksBeforeVehicleTypes{{
    {"RegularFeaturedCategory", &frmeBayFees::chkFeaturedCategory},
    {"RegularFeatured", &frmeBayFees::chkFeatured},
    {"RegularGallery", &frmeBayFees::chkGallery},
    {"RegularGalleryFeatured", &frmeBayFees::chkGalleryFeatured},
    {"RegularHighlighted", &frmeBayFees::chkHighlighted},
    {"RegularBold", &frmeBayFees::chkBold},
    {"RegularGift", &frmeBayFees::chkGiftIcon},
    {"RegularRealEstate", &frmeBayFees::chkRealEstate},
    {"RegularTwoCategories", &frmeBayFees::chkTwoCategories},
    {"RegularTenDayAuction", &frmeBayFees::chkTenDayAuction},
    {"RegularMotors", &frmeBayFees::chkMotors},
    {"RegularVehicle", &frmeBayFees::chkVehicle},
}};
constexpr std::array<CheckSetting, 3> RegularChecksAfterVehicleTypes{{
    {"RegularIsExtraPhotos", &frmeBayFees::chkExtraPhotos},
    {"RegularSupersize", &frmeBayFees::chkSupersizePhotos},
    {"RegularSlideshow", &frmeBayFees::chkSlideshow},
}};
constexpr std::array<CheckSetting, 11> DutchChecks{{
    {"DutchFeaturedPlus", &frmeBayFees::chkDutchFeaturedPlus},
    {"DutchFeatured", &frmeBayFees::chkDutchHomePageFeatured},
    {"DutchGallery", &frmeBayFees::chkDutchGallery},
    {"DutchGalleryFeatured", &frmeBayFees::chkDutchGalleryFeatured},
    {"DutchHighlighted", &frmeBayFees::chkDutchHighlight},
    {"DutchBold", &frmeBayFees::chkDutchBold},
    {"DutchGift", &frmeBayFees::chkDutchGreatGift},
    {"DutchTenDayAuction", &frmeBayFees::chkDutchTenDayAuction},
    {"DutchIsExtraPhotos", &frmeBayFees::chkExtraPicturesDutch},
    {"DutchSupersize", &frmeBayFees::chkSupersizeDutch},
    {"DutchSlideshow", &frmeBayFees::chkSlideshowDutch},
}};

qint32 defaultSite()
{
    return CurrentLanguage().Code == QLatin1String("407") ? CAuctionSite::Germany : CAuctionSite::UnitedStates;
}

// A stored whole number within [lowest, highest], or nothing for text that is not one.
std::optional<int> storedWholeNumber(const QString &value, int lowest, int highest)
{
    bool ok = false;
    const int number = value.trimmed().toInt(&ok);
    if (!ok || number < lowest || number > highest)
        return std::nullopt;
    return number;
}

QString problemText(SettingsProblem problem)
{
    switch (problem) {
    case SettingsProblem::ReadOnly:
        return GetLocalizedString(QStringLiteral("The file is read-only.<0781>"));
    case SettingsProblem::IsFolder:
        return GetLocalizedString(QStringLiteral("There is a folder in place of the file.<0782>"));
    case SettingsProblem::NotRegularFile:
        return GetLocalizedString(QStringLiteral("It is not a regular file.<0783>"));
    case SettingsProblem::FolderNotWritable:
        return GetLocalizedString(QStringLiteral("The folder of the file cannot be written to.<0784>"));
    case SettingsProblem::DiskFull:
        return GetLocalizedString(QStringLiteral("The disk is full.<0785>"));
    case SettingsProblem::WriteFailed:
    case SettingsProblem::None:
        break;
    }
    return GetLocalizedString(QStringLiteral("The file could not be written.<0786>"));
}

// One message for one save the store did not take: which file, and why. The values stay in effect
// and the program goes on.
QString unsavedSettingsText(const SettingsStatus &result)
{
    return
        GetLocalizedString(QStringLiteral("The settings could not be saved in the file %1.<0780>"))
            .arg(QDir::toNativeSeparators(result.FilePath))
        + QLatin1Char('\n') + problemText(result.Problem) + QStringLiteral("\n\n")
        + GetLocalizedString(QStringLiteral("Your choices stay in effect until the program is closed.<0787>"));
}

} // namespace

frmeBayFees::frmeBayFees(QWidget *parent) : frmeBayFees(SettingsStoreIsEmpty(), parent)
{
}

void frmeBayFees::Form_Load(bool isFirstTime)
{
    const SettingsReading reading;
    {
        const QScopedValueRollback hold(m_calculationsHeld, true);
        SSTab1->setCurrentIndex(0);
        cboRealEstateType->setCurrentIndex(0);
        if (isFirstTime)
            SaveDefaultSettings();
        BuildLanguageMenu(mnuLang);
        // The design-time texts were kept in the caption table as the controls were made.
        ApplyLocalizedCaptions();
        LoadSettings();
    }
    // Each tab shows what its Calculate button would give for what was restored.
    CalculateRegularFees();
    DutchCalculate();
    CalculatePaymentFees();
}

void frmeBayFees::closeEvent(QCloseEvent *event)
{
    // Closing is never refused; only the site and its exchange rate are kept without saving.
    if (!m_unloaded) {
        m_unloaded = true;
        SettingValues values{{QStringLiteral("Site"), QString::number(m_oSite.Site())}};
        appendConversionRate(values);
        AppendToolPanelSettings(values);
        ReportUnsavedSettings(WriteSettings(values));
        SaveNotepadAtUnload();
    }
    QMainWindow::closeEvent(event);
}

void frmeBayFees::appendConversionRate(SettingValues &values) const
{
    const QString name = rateSettingName(m_oSite.Site());
    if (!name.isEmpty() && !txtConversion->text().isEmpty())
        values.append({name, txtConversion->text()});
}

void frmeBayFees::ReportUnsavedSettings(const SettingsStatus &result)
{
    if (!result.Ok())
        ShowWarning("msgSettingsNotSaved", unsavedSettingsText(result));
}

void frmeBayFees::SaveConversionRate()
{
    SettingValues values;
    appendConversionRate(values);
    // Every change of site passes here: the store is only written when the rate is new.
    if (!values.isEmpty() && ReadSetting(values.front().first) != values.front().second)
        ReportUnsavedSettings(WriteSettings(values));
}

void frmeBayFees::LoadCheckSetting(const QString &name, QCheckBox *box)
{
    if (ReadSetting(name) == On)
        box->setChecked(true);
}

void frmeBayFees::LoadOptionSetting(const QString &name, QRadioButton *option)
{
    if (ReadSetting(name) == On)
        option->setChecked(true);
}

void frmeBayFees::SaveCheckSetting(SettingValues &values, const QString &name, const QCheckBox *box) const
{
    values.append({name, flag(box->isChecked())});
}

void frmeBayFees::SaveOptionSetting(SettingValues &values, const QString &name, const QRadioButton *option) const
{
    values.append({name, flag(option->isChecked())});
}

void frmeBayFees::LoadSettings()
{
    const SettingsReading reading;
    // Each setting raises the control's own handlers, so fees and enabled options follow.
    // A value the program would never have written falls back to the default.
    if (ReadSetting(QStringLiteral("StayOnTop")) == On)
        SetStayOnTop(true);
    if (ReadSetting(QStringLiteral("Notepad")) == On)
        m_notepadVisible = true;

    const QString storedSite = ReadSetting(QStringLiteral("Site"));
    const qint32 site = storedSite.isEmpty()
                            ? qint32(CAuctionSite::UnitedStates)
                            : storedWholeNumber(storedSite, CAuctionSite::UnitedStates, CAuctionSite::Germany)
                                  .value_or(defaultSite());
    SelectSite(site);

    cboIsReserve->setCurrentIndex(ReadSetting(QStringLiteral("RegularReserve")) == On ? 1 : 0);
    cboSingleItemType->setCurrentIndex(ReadSetting(QStringLiteral("RegularType")) == On ? 1 : 0);
    txtStartingPrice->setText(ReadSetting(QStringLiteral("RegularNumeric")));
    for (const CheckSetting &setting : RegularChecksBeforeVehicleTypes)
        LoadCheckSetting(QString::fromLatin1(setting.name), this->*setting.box);
    LoadOptionSetting(QStringLiteral("RegularMotorcycle"), optMotorcycle);
    LoadOptionSetting(QStringLiteral("RegularOtherVehicle"), optOtherVehicle);
    for (const CheckSetting &setting : RegularChecksAfterVehicleTypes)
        LoadCheckSetting(QString::fromLatin1(setting.name), this->*setting.box);
    loadListIndex(QStringLiteral("RegularNumExtraPhotos"), cboExtraPhotos);

    txtDutchItemsOffered->setText(ReadSetting(QStringLiteral("DutchItemsOffered")));
    txtDutchOpeningPrice->setText(ReadSetting(QStringLiteral("DutchOpeningPrice")));
    LoadCheckSetting(QStringLiteral("DutchMotors"), chkEBayMotorsDutch);
    for (const CheckSetting &setting : DutchChecks)
        LoadCheckSetting(QString::fromLatin1(setting.name), this->*setting.box);
    loadListIndex(QStringLiteral("DutchNumExtraPhotos"), cboExtraPicturesDutch);

    if (ReadSetting(QStringLiteral("PayPalCreditCard")) == On)
        optPayPalCreditCard->setChecked(true);
    else
        optPayPalNonCreditCard->setChecked(true);

    if (!rateSettingName(m_oSite.Site()).isEmpty())
        txtConversion->setText(storedConversionRate(m_oSite.Site()));
}

void frmeBayFees::loadListIndex(const QString &name, QComboBox *list)
{
    const QString stored = ReadSetting(name);
    list->setCurrentIndex(stored.isEmpty() ? 0 : storedWholeNumber(stored, 0, list->count() - 1).value_or(0));
}

void frmeBayFees::SaveSettings()
{
    SettingValues values{
        {QStringLiteral("Site"), QString::number(m_oSite.Site())},
        {QStringLiteral("StayOnTop"), flag(mnuOptionsOnTop->isChecked())},
        {QStringLiteral("Notepad"), flag(m_notepadVisible)},
        {QStringLiteral("RegularType"), QString::number(cboSingleItemType->currentIndex())},
        {QStringLiteral("RegularNumeric"), txtStartingPrice->text()},
        {QStringLiteral("RegularReserve"), QString::number(cboIsReserve->currentIndex())},
    };
    for (const auto &checks : {std::span<const CheckSetting>(RegularChecksBeforeVehicleTypes),
                               std::span<const CheckSetting>(RegularChecksAfterVehicleTypes)}) {
        for (const CheckSetting &setting : checks)
            SaveCheckSetting(values, QString::fromLatin1(setting.name), this->*setting.box);
    }
    values.append({QStringLiteral("RegularNumExtraPhotos"), QString::number(cboExtraPhotos->currentIndex())});
    SaveOptionSetting(values, QStringLiteral("RegularMotorcycle"), optMotorcycle);
    SaveOptionSetting(values, QStringLiteral("RegularOtherVehicle"), optOtherVehicle);
    SaveCheckSetting(values, QStringLiteral("DutchMotors"), chkEBayMotorsDutch);
    values.append({QStringLiteral("DutchItemsOffered"), txtDutchItemsOffered->text()});
    values.append({QStringLiteral("DutchOpeningPrice"), txtDutchOpeningPrice->text()});
    for (const CheckSetting &setting : DutchChecks)
        SaveCheckSetting(values, QString::fromLatin1(setting.name), this->*setting.box);
    values.append({QStringLiteral("DutchNumExtraPhotos"), QString::number(cboExtraPicturesDutch->currentIndex())});
    SaveOptionSetting(values, QStringLiteral("PayPalCreditCard"), optPayPalCreditCard);
    SaveOptionSetting(values, QStringLiteral("PayPalNonCreditCard"), optPayPalNonCreditCard);
    appendConversionRate(values);
    ReportUnsavedSettings(WriteSettings(values));
}

void frmeBayFees::SaveDefaultSettings()
{
    SettingValues values{
        {QStringLiteral("Site"), QString::number(defaultSite())},
        {QStringLiteral("StayOnTop"), Off},
        {QStringLiteral("Notepad"), Off},
        {QStringLiteral("RegularReserve"), Off},
        {QStringLiteral("RegularType"), Off},
        {QStringLiteral("RegularNumeric"), QString()},
    };
    for (const auto &checks : {std::span<const CheckSetting>(RegularChecksBeforeVehicleTypes),
                               std::span<const CheckSetting>(RegularChecksAfterVehicleTypes)}) {
        for (const CheckSetting &setting : checks)
            values.append({QString::fromLatin1(setting.name), Off});
    }
    values.append({QStringLiteral("RegularNumExtraPhotos"), Off});
    values.append({QStringLiteral("DutchItemsOffered"), QString()});
    values.append({QStringLiteral("DutchOpeningPrice"), QString()});
    values.append({QStringLiteral("DutchMotors"), QString()});
    for (const CheckSetting &setting : DutchChecks)
        values.append({QString::fromLatin1(setting.name), Off});
    values.append({QStringLiteral("DutchNumExtraPhotos"), Off});
    values.append({QStringLiteral("PayPalCreditCard"), On});
    values.append({QStringLiteral("PayPalNonCreditCard"), Off});
    values.append({QStringLiteral("PayPalUKRate"), PlainText(0.5305f)});
    values.append({QStringLiteral("PayPalCanadaRate"), PlainText(1.317f)});
    values.append({QStringLiteral("PayPalGermanyRate"), PlainText(0.7854f)});
    // Not reported at start: defaults the store cannot take still hold for the run, and the
    // user's own saves say what went wrong.
    (void)WriteSettings(values);
}

void frmeBayFees::SetStayOnTop(bool onTop)
{
    mnuOptionsOnTop->setChecked(onTop);
    if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) == onTop)
        return;
    // Changing the flag hides a shown window; it comes back where it was, at its size.
    const bool shown = isVisible();
    const QRect placed = geometry();
    setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    if (shown) {
        setGeometry(placed);
        show();
    }
}
