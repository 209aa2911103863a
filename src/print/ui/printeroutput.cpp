#include "print/ui/printeroutput.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "print/printerror.h"

namespace PrinterOutput {

void print(const Report::RenderedReport& report, QPrinter& printer) {
    printer.setFullPage(true);
    QPageLayout layout = report.layout;
    layout.setMargins(QMarginsF());
    printer.setPageLayout(layout);
    QPainter painter;
    if (!painter.begin(&printer)) {
        throw PrintError(QStringLiteral("打印机 %1 无法打印").arg(printer.printerName()));
    }
    for (qsizetype i = 0; i < report.pages.size(); ++i) {
        if (i > 0 && !printer.newPage()) {
            throw PrintError(QStringLiteral("打印机 %1 无法换页").arg(printer.printerName()));
        }
        Report::paintPage(painter, report, static_cast<int>(i));
    }
    painter.end();
}

namespace {

QString& defaultPrinterFile() {
    static QString path;
    return path;
}

}  // namespace

void setDefaultPrinterFile(const QString& pdfPath) {
    defaultPrinterFile() = pdfPath;
}

void printOnDefaultPrinter(const Report::RenderedReport& report) {
    QPrinter printer(QPrinter::HighResolution);
    if (defaultPrinterFile().isEmpty()) {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull()) {
            throw PrintError(QStringLiteral("没有找到默认打印机"));
        }
        printer.setPrinterName(info.printerName());
    } else {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(defaultPrinterFile());
    }
    printer.setCopyCount(1);
    printer.setCollateCopies(true);
    printer.setPrintRange(QPrinter::AllPages);
    print(report, printer);
}

}  // namespace PrinterOutput
