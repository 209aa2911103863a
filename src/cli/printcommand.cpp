#include "cli/printcommand.h"

#include <QGuiApplication>

#include <cstring>

#include "print/documentdata.h"
#include "print/pdfoutput.h"
#include "print/printerror.h"
#include "print/printformats.h"
#include "print/reportrenderer.h"
#include "store/datamodule.h"
#include "store/storeerror.h"

namespace PrintCommand {

std::unique_ptr<QCoreApplication> application(int& argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "print") == 0) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
            qEnvironmentVariableIsEmpty("DISPLAY") &&
            qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        return std::make_unique<QGuiApplication>(argc, argv);
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

void addOptions(QCommandLineParser& parser) {
    parser.addOption({QStringLiteral("kind"), QStringLiteral("打印类别（GG_DJ 的 DM，例如 xsd）"),
                      QStringLiteral("KIND")});
    parser.addOption({QStringLiteral("id"), QStringLiteral("单号"), QStringLiteral("DOCNO")});
    parser.addOption(
        {QStringLiteral("pdf"), QStringLiteral("输出的 PDF 文件"), QStringLiteral("FILE")});
}

int run(const QCommandLineParser& parser, const ProgramHome& home, QTextStream& out,
        QTextStream& err) {
    const QString kind = parser.value(QStringLiteral("kind"));
    const QString id = parser.value(QStringLiteral("id"));
    const QString pdf = parser.value(QStringLiteral("pdf"));
    if (kind.isEmpty() || id.isEmpty() || pdf.isEmpty() ||
        parser.positionalArguments().size() != 1) {
        err << QStringLiteral(
                   "用法：zorlik-cli print --kind 打印类别 --id 单号 --pdf 文件.pdf "
                   "[--home DIR]")
            << '\n';
        return 2;
    }
    if (home.isNew()) {
        err << QStringLiteral("程序目录不存在或为空：") << home.root() << '\n';
        return 1;
    }
    try {
        TDM_CS dm(home);
        dm.openConnection(false);
        const Report::ReportTemplate report =
            PrintFormats::loadTemplate(dm.connection(), home, kind);
        const Report::RenderedReport rendered = Report::layoutReport(
            report, DocumentData::load(dm.connection(), kind, id), home.root());
        PdfOutput::write(rendered, pdf);
        out << QStringLiteral("已打印 %1 页到 %2").arg(rendered.pages.size()).arg(pdf) << '\n';
    } catch (const PrintError& e) {
        err << e.message() << '\n';
        return 1;
    } catch (const StoreError& e) {
        err << e.message() << '\n';
        return 1;
    }
    return 0;
}

}  // namespace PrintCommand
