#pragma once

#include <QList>
#include <QString>

class QAbstractItemModel;
class QWidget;

// The 导出 button of every list: checks the operator's export right, asks for
// the file ("另存为", .xls or .xlsx), writes the columns in the order given
// (model columns; empty means all) with a progress bar, and reports a failure.
// The model's header texts are the captions.
void ExportToSpreadsheet(QWidget* parent, QAbstractItemModel* dataSet, const QList<int>& columns,
                         const QString& title, const QString& fontName, int fontSize);
