#pragma once

#include <QString>

// The language the program runs in. English (code "409") until a language is chosen.
struct LanguageInfo
{
    QString LanguageName = QStringLiteral("English");
    QString Region = QStringLiteral("United States");
    QString Code = QStringLiteral("409");
    QString LibraryPath;
};

LanguageInfo &CurrentLanguage();
