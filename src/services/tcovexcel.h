#pragma once

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

#include <functional>

#include "services/sheetcell.h"

class QAbstractItemModel;

// Writes the rows of any model into a spreadsheet in the export layout: the
// title merged over the visible columns, captions in row 2, the data from row
// 3 with a number format per column type, borders around the table and
// fitted column widths. ".xlsx" files are Office Open XML, any other name an
// Excel 97-2003 file.
class TCovExcel {
public:
    // Called now and then while rows are written; total is the row count.
    using Progress = std::function<void(int done, int total)>;

    void setDataSet(QAbstractItemModel* model) { dataSet_ = model; }
    void setFileName(const QString& fileName) { fileName_ = fileName; }
    void setTitle(const QString& title) { title_ = title; }
    // Only the name and the size of the title font matter.
    void setTitleFont(const QString& name, int pointSize) {
        titleFontName_ = name;
        titleFontSize_ = pointSize;
    }
    // Columns of the model that the grid does not show: not exported.
    void setHiddenColumns(const QSet<int>& columns) { hidden_ = columns; }
    // The columns in the order the grid shows them; without it, model order.
    void setColumnOrder(const QList<int>& columns) { order_ = columns; }
    // Formats that the caller knows better than the values tell (a money
    // column whose values happen to be whole numbers).
    void setColumnFormats(const QHash<int, CellFormat>& formats) { formats_ = formats; }
    void setProgress(Progress progress) { progress_ = std::move(progress); }

    // Throws ServiceError; the target file is left as it was then. A .xls
    // file refuses more rows than it can hold.
    void WriteWorkbook();

private:
    QList<int> visibleColumns() const;
    CellFormat formatOf(int column, CellFormat previous) const;

    QAbstractItemModel* dataSet_ = nullptr;
    QString fileName_;
    QString title_;
    QString titleFontName_;
    int titleFontSize_ = 0;
    QSet<int> hidden_;
    QList<int> order_;
    QHash<int, CellFormat> formats_;
    Progress progress_;
};
