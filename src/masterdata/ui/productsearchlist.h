#pragma once

#include <QDialog>
#include <QString>

class Database;
class DataGrid;
class EditableTable;

// 商品选择 for the quick product box: the products the typed text finds, on
// top of the document. Choosing one closes the list.
class Txspx : public QDialog {
    Q_OBJECT

public:
    Txspx(const Database& db, const QString& quickText, QWidget* parent = nullptr);

    // The list shown again for another text.
    void search(const QString& quickText);
    DataGrid* grid() const { return grid_; }
    EditableTable* rows() const { return rows_; }
    QString currentCode() const;
    void choose();

signals:
    void productChosen(const QString& code);

private:
    const Database& db_;
    EditableTable* rows_ = nullptr;
    DataGrid* grid_ = nullptr;
};
