#include "orders/ordernumber.h"

#include "orders/orderstore.h"
#include "services/documentnumbering.h"

QString StepOrderNumber(const QString& id, int step) {
    if (id.size() < 5) {
        return id;
    }
    bool ok = false;
    const int last = id.right(5).toInt(&ok);
    if (!ok) {
        return id;
    }
    const int moved = ((last + step) % 100000 + 100000) % 100000;
    return id.left(id.size() - 5) + QStringLiteral("%1").arg(moved, 5, 10, QLatin1Char('0'));
}

QString NextFreeOrderNumber(const Database& db, const NumberingContext& numbering) {
    const OrderStore store(db);
    QString id = NextDocumentId(db, numbering, DocumentKind::Order);
    // At most one full turn of the five digits, so a full day cannot loop forever.
    for (int i = 0; i < 100000 && store.hasLines(id); ++i) {
        id = StepOrderNumber(id, 1);
    }
    return id;
}
