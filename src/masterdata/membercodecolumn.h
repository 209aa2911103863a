#pragma once

#include <QObject>
#include <QStringList>

#include <functional>

class EditableTable;

// The rules that follow the code column of the member and level lists. A new
// code is offered to the check first and put back when refused; a code that
// is set or changed resets the row's pricing: members start at "原价" and
// factor 1, levels at factor 1. Member rows appended at the end get the code
// after the highest one of the list.
class MemberCodeColumn : public QObject {
    Q_OBJECT

public:
    enum class List { Members, Levels };
    using CodeCheck = std::function<bool(const QString& code)>;  // true takes the code

    // The table must outlive this object.
    MemberCodeColumn(EditableTable* table, List list, CodeCheck accepted,
                     QObject* parent = nullptr);

private:
    void remember();
    void rowsAdded(int first, int last);
    void cellsChanged(int firstRow, int lastRow, int firstColumn, int lastColumn);

    EditableTable* table_;
    List list_;
    CodeCheck accepted_;
    int codeColumn_;
    QStringList codes_;  // each row's code as last taken
    bool busy_ = false;
};
