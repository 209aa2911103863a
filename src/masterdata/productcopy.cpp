#include "masterdata/productcopy.h"

#include <QSqlQuery>
#include <QSqlRecord>

#include "store/database.h"
#include "store/editabletable.h"

bool PasteProductRow(const Database& db, const QString& sourceCode, EditableTable& rows, int row) {
    QSqlQuery q = db.exec(QStringLiteral("select * from BM_SP where BM = ?"), {sourceCode});
    if (!q.next()) {
        return false;
    }
    const QSqlRecord source = q.record();
    for (int i = 0; i < source.count(); ++i) {
        const QString field = source.fieldName(i);
        const int column = rows.column(field);
        if (column < 0 || field.compare(QLatin1String("BM"), Qt::CaseInsensitive) == 0) {
            continue;
        }
        rows.setData(rows.index(row, column), source.value(i), Qt::EditRole);
    }
    return true;
}
