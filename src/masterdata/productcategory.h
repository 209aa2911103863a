#pragma once

#include <QList>
#include <QString>

#include "masterdata/productquery.h"

class Database;

// The tree's root stands for every category.
inline constexpr char kRootCategory[] = "%";

struct ProductCategory {
    QString BM;
    QString MC;
    QString JFGZ;
};

// Every category in code order. Throws StoreError.
QList<ProductCategory> LoadProductCategories(const Database& db);

// The text of a category's node in the tree: "01.婚纱摄影".
QString CategoryNodeText(const ProductCategory& category);

// The products of a category: every product whose LB starts with its code, so
// nested codes ("0102" under "01") are listed under each prefix. The root lists
// every product that has a category.
ProductQuery ProductsOfCategory(const QString& category);

// The points rule new products of the category take; at the root the first
// category's. Throws StoreError.
QString DefaultPointsRule(const Database& db, const QString& category);

// Every product takes the points rule of the category its LB names exactly;
// products of unknown categories keep theirs. Throws StoreError.
void ApplyCategoryPointsRules(const Database& db);
