#include "services/documentnumbering.h"

#include <algorithm>

#include "store/database.h"
#include "store/storeerror.h"

namespace {

QString dayText(const NumberingContext& context) {
    return context.today.toString(QStringLiteral("yyyyMMdd"));
}

QString shortened(const QString& id) {
    return id.left(8) + id.mid(12);
}

}  // namespace

QString NextDocumentId(const Database& db, const NumberingContext& context, const QString& kind) {
    const QString day = dayText(context);
    qlonglong last = 0;
    db.transact([&] {
        last = db.value(QStringLiteral("select DJSL from GG_XZ where YGBM = ? and DJLX = ? and "
                                       "RQ = ?"),
                        {context.operatorCode, kind, day}, 0)
                   .toLongLong();
        if (last == 0) {
            db.exec(QStringLiteral("delete from GG_XZ where YGBM = ? and DJLX = ?"),
                    {context.operatorCode, kind});
            db.exec(QStringLiteral("insert into GG_XZ (YGBM, DJLX, RQ, DJSL) values (?, ?, ?, 0)"),
                    {context.operatorCode, kind, day});
        }
    });
    // Past 99,999 the five digits wrap to 00000, as the counter's width demands.
    const QString sequence = QStringLiteral("%1").arg((last + 1) % 100000, 5, 10, QLatin1Char('0'));
    const QString id = day + context.operatorCode + sequence;
    return context.shortIds ? shortened(id) : id;
}

void CommitDocumentId(const Database& db, const NumberingContext& context, const QString& kind,
                      const QString& id) {
    // A short id keeps only the sequence digits from the 13th character on:
    // four with a three-character operator code, fewer with a shorter one. Reading
    // more would take a digit of the date or of the code for the number.
    const qsizetype kept =
        context.shortIds ? std::min<qsizetype>(5, context.operatorCode.size() + 1) : 5;
    const QString digits = id.right(kept);
    bool ok = false;
    const qlonglong number = digits.toLongLong(&ok);
    if (!ok || number < 0) {
        throw StoreError(QStringLiteral("单号格式不正确：%1").arg(id));
    }
    db.transact([&] {
        db.exec(QStringLiteral("update GG_XZ set DJSL = ? where YGBM = ? and DJLX = ? and RQ = ?"),
                {number, context.operatorCode, kind, dayText(context)});
    });
}
