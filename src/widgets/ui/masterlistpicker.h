#pragma once

#include <QDialog>

#include "widgets/ui/masterlistwindow.h"

// A master list shown as a modal picker: the list's grid, filter and buttons,
// read again with the filter cleared each time it is shown. A double click,
// Enter or "+" on a row chooses it; 退出 and Esc close without asking.
class MasterListPicker : public QDialog {
    Q_OBJECT

public:
    MasterListPicker(const Database& db, MasterListConfig config, QWidget* parent = nullptr);

    MasterListWindow* list() const { return list_; }
    // The table row under the grid's current row, -1 when there is none.
    int currentRow() const { return list_->currentRow(); }

signals:
    void rowChosen(int tableRow);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void choose();

    MasterListWindow* list_ = nullptr;
};
