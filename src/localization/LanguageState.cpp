#include "LanguageState.h"

LanguageInfo &CurrentLanguage()
{
    static LanguageInfo current;
    return current;
}
