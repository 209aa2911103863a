#pragma once

#include <QDialog>
#include <QStringList>

class Database;
class PrintFormatTable;
class ProgramHome;
class QTableView;

// "打印格式设置": the print formats of the kinds the caller picked; names and
// template files are edited in the grid, "设计" opens the designer on the
// current row's file, "保存" writes the rows.
class TGG_DJ : public QDialog {
    Q_OBJECT

public:
    TGG_DJ(const Database& db, const ProgramHome& home, QWidget* parent = nullptr);

    // The rows of these kinds, read now.
    void selectKinds(const QStringList& kinds);
    // Writes the changes; shows "保存成功！" or "保存失败！" when asked to.
    bool save(bool withMessage);
    void chooseFile(int row, const QString& path);
    void design();

    PrintFormatTable* table() const { return table_; }
    QTableView* view() const { return view_; }

    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    const Database& db_;
    const ProgramHome& home_;
    PrintFormatTable* table_;
    QTableView* view_;
    bool unsavedBefore_ = false;
};

// The print-format window on the run's database and home for the given kinds
// (the order window passes its four), shown modally.
void openPrintFormats(QWidget* parent, const QStringList& kinds);
