#include "services/tcovexcel.h"

#include <QAbstractItemModel>
#include <QSqlField>
#include <QSqlQueryModel>
#include <QSqlRecord>

#include <algorithm>

#include "services/serviceerror.h"
#include "services/sheetwriter.h"

namespace {

constexpr int kCaptionRow = 1;
constexpr int kFirstDataRow = 2;
constexpr int kProgressStep = 1000;
constexpr int kMaxWidth = 80;

}  // namespace

QList<int> TCovExcel::visibleColumns() const {
    QList<int> all = order_;
    if (all.isEmpty()) {
        for (int c = 0; c < dataSet_->columnCount(); ++c) {
            all.append(c);
        }
    }
    QList<int> columns;
    for (const int c : all) {
        if (!hidden_.contains(c) && c >= 0 && c < dataSet_->columnCount()) {
            columns.append(c);
        }
    }
    return columns;
}

// Declared type first, else the first value that tells; a column of another
// type repeats the format of the column before it.
CellFormat TCovExcel::formatOf(int column, CellFormat previous) const {
    if (formats_.contains(column)) {
        return formats_.value(column);
    }
    CellFormat format = CellFormat::None;
    if (const auto* query = qobject_cast<const QSqlQueryModel*>(dataSet_)) {
        const QMetaType declared = query->record().field(column).metaType();
        if (declared.id() != QMetaType::QString && declared.isValid()) {
            format = FormatOfValue(QVariant(declared));
        }
    }
    for (int row = 0; format == CellFormat::None && row < dataSet_->rowCount(); ++row) {
        const QVariant value = dataSet_->index(row, column).data(Qt::EditRole);
        if (!value.isNull()) {
            format = FormatOfValue(value);
            break;
        }
    }
    return format == CellFormat::None ? previous : format;
}

void TCovExcel::WriteWorkbook() {
    if (dataSet_ == nullptr) {
        throw ServiceError(QStringLiteral("没有可导出的数据。"));
    }
    while (dataSet_->canFetchMore({})) {
        dataSet_->fetchMore({});
    }
    const SheetFileType type = SheetFileTypeOf(fileName_);
    const int rows = dataSet_->rowCount();
    if (rows > MaxSheetRows(type) - kFirstDataRow) {
        throw ServiceError(
            QStringLiteral("Excel 97-2003 文件（*.xls）最多只能保存 %1 行数据，当前有 %2 行。"
                           "请另存为 Excel 工作簿（*.xlsx）。")
                .arg(MaxSheetRows(type) - kFirstDataRow)
                .arg(rows));
    }
    const QList<int> columns = visibleColumns();
    if (columns.isEmpty()) {
        throw ServiceError(QStringLiteral("没有可导出的列。"));
    }

    QList<CellFormat> formats;
    CellFormat previous = CellFormat::None;
    for (const int column : columns) {
        previous = formatOf(column, previous);
        formats.append(previous);
    }

    std::unique_ptr<SheetWriter> writer = MakeSheetWriter(type, fileName_);
    const auto n = static_cast<int>(columns.size());
    writer->writeTitle(title_, n, titleFontName_, titleFontSize_);
    QList<int> widths(n, 0);
    for (int i = 0; i < n; ++i) {
        const SheetCell caption = SheetCell::ofText(
            dataSet_->headerData(columns[i], Qt::Horizontal, Qt::DisplayRole).toString());
        writer->writeCell(kCaptionRow, i, caption, CellFormat::None);
        widths[i] = caption.displayWidth(CellFormat::None);
    }
    for (int row = 0; row < rows; ++row) {
        for (int i = 0; i < n; ++i) {
            const SheetCell cell =
                SheetCell::of(dataSet_->index(row, columns[i]).data(Qt::EditRole), formats[i]);
            writer->writeCell(kFirstDataRow + row, i, cell, formats[i]);
            widths[i] = std::max(widths[i], cell.displayWidth(formats[i]));
        }
        if (progress_ && row % kProgressStep == 0) {
            progress_(row, rows);
        }
    }
    for (int i = 0; i < n; ++i) {
        writer->setColumnWidth(i, std::min(widths[i] + 2, kMaxWidth));
    }
    writer->finish();
    if (progress_) {
        progress_(rows, rows);
    }
}
