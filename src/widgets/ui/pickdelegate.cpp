#include "widgets/ui/pickdelegate.h"

#include <QComboBox>

#include "widgets/ui/gridmodel.h"

namespace {

QStringList pickListOf(const QModelIndex& index) {
    const auto* grid = qobject_cast<const GridModel*>(index.model());
    const GridColumn* column = grid ? grid->columnAt(index.column()) : nullptr;
    return column ? column->pickList : QStringList();
}

}  // namespace

QWidget* PickDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const {
    const QStringList items = pickListOf(index);
    if (items.isEmpty()) {
        return QStyledItemDelegate::createEditor(parent, option, index);
    }
    auto* box = new QComboBox(parent);
    box->addItems(items);
    return box;
}

void PickDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    if (auto* box = qobject_cast<QComboBox*>(editor); box && !pickListOf(index).isEmpty()) {
        box->setCurrentText(index.data(Qt::EditRole).toString());
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

void PickDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                const QModelIndex& index) const {
    if (auto* box = qobject_cast<QComboBox*>(editor); box && !pickListOf(index).isEmpty()) {
        model->setData(index, box->currentText());
        return;
    }
    QStyledItemDelegate::setModelData(editor, model, index);
}
