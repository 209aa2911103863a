#include "store/documentstore.h"

#include <QCryptographicHash>
#include <QDate>
#include <QSqlQuery>
#include <QSqlRecord>

#include "store/database.h"
#include "store/decimal2.h"
#include "store/schema.h"

namespace {

const TableDef& schemaTable(const QString& name) {
    const TableDef* table = Schema::table(name);
    if (!table) {
        throw StoreError(QStringLiteral("表不存在：%1").arg(name));
    }
    return *table;
}

QList<const ColumnDef*> storedColumns(const TableDef& table) {
    QList<const ColumnDef*> columns;
    for (const ColumnDef& c : table.columns) {
        if (c.name != QLatin1String(Schema::kLineKey)) {
            columns.append(&c);
        }
    }
    return columns;
}

QString columnList(const QList<const ColumnDef*>& columns) {
    QStringList names;
    for (const ColumnDef* c : columns) {
        names.append(c->name);
    }
    return names.join(QStringLiteral(", "));
}

QHash<QString, QVariant> readRow(const QSqlQuery& query, const QList<const ColumnDef*>& columns) {
    QHash<QString, QVariant> row;
    for (int i = 0; i < columns.size(); ++i) {
        row.insert(columns[i]->name, query.value(i));
    }
    return row;
}

// One spelling per value whatever the engine hands back, so a version read
// from the database equals the version of what was written.
QString normalized(ColumnType type, const QVariant& value) {
    switch (type) {
        case ColumnType::Decimal:
            return Decimal2::fromVariant(value).toString();
        case ColumnType::Date: {
            const QDate date = value.metaType().id() == QMetaType::QDate
                                   ? value.toDate()
                                   : QDate::fromString(value.toString().left(10), Qt::ISODate);
            return date.isValid() ? date.toString(Qt::ISODate) : QString();
        }
        case ColumnType::Bool:
            return value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
        case ColumnType::Integer:
            return QString::number(value.toLongLong());
        case ColumnType::Text:
            break;
    }
    return value.toString();
}

}  // namespace

DocumentConflict::DocumentConflict()
    : StoreError(QStringLiteral("单据已被其他工作站修改或删除，请重新打开后再操作。")) {}

DocumentStore::DocumentStore(const Database& db, const QString& headerTable,
                             const QString& lineTable)
    : db_(db), header_(&schemaTable(headerTable)), lines_(&schemaTable(lineTable)) {}

std::optional<DocumentRecord> DocumentStore::load(const QString& id, bool lock) const {
    const QList<const ColumnDef*> headerColumns = storedColumns(*header_);
    QSqlQuery header = db_.exec(QStringLiteral("select %1 from %2 where ID = ?%3")
                                    .arg(columnList(headerColumns), header_->name,
                                         lock ? db_.dialect().forUpdate() : QString()),
                                {id});
    if (!header.next()) {
        return std::nullopt;
    }
    DocumentRecord record;
    record.header = readRow(header, headerColumns);
    const QList<const ColumnDef*> lineColumns = storedColumns(*lines_);
    QSqlQuery lines = db_.exec(
        QStringLiteral("select %1 from %2 where ID = ? order by %3")
            .arg(columnList(lineColumns), lines_->name, QString::fromLatin1(Schema::kLineKey)),
        {id});
    while (lines.next()) {
        record.lines.append(readRow(lines, lineColumns));
    }
    return record;
}

bool DocumentStore::hasLines(const QString& id) const {
    return db_.value(QStringLiteral("select count(*) from %1 where ID = ?").arg(lines_->name), {id})
               .toLongLong() > 0;
}

QString DocumentStore::rowText(const TableDef& table, const QHash<QString, QVariant>& row) const {
    QStringList values;
    for (const ColumnDef* c : storedColumns(table)) {
        values.append(normalized(c->type, row.value(c->name)));
    }
    return values.join(QChar(0x1f));
}

QString DocumentStore::version(const std::optional<DocumentRecord>& record) const {
    if (!record) {
        return {};
    }
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(rowText(*header_, record->header).toUtf8());
    for (const auto& line : record->lines) {
        hash.addData(QByteArrayView("\x1e"));
        hash.addData(rowText(*lines_, line).toUtf8());
    }
    return QString::fromLatin1(hash.result().toHex());
}

QString DocumentStore::save(const QString& id, const DocumentRecord& record,
                            const QString& expectedVersion) const {
    const std::optional<DocumentRecord> stored = load(id, true);
    if (version(stored) != expectedVersion) {
        throw DocumentConflict();
    }
    DocumentRecord written = record;
    written.header.insert(QStringLiteral("ID"), id);

    const QList<const ColumnDef*> headerColumns = storedColumns(*header_);
    QVariantList values;
    QStringList assignments;
    for (const ColumnDef* c : headerColumns) {
        values.append(written.header.value(c->name));
        assignments.append(c->name + QStringLiteral(" = ?"));
    }
    if (stored) {
        values.append(id);
        db_.exec(QStringLiteral("update %1 set %2 where ID = ?")
                     .arg(header_->name, assignments.join(QStringLiteral(", "))),
                 values);
    } else {
        db_.exec(QStringLiteral("insert into %1 (%2) values (%3)")
                     .arg(header_->name, columnList(headerColumns),
                          QStringList(headerColumns.size(), QStringLiteral("?"))
                              .join(QStringLiteral(", "))),
                 values);
    }

    db_.exec(QStringLiteral("delete from %1 where ID = ?").arg(lines_->name), {id});
    const QList<const ColumnDef*> lineColumns = storedColumns(*lines_);
    const QString insertLine =
        QStringLiteral("insert into %1 (%2) values (%3)")
            .arg(lines_->name, columnList(lineColumns),
                 QStringList(lineColumns.size(), QStringLiteral("?")).join(QStringLiteral(", ")));
    for (auto& line : written.lines) {
        line.insert(QStringLiteral("ID"), id);
        QVariantList lineValues;
        for (const ColumnDef* c : lineColumns) {
            lineValues.append(line.value(c->name));
        }
        db_.exec(insertLine, lineValues);
    }
    return version(written);
}

void DocumentStore::remove(const QString& id) const {
    db_.transact([&] {
        db_.exec(QStringLiteral("delete from %1 where ID = ?").arg(header_->name), {id});
        db_.exec(QStringLiteral("delete from %1 where ID = ?").arg(lines_->name), {id});
    });
}
