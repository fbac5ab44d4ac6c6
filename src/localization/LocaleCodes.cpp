#include "LocaleCodes.h"

#include <array>
#include <optional>

namespace {

struct LocaleCodeRow
{
    QLocale::Language language;
    QLocale::Territory territory;
    const char *code;
};

// The English, French and German locales the language table names, and a few others so that
// users of other languages get their real code (which then falls back to English).
constexpr std::array<LocaleCodeRow, 36> Rows{{
    {QLocale::English, QLocale::Australia, "C09"},
    {QLocale::English, QLocale::Belize, "2809"},
    {QLocale::English, QLocale::Canada, "1009"},
    {QLocale::English, QLocale::Jamaica, "2009"},
    {QLocale::English, QLocale::Ireland, "1809"},
    {QLocale::English, QLocale::NewZealand, "1409"},
    {QLocale::English, QLocale::Philippines, "3409"},
    {QLocale::English, QLocale::SouthAfrica, "1C09"},
    {QLocale::English, QLocale::TrinidadAndTobago, "2C09"},
    {QLocale::English, QLocale::UnitedKingdom, "809"},
    {QLocale::English, QLocale::UnitedStates, "409"},
    {QLocale::English, QLocale::Zimbabwe, "3009"},
    {QLocale::English, QLocale::Barbados, "2409"},
    {QLocale::English, QLocale::Bahamas, "2409"},
    {QLocale::French, QLocale::Belgium, "80C"},
    {QLocale::French, QLocale::Canada, "C0C"},
    {QLocale::French, QLocale::France, "40C"},
    {QLocale::French, QLocale::Luxembourg, "140C"},
    {QLocale::French, QLocale::Monaco, "180C"},
    {QLocale::French, QLocale::Switzerland, "100C"},
    {QLocale::German, QLocale::Austria, "C07"},
    {QLocale::German, QLocale::Liechtenstein, "1407"},
    {QLocale::German, QLocale::Luxembourg, "1007"},
    {QLocale::German, QLocale::Germany, "407"},
    {QLocale::German, QLocale::Switzerland, "807"},
    {QLocale::Portuguese, QLocale::Portugal, "816"},
    {QLocale::Portuguese, QLocale::Brazil, "416"},
    {QLocale::Spanish, QLocale::Spain, "C0A"},
    {QLocale::Spanish, QLocale::Mexico, "80A"},
    {QLocale::Italian, QLocale::Italy, "410"},
    {QLocale::Dutch, QLocale::Netherlands, "413"},
    {QLocale::Dutch, QLocale::Belgium, "813"},
    {QLocale::Polish, QLocale::Poland, "415"},
    {QLocale::Swedish, QLocale::Sweden, "41D"},
    {QLocale::Danish, QLocale::Denmark, "406"},
    {QLocale::Japanese, QLocale::Japan, "411"},
}};

std::optional<QLocale> &userLocaleOverride()
{
    static std::optional<QLocale> locale;
    return locale;
}

} // namespace

QString LocaleCode(const QLocale &locale)
{
    for (const LocaleCodeRow &row : Rows) {
        if (row.language == locale.language() && row.territory == locale.territory())
            return QString::fromLatin1(row.code);
    }
    return QStringLiteral("7F");
}

QLocale UserLocale()
{
    return userLocaleOverride().value_or(QLocale::system());
}

void setUserLocaleOverride(const QLocale *locale)
{
    userLocaleOverride() = locale ? std::optional<QLocale>(*locale) : std::nullopt;
}
