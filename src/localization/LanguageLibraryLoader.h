#pragma once

#include <QString>

class clsResources;

// Loads a language library file and checks that it is one: the replacement of registering the
// library with the system. Returns false, with nothing kept, for a file that is not a loadable
// language library.
bool RegisterLanguageLibrary(const QString &path);

// The resources object of a registered library, found by its class name
// ("CalvextraLang407.clsResources"). Throws LanguageLibraryError when it cannot be made.
clsResources *CreateLanguageResources(const QString &className);

struct LanguageLibraryError
{
    QString Description;
};
