#pragma once

#include <QString>
#include <QStringList>

// A PDF read back by poppler's pdftotext: one text per page.
namespace PdfText {

QStringList pages(const QString& pdfPath);

}  // namespace PdfText
