#pragma once

#include <QString>
#include <QVariantList>

// Income and expense items share BM_XM; SZ is set for an expense item.
enum class ItemKind { Income, Expense };

struct ItemSelection {
    QString whereAndOrder;
    QVariantList params;
};

// The rows an item picker of this kind lists.
ItemSelection itemsOfKind(ItemKind kind);
