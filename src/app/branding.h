#pragma once

#include <QString>

class IniFile;

inline constexpr auto kApplicationTitle = "Zorlik影楼收费管理系统(专业版)";
inline constexpr auto SoftwareVersion = "v21.0312";

// The names shown in titles, the status bar and the about box.
struct Branding {
    QString SoftwareName;
    QString DeveloperName;
    QString DeveloperAddress;
    QString SupportAccount;
    QString Telephone;
    QString WebSite;
    bool alternative = false;  // DL/tem = "TQ": a customer's own title and vendor

    static Branding standard();
    // DL/RJMC "彩" renames the program; DL/tem "TQ" takes the alternative set.
    static Branding fromIni(const IniFile& ini);

    // SoftwareName, two blanks and the version.
    QString mainCaption() const;
    QString statusCredit() const;
};

// The branding of this run, set when the main window is created.
Branding& branding();
