#pragma once

#include <QTableView>

// A table view on which Enter moves to the next shown cell, as Tab does, both
// while browsing and when it ends an edit.
class GridView : public QTableView {
    Q_OBJECT

public:
    explicit GridView(QWidget* parent = nullptr);

    void moveToNextCell();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
};
