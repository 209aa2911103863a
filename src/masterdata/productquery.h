#pragma once

#include <QString>
#include <QVariantList>

// Which rows of BM_SP a list reads: "where ... order by ..." with its values bound.
struct ProductQuery {
    QString whereAndOrder;
    QVariantList params;
};

// The text as a LIKE pattern that finds it as typed: %, _ and the escape
// character itself lose their wildcard meaning (pair with "escape '\'").
QString LikeLiteral(const QString& text);
