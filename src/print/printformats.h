#pragma once

#include <QString>
#include <optional>

#include "print/reporttemplate.h"

class Database;
class IniFile;
class ProgramHome;

// The print-format table GG_DJ: which template file a print kind uses.
namespace PrintFormats {

struct PrintFormatRow {
    QString code;  // DM
    QString name;  // MC
    QString file;  // DZ, a bare file name inside PrintFormat/
};

// Kinds match without regard to case ("xsd" finds "XSD").
std::optional<PrintFormatRow> find(const Database& db, const QString& kind);

// PrintFormat/ + DZ of the kind's row. Throws PrintError when the kind has no row.
QString templatePath(const Database& db, const ProgramHome& home, const QString& kind);

// Throws PrintError when the row or the file is missing or unreadable.
Report::ReportTemplate loadTemplate(const Database& db, const ProgramHome& home,
                                    const QString& kind);

// [xsd] yl = "T": print without a preview.
bool printsDirectly(const IniFile& ini);

// The cash report's fixed template, outside GG_DJ.
QString cashReportTemplatePath(const ProgramHome& home);

}  // namespace PrintFormats
