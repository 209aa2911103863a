#include "services/portdevices.h"

#include "store/inifile.h"

QString PortDevicePath(const IniFile& ini, const QString& portName) {
    const QString name = portName.trimmed().toUpper();
    QString fallback;
    if (name.startsWith(QLatin1String("LPT"))) {
        fallback = QStringLiteral("/dev/usb/lp%1").arg(name.mid(3).toInt() - 1);
    } else if (name.startsWith(QLatin1String("COM"))) {
        fallback = QStringLiteral("/dev/ttyS%1").arg(name.mid(3).toInt() - 1);
    }
    return ini.readString(QStringLiteral("port"), name, fallback);
}
