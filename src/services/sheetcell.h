#pragma once

#include <QString>
#include <QVariant>

// The number format of an exported column, chosen by the field's type.
enum class CellFormat { None, Date, Time, Decimal, Integer, Text };

// The format code a spreadsheet gets for the format; empty for None.
QString FormatCode(CellFormat format);

// The format a value's type calls for; None when its type has no format.
CellFormat FormatOfValue(const QVariant& value);

// One cell as it goes into a workbook: nothing, a number (dates as day
// numbers since 1899-12-30) or text.
struct SheetCell {
    enum class Kind { Blank, Number, Text };
    Kind kind = Kind::Blank;
    double number = 0;
    QString text;

    // The value written under the column's format: numbers and dates stay
    // numbers where they can, anything else becomes text.
    static SheetCell of(const QVariant& value, CellFormat format);
    static SheetCell ofText(const QString& text);

    // The width of the shown value in character cells: a Chinese character
    // takes two.
    int displayWidth(CellFormat format) const;
};

// The width of a text in character cells, East Asian wide characters counting two.
int DisplayWidth(const QString& text);
