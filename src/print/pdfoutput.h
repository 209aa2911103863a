#pragma once

#include <QString>

#include "print/reportrenderer.h"

// Writes every page of a laid-out report to a PDF file; the file appears
// whole or not at all. Throws PrintError when it cannot be written.
namespace PdfOutput {

void write(const Report::RenderedReport& report, const QString& path);

}  // namespace PdfOutput
