#pragma once

#include <QString>
#include <QVariantList>

// Which rows of BM_SP a list reads: "where ... order by ..." with its values bound.
struct ProductQuery {
    QString whereAndOrder;
    QVariantList params;
};

