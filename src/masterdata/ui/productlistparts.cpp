#include "masterdata/ui/productlistparts.h"

#include <QAction>
#include <QMessageBox>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "store/editabletable.h"
#include "widgets/ui/masterlistwindow.h"

QAction* toolBarAction(const MasterListWindow* list, const QString& text) {
    for (QAction* a : list->toolBar()->actions()) {
        if (a->text() == text) {
            return a;
        }
    }
    return nullptr;
}

QToolButton* navigatorButton(const QWidget* list, const QString& tip) {
    for (QToolButton* b : list->findChildren<QToolButton*>()) {
        if (b->toolTip() == tip) {
            return b;
        }
    }
    return nullptr;
}

QList<QToolButton*> navigatorButtons(const QWidget* list) {
    QList<QToolButton*> buttons;
    for (const char* tip : {"第一条", "上一条", "下一条", "最后一条", "新增", "删除"}) {
        if (QToolButton* b = navigatorButton(list, QString::fromUtf8(tip))) {
            buttons << b;
        }
    }
    return buttons;
}

void refuseNewProductAtRoot(QWidget* owner, EditableTable* rows, int row) {
    QMessageBox::information(owner, QStringLiteral("提示"), QStringLiteral("请选择类别！"));
    QTimer::singleShot(0, rows, [rows, row] {
        if (row < rows->rowCount() && rows->value(row, QStringLiteral("BM")).toString().isEmpty()) {
            rows->removeRows(row, 1);
        }
    });
}
