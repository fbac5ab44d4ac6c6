#pragma once

#include "PrintSurface.h"

#include <QString>

#include <memory>

// The printers the program prints on, made by the printing plugin, which brings Qt PrintSupport
// and what it needs only when the first job starts. A plugin that cannot be loaded fails the job
// as a failing printer does: PrintError with the loader's reason.
namespace PrintingPlugin {

// The plugin's file in the program's folder, without the platform's suffix.
inline const QString FileName = QStringLiteral("CalvextraPrinting");

std::unique_ptr<PrintSurface> OpenDefaultPrinter();
std::unique_ptr<PrintSurface> OpenPdfPrinter(const QString &path);

} // namespace PrintingPlugin
