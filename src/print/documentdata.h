#pragma once

#include <QString>
#include <optional>

#include "print/reportdata.h"

class Database;

// Reads what a document's template is bound to: its header, its lines in the
// order they were written, and the company record.
namespace DocumentData {

struct DocumentTables {
    QString header;  // "xsd_zb"
    QString lines;   // "xsd_mx"; empty for documents without lines
};

// The tables behind a document print kind (any case); none for list kinds.
std::optional<DocumentTables> tablesOfKind(const QString& kind);

// Throws PrintError when the document does not exist.
Report::ReportData load(const Database& db, const QString& kind, const QString& id);

// The first row of BM_GSXX; empty when there is none.
Report::ReportRecord companyRecord(const Database& db);

// The rows of a query with typed values (money as Decimal2, dates as QDate)
// by the columns of the given table.
Report::ReportTable readTable(const Database& db, const QString& table, const QString& sql,
                              const QVariantList& params);

}  // namespace DocumentData
