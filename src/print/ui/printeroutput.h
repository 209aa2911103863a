#pragma once

#include <QString>

#include "print/reportrenderer.h"

class QPrinter;

// Report pages on a printer.
namespace PrinterOutput {

// Every page on the given printer; throws PrintError when it cannot start.
void print(const Report::RenderedReport& report, QPrinter& printer);
// The default printer: all pages, one copy, collated, no dialog.
void printOnDefaultPrinter(const Report::RenderedReport& report);
// While set, what goes to the default printer is written to this PDF file
// instead (a machine without a printer, the tests); empty restores the printer.
void setDefaultPrinterFile(const QString& pdfPath);

}  // namespace PrinterOutput
