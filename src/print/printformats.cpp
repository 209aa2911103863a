#include "print/printformats.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlQuery>

#include "print/printerror.h"
#include "print/templatefile.h"
#include "store/database.h"
#include "store/inifile.h"
#include "store/programhome.h"

namespace PrintFormats {

std::optional<PrintFormatRow> find(const Database& db, const QString& kind) {
    QSqlQuery q =
        db.exec(QStringLiteral("select DM, MC, DZ from GG_DJ where lower(DM) = lower(?)"), {kind});
    if (!q.next()) {
        return std::nullopt;
    }
    return PrintFormatRow{q.value(0).toString(), q.value(1).toString(), q.value(2).toString()};
}

QString templatePath(const Database& db, const ProgramHome& home, const QString& kind) {
    const std::optional<PrintFormatRow> row = find(db, kind);
    if (!row) {
        throw PrintError(QStringLiteral("没有找到打印格式：%1").arg(kind));
    }
    if (row->file.trimmed().isEmpty()) {
        throw PrintError(QStringLiteral("打印格式“%1”没有指定文件").arg(row->name));
    }
    // Only the bare name counts, as the print-format window stores it.
    return QDir(home.printFormatDir()).filePath(QFileInfo(row->file.trimmed()).fileName());
}

Report::ReportTemplate loadTemplate(const Database& db, const ProgramHome& home,
                                    const QString& kind) {
    return TemplateFile::load(templatePath(db, home, kind));
}

bool printsDirectly(const IniFile& ini) {
    return ini.readString(QStringLiteral("xsd"), QStringLiteral("yl"), QStringLiteral("F")) ==
           QLatin1String("T");
}

QString cashReportTemplatePath(const ProgramHome& home) {
    return QDir(home.printFormatDir()).filePath(QStringLiteral("现金报表打印格式.zrt"));
}

}  // namespace PrintFormats
