#include "demodata.h"

#include <QDate>
#include <QHash>
#include <QRegularExpression>

#include "print/documentdata.h"
#include "store/decimal2.h"
#include "store/schema.h"

namespace DemoData {
namespace {

ColumnType typeOf(const QString& field) {
    for (const TableDef& t : Schema::tables()) {
        if (const ColumnDef* c = t.column(field)) {
            return c->type;
        }
    }
    return ColumnType::Text;
}

QVariant demoValue(const QString& field, int row) {
    static const QHash<QString, QString> names = {
        {QStringLiteral("KHMC"), QStringLiteral("李小红")},
        {QStringLiteral("KH"), QStringLiteral("李小红")},
        {QStringLiteral("KHBM"), QStringLiteral("000101")},
        {QStringLiteral("C0"), QStringLiteral("王芳")},
        {QStringLiteral("JBR"), QStringLiteral("王芳")},
        {QStringLiteral("ZDR"), QStringLiteral("张敏")},
        {QStringLiteral("SYR"), QStringLiteral("赵强")},
        {QStringLiteral("SYZL"), QStringLiteral("钱进")},
        {QStringLiteral("HQR"), QStringLiteral("孙悦")},
        {QStringLiteral("HZR"), QStringLiteral("周丽")},
        {QStringLiteral("TXMC"), QStringLiteral("浪漫婚纱套系")},
        {QStringLiteral("GHSMC"), QStringLiteral("美影器材")},
        {QStringLiteral("XM"), QStringLiteral("房租")},
        {QStringLiteral("DW"), QStringLiteral("套")},
        {QStringLiteral("XH"), QStringLiteral("12寸")},
        {QStringLiteral("BZ"), QStringLiteral("加急")},
        {QStringLiteral("DZ"), QStringLiteral("文三路88号")},
        {QStringLiteral("QXSJ"), QStringLiteral("下午")},
        {QStringLiteral("YYSK_FS"), QStringLiteral("现金")},
        {QStringLiteral("SS_FS"), QStringLiteral("微信支付")},
        {QStringLiteral("QXSK_FS"), QStringLiteral("刷卡")},
    };
    if (field == QLatin1String("ID")) {
        return QStringLiteral("20261211001%1").arg(row + 1, 5, 10, QLatin1Char('0'));
    }
    if (field == QLatin1String("SPMC") || field == QLatin1String("MC")) {
        return QStringLiteral("相册%1").arg(row + 1);
    }
    if (field == QLatin1String("SPBM") || field == QLatin1String("BM")) {
        return QStringLiteral("1000%1").arg(row + 1);
    }
    if (names.contains(field)) {
        return names.value(field);
    }
    switch (typeOf(field)) {
        case ColumnType::Decimal:
            return QVariant::fromValue(Decimal2::fromCents(12345 + row * 100));
        case ColumnType::Date:
            return QDate(2026, 12, 11 + row);
        case ColumnType::Integer:
            return row + 1;
        default:
            // Letters only: the reader cannot map digits that follow Latin letters back.
            return field + QChar(u'a' + row);
    }
}

Report::ReportRecord recordOf(const QStringList& fields) {
    Report::ReportRecord record;
    for (const QString& f : fields) {
        record.set(f, demoValue(f, 0));
    }
    return record;
}

QStringList columnsOf(const QString& table) {
    QStringList names;
    if (const TableDef* def = Schema::table(table)) {
        for (const ColumnDef& c : def->columns) {
            names << c.name;
        }
    }
    return names;
}

}  // namespace

QStringList lineFields(const Report::ReportTemplate& report) {
    static const QRegularExpression field(QStringLiteral("\\[lines\\.(\\w+)\\]"));
    QStringList fields;
    if (const Report::ReportBand* band = report.band(Report::BandKind::MasterData)) {
        for (const Report::ReportObject& o : band->objects) {
            for (const QRegularExpressionMatch& m : field.globalMatch(o.text)) {
                if (!fields.contains(m.captured(1))) {
                    fields << m.captured(1);
                }
            }
        }
    }
    return fields;
}

Report::ReportData forKind(const QString& kind, const Report::ReportTemplate& report) {
    Report::ReportData data;
    const std::optional<DocumentData::DocumentTables> tables = DocumentData::tablesOfKind(kind);
    if (tables) {
        data.header = recordOf(columnsOf(tables->header));
        data.header.set(QStringLiteral("ID"), QString::fromLatin1(kDocumentId));
    }
    data.lines.fields =
        tables && !tables->lines.isEmpty() ? columnsOf(tables->lines) : lineFields(report);
    for (int row = 0; row < 3; ++row) {
        QVariantList values;
        for (const QString& f : data.lines.fields) {
            values << demoValue(f, row);
        }
        data.lines.rows << values;
    }
    data.company = recordOf(columnsOf(QStringLiteral("BM_GSXX")));
    data.company.set(QStringLiteral("GSMC"), QString::fromUtf8(kCompanyName));
    data.company.set(QStringLiteral("DH"), QStringLiteral("0571-88886666"));
    data.variables.set(QStringLiteral("kdrq1"), QDate(2026, 12, 1));
    data.variables.set(QStringLiteral("kdrq2"), QDate(2026, 12, 31));
    data.variables.set(QStringLiteral("hzfs"), QStringLiteral("接单人"));
    for (const char* v :
         {"RKJE", "THJE", "XSJE", "XTJE", "FKJE", "QTSJE", "QTFJE", "TZJE", "SKJE"}) {
        data.variables.set(QString::fromLatin1(v), QVariant::fromValue(Decimal2::fromCents(98765)));
    }
    return data;
}

}  // namespace DemoData
