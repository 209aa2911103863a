#pragma once

#include <QString>
#include <QVariant>

#include "print/reportdata.h"

// Expands the bracketed expressions of a text object:
//   [header.KHMC] [lines.JE] [company.GSMC]   a field of a dataset
//   [SUM(lines.JE)]                           the sum of a lines column
//   [kdrq1]                                   a report variable
//   [PAGE#] [TOTALPAGES#] [LINE#] [DATE]      page, page count, line number, today
// What cannot be resolved shows as [?expression] so a wrong template is seen.
namespace Report {

struct ExpressionContext {
    const ReportData* data = nullptr;
    int row = -1;  // the current line; -1 reads the first line
    int page = 1;
};

// Stands for the page count until every page is laid out.
inline constexpr QChar kTotalPagesMark{0xE000};

QString expandText(const QString& text, const QString& format, const ExpressionContext& context);
// One value in a format: "0.00", "0", "#,##0.00" for numbers, Qt date patterns for dates.
QString formatValue(const QVariant& value, const QString& format);

}  // namespace Report
