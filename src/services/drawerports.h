#pragma once

#include <QByteArray>
#include <QString>

#include "services/portdevices.h"

// The devices a drawer pulse can go to. The port writers throw ServiceError
// with a text for the operator; the printer path reports nothing.
void WriteToParallelPort(const QString& devicePath, const QByteArray& bytes);
void WriteToSerialPort(const QString& devicePath, const QString& baudRate, const QByteArray& bytes);
void SendRawToDefaultPrinter(const QByteArray& bytes);
