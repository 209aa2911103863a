#pragma once

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

#include "store/decimal2.h"

class Database;

// What the order takes from a member of BM_KH.
struct OrderCustomer {
    QString BM;
    QString MC;
    QString JG;  // price level name ("原价", "售价一" …)
    QDate HQ;    // wedding date
    Decimal2 ZK;
    Decimal2 ZHYE;
    Decimal2 ZHQK;
};

// Members whose code, card number, name, pinyin initials or telephone contain
// the text; with `exact`, and always for the walk-in code, the member whose
// code is the text. Throws StoreError.
QList<OrderCustomer> FindOrderCustomers(const Database& db, const QString& text, bool exact);

std::optional<OrderCustomer> ReadOrderCustomer(const Database& db, const QString& code);

// The set-up day a member's wedding date proposes: the day before.
std::optional<QDate> SetUpDayFor(const OrderCustomer& customer);
