#pragma once

#include <QString>

class Database;
class EditableTable;

// "整行粘贴": every field of the product with the source code except the code
// itself goes into the row of the list, as a pending change. False when the
// source product is gone. A value the column cannot take is skipped.
// Throws StoreError.
bool PasteProductRow(const Database& db, const QString& sourceCode, EditableTable& rows, int row);
