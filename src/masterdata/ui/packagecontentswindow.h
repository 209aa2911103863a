#pragma once

#include <QString>
#include <QWidget>

#include <optional>

class QComboBox;
class Database;
class DataGrid;
class EditableTable;

// 套系明细: the products of a package series at their package quantity and
// price. A double click in the product list adds the product to the series;
// the contents are written by 保存 only.
class TBM_TX : public QWidget {
    Q_OBJECT

public:
    explicit TBM_TX(const Database& db, QWidget* parent = nullptr);

    QComboBox* seriesBox() const { return series_; }
    DataGrid* contentsGrid() const { return contentsGrid_; }
    DataGrid* productGrid() const { return productGrid_; }
    EditableTable* contents() const { return contents_; }
    bool save();

private:
    void chooseSeries(const QString& name);
    void addProduct(int productRow);

    const Database& db_;
    QComboBox* series_ = nullptr;
    EditableTable* contents_ = nullptr;
    EditableTable* products_ = nullptr;
    DataGrid* contentsGrid_ = nullptr;
    DataGrid* productGrid_ = nullptr;
    std::optional<QString> seriesCode_;
};
