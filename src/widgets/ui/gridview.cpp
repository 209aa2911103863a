#include "widgets/ui/gridview.h"

#include <QHeaderView>
#include <QKeyEvent>

GridView::GridView(QWidget* parent) : QTableView(parent) {
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
}

void GridView::moveToNextCell() {
    if (!model() || model()->rowCount() == 0) {
        return;
    }
    QModelIndex current = currentIndex();
    int row = current.isValid() ? current.row() : 0;
    int visual = current.isValid() ? horizontalHeader()->visualIndex(current.column()) : -1;
    const int columns = model()->columnCount();
    for (int step = 0; step < columns * 2; ++step) {
        ++visual;
        if (visual >= columns) {
            if (row + 1 >= model()->rowCount()) {
                return;  // the last cell stays current
            }
            visual = 0;
            ++row;
        }
        const int logical = horizontalHeader()->logicalIndex(visual);
        if (!isColumnHidden(logical)) {
            setCurrentIndex(model()->index(row, logical));
            return;
        }
    }
}

void GridView::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        state() != QAbstractItemView::EditingState) {
        moveToNextCell();
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void GridView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    QTableView::closeEditor(editor, hint == QAbstractItemDelegate::SubmitModelCache
                                        ? QAbstractItemDelegate::NoHint
                                        : hint);
    if (hint == QAbstractItemDelegate::SubmitModelCache) {
        moveToNextCell();
    }
}
