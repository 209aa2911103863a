#pragma once

#include <QString>

class IniFile;

// The device behind a port name of the settings ("LPT1", "COM3"): [port] in
// Default.ini names it, with the usual Linux device as the default.
QString PortDevicePath(const IniFile& ini, const QString& portName);
