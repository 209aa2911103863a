#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

#include <QAbstractItemModel>

#include "widgets/gridcolumn.h"

class QStandardItemModel;
class QTableView;
class GridModel;
class GridView;

// The grid of every list and document window: the model's columns in the
// order, captions and edit rules of the window, and one footer row with texts,
// the row count and column sums that follow every change of the rows.
class DataGrid : public QWidget {
    Q_OBJECT

public:
    explicit DataGrid(QWidget* parent = nullptr);
    ~DataGrid() override;

    // The grid does not own the model.
    void setModel(QAbstractItemModel* model, const QList<GridColumn>& columns);
    QAbstractItemModel* model() const { return source_; }
    GridView* view() const { return view_; }

    struct ShownColumn {
        int sourceColumn = -1;
        QString caption;
        bool money = false;
    };
    // The columns a person sees, left to right: what export and printing take.
    QList<ShownColumn> shownColumns() const;

    // The footer text under a field ("" when it has none).
    QString footerText(const QString& field) const;
    void refreshFooter();

private:
    void syncFooterGeometry();

    QPointer<QAbstractItemModel> source_;  // may go before the grid does
    QList<GridColumn> columns_;
    QList<int> sourceColumns_;
    GridModel* gridModel_ = nullptr;
    GridView* view_ = nullptr;
    QTableView* footer_ = nullptr;
    QStandardItemModel* footerModel_ = nullptr;
};
