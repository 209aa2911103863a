#include "widgets/ui/datagrid.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QVBoxLayout>

#include "store/decimal2.h"
#include "widgets/ui/gridmodel.h"
#include "widgets/ui/gridview.h"
#include "widgets/ui/pickdelegate.h"

DataGrid::DataGrid(QWidget* parent) : QWidget(parent) {
    gridModel_ = new GridModel(this);
    view_ = new GridView(this);
    view_->setItemDelegate(new PickDelegate(view_));
    view_->verticalHeader()->hide();
    footerModel_ = new QStandardItemModel(1, 0, this);
    footer_ = new QTableView(this);
    footer_->setModel(footerModel_);
    footer_->horizontalHeader()->hide();
    footer_->verticalHeader()->hide();
    footer_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    footer_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    footer_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    footer_->setFocusPolicy(Qt::NoFocus);
    footer_->setSelectionMode(QAbstractItemView::NoSelection);
    footer_->setFixedHeight(view_->verticalHeader()->defaultSectionSize() + 2);
    footer_->verticalHeader()->setDefaultSectionSize(view_->verticalHeader()->defaultSectionSize());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(view_);
    layout->addWidget(footer_);

    connect(view_->horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int logical, int, int size) { footer_->setColumnWidth(logical, size); });
    connect(view_->horizontalHeader(), &QHeaderView::sectionMoved, this,
            [this] { syncFooterGeometry(); });
    connect(view_->horizontalScrollBar(), &QScrollBar::valueChanged, footer_->horizontalScrollBar(),
            &QScrollBar::setValue);
}

DataGrid::~DataGrid() {
    // The children outlive this object's own part while they are torn down.
    view_->horizontalHeader()->disconnect(this);
    if (source_) {
        source_->disconnect(this);
    }
}

void DataGrid::setModel(QAbstractItemModel* model, const QList<GridColumn>& columns) {
    if (source_) {
        source_->disconnect(this);
    }
    source_ = model;
    columns_ = columns;
    gridModel_->setSourceModel(model);
    sourceColumns_ = gridModel_->setColumns(columns);
    view_->setModel(gridModel_);

    QHeaderView* header = view_->horizontalHeader();
    const int count = model->columnCount();
    for (int c = 0; c < count; ++c) {
        view_->setColumnHidden(c, true);
    }
    int visual = 0;
    for (qsizetype i = 0; i < columns_.size(); ++i) {
        const int c = sourceColumns_[i];
        if (c < 0) {
            continue;
        }
        header->moveSection(header->visualIndex(c), visual++);
        view_->setColumnHidden(c, columns_[i].hidden);
    }

    footerModel_->setColumnCount(count);
    connect(model, &QAbstractItemModel::rowsInserted, this, &DataGrid::refreshFooter);
    connect(model, &QAbstractItemModel::rowsRemoved, this, &DataGrid::refreshFooter);
    connect(model, &QAbstractItemModel::dataChanged, this, &DataGrid::refreshFooter);
    connect(model, &QAbstractItemModel::modelReset, this, &DataGrid::refreshFooter);
    connect(model, &QAbstractItemModel::layoutChanged, this, &DataGrid::refreshFooter);
    view_->resizeColumnsToContents();
    syncFooterGeometry();
    refreshFooter();
}

void DataGrid::syncFooterGeometry() {
    QHeaderView* header = view_->horizontalHeader();
    QHeaderView* footerHeader = footer_->horizontalHeader();
    for (int c = 0; c < footerModel_->columnCount(); ++c) {
        footer_->setColumnHidden(c, view_->isColumnHidden(c));
        footerHeader->moveSection(footerHeader->visualIndex(c), header->visualIndex(c));
        footer_->setColumnWidth(c, view_->columnWidth(c));
    }
}

void DataGrid::refreshFooter() {
    if (!source_) {
        return;
    }
    const int rows = source_->rowCount();
    for (qsizetype i = 0; i < columns_.size(); ++i) {
        const int c = sourceColumns_[i];
        if (c < 0) {
            continue;
        }
        const GridColumn& column = columns_[i];
        QString text;
        switch (column.footer) {
            case FooterKind::None:
                break;
            case FooterKind::Text:
                text = column.footerText;
                break;
            case FooterKind::RowCount:
                text = column.footerText.arg(rows);
                break;
            case FooterKind::Sum: {
                Decimal2 sum;
                for (int r = 0; r < rows; ++r) {
                    sum += Decimal2::fromVariant(source_->index(r, c).data(Qt::EditRole));
                }
                text = sum.toString();
                break;
            }
        }
        auto* item = new QStandardItem(text);
        item->setTextAlignment(column.footer == FooterKind::Sum ? Qt::AlignRight | Qt::AlignVCenter
                                                                : Qt::AlignLeft | Qt::AlignVCenter);
        footerModel_->setItem(0, c, item);
    }
}

QString DataGrid::footerText(const QString& field) const {
    for (qsizetype i = 0; i < columns_.size(); ++i) {
        if (columns_[i].field.compare(field, Qt::CaseInsensitive) == 0 && sourceColumns_[i] >= 0) {
            const QStandardItem* item = footerModel_->item(0, sourceColumns_[i]);
            return item ? item->text() : QString();
        }
    }
    return {};
}

QList<DataGrid::ShownColumn> DataGrid::shownColumns() const {
    QList<ShownColumn> shown;
    for (qsizetype i = 0; i < columns_.size(); ++i) {
        if (sourceColumns_[i] >= 0 && !columns_[i].hidden) {
            shown.append({sourceColumns_[i], columns_[i].caption, columns_[i].money});
        }
    }
    return shown;
}
