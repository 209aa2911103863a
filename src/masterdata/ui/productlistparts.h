#pragma once

#include <QString>

class QAction;
class QToolButton;
class QWidget;
class EditableTable;
class MasterListWindow;

// The parts of the shared list shape the product lists act on.
QAction* toolBarAction(const MasterListWindow* list, const QString& text);
// The navigator's button with that tip ("新增", "删除", ...), or null.
QToolButton* navigatorButton(const QWidget* list, const QString& tip);
// Every button of the navigator.
QList<QToolButton*> navigatorButtons(const QWidget* list);

// A new product at the tree's root: "请选择类别！", and the empty row is taken
// away again, since it would belong to no category.
void refuseNewProductAtRoot(QWidget* owner, EditableTable* rows, int row);
