#pragma once

#include <QString>

#include "print/reportdata.h"
#include "print/reporttemplate.h"

// Data like a fresh demo database's for any print kind: the header and three
// lines of a document kind from its tables, or three rows of the fields a
// list template reads; money as Decimal2, dates as QDate.
namespace DemoData {

inline constexpr const char* kCompanyName = "幸福婚纱摄影";
inline constexpr const char* kDocumentId = "2026121100100001";

Report::ReportData forKind(const QString& kind, const Report::ReportTemplate& report);
// The fields "[lines.X]" of the template's master data band, in order.
QStringList lineFields(const Report::ReportTemplate& report);

}  // namespace DemoData
