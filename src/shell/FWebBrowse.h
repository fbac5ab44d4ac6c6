#pragma once

#include <QString>

// Hands an address to the desktop's "open" action (the browser for a web address), which shows
// or downloads it. True when the desktop accepted it.
class FWebBrowse
{
public:
    static bool OpenBrower(const QString &Address);
};
