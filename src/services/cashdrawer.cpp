#include "services/cashdrawer.h"

#include <QProcess>

#include "services/drawerports.h"
#include "services/texthelpers.h"
#include "store/inifile.h"

namespace {

const QString kDriverPort = QStringLiteral("打印机驱动");

QByteArray bytes(std::initializer_list<unsigned char> values) {
    QByteArray result;
    for (const unsigned char v : values) {
        result.append(static_cast<char>(v));
    }
    return result;
}

void startCommand(const QString& commandLine) {
    QStringList parts = QProcess::splitCommand(commandLine);
    if (parts.isEmpty()) {
        return;
    }
    const QString program = parts.takeFirst();
    QProcess::startDetached(program, parts);
}

}  // namespace

DrawerSettings DrawerSettingsFromIni(const IniFile& ini) {
    const QString section = QStringLiteral("xsd");
    const QString none = QStringLiteral("F");
    return {ini.readString(section, QStringLiteral("tcqx1"), none),
            ini.readString(section, QStringLiteral("tcqxFS"), none),
            ini.readString(section, QStringLiteral("tcqx2"), none),
            ini.readString(section, QStringLiteral("tcqx3"), none)};
}

QByteArray ParseByteList(const QString& text) {
    const QStringList items = text.split(QLatin1Char(',')).mid(0, 8);
    QByteArray result;
    for (qsizetype i = 0; i < items.size(); ++i) {
        const QString item = items[i].trimmed();
        bool ok = false;
        const int value = item.toInt(&ok);
        if (i == 0) {
            result.append(ok ? static_cast<char>(value) : ' ');
        } else if (ok) {
            result.append(static_cast<char>(value));
        }
    }
    return result;
}

QByteArray DrawerPulseBytes(const QString& code) {
    const QString selector = code.left(2);
    bool ok = false;
    const int line = IsDigitsOrPoints(selector) ? static_cast<int>(selector.toDouble(&ok)) : 0;
    switch (ok ? line : 0) {
        case 1:
            return bytes({0x1B, 0x70, 0x07});
        case 2:
            return bytes({0x1B, 0x70, 0x00, 0x11, 0x08});
        case 3:
            return bytes({0x1B, 0x70, 0x00, 0x05, 0xFF});
        case 5:
            return bytes({0x1B, 0x70, 0x00, 0x3C, 0xFF});
        case 6:
            return bytes({0x1B, 0x70, 0x00, 0x3C, 0xF0});
        case 7:
            return bytes({0x1B, 0x70, 0x00, 0x64, 0x96});
        default:
            return bytes({0x1B, 0x70, 0x00, 0x32, 0xC8});
    }
}

void DriverDrawerKick(const QString& driverForm) {
    const QByteArray pulse = driverForm == QLatin1String("1")
                                 ? ParseByteList(QStringLiteral("27,112,0,128,128"))
                                 : bytes({0x1B, 0x70, 0x00, 0x80, 0x80});
    SendRawToDefaultPrinter(pulse);
}

void OpenCashDrawer(const DrawerSettings& settings, const IniFile& ini) {
    if (settings.port == kDriverPort) {
        DriverDrawerKick(settings.driverForm);
        return;
    }
    const QString port = settings.port.trimmed().toUpper();
    if (port.contains(QLatin1String("LPT"))) {
        WriteToParallelPort(PortDevicePath(ini, port), DrawerPulseBytes(settings.code));
    } else if (port.contains(QLatin1String("COM"))) {
        WriteToSerialPort(PortDevicePath(ini, port), settings.baudRate,
                          DrawerPulseBytes(settings.code));
    } else {
        startCommand(settings.code);
    }
}

void OpenCashDrawerFromSettings(const IniFile& ini) {
    OpenCashDrawer(DrawerSettingsFromIni(ini), ini);
}
