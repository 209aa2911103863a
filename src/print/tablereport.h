#pragma once

#include <QString>

#include "print/reportdata.h"
#include "print/reporttemplate.h"

// The table report over a grid's visible columns: title, optional page
// header, column headers on every page, framed body rows and "第[PAGE#]页".
namespace TableReport {

struct Options {
    QString title;
    QString pageHeader;
    QString pageFooter;
    int pageHeaderAlignment = 0;  // 0 left, 1 centre, anything else right
    int titleAlignment = 0;
    int landscape = 0;  // non-zero: landscape
    int paperSize = 9;  // the system's paper numbering: 9 is A4
};

// "第[PAGE#]页", or the footer text followed by "    第[PAGE#]页".
QString footerText(const QString& pageFooter);
Report::HAlign alignment(int code);
QPageSize::PageSizeId paper(int code);

struct BoundTable {
    Report::ReportTemplate report;
    Report::ReportData data;
};

// A portrait table more than a fifth wider than the page turns to landscape;
// columns that still do not fit are narrowed in proportion.
BoundTable build(const Options& options, const Report::ReportTable& table);

}  // namespace TableReport
