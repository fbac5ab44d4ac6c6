#pragma once

// The interface between the program and its printing plugin, which carries Qt PrintSupport. The
// plugin's instance implements PrinterServices; this header and PrintSurface.h are all the two
// share, so that no meta-object exists twice.

#include "PrintSurface.h"

#include <QString>
#include <QtPlugin>

#include <memory>

class PrinterServices
{
public:
    virtual ~PrinterServices() = default;
    // As OpenDefaultPrinter and OpenPdfPrinter of PrinterSurface.h, with the messages' words from
    // the program's lookup.
    virtual std::unique_ptr<PrintSurface> OpenDefaultPrinter(PrintTextLookup texts) = 0;
    virtual std::unique_ptr<PrintSurface> OpenPdfPrinter(const QString &path, PrintTextLookup texts) = 0;
};

#define CalvextraPrinterServices_iid "example.brontolux.Calvextra.PrinterServices/1.0"
Q_DECLARE_INTERFACE(PrinterServices, CalvextraPrinterServices_iid)
