#pragma once

#include <QByteArray>
#include <QString>

class IniFile;

// Where and how the drawer pulse goes: [xsd] tcqx1, tcqxFS, tcqx2, tcqx3.
struct DrawerSettings {
    QString port;        // "打印机驱动", "LPT1", "LPT2", "COM1".."COM6", "指令"
    QString driverForm;  // chooses between two equal forms of the driver bytes
    QString baudRate;    // for the COM ports
    QString code;        // "03:Chr(27)+..." selects a pulse; for "指令" the command line
};

DrawerSettings DrawerSettingsFromIni(const IniFile& ini);

// Comma-separated decimal numbers (at most eight) to bytes; a first item that
// is not a number gives a blank.
QByteArray ParseByteList(const QString& text);

// The pulse chosen by the first two characters of a code line: 01..07, any
// other selection the pulse of line 04.
QByteArray DrawerPulseBytes(const QString& code);

// Sends 1B 70 00 80 80 as a raw job to the default CUPS printer. A drawer on
// the printer must never stop a sale, so every failure is ignored.
void DriverDrawerKick(const QString& driverForm);

// Sends the pulse where the settings say. The device of each LPT and COM port
// is named by [port] in Default.ini. Throws ServiceError when the port cannot
// be opened or written, or the baud rate is not a number; the driver and the
// command line fail silently.
void OpenCashDrawer(const DrawerSettings& settings, const IniFile& ini);

// Reads the settings and opens the drawer.
void OpenCashDrawerFromSettings(const IniFile& ini);
