#include "print/pdfoutput.h"

#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include "print/printerror.h"

namespace PdfOutput {

void write(const Report::RenderedReport& report, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        throw PrintError(QStringLiteral("无法写入文件 %1：%2").arg(path, file.errorString()));
    }
    {
        QPdfWriter writer(&file);
        writer.setResolution(300);
        writer.setCreator(QStringLiteral("zorlik"));
        QPageLayout layout = report.layout;
        layout.setMargins(QMarginsF());
        writer.setPageLayout(layout);
        QPainter painter(&writer);
        for (qsizetype i = 0; i < report.pages.size(); ++i) {
            if (i > 0) {
                writer.newPage();
            }
            Report::paintPage(painter, report, static_cast<int>(i));
        }
    }
    if (!file.commit()) {
        throw PrintError(QStringLiteral("无法写入文件 %1：%2").arg(path, file.errorString()));
    }
}

}  // namespace PdfOutput
