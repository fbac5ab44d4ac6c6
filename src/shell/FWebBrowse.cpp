#include "FWebBrowse.h"

#include <QDesktopServices>
#include <QUrl>

bool FWebBrowse::OpenBrower(const QString &Address)
{
    return QDesktopServices::openUrl(QUrl(Address));
}
