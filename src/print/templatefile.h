#pragma once

#include <QByteArray>
#include <QString>

#include "print/reporttemplate.h"

// The layout file (JSON, ".zrt"). Every file carries its version; older
// versions are read and upgraded, newer ones are refused with a message.
namespace TemplateFile {

inline constexpr const char* kExtension = ".zrt";

// Throw PrintError with the file name when the file is missing or unreadable.
Report::ReportTemplate load(const QString& path);
void save(const Report::ReportTemplate& report, const QString& path);

Report::ReportTemplate fromJson(const QByteArray& json);
QByteArray toJson(const Report::ReportTemplate& report);

}  // namespace TemplateFile
