#pragma once

#include <QHash>
#include <QString>
#include <QTemporaryFile>

#include "services/sheetwriter.h"

struct lxw_workbook;
struct lxw_worksheet;
struct lxw_format;

// An Office Open XML workbook, written by libxlsxwriter into a temporary file
// beside the target and moved into place when complete.
class XlsxWorkbook : public SheetWriter {
public:
    explicit XlsxWorkbook(QString fileName);
    ~XlsxWorkbook() override;

    void writeTitle(const QString& title, int columns, const QString& fontName,
                    int fontSize) override;
    void writeCell(int row, int column, const SheetCell& cell, CellFormat format) override;
    void setColumnWidth(int column, int characters) override;
    void finish() override;

private:
    lxw_format* formatFor(CellFormat format);
    void check(int error, const char* what) const;

    QString fileName_;
    QString partName_;
    lxw_workbook* workbook_ = nullptr;
    lxw_worksheet* sheet_ = nullptr;
    QHash<int, lxw_format*> formats_;
};
