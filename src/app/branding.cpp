#include "app/branding.h"

#include "store/inifile.h"

Branding Branding::standard() {
    Branding b;
    b.SoftwareName = QStringLiteral("Zorlik婚庆公司管理系统");
    b.DeveloperName = QStringLiteral("Zorlik软件工作室");
    b.DeveloperAddress = QStringLiteral("江城市东湖路88号");
    b.SupportAccount = QStringLiteral("800012345");
    b.Telephone = QStringLiteral("13900001234");
    b.WebSite = QStringLiteral("https://www.zorlik.example");
    return b;
}

Branding Branding::fromIni(const IniFile& ini) {
    Branding b = standard();
    if (ini.readString(QStringLiteral("DL"), QStringLiteral("RJMC"), QStringLiteral("2")) ==
        QStringLiteral("彩")) {
        b.SoftwareName = QStringLiteral("Zorlik彩扩管理系统（专业版）");
    }
    if (ini.readString(QStringLiteral("DL"), QStringLiteral("tem"), QStringLiteral("2")) ==
        QLatin1String("TQ")) {
        b.SoftwareName = QStringLiteral("Zorlik影像婚庆管理系统");
        b.DeveloperName = QStringLiteral("Zorlik软件服务中心");
        b.DeveloperAddress = QStringLiteral("江城市西湖路16号");
        b.SupportAccount = QStringLiteral("800067890");
        b.Telephone = QStringLiteral("13900005678");
        b.WebSite = QStringLiteral("https://service.zorlik.example");
        b.alternative = true;
    }
    return b;
}

QString Branding::mainCaption() const {
    return SoftwareName + QStringLiteral("  ") + QLatin1String(SoftwareVersion);
}

QString Branding::statusCredit() const {
    return QStringLiteral("研发单位：") + DeveloperName + QStringLiteral("   ") +
           QStringLiteral("联系QQ：") + SupportAccount;
}

Branding& branding() {
    static Branding b = Branding::standard();
    return b;
}
