#include "LanguageState.h"

LanguageInfo &CurrentLanguage()
{
    static LanguageInfo current = LanguageInfo::EnglishUnitedStates();
    return current;
}

QString &LanguageSetting()
{
    static QString setting;
    return setting;
}

QList<LanguageInfo> &LanguageLibraries()
{
    static QList<LanguageInfo> libraries;
    return libraries;
}
