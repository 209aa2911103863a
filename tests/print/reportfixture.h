#pragma once

#include "print/reportdata.h"
#include "print/reporttemplate.h"

// A small order list: a page header with the company, column headers, one
// row per line, the page number in the footer and the sum in the summary.
namespace ReportFixture {

Report::ReportObject text(const QRectF& rect, const QString& text, const QString& format = {});
Report::ReportTemplate orderList();
// Lines SP001... with amounts 1.10, 2.20, ...
Report::ReportData orderData(int lineCount);

}  // namespace ReportFixture
