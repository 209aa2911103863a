#pragma once

#include <QString>

#include "print/reportdata.h"

class Database;
class IniFile;
class ProgramHome;
class QWidget;

// How every window prints with its kind's template: read the kind's row of
// GG_DJ, load PrintFormat/ + DZ, bind the window's data, then preview or print
// directly. A missing row or file is a message and nothing else happens.
namespace PrintOperation {

enum class Mode {
    FollowSettings,  // direct print when [xsd] yl is "T", else the preview
    Preview,
};

struct Request {
    QString kind;
    Report::ReportData data;
    Mode mode = Mode::FollowSettings;
    bool announceSuccess = true;  // "打印成功" at the end
};

// True when the report was shown or printed.
bool run(QWidget* parent, const Database& db, const ProgramHome& home, const IniFile& ini,
         const Request& request);

// The same for a template file named by the caller (the cash report, the
// order's extra templates).
bool runFile(QWidget* parent, const QString& templatePath, const ProgramHome& home,
             const IniFile& ini, const Request& request);

}  // namespace PrintOperation
