#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

class QAbstractItemModel;

// What a report is bound to: the document header, the lines that drive the
// master data band, the company record and the report variables. Field names
// match without regard to case, as the database's do.
namespace Report {

class ReportRecord {
public:
    void set(const QString& name, const QVariant& value);
    bool contains(const QString& name) const;
    QVariant value(const QString& name) const;
    const QStringList& names() const { return names_; }

private:
    QStringList names_;
    QHash<QString, QVariant> values_;
};

struct ReportTable {
    QStringList fields;
    QStringList captions;  // what a column header shows; the field name when empty
    QList<QVariantList> rows;

    int column(const QString& name) const;  // -1 when missing
    // The display texts of the given columns (every column when empty) as
    // fields C0, C1, ..., with the model's header captions.
    static ReportTable fromModel(const QAbstractItemModel& model, const QList<int>& columns = {});
};

struct ReportData {
    ReportRecord header;
    ReportTable lines;
    ReportRecord company;
    ReportRecord variables;
};

}  // namespace Report
