#include "store/schema.h"

namespace {

ColumnDef text(const char* name, int length = 50) {
    return {QString::fromLatin1(name), ColumnType::Text, length, false};
}
ColumnDef decimal(const char* name) {
    return {QString::fromLatin1(name), ColumnType::Decimal, 0, false};
}
ColumnDef date(const char* name) {
    return {QString::fromLatin1(name), ColumnType::Date, 0, false};
}
ColumnDef yesNo(const char* name) {
    return {QString::fromLatin1(name), ColumnType::Bool, 0, false};
}
ColumnDef integer(const char* name) {
    return {QString::fromLatin1(name), ColumnType::Integer, 0, false};
}
ColumnDef required(ColumnDef c) {
    c.notNull = true;
    return c;
}

IndexDef index(const QString& table, const QString& expression, bool unique = false) {
    QString suffix = expression;
    suffix.remove(QLatin1Char(' ')).replace(QLatin1Char(','), QLatin1Char('_'));
    suffix.remove(QLatin1Char(')')).replace(QLatin1Char('('), QLatin1Char('_'));
    return {QStringLiteral("ix_%1_%2").arg(table, suffix).toLower(), expression, unique};
}

TableDef plain(const char* name, const char* description, QList<ColumnDef> columns) {
    TableDef t;
    t.name = QString::fromLatin1(name);
    t.description = QString::fromUtf8(description);
    t.columns = std::move(columns);
    return t;
}

// A master list: the code BM identifies one row.
TableDef master(const char* name, const char* description, QList<ColumnDef> columns) {
    columns.prepend(required(text("BM")));
    TableDef t = plain(name, description, std::move(columns));
    t.primaryKey = {QStringLiteral("BM")};
    return t;
}

// A document header: the number ID identifies one document of its kind.
TableDef header(const char* name, const char* description, QList<ColumnDef> columns,
                int idLength = 16) {
    columns.prepend(required(text("ID", idLength)));
    TableDef t = plain(name, description, std::move(columns));
    t.primaryKey = {QStringLiteral("ID")};
    t.indexes = {index(t.name, QStringLiteral("RQ"))};
    return t;
}

// Document lines: read through their header's number, in the order written.
TableDef lines(const char* name, const char* description, QList<ColumnDef> columns) {
    columns.prepend(text("ID", 16));
    columns.append(ColumnDef{QString::fromLatin1(Schema::kLineKey), ColumnType::Integer, 0, false});
    TableDef t = plain(name, description, std::move(columns));
    t.primaryKey = {QString::fromLatin1(Schema::kLineKey)};
    t.indexes = {index(t.name, QStringLiteral("ID"))};
    return t;
}

TableDef withIndex(TableDef t, const QString& expression, bool unique = false) {
    t.indexes.append(index(t.name, expression, unique));
    return t;
}

QList<ColumnDef> stockLineColumns() {
    return {text("SPBM"),      text("SPMC", 100), text("TXM"),   text("XH"),    text("DW", 100),
            text("SCCJ", 100), decimal("SL"),     decimal("DJ"), decimal("JE"), text("BZ")};
}

QList<ColumnDef> paymentLineColumns() {
    return {text("DJLX"),  text("DJ_ID"),   date("RQ"),     text("JBR"),
            text("ZDR"),   decimal("ZSL"),  decimal("ZJE"), decimal("SS"),
            decimal("QK"), decimal("BCSK"), text("BZ")};
}

QList<ColumnDef> voucherColumns() {
    return {text("XM"), date("RQ"), decimal("JE"), text("BZ", 200)};
}

QList<TableDef> buildTables() {
    QList<TableDef> t;

    // Master data.
    t << plain("BM_GSXX", "公司信息",
               {text("GSMC", 100), text("DH"), text("DZ", 200), text("LOG", 255), text("BF", 255),
                text("MR_GHS"), text("MR_GHSMC"), text("MR_KH"), text("MR_KHMC"), integer("QXTS"),
                text("QXSJ"), integer("XJF"), decimal("TZK")});
    // MM holds a salted hash, longer than the typed password it replaces.
    t << withIndex(
        master("BM_YG", "员工资料",
               {text("MC"), text("DLMC"), text("MM", 128), text("ZW"), text("DH"), text("DZ"),
                date("SR"), date("SRBZ"), text("BZ"), text("QX1", 255), text("QX2", 255),
                text("QX3", 255), text("QX4", 255), text("QXQT", 100)}),
        QStringLiteral("DLMC"));
    t << master(
        "BM_KH", "会员资料",
        {text("MC"),        text("LJ"),      text("XB"),      text("DH"),       text("QQ"),
         date("SR"),        date("SRBAK"),   text("DW", 100), text("DZ", 100),  text("ZJLX"),
         text("ZJ"),        date("RQ"),      date("ZJRQ"),    text("JSR"),      text("JP"),
         text("JG"),        text("JB"),      decimal("ZK"),   decimal("ZJF"),   decimal("DXJF"),
         decimal("SYJF"),   decimal("LJXF"), decimal("ZHQK"), decimal("ZHYE"),  text("BZ"),
         yesNo("TSJ"),      yesNo("QF"),     text("JSRBM"),   decimal("JSRJF"), text("KH"),
         text("QTDH", 100), date("HQ")});
    t << master("BM_KHJB", "会员级别", {text("MC"), decimal("ZK"), decimal("QJF"), decimal("ZJF")});
    t << withIndex(
        withIndex(master("BM_SP", "商品资料",
                         {text("MC", 100), decimal("MJ"),   yesNo("SLHS"),     text("TXM"),
                          text("XH"),      text("DW", 100), text("SCCJ", 100), text("BZ", 200),
                          yesNo("TDZ"),    yesNo("TJF"),    decimal("KCSL"),   decimal("CBJJ"),
                          decimal("KCJE"), decimal("JJ"),   decimal("LSJ"),    decimal("SJ1"),
                          decimal("SJ2"),  decimal("SJ3"),  decimal("SJ4"),    decimal("SJ5"),
                          text("JP"),      text("LB"),      text("JFGZ"),      text("TP", 255)}),
                  QStringLiteral("LB")),
        QStringLiteral("TXM"));
    t << master("BM_SPLB", "商品类别", {text("MC"), text("JFGZ")});
    t << master("BM_TXLB", "套系类别", {text("MC")});
    {
        // A series may list one product more than once, so BM is no key here.
        TableDef tx = plain(
            "BM_TX", "套系明细",
            {text("BM"), text("MC", 100), decimal("SL"), decimal("DJ"), text("LB"),
             ColumnDef{QString::fromLatin1(Schema::kLineKey), ColumnType::Integer, 0, false}});
        tx.primaryKey = {QString::fromLatin1(Schema::kLineKey)};
        t << withIndex(tx, QStringLiteral("LB"));
    }
    t << master("BM_JFSP", "积分商品",
                {text("MC", 100), text("XH"), text("DW", 100), text("BZ", 200), decimal("KCSL"),
                 decimal("JF")});
    t << master("BM_GHS", "供货商资料",
                {text("MC"), text("LXR"), text("DH"), text("DZ"), decimal("LJJE"), decimal("ZHQK"),
                 text("BZ")});
    t << master("BM_XM", "收支项目", {text("MC"), yesNo("SZ")});
    {
        TableDef jp = plain("BM_JP", "拼音简码", {required(text("MC", 10)), text("JP", 10)});
        jp.primaryKey = {QStringLiteral("MC")};
        t << jp;
    }
    t << plain("BM_TXM", "条形码打印明细",
               {text("ID"), integer("XH"), text("SPBM"), text("SPMC"), text("TXH"), integer("SL"),
                decimal("LSJ"), decimal("SJ1"), text("TXM")});

    // Sales documents.
    t << withIndex(
        withIndex(
            header("xsd_zb", "婚礼订单",
                   {date("RQ"),           text("SJ"),      text("KHBM"),         text("KHMC"),
                    text("JBR"),          text("ZDR"),     text("SYR"),          text("SYZL"),
                    text("HQR"),          text("HZR"),     text("TXMC"),         decimal("ZSL"),
                    decimal("ZMJ"),       decimal("ZJE"),  decimal("YYSK"),      date("YYSK_RQ"),
                    text("YYSK_FS", 255), decimal("SS"),   date("SS_RQ"),        text("SS_FS", 255),
                    decimal("QXSK"),      date("QXSK_RQ"), text("QXSK_FS", 255), decimal("QK"),
                    decimal("HK"),        decimal("ZML"),  decimal("JF"),        text("BZ"),
                    text("YYSH"),         text("SH"),      text("QX"),           text("WC"),
                    date("QXRQ"),         text("QXSJ"),    date("YYRQ")}),
            QStringLiteral("KHBM")),
        QStringLiteral("YYRQ"));
    t << withIndex(
        lines("xsd_mx", "婚礼订单明细",
              {text("SPBM"),    text("SPMC", 100), yesNo("SLHS"),   text("TXM"),      text("XH"),
               text("DW", 100), text("SCCJ", 100), decimal("ZQDJ"), decimal("SL"),    decimal("MJ"),
               decimal("ZK"),   decimal("DJ"),     decimal("JE"),   decimal("JJ"),    decimal("ML"),
               text("BZ"),      yesNo("TDZ"),      yesNo("TJF"),    decimal("TJFJE"), text("JFGZ"),
               decimal("MXJF")}),
        QStringLiteral("SPBM"));
    t << withIndex(header("skd_zb", "收款单",
                          {date("RQ"), text("KHBM"), text("KHMC"), text("JBR"), text("ZDR"),
                           decimal("SS"), decimal("CS"), text("BZ"), text("SH")}),
                   QStringLiteral("KHBM"));
    t << withIndex(lines("skd_mx", "收款单明细", paymentLineColumns()), QStringLiteral("DJ_ID"));
    t << withIndex(header("czd_zb", "充值单",
                          {date("RQ"), text("KHBM"), text("KH"), decimal("JE"), decimal("ZS"),
                           decimal("ZJE"), decimal("ZSJF"), text("BZ", 200), text("SH", 1)}),
                   QStringLiteral("KHBM"));
    t << withIndex(header("djf_zb", "积分兑现单",
                          {date("RQ"), text("KHBM"), text("KH"), text("JBR"), decimal("BCJF"),
                           decimal("ZSL"), text("BZ", 200), text("SH", 1)}),
                   QStringLiteral("KHBM"));
    t << lines("djf_mx", "积分兑现单明细",
               {text("SPBM"), text("SPMC", 100), text("DW", 100), decimal("SL"), decimal("JF"),
                text("BZ", 200)});
    t << withIndex(header("jf_xg", "积分修改记录",
                          {date("RQ"), text("KHBM"), text("KHMC"), decimal("ZJF"), decimal("DXJF"),
                           decimal("SYJF"), decimal("X_ZJF"), decimal("X_DXJF"), decimal("X_SYJF")},
                          20),
                   QStringLiteral("KHBM"));
    t << header("srd_zb", "其它收入单", voucherColumns());
    t << header("zcd_zb", "费用支出单", voucherColumns());

    // System tables.
    {
        TableDef xz = plain("GG_XZ", "单据序号",
                            {required(text("YGBM", 10)), required(text("DJLX", 10)),
                             required(text("RQ", 10)), integer("DJSL")});
        xz.primaryKey = {QStringLiteral("YGBM"), QStringLiteral("DJLX")};
        t << xz;
    }
    // Print kinds are looked up without regard to case: "xsd" finds "XSD".
    t << withIndex(
        plain("GG_DJ", "打印格式", {required(text("DM", 10)), text("MC"), text("DZ", 100)}),
        QStringLiteral("lower(DM)"), true);
    {
        TableDef xtb = plain("GG_XTB", "", {required(text("MC")), text("SM"), text("XZ", 1)});
        xtb.primaryKey = {QStringLiteral("MC")};
        t << xtb;
    }
    t << plain("GG_BB", "", {integer("BBH")});

    // Purchasing and stock documents.
    t << withIndex(header("rkd_zb", "采购入库单",
                          {date("RQ"), text("GHSBM"), text("GHSMC"), text("JBR"), text("ZDR"),
                           decimal("ZSL"), decimal("ZJE"), decimal("SF"), decimal("QK"),
                           decimal("HK"), text("BZ"), text("SH")}),
                   QStringLiteral("GHSBM"));
    t << withIndex(lines("rkd_mx", "采购入库明细", stockLineColumns()), QStringLiteral("SPBM"));
    t << withIndex(header("thd_zb", "采购退货单",
                          {date("RQ"), text("GHSBM"), text("GHSMC"), text("JBR"), text("ZDR"),
                           decimal("ZSL"), decimal("ZJE"), decimal("SS"), decimal("QK"),
                           decimal("HK"), text("BZ"), text("SH")}),
                   QStringLiteral("GHSBM"));
    t << withIndex(lines("thd_mx", "采购退货明细", stockLineColumns()), QStringLiteral("SPBM"));
    t << withIndex(
        header("xtd_zb", "销售退货单",
               {date("RQ"), text("SJ"), text("KHBM"), text("KHMC"), text("JBR"), text("ZDR"),
                decimal("ZSL"), decimal("ZJE"), decimal("SF"), decimal("QK"), decimal("JF"),
                decimal("ZML"), text("BZ"), text("SH"), decimal("HK")}),
        QStringLiteral("KHBM"));
    t << withIndex(
        lines("xtd_mx", "销售退货明细",
              {text("SPBM"), text("SPMC", 100), text("TXM"), text("XH"), text("DW", 100),
               text("SCCJ", 100), decimal("ZQDJ"), decimal("SL"), decimal("ZK"), decimal("DJ"),
               decimal("JE"), decimal("JJ"), decimal("ML"), text("BZ"), yesNo("TDZ"), yesNo("TJF"),
               decimal("TJFJE"), text("JFGZ"), decimal("MXJF")}),
        QStringLiteral("SPBM"));
    t << header("pdd_zb", "盘点单",
                {date("RQ"), text("JBR"), text("ZDR"), decimal("ZSL"), decimal("ZJE"), text("BZ"),
                 text("SH")});
    t << withIndex(lines("pdd_mx", "盘点单明细",
                         {text("SPBM"), text("SPMC", 100), text("TXM"), text("XH"), text("DW", 100),
                          text("SCCJ", 100), decimal("SL"), decimal("XSL"), decimal("YKSL"),
                          decimal("XJE"), decimal("YKJE"), decimal("JE"), text("BZ")}),
                   QStringLiteral("SPBM"));
    t << withIndex(header("fkd_zb", "付款单",
                          {date("RQ"), text("GHSBM"), text("GHSMC"), text("JBR"), text("ZDR"),
                           decimal("SS"), text("BZ"), text("SH")}),
                   QStringLiteral("GHSBM"));
    t << withIndex(lines("fkd_mx", "付款单明细", paymentLineColumns()), QStringLiteral("DJ_ID"));
    return t;
}

}  // namespace

const ColumnDef* TableDef::column(const QString& columnName) const {
    for (const ColumnDef& c : columns) {
        if (c.name.compare(columnName, Qt::CaseInsensitive) == 0) {
            return &c;
        }
    }
    return nullptr;
}

QString TableDef::columnSql(const ColumnDef& c, const Dialect& dialect) const {
    if (primaryKey.size() == 1 && primaryKey.front() == QLatin1String(Schema::kLineKey) &&
        c.name == QLatin1String(Schema::kLineKey)) {
        return dialect.autoKeyColumn(c.name);
    }
    QString sql = c.name + QLatin1Char(' ') + dialect.columnType(c.type, c.length);
    if (c.notNull) {
        sql += QStringLiteral(" not null");
    }
    if (c.type == ColumnType::Decimal) {
        // Running totals are changed in place (ZHYE = ZHYE - ?); null would swallow them.
        sql += QStringLiteral(" default 0");
    }
    return sql;
}

QString TableDef::createSql(const Dialect& dialect) const {
    QStringList parts;
    for (const ColumnDef& c : columns) {
        parts << columnSql(c, dialect);
    }
    if (!primaryKey.isEmpty() && primaryKey.front() != QLatin1String(Schema::kLineKey)) {
        parts << QStringLiteral("primary key (%1)").arg(primaryKey.join(QStringLiteral(", ")));
    }
    return QStringLiteral("create table %1 (%2)").arg(name, parts.join(QStringLiteral(", ")));
}

namespace Schema {

const QList<TableDef>& tables() {
    static const QList<TableDef> all = buildTables();
    return all;
}

const TableDef* table(const QString& name) {
    for (const TableDef& t : tables()) {
        if (t.name.compare(name, Qt::CaseInsensitive) == 0) {
            return &t;
        }
    }
    return nullptr;
}

}  // namespace Schema
