#include "print/fieldcatalog.h"

#include "print/documentdata.h"
#include "store/schema.h"

namespace FieldCatalog {
namespace {

void addTable(QStringList& out, const QString& dataset, const QString& table) {
    if (const TableDef* def = Schema::table(table)) {
        for (const ColumnDef& c : def->columns) {
            if (c.name != QLatin1String(Schema::kLineKey)) {
                out.append(QStringLiteral("[%1.%2]").arg(dataset, c.name));
            }
        }
    }
}

}  // namespace

QStringList expressionsForKind(const QString& kind) {
    QStringList out;
    if (const std::optional<DocumentData::DocumentTables> tables =
            DocumentData::tablesOfKind(kind)) {
        addTable(out, QStringLiteral("header"), tables->header);
        if (!tables->lines.isEmpty()) {
            addTable(out, QStringLiteral("lines"), tables->lines);
            if (const TableDef* def = Schema::table(tables->lines)) {
                for (const ColumnDef& c : def->columns) {
                    if (c.type == ColumnType::Decimal) {
                        out.append(QStringLiteral("[SUM(lines.%1)]").arg(c.name));
                    }
                }
            }
        }
    }
    addTable(out, QStringLiteral("company"), QStringLiteral("BM_GSXX"));
    out << QStringLiteral("[kdrq1]") << QStringLiteral("[kdrq2]") << QStringLiteral("[PAGE#]")
        << QStringLiteral("[TOTALPAGES#]") << QStringLiteral("[LINE#]") << QStringLiteral("[DATE]");
    return out;
}

}  // namespace FieldCatalog
