#include "store/schemaupgrade.h"

#include <QStringList>

#include <functional>

#include "store/database.h"
#include "store/delivereddata.h"
#include "store/schema.h"
#include "store/storeerror.h"

namespace {

const QString kVersionTable = QStringLiteral("gg_bb");

void createMissingTables(const Database& db) {
    const QStringList existing = db.tableNames();
    for (const TableDef& table : Schema::tables()) {
        if (!existing.contains(table.name.toLower())) {
            db.exec(table.createSql(db.dialect()));
        }
    }
}

void addMissingColumns(const Database& db) {
    for (const TableDef& table : Schema::tables()) {
        const QStringList existing = db.columnNames(table.name);
        for (const ColumnDef& column : table.columns) {
            if (!existing.contains(column.name.toLower())) {
                db.exec(QStringLiteral("alter table %1 add %2")
                            .arg(table.name, table.columnSql(column, db.dialect())));
            }
        }
    }
}

void createIndexes(const Database& db) {
    for (const TableDef& table : Schema::tables()) {
        for (const IndexDef& index : table.indexes) {
            db.exec(QStringLiteral("create %1index if not exists %2 on %3 (%4)")
                        .arg(index.unique ? QStringLiteral("unique ") : QString(), index.name,
                             table.name, index.expression));
        }
    }
}

// Data that older layouts left empty.
void fillOlderData(const Database& db) {
    db.exec(QStringLiteral("update xsd_zb set SS_RQ = RQ where SS_RQ is null and SH = ?"),
            {QStringLiteral("T")});
    db.exec(QStringLiteral("update BM_KH set JSRJF = 0 where JSRJF is null"));
}

void recordVersion(const Database& db) {
    db.exec(QStringLiteral("delete from GG_BB"));
    db.exec(QStringLiteral("insert into GG_BB (BBH) values (?)"), {Schema::kVersion});
}

using Step = std::pair<QString, std::function<void(const Database&)>>;

QList<Step> steps() {
    return {
        {QStringLiteral("创建缺少的表"), createMissingTables},
        {QStringLiteral("补充缺少的字段"), addMissingColumns},
        {QStringLiteral("创建索引"), createIndexes},
        {QStringLiteral("补充系统数据"), DeliveredData::insertMissing},
        {QStringLiteral("补全旧单据数据"), fillOlderData},
        {QStringLiteral("记录数据库版本"), recordVersion},
    };
}

}  // namespace

namespace SchemaUpgrade {

int recordedVersion(const Database& db) {
    if (!db.tableNames().contains(kVersionTable)) {
        return 0;
    }
    return db.value(QStringLiteral("select max(BBH) from GG_BB"), {}, 0).toInt();
}

QList<StepResult> run(const Database& db) {
    QList<StepResult> results;
    for (const auto& [description, step] : steps()) {
        StepResult result{description, true, QString()};
        try {
            db.transact([&] { step(db); });
        } catch (const StoreError& e) {
            result.ok = false;
            result.error = e.message();
        }
        results.append(result);
    }
    return results;
}

void ensureCurrent(const Database& db) {
    const int version = recordedVersion(db);
    if (version > Schema::kVersion) {
        throw StoreError(QStringLiteral("数据库的版本（%1）比本程序（%2）新，请先升级程序。")
                             .arg(version)
                             .arg(Schema::kVersion));
    }
    if (version == Schema::kVersion) {
        return;
    }
    if (version == 0) {
        const QStringList existing = db.tableNames();
        for (const TableDef& table : Schema::tables()) {
            if (existing.contains(table.name.toLower())) {
                throw StoreError(QStringLiteral(
                    "数据库中已有数据表，但没有版本记录，不能确认是本系统的数据库。"));
            }
        }
    }
    // All or nothing: a failed first start leaves an empty database to try again with.
    db.transact([&] {
        for (const auto& [description, step] : steps()) {
            try {
                step(db);
            } catch (const StoreError& e) {
                throw StoreError(
                    QStringLiteral("数据库升级失败（%1）：%2").arg(description, e.message()),
                    e.nativeCode());
            }
        }
    });
}

}  // namespace SchemaUpgrade
