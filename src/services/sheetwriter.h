#pragma once

#include <QString>

#include <memory>

#include "services/sheetcell.h"

// One worksheet file in the export layout, written row by row from the top.
// Rows and columns count from 0. Every failure throws ServiceError.
class SheetWriter {
public:
    virtual ~SheetWriter() = default;

    // Row 0: the title merged over the columns, centred, in the title font.
    virtual void writeTitle(const QString& title, int columns, const QString& fontName,
                            int fontSize) = 0;
    // A bordered cell of the table (captions and data).
    virtual void writeCell(int row, int column, const SheetCell& cell, CellFormat format) = 0;
    virtual void setColumnWidth(int column, int characters) = 0;
    // Writes the file; nothing is at the target name before this succeeds.
    virtual void finish() = 0;
};

// The largest row count a writer for the file type can hold, title and captions included.
enum class SheetFileType { Xls, Xlsx };
SheetFileType SheetFileTypeOf(const QString& fileName);
int MaxSheetRows(SheetFileType type);

std::unique_ptr<SheetWriter> MakeSheetWriter(SheetFileType type, const QString& fileName);
