#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <QStringList>

class Database;

// The members a picker lists, read-only and held as text: one query, no
// per-cell variants, so 100,000 members open at once. Columns are named
// after their fields, for the grid and the filter.
class MemberPickList : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit MemberPickList(QObject* parent = nullptr);

    // Every member, the walk-in customer too, ordered by code. Throws StoreError.
    void load(const Database& db);

    QString code(int row) const;
    QString name(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    QStringList cells_;  // row after row
};
