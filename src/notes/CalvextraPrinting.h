#pragma once

#include "PrinterServices.h"

#include <QObject>

// The printing plugin's instance: the printer surfaces of PrinterSurface.h.
class CalvextraPrinting : public QObject, public PrinterServices
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID CalvextraPrinterServices_iid)
    Q_INTERFACES(PrinterServices)

public:
    std::unique_ptr<PrintSurface> OpenDefaultPrinter(PrintTextLookup texts) override;
    std::unique_ptr<PrintSurface> OpenPdfPrinter(const QString &path, PrintTextLookup texts) override;
};
