#include "print/documentdata.h"

#include <QDate>
#include <QSqlQuery>
#include <QSqlRecord>

#include <utility>

#include "print/printerror.h"
#include "store/database.h"
#include "store/decimal2.h"
#include "store/schema.h"

namespace DocumentData {
namespace {

QVariant typed(const QVariant& v, const ColumnDef* column) {
    if (column == nullptr || v.isNull()) {
        return v;
    }
    switch (column->type) {
        case ColumnType::Decimal:
            return QVariant::fromValue(Decimal2::fromVariant(v));
        case ColumnType::Date:
            if (v.metaType().id() == QMetaType::QDate) {
                return v;
            }
            if (v.metaType().id() == QMetaType::QDateTime) {
                return v.toDateTime().date();
            }
            return QDate::fromString(v.toString().left(10), Qt::ISODate);
        default:
            return v;
    }
}

Report::ReportRecord firstRecord(const Database& db, const QString& table, const QString& sql,
                                 const QVariantList& params, bool* found) {
    const TableDef* def = Schema::table(table);
    QSqlQuery q = db.exec(sql, params);
    Report::ReportRecord record;
    *found = q.next();
    if (*found) {
        const QSqlRecord r = q.record();
        for (int i = 0; i < r.count(); ++i) {
            const QString name = r.fieldName(i).toUpper();
            record.set(name, typed(q.value(i), def ? def->column(name) : nullptr));
        }
    }
    return record;
}

const QList<std::pair<QString, DocumentTables>>& documentKinds() {
    static const QList<std::pair<QString, DocumentTables>> kinds = {
        {QStringLiteral("xsd"), {QStringLiteral("xsd_zb"), QStringLiteral("xsd_mx")}},
        {QStringLiteral("xsd_l"), {QStringLiteral("xsd_zb"), QStringLiteral("xsd_mx")}},
        {QStringLiteral("xsd_y"), {QStringLiteral("xsd_zb"), QStringLiteral("xsd_mx")}},
        {QStringLiteral("xsd_q"), {QStringLiteral("xsd_zb"), QStringLiteral("xsd_mx")}},
        {QStringLiteral("skd"), {QStringLiteral("skd_zb"), QStringLiteral("skd_mx")}},
        {QStringLiteral("czd"), {QStringLiteral("czd_zb"), {}}},
        {QStringLiteral("djf"), {QStringLiteral("djf_zb"), QStringLiteral("djf_mx")}},
        {QStringLiteral("srd"), {QStringLiteral("srd_zb"), {}}},
        {QStringLiteral("zcd"), {QStringLiteral("zcd_zb"), {}}},
        {QStringLiteral("rkd"), {QStringLiteral("rkd_zb"), QStringLiteral("rkd_mx")}},
        {QStringLiteral("thd"), {QStringLiteral("thd_zb"), QStringLiteral("thd_mx")}},
        {QStringLiteral("xtd"), {QStringLiteral("xtd_zb"), QStringLiteral("xtd_mx")}},
        {QStringLiteral("pdd"), {QStringLiteral("pdd_zb"), QStringLiteral("pdd_mx")}},
        {QStringLiteral("fkd"), {QStringLiteral("fkd_zb"), QStringLiteral("fkd_mx")}},
    };
    return kinds;
}

}  // namespace

std::optional<DocumentTables> tablesOfKind(const QString& kind) {
    for (const auto& [code, tables] : documentKinds()) {
        if (code.compare(kind, Qt::CaseInsensitive) == 0) {
            return tables;
        }
    }
    return std::nullopt;
}

Report::ReportTable readTable(const Database& db, const QString& table, const QString& sql,
                              const QVariantList& params) {
    const TableDef* def = Schema::table(table);
    QSqlQuery q = db.exec(sql, params);
    Report::ReportTable out;
    const QSqlRecord r = q.record();
    QList<const ColumnDef*> columns;
    for (int i = 0; i < r.count(); ++i) {
        const QString name = r.fieldName(i).toUpper();
        out.fields.append(name);
        columns.append(def ? def->column(name) : nullptr);
    }
    while (q.next()) {
        QVariantList row;
        row.reserve(columns.size());
        for (qsizetype i = 0; i < columns.size(); ++i) {
            row.append(typed(q.value(static_cast<int>(i)), columns[i]));
        }
        out.rows.append(row);
    }
    return out;
}

Report::ReportRecord companyRecord(const Database& db) {
    bool found = false;
    return firstRecord(db, QStringLiteral("BM_GSXX"), QStringLiteral("select * from BM_GSXX"), {},
                       &found);
}

Report::ReportData load(const Database& db, const QString& kind, const QString& id) {
    const std::optional<DocumentTables> tables = tablesOfKind(kind);
    if (!tables) {
        throw PrintError(QStringLiteral("打印类别 %1 不是单据").arg(kind));
    }
    Report::ReportData data;
    bool found = false;
    data.header = firstRecord(db, tables->header,
                              QStringLiteral("select * from %1 where ID = ?").arg(tables->header),
                              {id}, &found);
    if (!found) {
        throw PrintError(QStringLiteral("没有找到单据：%1").arg(id));
    }
    if (!tables->lines.isEmpty()) {
        data.lines = readTable(db, tables->lines,
                               QStringLiteral("select * from %1 where ID = ? order by %2")
                                   .arg(tables->lines, QString::fromLatin1(Schema::kLineKey)),
                               {id});
    }
    data.company = companyRecord(db);
    return data;
}

}  // namespace DocumentData
