#include "services/sheetwriter.h"

#include <QFileInfo>

#include "services/xlsworkbook.h"
#include "services/xlsxworkbook.h"

SheetFileType SheetFileTypeOf(const QString& fileName) {
    return QFileInfo(fileName).suffix().compare(QLatin1String("xlsx"), Qt::CaseInsensitive) == 0
               ? SheetFileType::Xlsx
               : SheetFileType::Xls;
}

int MaxSheetRows(SheetFileType type) {
    return type == SheetFileType::Xls ? 65536 : 1048576;
}

std::unique_ptr<SheetWriter> MakeSheetWriter(SheetFileType type, const QString& fileName) {
    if (type == SheetFileType::Xlsx) {
        return std::make_unique<XlsxWorkbook>(fileName);
    }
    return std::make_unique<XlsWorkbook>(fileName);
}
