#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "store/decimal2.h"

class Database;

// One product of a package series (BM_TX) at its package price.
struct PackageItem {
    QString BM;
    Decimal2 SL;
    Decimal2 DJ;
};

// The names of the series for the order's package list. Throws StoreError.
QStringList PackageSeriesNames(const Database& db);

// The products of the series with that name, in the order they were entered.
QList<PackageItem> PackageSeriesItems(const Database& db, const QString& seriesName);
