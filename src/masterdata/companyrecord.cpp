#include "masterdata/companyrecord.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlQuery>
#include <QVariantList>

#include "store/database.h"
#include "store/decimal2.h"
#include "store/storeerror.h"
#include "store/transaction.h"

namespace {

const QString kColumns =
    QStringLiteral("GSMC, DH, DZ, LOG, BF, MR_GHS, MR_GHSMC, MR_KH, MR_KHMC, QXTS, QXSJ, XJF, TZK");

const QString kDiscountMessage = QStringLiteral("“全场打折”请输入数字，例如 0.95！");
const QString kPickupDaysMessage = QStringLiteral("“取相天数”请输入整数！");

QString text(const QVariant& v) {
    return v.isNull() ? QString() : v.toString();
}

std::optional<Decimal2> discount(const QString& text) {
    return Decimal2::parse(text.trimmed());
}

std::optional<QString> nameOf(const Database& db, const QString& table, const QString& code) {
    QSqlQuery q = db.exec(QStringLiteral("select MC from %1 where BM = ?").arg(table), {code});
    if (!q.next()) {
        return std::nullopt;
    }
    return text(q.value(0));
}

}  // namespace

namespace Company {

CompanyRecord load(const Database& db) {
    CompanyRecord r;
    QSqlQuery q = db.exec(QStringLiteral("select %1 from BM_GSXX").arg(kColumns));
    std::optional<Decimal2> tzk;
    if (q.next()) {
        const int discount = int(std::size(kFields)) - 1;
        for (int i = 0; i < discount; ++i) {
            r.*kFields[i] = text(q.value(i));
        }
        if (!q.value(discount).isNull()) {
            tzk = Decimal2::fromVariant(q.value(discount));
        }
    }
    r.TZK = tzk.value_or(Decimal2::fromUnits(1)).toString();
    return r;
}

std::optional<QString> inputError(const CompanyRecord& record) {
    if (checkPointsAmount(record.XJF) != PointsAmountCheck::Ok) {
        return kPointsAmountMessage;
    }
    if (!discount(record.TZK)) {
        return kDiscountMessage;
    }
    bool ok = true;
    if (!record.QXTS.trimmed().isEmpty()) {
        record.QXTS.trimmed().toInt(&ok);
    }
    if (!ok) {
        return kPickupDaysMessage;
    }
    return std::nullopt;
}

void save(const Database& db, const CompanyRecord& record) {
    if (const std::optional<QString> error = inputError(record)) {
        throw AppError(*error);
    }
    const QString days = record.QXTS.trimmed();
    const QVariantList values = {
        record.GSMC,
        record.DH,
        record.DZ,
        record.LOG,
        withTrailingSeparator(record.BF),
        record.MR_GHS,
        record.MR_GHSMC,
        record.MR_KH,
        record.MR_KHMC,
        days.isEmpty() ? QVariant(QMetaType::fromType<int>()) : QVariant(days.toInt()),
        record.QXSJ,
        record.XJF.trimmed().toInt(),
        QVariant::fromValue(*discount(record.TZK)),
    };
    db.transact([&] {
        if (db.value(QStringLiteral("select count(*) from BM_GSXX")).toLongLong() == 0) {
            db.exec(QStringLiteral("insert into BM_GSXX (%1) values (?, ?, ?, ?, ?, ?, ?, ?, ?, "
                                   "?, ?, ?, ?)")
                        .arg(kColumns),
                    values);
        } else {
            db.exec(QStringLiteral("update BM_GSXX set GSMC = ?, DH = ?, DZ = ?, LOG = ?, BF = ?, "
                                   "MR_GHS = ?, MR_GHSMC = ?, MR_KH = ?, MR_KHMC = ?, QXTS = ?, "
                                   "QXSJ = ?, XJF = ?, TZK = ?"),
                    values);
        }
    });
}

PointsAmountCheck checkPointsAmount(const QString& text) {
    bool ok = false;
    const int amount = text.trimmed().toInt(&ok);
    if (!ok) {
        return PointsAmountCheck::NotInteger;
    }
    return amount < 0 || amount > kMaxPointsAmount ? PointsAmountCheck::OutOfRange
                                                   : PointsAmountCheck::Ok;
}

QString withTrailingSeparator(const QString& folder) {
    if (folder.isEmpty() || folder.endsWith(QLatin1Char('/'))) {
        return folder;
    }
    return folder + QLatin1Char('/');
}

QString pictureName(const QString& programFolder, const QString& chosenFile) {
    const QString folder = QFileInfo(programFolder).absoluteFilePath();
    const QString file = QFileInfo(chosenFile).absoluteFilePath();
    const QString relative = QDir(folder).relativeFilePath(file);
    return relative.startsWith(QLatin1String("..")) ? file : relative;
}

std::optional<QString> memberName(const Database& db, const QString& code) {
    return nameOf(db, QStringLiteral("BM_KH"), code);
}

std::optional<QString> supplierName(const Database& db, const QString& code) {
    return nameOf(db, QStringLiteral("BM_GHS"), code);
}

}  // namespace Company
