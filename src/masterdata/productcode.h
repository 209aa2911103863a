#pragma once

#include <QString>

// The code proposed for a new product of a category, from the code of the
// list's last row: the number after the category code counted on with its
// width ("01", "01009" give "01010"), a code of another shape counted on as a
// whole, the first code c + "0001" in an empty category. Empty when the last
// code is no number: the operator types one.
QString ProposeProductCode(const QString& category, const QString& lastCode);

class EditableTable;

// A new row of the product list in the category: the proposed code when the
// row has none, the category, the flags and zero figures, the category's
// points rule. False at the tree's root, where the row gets nothing.
bool FillNewProduct(EditableTable& rows, int row, const QString& category, const QString& lastCode,
                    const QString& pointsRule);
