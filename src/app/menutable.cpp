#include "app/menutable.h"

namespace {

MenuEntry item(const char* name, const char* caption, bool shown = true) {
    return {QString::fromLatin1(name), QString::fromUtf8(caption), shown};
}

MenuEntry separator(const char* name, bool shown = true) {
    return item(name, "-", shown);
}

constexpr bool hidden = false;

}  // namespace

const QList<MainMenu>& mainMenus() {
    static const QList<MainMenu> menus = {
        {QStringLiteral("xt"),
         QStringLiteral("系统维护"),
         {item("XT_CSH", "初始化"), item("XT_SJ", "软件升级"), item("XT_ZTSJ", "账套升级"),
          separator("N24"), item("XT_ZTBF", "账套备份"), item("XT_ZTHF", "账套恢复"),
          item("XT_YSXF", "压缩修复"), item("XT_DRDC", "导入导出", hidden),
          item("XT_QX", "权限设置"), item("XT_XTSZ", "系统设置"), separator("N27"),
          item("XT_MM", "修改密码"), item("XT_PB", "屏幕保护")}},
        {QStringLiteral("JC"),
         QStringLiteral("基础资料"),
         {item("JC_GSXX", "公司信息"),
          item("JC_YG", "员工资料"),
          item("JC_GHS", "供货商", hidden),
          separator("N17"),
          item("JC_HYJB", "会员级别", hidden),
          item("JC_KH", "会员资料"),
          item("JC_SRTX", "生日提醒"),
          item("JC_KHLS", "客户流失提醒", hidden),
          separator("N7"),
          item("JC_SPLB", "商品类别"),
          item("JC_SP", "商品资料"),
          item("JC_TX", "套系名称", hidden),
          item("JC_TXMX", "套系明细", hidden),
          item("JC_JFSP", "积分商品"),
          separator("N46"),
          item("JC_SZXM", "收支项目资料", hidden),
          item("JC_CZD", "会员充值单"),
          item("JC_DXJF", "兑现积分"),
          separator("N2"),
          item("N3", "场布提醒"),
          item("N4", "取件提醒", hidden),
          item("N5", "婚期提醒")}},
        {QStringLiteral("YW"),
         QStringLiteral("业务管理"),
         {item("YW_XSD", "婚礼订单"), separator("N15"), item("YW_RKD", "采购入库单", hidden),
          item("YW_THD", "采购退货单", hidden), item("YW_XTD", "销售退货单", hidden),
          separator("N60", hidden), item("YW_PDD", "盘点单", hidden), separator("N37", hidden),
          item("YW_SKD", "收款单"), item("YW_FKD", "付款单", hidden), separator("N43", hidden),
          item("YW_SRD", "其它收入单", hidden), item("YW_ZCD", "费用支出单", hidden),
          separator("N19", hidden), item("YW_DXQF", "短信群发", hidden)}},
        {QStringLiteral("BB"),
         QStringLiteral("业务报表"),
         {item("BB_KCMX", "库存明细", hidden),
          item("BB_LR", "利润查询", hidden),
          item("BB_RB", "现金日报", hidden),
          separator("N30", hidden),
          item("BB_RKDCX", "采购入库单查询", hidden),
          item("BB_THDCX", "采购退货单查询", hidden),
          item("BB_YYDCX", "预约单查询", hidden),
          item("BB_XSDCX", "婚礼订单查询"),
          item("N1", "完成进度查询", hidden),
          item("BB_XSDYJCX", "业绩汇总"),
          item("BB_XTDCX", "销售退货单查询", hidden),
          item("BB_PDDCX", "盘点单查询", hidden),
          item("BB_SKDCX", "收款单查询"),
          item("BB_FKDCX", "付款单查询", hidden),
          item("BB_SRDCX", "其它收入单查询", hidden),
          item("BB_ZCDCX", "费用支出单查询", hidden),
          separator("N32", hidden),
          item("BB_RKDMXCX", "采购入库明细", hidden),
          item("BB_THDMXCX", "采购退货明细", hidden),
          item("BB_XSDMXCX", "婚礼订单明细"),
          item("BB_XTDMXCX", "销售退货明细", hidden),
          item("BB_SKDMXCX", "收款明细"),
          item("BB_FKDMXCX", "付款明细", hidden),
          item("BB_CZDCX", "充值单查询"),
          item("BB_JFDXCX", "积分兑现查询"),
          item("BB_SPPH", "商品销售排行", hidden)}},
        {QStringLiteral("BZ"),
         QStringLiteral("帮助"),
         {item("BZ_SC", "操作手册"), item("BZ_GY", "关于"), item("BZ_TC", "退出")}},
    };
    return menus;
}

QString menuEntryCode(int menuNumber, int position) {
    return QString::number(menuNumber) + QString::number(position + 10);
}
