#pragma once

#include "LanguageState.h"

#include <QString>

#include <functional>
#include <span>

class QAction;

// Which language the program runs in, and the library that serves it. The choice comes from the
// stored "Language" setting or, by default, from the user's locale; English is built in, French
// and German are served by a library file in the program's folder named after the executable,
// "Lang", the locale code and ".dll" (CalvextraLang407.dll).

// Decides the running language and loads its library. False only when not even English (United
// States) can be found, or an unexpected error comes first.
bool InitLanguage();
void FindLanguageLibraries();
// Fills LanguageName, Region and Code of the locale code; false (with name "German" and no
// region) for a code the table lacks.
bool GetLanguageInfo(const QString &code, LanguageInfo &info);
QString LanguageCodeFromName(const QString &name);
bool SelectLanguageLibrary();
// The user chose a language item: stores the choice and starts the language again.
void ChangeLanguage(const QAction *menuItem);
// The "Languages" menu: item 0 "Default", item 1 "English", items 3.. the libraries found.
void BuildLanguageMenu(std::span<QAction *const> items);

class CLanguageName
{
public:
    QString GetMenuCaption(const QString &languageName, const QString &currentCode) const;
    QString GermanMenuCaption(const QString &currentCode) const;
};

// Where the library files are looked for: the program's folder unless a test says otherwise.
QString LanguageLibraryFolder();
void setLanguageLibraryFolder(const QString &folder);

// How this module's plain-text messages reach the user: a message box by default.
enum class LanguageMessageKind { Information, Critical };
using LanguageMessageHandler =
    std::function<void(const QString &text, const QString &title, LanguageMessageKind kind)>;
void setLanguageMessageHandler(LanguageMessageHandler handler);
