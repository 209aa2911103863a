#include "masterdata/productcode.h"

#include "masterdata/productcategory.h"
#include "store/decimal2.h"
#include "store/editabletable.h"

namespace {

// digits + 1 with at least as many digits, or empty when digits is no number.
QString countOn(const QString& digits) {
    if (digits.isEmpty()) {
        return {};
    }
    for (const QChar c : digits) {
        if (!c.isDigit() || c.unicode() > 0x7f) {
            return {};
        }
    }
    bool ok = false;
    const qulonglong n = digits.toULongLong(&ok);
    if (!ok) {
        return {};
    }
    return QString::number(n + 1).rightJustified(digits.size(), QLatin1Char('0'));
}

}  // namespace

QString ProposeProductCode(const QString& category, const QString& lastCode) {
    if (lastCode.isEmpty()) {
        return category + QStringLiteral("0001");
    }
    if (lastCode.startsWith(category) && lastCode.size() > category.size()) {
        const QString rest = countOn(lastCode.mid(category.size()));
        return rest.isEmpty() ? QString() : category + rest;
    }
    return countOn(lastCode);
}

bool FillNewProduct(EditableTable& rows, int row, const QString& category, const QString& lastCode,
                    const QString& pointsRule) {
    if (category == QLatin1String(kRootCategory)) {
        return false;
    }
    if (rows.value(row, QStringLiteral("BM")).toString().isEmpty()) {
        rows.setValue(row, QStringLiteral("BM"), ProposeProductCode(category, lastCode));
    }
    rows.setValue(row, QStringLiteral("LB"), category);
    rows.setValue(row, QStringLiteral("SLHS"), false);
    rows.setValue(row, QStringLiteral("TDZ"), true);
    rows.setValue(row, QStringLiteral("TJF"), true);
    for (const char* zero : {"MJ", "KCSL", "CBJJ"}) {
        rows.setValue(row, QString::fromLatin1(zero), QVariant::fromValue(Decimal2()));
    }
    rows.setValue(row, QStringLiteral("JFGZ"), pointsRule);
    return true;
}
