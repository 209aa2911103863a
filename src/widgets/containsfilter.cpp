#include "widgets/containsfilter.h"

ContainsFilter::ContainsFilter(QObject* parent) : QSortFilterProxyModel(parent) {
    connect(this, &QAbstractProxyModel::sourceModelChanged, this, &ContainsFilter::resolveColumns);
}

void ContainsFilter::setFields(const QStringList& fields) {
    fields_ = fields;
    resolveColumns();
}

void ContainsFilter::resolveColumns() {
    columns_.clear();
    if (!sourceModel()) {
        return;
    }
    for (int c = 0; c < sourceModel()->columnCount(); ++c) {
        const QString name = sourceModel()->headerData(c, Qt::Horizontal).toString();
        for (const QString& f : fields_) {
            if (name.compare(f, Qt::CaseInsensitive) == 0) {
                columns_ << c;
            }
        }
    }
    invalidateFilter();
}

void ContainsFilter::setText(const QString& text) {
    text_ = text;
    invalidateFilter();
}

bool ContainsFilter::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const {
    if (text_.isEmpty()) {
        return true;
    }
    for (int c : columns_) {
        const QString value = sourceModel()->index(sourceRow, c, sourceParent).data().toString();
        if (value.contains(text_, Qt::CaseInsensitive)) {
            return true;
        }
    }
    return false;
}
