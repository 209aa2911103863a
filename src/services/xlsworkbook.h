#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

#include "services/sheetwriter.h"

// An Excel 97-2003 workbook (BIFF8) with one worksheet, built in memory and
// written when finished. Holds at most 65,536 rows.
class XlsWorkbook : public SheetWriter {
public:
    explicit XlsWorkbook(QString fileName);

    void writeTitle(const QString& title, int columns, const QString& fontName,
                    int fontSize) override;
    void writeCell(int row, int column, const SheetCell& cell, CellFormat format) override;
    void setColumnWidth(int column, int characters) override;
    void finish() override;

private:
    quint32 stringIndex(const QString& text);
    QByteArray globals(quint32 sheetOffset) const;
    QByteArray sheetStream() const;

    QString fileName_;
    QString titleFontName_;
    int titleFontSize_ = 0;
    int titleColumns_ = 0;
    int rows_ = 0;
    int columns_ = 0;
    QByteArray cells_;  // the cell records, in row order
    QList<QString> strings_;
    QHash<QString, quint32> stringIds_;
    quint32 stringUses_ = 0;
    QHash<int, int> widths_;
};
