#include "PrintingPlugin.h"

#include "Localization.h"
#include "PrinterServices.h"
#include "ServicePlugins.h"

namespace {

PrinterServices &printerServices()
{
    QString error;
    PrinterServices *services = LoadServices<PrinterServices>(PrintingPlugin::FileName, error);
    if (!services)
        throw PrintError{error};
    return *services;
}

} // namespace

std::unique_ptr<PrintSurface> PrintingPlugin::OpenDefaultPrinter()
{
    return printerServices().OpenDefaultPrinter(GetLocalizedString);
}

std::unique_ptr<PrintSurface> PrintingPlugin::OpenPdfPrinter(const QString &path)
{
    return printerServices().OpenPdfPrinter(path, GetLocalizedString);
}
