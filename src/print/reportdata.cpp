#include "print/reportdata.h"

#include <QAbstractItemModel>

namespace Report {

void ReportRecord::set(const QString& name, const QVariant& value) {
    const QString key = name.toLower();
    if (!values_.contains(key)) {
        names_.append(name);
    }
    values_.insert(key, value);
}

bool ReportRecord::contains(const QString& name) const {
    return values_.contains(name.toLower());
}

QVariant ReportRecord::value(const QString& name) const {
    return values_.value(name.toLower());
}

int ReportTable::column(const QString& name) const {
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (fields[i].compare(name, Qt::CaseInsensitive) == 0) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

ReportTable ReportTable::fromModel(const QAbstractItemModel& model, const QList<int>& columns) {
    QList<int> shown = columns;
    if (shown.isEmpty()) {
        for (int c = 0; c < model.columnCount(); ++c) {
            shown.append(c);
        }
    }
    ReportTable table;
    for (int c : shown) {
        table.fields.append(QStringLiteral("C%1").arg(table.fields.size()));
        table.captions.append(model.headerData(c, Qt::Horizontal).toString());
    }
    const int rowCount = model.rowCount();
    table.rows.reserve(rowCount);
    for (int r = 0; r < rowCount; ++r) {
        QVariantList row;
        row.reserve(shown.size());
        for (int c : shown) {
            row.append(model.index(r, c).data(Qt::DisplayRole).toString());
        }
        table.rows.append(row);
    }
    return table;
}

}  // namespace Report
