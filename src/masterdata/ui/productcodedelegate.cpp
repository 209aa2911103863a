#include "masterdata/ui/productcodedelegate.h"

#include <QLineEdit>
#include <QMessageBox>

#include "services/ui/codeexists.h"
#include "store/storeerror.h"

ProductCodeDelegate::ProductCodeDelegate(const Database& db, QObject* parent)
    : QStyledItemDelegate(parent), db_(db) {}

void ProductCodeDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                       const QModelIndex& index) const {
    const auto* line = qobject_cast<QLineEdit*>(editor);
    const QString code = line ? line->text() : QString();
    if (line && code != index.data(Qt::EditRole).toString()) {
        try {
            if (CodeExists(editor->window(), db_, QStringLiteral("BM_SP"), code)) {
                return;
            }
        } catch (const StoreError& e) {
            QMessageBox::warning(editor->window(), QStringLiteral("提示"), e.message());
            return;
        }
    }
    QStyledItemDelegate::setModelData(editor, model, index);
}
