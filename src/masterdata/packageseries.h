#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

#include "store/decimal2.h"

class Database;
class EditableTable;
struct ProductRecord;

// One product of a package series (BM_TX), at the package's quantity and price.
struct PackageLine {
    QString BM;
    QString MC;
    Decimal2 SL;
    Decimal2 DJ;
};

// The names of every series, in code order. Throws StoreError.
QStringList PackageSeriesNames(const Database& db);

// The code of the first series with that name; nothing when none has it.
// Throws StoreError.
std::optional<QString> PackageSeriesCode(const Database& db, const QString& name);

// The contents of a series in the order they were written. Throws StoreError.
QList<PackageLine> PackageSeriesLines(const Database& db, const QString& seriesCode);

// The contents window's rows of a series (no series: no rows). Throws StoreError.
void LoadPackageContents(EditableTable& contents, const std::optional<QString>& seriesCode);

// Appends the product to the contents as one unit at its retail price.
void AddProductToSeries(EditableTable& contents, const ProductRecord& product,
                        const QString& seriesCode);
