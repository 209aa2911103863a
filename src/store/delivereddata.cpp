#include "store/delivereddata.h"

#include <QFile>
#include <QStringList>
#include <QVariantList>

#include "store/database.h"
#include "store/decimal2.h"
#include "store/passwordhash.h"
#include "store/schema.h"
#include "store/storeerror.h"

namespace {

// Characters outside the built-in initial-letter ranges, one "character<TAB>letter" a line.
const QString kPinyinResource = QStringLiteral(":/data/bm_jp.tsv");
constexpr int kPinyinRowsPerStatement = 400;

bool exists(const Database& db, const QString& sql, const QVariantList& params = {}) {
    return db.value(sql, params).isValid();
}

void insertReservedRows(const Database& db) {
    db.exec(QStringLiteral("insert into BM_KH (BM, MC) values (?, ?) on conflict do nothing"),
            {QStringLiteral("999"), QStringLiteral("普通客户")});
    db.exec(QStringLiteral("insert into BM_GHS (BM, MC) values (?, ?) on conflict do nothing"),
            {QStringLiteral("001"), QStringLiteral("通用供货商")});
    if (!exists(db, QStringLiteral("select BM from BM_YG where BM = ?"), {QStringLiteral("000")})) {
        db.exec(QStringLiteral("insert into BM_YG (BM, MC, DLMC, MM, QX1, QX2, QX3, QX4, QXQT) "
                               "values (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                {QStringLiteral("000"), QStringLiteral("系统管理员"), QStringLiteral("sa"),
                 PasswordHash::make(QString::fromLatin1(PasswordHash::kDefaultPassword)),
                 QStringLiteral("null"), QStringLiteral("null"), QStringLiteral("null"),
                 QStringLiteral("null"), QStringLiteral("QX-10,11,12,13,14,15,16,17,18,")});
    }
}

void insertCompany(const Database& db) {
    if (exists(db, QStringLiteral("select 1 from BM_GSXX"))) {
        return;
    }
    db.exec(QStringLiteral("insert into BM_GSXX (GSMC, DH, DZ, LOG, BF, MR_GHS, MR_GHSMC, MR_KH, "
                           "MR_KHMC, QXTS, QXSJ, XJF, TZK) "
                           "values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
            {QStringLiteral("Zorlik影楼"), QStringLiteral(""), QStringLiteral(""),
             QStringLiteral(""), QStringLiteral("backup/"), QStringLiteral("001"),
             QStringLiteral("通用供货商"), QStringLiteral("999"), QStringLiteral("普通客户"), 15,
             QStringLiteral("下午"), 1, QVariant::fromValue(Decimal2::fromUnits(1))});
}

void insertPrintKinds(const Database& db) {
    for (const DeliveredData::PrintKind& kind : DeliveredData::printKinds()) {
        db.exec(QStringLiteral(
                    "insert into GG_DJ (DM, MC, DZ) values (?, ?, ?) on conflict do nothing"),
                {kind.code, kind.name, DeliveredData::templateFileName(kind.code)});
    }
}

void insertTableList(const Database& db) {
    for (const TableDef& table : Schema::tables()) {
        if (table.description.isEmpty()) {
            continue;
        }
        db.exec(QStringLiteral(
                    "insert into GG_XTB (MC, SM, XZ) values (?, ?, ?) on conflict do nothing"),
                {table.name, table.description, QStringLiteral("F")});
    }
}

void insertPinyinInitials(const Database& db) {
    QFile file(kPinyinResource);
    if (!file.open(QIODevice::ReadOnly)) {
        throw StoreError(QStringLiteral("程序缺少拼音简码表 %1").arg(kPinyinResource));
    }
    const QStringList rows =
        QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (db.value(QStringLiteral("select count(*) from BM_JP")).toLongLong() >= rows.size()) {
        return;
    }
    for (qsizetype start = 0; start < rows.size(); start += kPinyinRowsPerStatement) {
        const qsizetype end = std::min<qsizetype>(start + kPinyinRowsPerStatement, rows.size());
        QStringList placeholders;
        QVariantList params;
        for (qsizetype i = start; i < end; ++i) {
            const QStringList fields = rows[i].split(QLatin1Char('\t'));
            if (fields.size() != 2) {
                throw StoreError(QStringLiteral("拼音简码表第 %1 行有误").arg(i + 1));
            }
            placeholders << QStringLiteral("(?, ?)");
            params << fields[0] << fields[1];
        }
        db.exec(QStringLiteral("insert into BM_JP (MC, JP) values %1 on conflict do nothing")
                    .arg(placeholders.join(QStringLiteral(", "))),
                params);
    }
}

}  // namespace

namespace DeliveredData {

const QList<PrintKind>& printKinds() {
    static const QList<PrintKind> kinds = {
        {QStringLiteral("xsd"), QStringLiteral("照相单打印格式")},
        {QStringLiteral("XSD_L"), QStringLiteral("婚纱摄影流程单")},
        {QStringLiteral("XSD_Y"), QStringLiteral("照相预约单")},
        {QStringLiteral("XSD_Q"), QStringLiteral("取件单")},
        {QStringLiteral("skd"), QStringLiteral("收款单打印格式")},
        {QStringLiteral("czd"), QStringLiteral("充值单打印格式")},
        {QStringLiteral("djf"), QStringLiteral("积分兑现单打印格式")},
        {QStringLiteral("srd"), QStringLiteral("其它收入单打印格式")},
        {QStringLiteral("zcd"), QStringLiteral("费用支出单打印格式")},
        {QStringLiteral("rkd"), QStringLiteral("采购入库单打印格式")},
        {QStringLiteral("thd"), QStringLiteral("采购退货单打印格式")},
        {QStringLiteral("xtd"), QStringLiteral("销售退货单打印格式")},
        {QStringLiteral("pdd"), QStringLiteral("盘点单打印格式")},
        {QStringLiteral("fkd"), QStringLiteral("付款单打印格式")},
        {QStringLiteral("kc_kcdtb"), QStringLiteral("库存动态表打印格式")},
        {QStringLiteral("bb_xsd"), QStringLiteral("婚礼订单查询")},
        {QStringLiteral("bb_xsdmx"), QStringLiteral("婚礼订单明细")},
        {QStringLiteral("bb_skd"), QStringLiteral("收款单查询")},
        {QStringLiteral("bb_skdmx"), QStringLiteral("收款单明细")},
        {QStringLiteral("bb_czd"), QStringLiteral("充值单查询")},
        {QStringLiteral("bb_dxjfd"), QStringLiteral("积分兑现单查询")},
        {QStringLiteral("bb_yyd"), QStringLiteral("预约单查询")},
        {QStringLiteral("bb_xsd_HZ"), QStringLiteral("业绩汇总")},
        {QStringLiteral("bb_srd"), QStringLiteral("其它收入单查询")},
        {QStringLiteral("bb_zcd"), QStringLiteral("费用支出单查询")},
        {QStringLiteral("bb_rkd"), QStringLiteral("采购入库单查询")},
        {QStringLiteral("bb_rkdmx"), QStringLiteral("采购入库明细")},
        {QStringLiteral("bb_thd"), QStringLiteral("采购退货单查询")},
        {QStringLiteral("bb_thdmx"), QStringLiteral("采购退货明细")},
        {QStringLiteral("bb_xtd"), QStringLiteral("销售退货单查询")},
        {QStringLiteral("bb_xtdmx"), QStringLiteral("销售退货明细")},
        {QStringLiteral("bb_fkd"), QStringLiteral("付款单查询")},
        {QStringLiteral("bb_fkdmx"), QStringLiteral("付款单明细")},
        {QStringLiteral("bb_pdd"), QStringLiteral("盘点单查询")},
        {QStringLiteral("TXM"), QStringLiteral("条形码打印格式")},
    };
    return kinds;
}

QString templateFileName(const QString& code) {
    return code + QStringLiteral(".zrt");
}

void insertMissing(const Database& db) {
    insertReservedRows(db);
    insertCompany(db);
    insertPrintKinds(db);
    insertTableList(db);
    insertPinyinInitials(db);
}

}  // namespace DeliveredData
