#include "print/ui/printoperation.h"

#include <QMessageBox>

#include "print/printerror.h"
#include "print/printformats.h"
#include "print/templatefile.h"
#include "print/ui/previewwindow.h"
#include "print/ui/printeroutput.h"
#include "store/programhome.h"
#include "store/storeerror.h"

namespace PrintOperation {
namespace {

bool show(QWidget* parent, const Report::ReportTemplate& report, const ProgramHome& home,
          const IniFile& ini, const Request& request) {
    if (request.mode == Mode::FollowSettings && PrintFormats::printsDirectly(ini)) {
        PrinterOutput::printOnDefaultPrinter(
            Report::layoutReport(report, request.data, home.root()));
    } else {
        PreviewWindow preview(report, request.data, home.root(), parent);
        preview.exec();
    }
    if (request.announceSuccess) {
        QMessageBox::information(parent, QStringLiteral("提示"), QStringLiteral("打印成功"));
    }
    return true;
}

}  // namespace

bool run(QWidget* parent, const Database& db, const ProgramHome& home, const IniFile& ini,
         const Request& request) {
    try {
        return show(parent, PrintFormats::loadTemplate(db, home, request.kind), home, ini, request);
    } catch (const PrintError& e) {
        QMessageBox::warning(parent, QStringLiteral("提示"), e.message());
    } catch (const StoreError& e) {
        QMessageBox::warning(parent, QStringLiteral("提示"), e.message());
    }
    return false;
}

bool runFile(QWidget* parent, const QString& templatePath, const ProgramHome& home,
             const IniFile& ini, const Request& request) {
    try {
        return show(parent, TemplateFile::load(templatePath), home, ini, request);
    } catch (const PrintError& e) {
        QMessageBox::warning(parent, QStringLiteral("提示"), e.message());
    }
    return false;
}

}  // namespace PrintOperation
