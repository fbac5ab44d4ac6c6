#pragma once

#include <QList>
#include <QString>

// A language the program can run in: its name ("English", "French", "German"), the region with
// its leading blank (" (Austria)"), the hexadecimal locale code ("C07") and, for a language
// served by a library, the library file's full path.
struct LanguageInfo
{
    QString LanguageName;
    QString Region;
    QString Code;
    QString LibraryPath;

    static LanguageInfo EnglishUnitedStates()
    {
        return {QStringLiteral("English"), QStringLiteral(" (United States)"), QStringLiteral("409"), QString()};
    }
};

// The language the program runs in: English (United States) until a language is chosen.
LanguageInfo &CurrentLanguage();

// The stored choice of language: "Default" or "" (follow the user's locale), "English", or a
// language name such as "German".
QString &LanguageSetting();

// The language libraries found in the program's folder, in listing order; an entry whose file
// could not be identified stays empty.
QList<LanguageInfo> &LanguageLibraries();
