#include "masterdata/itemkind.h"

ItemSelection itemsOfKind(ItemKind kind) {
    return {QStringLiteral("where SZ = ? order by BM asc"), {kind == ItemKind::Expense}};
}
