#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include "print/reportdata.h"

class IniFile;

// The receipt printer path: a text template (xpjlt.piv: sections Title, Data,
// Footer, each with Count and numbered lines) expanded for one order.
namespace TicketPrinter {

struct TicketContext {
    const Report::ReportData* order = nullptr;  // header and lines of the order
    int line = 0;                               // the order line the placeholders read
    QString operatorCode;
    QDateTime now;
};

// Replaces every "[name]" or "[name,width]" by its value, padded to the width.
QString ConverString(const QString& line, const TicketContext& context);

// The mode bytes around the expanded lines, each line ended by CR LF.
QByteArray ticketBytes(const IniFile& ticketTemplate, const TicketContext& context);

// Writes the ticket to the device; throws PrintError when it cannot be opened or written.
void PrintXP(const IniFile& ticketTemplate, const TicketContext& context,
             const QString& devicePath);

}  // namespace TicketPrinter
