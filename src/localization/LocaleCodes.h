#pragma once

#include <QLocale>
#include <QString>

// The hexadecimal locale code of a locale as the language table knows them ("409" for en_US,
// "C07" for de_AT), upper case without leading zeros. Locales the program has no code for give
// "7F", the code of the invariant locale, which no language claims.
QString LocaleCode(const QLocale &locale);

// The user's locale: the system's, unless a test has put another in its place.
QLocale UserLocale();
void setUserLocaleOverride(const QLocale *locale);
