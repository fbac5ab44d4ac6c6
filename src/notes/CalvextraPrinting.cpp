#include "CalvextraPrinting.h"

#include "PrinterSurface.h"

std::unique_ptr<PrintSurface> CalvextraPrinting::OpenDefaultPrinter(PrintTextLookup texts)
{
    return ::OpenDefaultPrinter(texts);
}

std::unique_ptr<PrintSurface> CalvextraPrinting::OpenPdfPrinter(const QString &path, PrintTextLookup texts)
{
    return ::OpenPdfPrinter(path, texts);
}
