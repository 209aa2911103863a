#pragma once

#include <QList>
#include <QString>

class QAbstractItemModel;
class QTableView;
class QWidget;

// The table report over a grid, shown in the preview (printing is done from
// there). Alignment codes: 0 left, 1 centre, any other right; landscape
// non-zero; paper size 9 is A4.
void PrintDataSetTable(const QString& title, const QString& pageHeader, const QString& pageFooter,
                       int pageHeaderAlignment, int titleAlignment, int landscape, int paperSize,
                       const QAbstractItemModel& model, const QList<int>& visibleColumns,
                       QWidget* parent);

// The view's columns that are not hidden, in the order they are shown.
QList<int> visibleColumns(const QTableView& view);
