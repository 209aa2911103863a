#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

class Database;

// The rows of GG_DJ that a caller picked, as the print-format window edits
// them: name ("名称") and file ("位置"); the kind code stays hidden. The
// table has no key column, so rows are written back by their kind code.
class PrintFormatTable : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { NameColumn, FileColumn, ColumnCount };

    explicit PrintFormatTable(QObject* parent = nullptr);

    // The rows of the given kinds, without regard to case.
    void load(const Database& db, const QStringList& kinds);
    // Writes every changed row in one transaction; throws StoreError and
    // keeps the changes when it fails.
    void save(const Database& db);
    bool isDirty() const;

    QString code(int row) const;
    QString fileName(int row) const;
    // Keeps only the file's own name: templates are always read from PrintFormat/.
    void setChosenFile(int row, const QString& path);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    struct Row {
        QString code;
        QString name;
        QString file;
        bool changed = false;
    };
    QList<Row> rows_;
};
