#pragma once

#include <QDate>
#include <QList>
#include <QString>

#include "orders/orderline.h"
#include "store/decimal2.h"

// The header of a wedding order (xsd_zb). Stage flags hold "T" or "F"; an
// empty flag counts as "F".
struct OrderHeader {
    QString ID;
    QDate RQ;
    QString SJ;
    QString KHBM;
    QString KHMC;
    QString JBR;
    QString ZDR;
    QString SYR;
    QString SYZL;
    QString HQR;
    QString HZR;
    QString TXMC;
    Decimal2 ZSL;
    Decimal2 ZMJ;
    Decimal2 ZJE;
    Decimal2 YYSK;  // deposit
    QDate YYSK_RQ;
    QString YYSK_FS;
    Decimal2 SS;  // set-up payment
    QDate SS_RQ;
    QString SS_FS;
    Decimal2 QXSK;  // final payment
    QDate QXSK_RQ;
    QString QXSK_FS;
    Decimal2 QK;  // still open
    Decimal2 HK;  // repaid through receipts
    Decimal2 ZML;
    Decimal2 JF;
    QString BZ;
    QString YYSH;
    QString SH;
    QString QX;
    QString WC;
    QDate QXRQ;
    QString QXSJ;
    QDate YYRQ;

    bool reserved() const { return YYSH == QLatin1String("T"); }
    bool approved() const { return SH == QLatin1String("T"); }
    bool pickedUp() const { return QX == QLatin1String("T"); }
    bool completed() const { return WC == QLatin1String("T"); }
};

// An order as the window edits it: the header, the lines, and what is known of
// the stored copy.
struct Order {
    OrderHeader header;
    QList<OrderLine> lines;
    bool isNew = true;      // its number is not yet committed
    QString storedVersion;  // the stored copy this edit started from; empty when none
};

// The non-member customer: may type a name, earns no points.
inline const QString kWalkInCustomer = QStringLiteral("999");

// The payment method that pays from the member's prepaid balance.
inline const QString kPayFromBalance = QStringLiteral("充值抵扣");
