#include "masterdata/membercode.h"

#include <QSqlQuery>

#include <algorithm>

#include "masterdata/member.h"
#include "store/database.h"

namespace {

bool isDigits(const QString& text) {
    return !text.isEmpty() && std::all_of(text.begin(), text.end(),
                                          [](QChar c) { return c.isDigit() && c.unicode() < 128; });
}

// The leading number of a code, as the old val() read it; 0 when there is none.
qulonglong leadingNumber(const QString& code) {
    qulonglong n = 0;
    for (const QChar c : code.trimmed()) {
        if (c.unicode() < '0' || c.unicode() > '9' || n > (qulonglong(-1) - 9) / 10) {
            break;
        }
        n = n * 10 + (c.unicode() - '0');
    }
    return n;
}

}  // namespace

QString NextCodeKeepingWidth(const QString& code) {
    if (!isDigits(code)) {
        return {};
    }
    QString next = code;
    for (qsizetype i = next.size() - 1; i >= 0; --i) {
        if (next[i] != QLatin1Char('9')) {
            next[i] = QChar(next[i].unicode() + 1);
            return next;
        }
        next[i] = QLatin1Char('0');  // the carry past the first digit is dropped: the width stays
    }
    return next;
}

QString NextMemberCodeAfter(const QStringList& codes) {
    if (codes.isEmpty()) {
        return {};
    }
    return NextCodeKeepingWidth(*std::max_element(codes.begin(), codes.end()));
}

QString ProposeMemberCode(const Database& db) {
    QSqlQuery q =
        db.exec(QStringLiteral("select BM from BM_KH where BM <> ?"), {kWalkInMemberCode});
    QStringList codes;
    qulonglong highest = 0;
    while (q.next()) {
        codes << q.value(0).toString();
        highest = std::max(highest, leadingNumber(codes.back()));
    }
    if (highest >= 999) {
        return NextCodeKeepingWidth(QString::number(highest));
    }
    return NextMemberCodeAfter(codes);
}
