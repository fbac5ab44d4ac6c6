#pragma once

#include <QLoggingCategory>
#include <QString>

#include <functional>

class clsResources;

// Tagged strings: a display text ending in a resource tag "<dddd>". GetLocalizedString returns
// the text of that id in the running language: from the loaded language library when there is
// one and it has a text, else from the program's own English table.
QString GetLocalizedString(const QString &TaggedText);
// The same for a tagged text the program holds as a literal and asks for again and again: each
// id's text is looked up once while the language library stays the same.
QString LocalizedText(const char *TaggedText);

// Diagnostics of the lookup. They go to the "calvextra.localization" debug category, which is
// off unless enabled (QT_LOGGING_RULES="calvextra.localization.debug=true").
void LogLocalization(const QString &Text);
void DebugLog(const QString &Text);
Q_DECLARE_LOGGING_CATEGORY(lcLocalization)

// The application's title, which message boxes carry: the product's name in the running language
// ("Calvextra", "Wertolino"), as the start-up sets it; the application's name until then. Kept
// apart from Qt's display name, which the platform would add to every window title.
QString ApplicationTitle();
void setApplicationTitle(const QString &title);

// The loaded language library's resources object, or none: the English table alone.
clsResources *LanguageResources();
void setLanguageResources(clsResources *resources);

// Where a failing library call is reported: by default a message box (OK only, titled with the
// application's name) when a widget application runs, a warning otherwise.
using LocalizationErrorHandler = std::function<void(const QString &description)>;
void setLocalizationErrorHandler(LocalizationErrorHandler handler);
