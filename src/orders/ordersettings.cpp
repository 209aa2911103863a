#include "orders/ordersettings.h"

#include "store/inifile.h"

bool XsdSwitch(const IniFile& ini, const QString& key) {
    return ini.readString(QStringLiteral("xsd"), key, QStringLiteral("F")) == QLatin1String("T");
}

OrderSettings OrderSettings::read(const IniFile& ini) {
    const auto on = [&ini](const char* key) { return XsdSwitch(ini, QString::fromLatin1(key)); };
    OrderSettings s;
    s.KH_SK = on("KH_SK");
    s.SKTS = on("SKTS");
    s.skdy = on("skdy");
    s.tcqx = on("tcqx");
    s.zdkd = on("zdkd");
    s.qk = on("qk");
    s.NOFKC = on("NOFKC");
    return s;
}
