#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;
class ContainsFilter;
class DataGrid;
class Database;
class MemberPickList;

// 客户选择: every member, the walk-in customer too, in a read-only grid.
// Double click, Enter or "+" chooses the current member and closes; Esc
// closes without choosing. The rows are read again each time it is shown.
class Txzkh : public QDialog {
    Q_OBJECT

public:
    Txzkh(const Database& db, const QString& filterText, QWidget* parent = nullptr);

    // The member chosen by the last exec(); empty when none was.
    const QString& chosenCode() const { return chosenCode_; }
    const QString& chosenName() const { return chosenName_; }

    QLineEdit* filterBox() const { return filterBox_; }
    DataGrid* grid() const { return grid_; }

signals:
    void memberChosen(const QString& code, const QString& name);

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void choose();
    void showFirstRowIfNone();

    const Database& db_;
    MemberPickList* members_ = nullptr;
    ContainsFilter* filter_ = nullptr;
    DataGrid* grid_ = nullptr;
    QLineEdit* filterBox_ = nullptr;
    QString chosenCode_;
    QString chosenName_;
};
