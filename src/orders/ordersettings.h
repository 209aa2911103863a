#pragma once

class IniFile;
class QString;

// A switch of section xsd: on when it reads "T", off by default.
bool XsdSwitch(const IniFile& ini, const QString& key);

// The order window's switches of Default.ini, section xsd ("T" turns one on).
struct OrderSettings {
    bool KH_SK = false;  // a new order starts in the member code
    bool SKTS = false;   // the set-up payment must be typed
    bool skdy = false;   // print after every approval
    bool tcqx = false;   // open the cash drawer after a payment
    bool zdkd = false;   // start a new order after an approval
    bool qk = false;     // ask before a short final payment
    bool NOFKC = false;  // no sale below zero stock

    static OrderSettings read(const IniFile& ini);
};
