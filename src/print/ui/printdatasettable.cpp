#include "print/ui/printdatasettable.h"

#include <QHeaderView>
#include <QTableView>

#include "print/tablereport.h"
#include "print/ui/previewwindow.h"

void PrintDataSetTable(const QString& title, const QString& pageHeader, const QString& pageFooter,
                       int pageHeaderAlignment, int titleAlignment, int landscape, int paperSize,
                       const QAbstractItemModel& model, const QList<int>& visibleColumns,
                       QWidget* parent) {
    TableReport::Options options;
    options.title = title;
    options.pageHeader = pageHeader;
    options.pageFooter = pageFooter;
    options.pageHeaderAlignment = pageHeaderAlignment;
    options.titleAlignment = titleAlignment;
    options.landscape = landscape;
    options.paperSize = paperSize;
    TableReport::BoundTable bound =
        TableReport::build(options, Report::ReportTable::fromModel(model, visibleColumns));
    PreviewWindow preview(std::move(bound.report), std::move(bound.data), {}, parent);
    preview.exec();
}

QList<int> visibleColumns(const QTableView& view) {
    QList<int> columns;
    const QHeaderView* header = view.horizontalHeader();
    for (int visual = 0; visual < header->count(); ++visual) {
        const int logical = header->logicalIndex(visual);
        if (!view.isColumnHidden(logical)) {
            columns.append(logical);
        }
    }
    return columns;
}
