#include "services/drawerports.h"

#include <QFile>
#include <QSerialPort>

#include <cups/cups.h>
#include <termios.h>

#include "services/serviceerror.h"

void WriteToParallelPort(const QString& devicePath, const QByteArray& bytes) {
    QFile device(devicePath);
    // Unbuffered and without truncation: the target is a device, not a file.
    if (!device.open(QIODevice::WriteOnly | QIODevice::Unbuffered | QIODevice::ExistingOnly)) {
        throw ServiceError(
            QStringLiteral("无法打开钱箱端口 %1：%2").arg(devicePath, device.errorString()));
    }
    if (device.write(bytes) != bytes.size() || !device.flush()) {
        throw ServiceError(
            QStringLiteral("钱箱指令未能写入 %1：%2").arg(devicePath, device.errorString()));
    }
}

void WriteToSerialPort(const QString& devicePath, const QString& baudRate,
                       const QByteArray& bytes) {
    bool ok = false;
    const int rate = baudRate.trimmed().toInt(&ok);
    if (!ok || rate <= 0) {
        throw ServiceError(QStringLiteral("钱箱的波特率不正确：%1").arg(baudRate));
    }
    QSerialPort port(devicePath);
    if (!port.open(QIODevice::WriteOnly) || !port.setBaudRate(rate)) {
        throw ServiceError(
            QStringLiteral("无法打开钱箱端口 %1：%2").arg(devicePath, port.errorString()));
    }
    port.write(bytes);
    if (!port.waitForBytesWritten(2000) && port.bytesToWrite() > 0) {
        throw ServiceError(
            QStringLiteral("钱箱指令未能写入 %1：%2").arg(devicePath, port.errorString()));
    }
    // Closing puts the port's former settings back at once: let the last byte
    // leave at our speed first.
    ::tcdrain(port.handle());
    port.close();
}

void SendRawToDefaultPrinter(const QByteArray& bytes) {
    const char* printer = cupsGetDefault();
    if (printer == nullptr) {
        return;
    }
    const int job = cupsCreateJob(CUPS_HTTP_DEFAULT, printer, "zorlik drawer", 0, nullptr);
    if (job == 0) {
        return;
    }
    if (cupsStartDocument(CUPS_HTTP_DEFAULT, printer, job, "drawer", CUPS_FORMAT_RAW, 1) !=
        HTTP_STATUS_CONTINUE) {
        cupsCancelJob(printer, job);
        return;
    }
    cupsWriteRequestData(CUPS_HTTP_DEFAULT, bytes.constData(), static_cast<size_t>(bytes.size()));
    cupsFinishDocument(CUPS_HTTP_DEFAULT, printer);
}
