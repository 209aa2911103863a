#pragma once

#include <QList>
#include <QString>
#include <QVariantList>
#include <QWidget>

#include "widgets/gridcolumn.h"

class QHBoxLayout;
class QLineEdit;
class QToolBar;
class ContainsFilter;
class DataGrid;
class Database;
class EditableTable;

enum class Navigator { Full, InsertDelete, None };

// What makes one master list: its table and rows, grid, filter and messages.
struct MasterListConfig {
    QString title;
    QString table;
    QString whereAndOrder;  // "where ... order by ...", values bound from params
    QVariantList params;
    QList<GridColumn> columns;
    QStringList filterFields;
    QString saveFailureText;
    // The parts of the shape a list leaves out; no filter fields, no filter box.
    bool saveButton = true;
    bool exportButton = true;
    Navigator navigator = Navigator::Full;
    bool printable = false;  // "打印[&P]": the shown rows as a table, portrait A4
};

// The window shape every master list shares: a tool bar with 保存, 导出, 打印 and 退出,
// the filter box and record navigator, the grid, and the question on closing
// with unsaved edits. Each list adds its own buttons and rules.
class MasterListWindow : public QWidget {
    Q_OBJECT

public:
    MasterListWindow(const Database& db, MasterListConfig config, QWidget* parent = nullptr);

    EditableTable* table() const { return table_; }
    DataGrid* grid() const { return grid_; }
    QToolBar* toolBar() const { return toolBar_; }
    QHBoxLayout* filterBar() const { return filterBar_; }
    QLineEdit* filterBox() const { return filterBox_; }
    const MasterListConfig& config() const { return config_; }

    // Reads the rows again; pending edits are dropped.
    void reload();
    // Writes every pending edit; the failure text (warning) on error, with the
    // edits kept. "保存成功！" when showSuccess.
    bool save(bool showSuccess);
    // Asks "当前还没有保存，是否现在保存？" when edits are pending: true when
    // the caller may go on (saved, dropped or none), false to stay.
    bool settleEdits();
    // The current row of the table, or -1.
    int currentRow() const;
    void appendRow();
    void deleteCurrentRow();
    // The shown rows and columns into a spreadsheet, titled as the window.
    void exportRows();
    // The shown rows and columns as a table report in the preview.
    void printRows();

signals:
    void saved();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void moveTo(int row);

    const Database& db_;
    MasterListConfig config_;
    EditableTable* table_ = nullptr;
    ContainsFilter* filter_ = nullptr;
    DataGrid* grid_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QHBoxLayout* filterBar_ = nullptr;
    QLineEdit* filterBox_ = nullptr;
};
