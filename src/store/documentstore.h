#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QVariant>

#include <optional>

#include "store/storeerror.h"

class Database;
struct TableDef;

// One stored document: its header row and its lines in the order written,
// each a map from the column name (upper case) to its value.
struct DocumentRecord {
    QHash<QString, QVariant> header;
    QList<QHash<QString, QVariant>> lines;
};

// Another workstation changed or removed the document since it was read.
class DocumentConflict : public StoreError {
public:
    DocumentConflict();
};

// The storage every document shares: a header table keyed by ID and a line
// table read through ID. Saving checks, under the transaction's lock, that the
// stored document is still the one the caller read, so two workstations never
// silently overwrite each other.
class DocumentStore {
public:
    // Throws StoreError when a table is not in the schema.
    DocumentStore(const Database& db, const QString& headerTable, const QString& lineTable);

    // The document as stored; nothing when it has no header. `lock` reads the
    // header for update (inside a transaction).
    std::optional<DocumentRecord> load(const QString& id, bool lock = false) const;
    bool hasLines(const QString& id) const;

    // A text that changes whenever any stored value of the document changes;
    // empty for a document that is not stored.
    QString version(const std::optional<DocumentRecord>& record) const;

    // Inside the caller's transaction: refuses with DocumentConflict unless the
    // stored document still has `expectedVersion`, then writes the header and
    // replaces the lines. Returns the new version.
    QString save(const QString& id, const DocumentRecord& record,
                 const QString& expectedVersion) const;

    // Removes the header and the lines together.
    void remove(const QString& id) const;

private:
    QString rowText(const TableDef& table, const QHash<QString, QVariant>& row) const;

    const Database& db_;
    const TableDef* header_ = nullptr;
    const TableDef* lines_ = nullptr;
};
