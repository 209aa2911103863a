#include "orders/orderprint.h"

#include "orders/order.h"
#include "orders/ordersettings.h"
#include "store/inifile.h"

OrderPrintPlan PlanOrderPrint(const OrderHeader& header, const IniFile& ini) {
    const QString section = QStringLiteral("xsd");
    const auto on = [&](const char* key) { return XsdSwitch(ini, QString::fromLatin1(key)); };
    OrderPrintPlan plan;
    if (on("dyqx") && !header.approved() && !header.reserved()) {
        plan.refusal = QStringLiteral("本单据未审核，不能打印！");
        return plan;
    }
    plan.ticket = on("gdxp");
    for (const char* extra : {"dyld1", "dyld2"}) {
        if (on(extra)) {
            const QString file = ini.readString(
                section, QString::fromLatin1(extra) + QStringLiteral("_DZ"), QString());
            if (!file.isEmpty()) {
                plan.extraTemplates << file;
            }
        }
    }
    return plan;
}
