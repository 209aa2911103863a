#include <QSqlQuery>
#include <QTest>

#include "orders/orderbuttons.h"
#include "orders/orderlifecycle.h"
#include "orders/orderstore.h"
#include "store/database.h"
#include "support/testdatabase.h"

using TestSupport::TestDatabase;

namespace {

const QDate kToday(2026, 12, 11);
const QDate kOrderDay(2026, 12, 1);
const QString kCash = QStringLiteral("现金");

Decimal2 d(const char* text) {
    return *Decimal2::parse(QString::fromLatin1(text));
}

QVariant money(const char* text) {
    return QVariant::fromValue(d(text));
}

QString text(const Decimal2& value) {
    return value.toString();
}

// P1 is counted stock (4 in stock worth 100), P2 a service without stock.
void makeCatalogue(const Database& db, const char* stockP1 = "4", const char* valueP1 = "100") {
    db.exec(QStringLiteral("insert into BM_SP (BM, MC, SLHS, KCSL, KCJE, CBJJ, JJ, LSJ) values "
                           "(?, ?, ?, ?, ?, ?, ?, ?), (?, ?, ?, ?, ?, ?, ?, ?)"),
            {"P1", "水晶相框", true, money(stockP1), money(valueP1), money("25"), money("20"),
             money("1000"), "P2", "婚礼跟拍", false, money("0"), money("0"), money("0"), money("0"),
             money("1000")});
}

void makeMember(const Database& db, const char* balance = "0") {
    db.exec(QStringLiteral("insert into BM_KH (BM, MC, ZHYE, ZHQK, LJXF, ZJF, DXJF, SYJF, TSJ) "
                           "values (?, ?, ?, 0, 0, 0, 0, 0, ?)"),
            {"0001", "李四", money(balance), false});
}

OrderLine line(const char* code, const char* quantity, const char* price, const char* cost) {
    OrderLine l;
    l.SPBM = QString::fromLatin1(code);
    l.SPMC = l.SPBM;
    l.SL = d(quantity);
    l.ZQDJ = d(price);
    l.DJ = d(price);
    l.ZK = d("1");
    l.JE = Decimal2::fromCents(l.SL.cents() * l.DJ.cents() / 100);
    l.JJ = d(cost);
    l.MXJF = Decimal2::fromCents(l.JE.cents() / 100);
    return l;
}

// 3000 in all: two counted frames at 1000 and one service at 1000, 30 points.
Order makeOrder(const QString& id = QStringLiteral("20261211000001")) {
    Order o;
    o.header.ID = id;
    o.header.RQ = kOrderDay;
    o.header.KHBM = QStringLiteral("0001");
    o.header.KHMC = QStringLiteral("李四");
    o.header.SH = QStringLiteral("F");
    o.header.JF = d("30");
    o.lines = {line("P1", "2", "1000", "20"), line("P2", "1", "1000", "0")};
    return o;
}

OrderLifecycle lifecycle(const Database& db, OrderSettings settings = {}, bool mayCancel = true) {
    return OrderLifecycle(db, NumberingContext{QStringLiteral("000"), false, kToday}, settings,
                          mayCancel);
}

struct Member {
    QString ZHYE, ZHQK, LJXF, ZJF, ZJRQ;
};

Member member(const Database& db) {
    QSqlQuery q =
        db.exec(QStringLiteral("select ZHYE, ZHQK, LJXF, ZJF, ZJRQ from BM_KH where BM = '0001'"));
    q.next();
    auto m = [&](int i) { return Decimal2::fromVariant(q.value(i)).toString(); };
    return {m(0), m(1), m(2), m(3), q.value(4).toString().left(10)};
}

QString stock(const Database& db, const char* code) {
    QSqlQuery q = db.exec(QStringLiteral("select KCSL, KCJE, CBJJ from BM_SP where BM = ?"),
                          {QString::fromLatin1(code)});
    q.next();
    return QStringList{Decimal2::fromVariant(q.value(0)).toString(),
                       Decimal2::fromVariant(q.value(1)).toString(),
                       Decimal2::fromVariant(q.value(2)).toString()}
        .join(QLatin1Char('/'));
}

OrderHeader stored(const Database& db, const QString& id = QStringLiteral("20261211000001")) {
    const std::optional<Order> o = OrderStore(db).load(id);
    return o ? o->header : OrderHeader{};
}

QString firstText(const OrderOutcome& outcome) {
    return outcome.messages.isEmpty() ? QString() : outcome.messages.first().text;
}

Payment pay(const char* amount, const QString& method = kCash) {
    return {QString::fromLatin1(amount), method};
}

}  // namespace

class TestOrderLifecycle : public QObject {
    Q_OBJECT

private slots:
    void initTestCase_data() { TestSupport::addEngineRows(); }
    void init() { TestSupport::skipUnavailableEngine(); }

    void stagesMoveMoneyStockAndPoints() {
        TestDatabase t(TestSupport::currentEngine());
        const Database& db = t.db();
        makeCatalogue(db);
        makeMember(db);
        OrderSettings settings;
        settings.qk = true;
        const OrderLifecycle life = lifecycle(db, settings);
        Order o = makeOrder();

        OrderOutcome r = life.reserve(o, pay("500"));
        QVERIFY(r.ok);
        QCOMPARE(firstText(r), QStringLiteral("预约成功！"));
        OrderHeader h = stored(db);
        QCOMPARE(text(h.ZJE), QStringLiteral("3000.00"));
        QCOMPARE(text(h.YYSK), QStringLiteral("500.00"));
        QCOMPARE(text(h.QK), QStringLiteral("2500.00"));
        QCOMPARE(h.YYSH, QStringLiteral("T"));
        QCOMPARE(h.YYSK_RQ, kToday);
        QCOMPARE(h.YYSK_FS, kCash);
        QVERIFY(RefreshButtons(h).cancelReservation && !RefreshButtons(h).reserve);

        PrintAfterApproval mode = PrintAfterApproval::AsSettings;
        r = life.approve(o, pay("1000"), mode);
        QVERIFY(r.ok);
        QCOMPARE(firstText(r), QStringLiteral("审核通过成功！"));
        QCOMPARE(r.messages.first().caption, QStringLiteral("提示："));
        h = stored(db);
        QCOMPARE(h.SH, QStringLiteral("T"));
        QCOMPARE(text(h.QK), QStringLiteral("1500.00"));
        QCOMPARE(h.SS_RQ, kToday);
        QCOMPARE(stock(db, "P1"), QStringLiteral("2.00/60.00/30.00"));
        QCOMPARE(stock(db, "P2"), QStringLiteral("0.00/0.00/0.00"));
        Member m = member(db);
        QCOMPARE(m.LJXF, QStringLiteral("3000.00"));
        QCOMPARE(m.ZHQK, QStringLiteral("1500.00"));
        QCOMPARE(m.ZJF, QStringLiteral("30.00"));
        QVERIFY(!RefreshButtons(h).editLines);

        QStringList asked;
        r = life.takeFinalPayment(o, pay("1000"), [&](const QString& q) {
            asked << q;
            return true;
        });
        QVERIFY(r.ok);
        QCOMPARE(asked, QStringList{QStringLiteral("当前单据存在欠款，是否继续审核？")});
        QCOMPARE(firstText(r), QStringLiteral("取相确认成功！"));
        QCOMPARE(text(stored(db).QK), QStringLiteral("500.00"));
        QCOMPARE(member(db).ZHQK, QStringLiteral("500.00"));
        QVERIFY(!RefreshButtons(stored(db)).cancelApproval);

        r = life.cancelFinalPayment(o, pay("0"));
        QVERIFY(r.ok);
        QCOMPARE(r.paymentBox.value_or(QString()), QStringLiteral("1000.00"));
        QCOMPARE(text(stored(db).QK), QStringLiteral("1500.00"));
        QCOMPARE(member(db).ZHQK, QStringLiteral("1500.00"));

        r = life.cancelApproval(o);
        QVERIFY(r.ok);
        QCOMPARE(firstText(r), QStringLiteral("取消审核成功！"));
        h = stored(db);
        QCOMPARE(h.SH, QStringLiteral("F"));
        QCOMPARE(text(h.SS), QStringLiteral("0.00"));
        QCOMPARE(text(h.QK), QStringLiteral("2500.00"));
        QCOMPARE(stock(db, "P1"), QStringLiteral("4.00/100.00/25.00"));
        m = member(db);
        QCOMPARE(m.LJXF, QStringLiteral("0.00"));
        QCOMPARE(m.ZHQK, QStringLiteral("0.00"));
        QCOMPARE(m.ZJF, QStringLiteral("0.00"));
    }

    void shortFinalPaymentCanBeDeclined() {
        TestDatabase t(TestSupport::currentEngine());
        makeCatalogue(t.db());
        makeMember(t.db());
        OrderSettings settings;
        settings.qk = true;
        const OrderLifecycle life = lifecycle(t.db(), settings);
        Order o = makeOrder();
        PrintAfterApproval mode = PrintAfterApproval::AsSettings;
        QVERIFY(life.approve(o, pay("1000"), mode).ok);
        const OrderOutcome r =
            life.takeFinalPayment(o, pay("100"), [](const QString&) { return false; });
        QVERIFY(!r.ok);
        QVERIFY(r.messages.isEmpty());
        QCOMPARE(stored(t.db()).QX, QString());
        QCOMPARE(member(t.db()).ZHQK, QStringLiteral("2000.00"));
    }

    void payingFromTheBalance_data() {
        QTest::addColumn<QString>("balance");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("balanceAfter");
        QTest::newRow("300 does not cover 500") << "300" << false << "300.00";
        QTest::newRow("800 covers 500") << "800" << true << "300.00";
        QTest::newRow("exactly 500") << "500" << true << "0.00";
    }
    void payingFromTheBalance() {
        QFETCH(QString, balance);
        QFETCH(bool, accepted);
        QFETCH(QString, balanceAfter);
        TestDatabase t(TestSupport::currentEngine());
        makeCatalogue(t.db());
        makeMember(t.db(), balance.toLatin1().constData());
        Order o = makeOrder();
        const OrderOutcome r = lifecycle(t.db()).reserve(o, pay("500", QStringLiteral("充值抵扣")));
        QCOMPARE(r.ok, accepted);
        QCOMPARE(member(t.db()).ZHYE, balanceAfter);
        if (accepted) {
            QCOMPARE(member(t.db()).ZJRQ, kOrderDay.toString(Qt::ISODate));
        } else {
            QCOMPARE(firstText(r), QStringLiteral("当前客户账务余额不足以支付！"));
            QVERIFY(!OrderStore(t.db()).load(o.header.ID));
        }
    }

    void balanceComesBackByTheStoredMethod() {
        TestDatabase t(TestSupport::currentEngine());
        makeCatalogue(t.db());
        makeMember(t.db(), "1000");
        const OrderLifecycle life = lifecycle(t.db());
        Order o = makeOrder();
        PrintAfterApproval mode = PrintAfterApproval::AsSettings;
        QVERIFY(life.approve(o, pay("1000"), mode).ok);
        QVERIFY(life.takeFinalPayment(o, pay("800", QStringLiteral("充值抵扣")), {}).ok);
        QCOMPARE(member(t.db()).ZHYE, QStringLiteral("200.00"));
        QCOMPARE(member(t.db()).ZHQK, QStringLiteral("1200.00"));
        QVERIFY(life.cancelFinalPayment(o, pay("0", kCash)).ok);
        QCOMPARE(member(t.db()).ZHYE, QStringLiteral("1000.00"));
        QCOMPARE(member(t.db()).ZHQK, QStringLiteral("2000.00"));
        QCOMPARE(stored(t.db()).QXSK_FS, kCash);
    }

    void negativeStockRefusesTheApproval() {
        TestDatabase t(TestSupport::currentEngine());
        makeCatalogue(t.db(), "1", "20");
        makeMember(t.db());
        OrderSettings settings;
        settings.NOFKC = true;
        settings.tcqx = true;
        settings.zdkd = true;
        settings.skdy = true;
        Order o = makeOrder();
        PrintAfterApproval mode = PrintAfterApproval::AsSettings;
        const OrderOutcome r = lifecycle(t.db(), settings).approve(o, pay("1000"), mode);
        QVERIFY(!r.ok);
        QCOMPARE(firstText(r), QStringLiteral("审核通过失败！当前行数量不足，操作后库存将为负！"));
        QVERIFY(r.messages.first().warning);
        QVERIFY(!r.openDrawer && !r.print && !r.startNewOrder);
        const OrderHeader h = stored(t.db());
        QCOMPARE(h.SH, QStringLiteral("F"));
        QCOMPARE(text(h.SS), QStringLiteral("1000.00"));
        QCOMPARE(stock(t.db(), "P1"), QStringLiteral("1.00/20.00/25.00"));
        QCOMPARE(member(t.db()).LJXF, QStringLiteral("0.00"));
    }

    void aLineWithoutItsProductRefusesTheApproval() {
        TestDatabase t(TestSupport::currentEngine());
        makeCatalogue(t.db());
        makeMember(t.db());
        Order o = makeOrder();
        t.db().exec(QStringLiteral("delete from BM_SP where BM = 'P2'"));
        PrintAfterApproval mode = PrintAfterApproval::AsSettings;
        const OrderOutcome r = lifecycle(t.db()).approve(o, pay("1000"), mode);
        QVERIFY(!r.ok);
        QVERIFY(firstText(r).startsWith(QStringLiteral("审核通过失败！商品“P2”")));
        QCOMPARE(stock(t.db(), "P1"), QStringLiteral("4.00/100.00/25.00"));
        QCOMPARE(member(t.db()).LJXF, QStringLiteral("0.00"));
        QCOMPARE(stored(t.db()).SH, QStringLiteral("F"));
    }

    void printingAfterTheApproval_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("skdy");
        QTest::addColumn<bool>("printed");
        QTest::newRow("settings off") << int(PrintAfterApproval::AsSettings) << false << false;
        QTest::newRow("settings on") << int(PrintAfterApproval::AsSettings) << true << true;
        QTest::newRow("F5 prints with settings off")
            << int(PrintAfterApproval::Print) << false << true;
        QTest::newRow("F6 does not print with settings on")
            << int(PrintAfterApproval::NoPrint) << true << false;
    }
    void printingAfterTheApproval() {
        QFETCH(int, mode);
        QFETCH(bool, skdy);
        QFETCH(bool, printed);
        TestDatabase t(TestSupport::currentEngine());
        makeCatalogue(t.db());
        makeMember(t.db());
        OrderSettings settings;
        settings.skdy = skdy;
        Order o = makeOrder();
        auto m = PrintAfterApproval(mode);
        const OrderOutcome r = lifecycle(t.db(), settings).approve(o, pay("0"), m);
        QVERIFY(r.ok);
        QCOMPARE(r.print, printed);
        QCOMPARE(m, PrintAfterApproval::AsSettings);
    }

    void refusals_data() {
        QTest::addColumn<QString>("stage");
        QTest::addColumn<QString>("message");
        QTest::newRow("approval without payment") << "approveEmpty"
                                                  << "请先填写收款金额！";
        QTest::newRow("cancel reservation without right 12")
            << "cancelReservation"
            << "您没有权限取消审核，请联系管理员！";
        QTest::newRow("cancel approval without right 12") << "cancelApproval"
                                                          << "您没有权限取消审核，请联系管理员！";
        QTest::newRow("cancel final payment without right 12")
            << "cancelFinal"
            << "您没有权限取消审核，请联系管理员！";
        QTest::newRow("no customer") << "noCustomer"
                                     << "请输入客户编码和姓名!";
        QTest::newRow("only empty lines") << "emptyLines"
                                          << "请先选择商品！";
        QTest::newRow("not a number") << "badAmount"
                                      << "收款金额不是有效的数字！";
    }
    void refusals() {
        QFETCH(QString, stage);
        QFETCH(QString, message);
        TestDatabase t(TestSupport::currentEngine());
        makeCatalogue(t.db());
        makeMember(t.db());
        OrderSettings settings;
        settings.SKTS = true;
        const OrderLifecycle life = lifecycle(t.db(), settings, false);
        Order o = makeOrder();
        PrintAfterApproval mode = PrintAfterApproval::AsSettings;
        OrderOutcome r;
        if (stage == QLatin1String("approveEmpty")) {
            r = life.approve(o, pay(""), mode);
        } else if (stage == QLatin1String("cancelReservation")) {
            r = life.cancelReservation(o);
        } else if (stage == QLatin1String("cancelApproval")) {
            r = life.cancelApproval(o);
        } else if (stage == QLatin1String("cancelFinal")) {
            r = life.cancelFinalPayment(o, pay("0"));
        } else if (stage == QLatin1String("noCustomer")) {
            o.header.KHMC.clear();
            r = life.save(o);
        } else if (stage == QLatin1String("emptyLines")) {
            o.lines = {OrderLine{}};
            r = life.save(o);
        } else {
            r = life.reserve(o, pay("12a"));
        }
        QVERIFY(!r.ok);
        QCOMPARE(firstText(r), message);
        QVERIFY(!OrderStore(t.db()).load(o.header.ID));
    }

    void savingDropsEmptyLinesAndCommitsTheNumber() {
        TestDatabase t(TestSupport::currentEngine());
        makeCatalogue(t.db());
        makeMember(t.db());
        const NumberingContext numbering{QStringLiteral("000"), false, kToday};
        const QString id = NextDocumentId(t.db(), numbering, DocumentKind::Order);
        Order o = makeOrder(id);
        o.lines.append(OrderLine{});
        const OrderOutcome r = lifecycle(t.db()).saveClicked(o);
        QVERIFY(r.ok);
        QCOMPARE(firstText(r), QStringLiteral("保存成功！"));
        QVERIFY(!o.isNew);
        QCOMPARE(o.lines.size(), 2);
        const std::optional<Order> back = OrderStore(t.db()).load(id);
        QVERIFY(back);
        QCOMPARE(back->lines.size(), 2);
        QCOMPARE(back->lines.at(0).SPBM, QStringLiteral("P1"));
        QCOMPARE(text(back->header.ZJE), QStringLiteral("3000.00"));
        QCOMPARE(back->storedVersion, o.storedVersion);
        QVERIFY(NextDocumentId(t.db(), numbering, DocumentKind::Order) != id);
    }

    void twoWorkstationsNeverOverwriteEachOther() {
        TestDatabase t(TestSupport::currentEngine());
        makeCatalogue(t.db());
        makeMember(t.db());
        const OrderLifecycle life = lifecycle(t.db());
        Order o = makeOrder();
        QVERIFY(life.save(o).ok);

        Order first = *OrderStore(t.db()).load(o.header.ID);
        Order second = first;
        first.header.BZ = QStringLiteral("第一台");
        second.header.BZ = QStringLiteral("第二台");
        QVERIFY(life.save(first).ok);
        const OrderOutcome r = life.save(second);
        QVERIFY(!r.ok);
        QCOMPARE(firstText(r), QStringLiteral("保存失败！"));
        QVERIFY(!r.messages.first().detail.isEmpty());
        QCOMPARE(second.header.BZ, QStringLiteral("第二台"));
        QCOMPARE(stored(t.db()).BZ, QStringLiteral("第一台"));

        // Both approve the same stored order: only one moves stock and money.
        Order a = *OrderStore(t.db()).load(o.header.ID);
        Order b = a;
        PrintAfterApproval mode = PrintAfterApproval::AsSettings;
        QVERIFY(life.approve(a, pay("1000"), mode).ok);
        QVERIFY(!life.approve(b, pay("1000"), mode).ok);
        QCOMPARE(stock(t.db(), "P1"), QStringLiteral("2.00/60.00/30.00"));
        QCOMPARE(member(t.db()).LJXF, QStringLiteral("3000.00"));
    }

    void deletingNeedsAnOpenOrder_data() {
        QTest::addColumn<bool>("reserve");
        QTest::newRow("reserved is refused") << true;
        QTest::newRow("open is removed") << false;
    }
    void deletingNeedsAnOpenOrder() {
        QFETCH(bool, reserve);
        TestDatabase t(TestSupport::currentEngine());
        makeCatalogue(t.db());
        makeMember(t.db());
        const OrderLifecycle life = lifecycle(t.db());
        Order o = makeOrder();
        QVERIFY(reserve ? life.reserve(o, pay("500")).ok : life.save(o).ok);
        const OrderOutcome r = life.remove(o);
        QCOMPARE(r.ok, !reserve);
        QCOMPARE(firstText(r), reserve ? QStringLiteral("当前单据已“审核”不能删除！")
                                       : QStringLiteral("删除成功!"));
        QCOMPARE(OrderStore(t.db()).hasLines(o.header.ID), reserve);
        QCOMPARE(bool(OrderStore(t.db()).load(o.header.ID)), reserve);
    }

    void buttonsFollowTheStoredState_data() {
        QTest::addColumn<QString>("flags");  // YYSH SH QX WC
        QTest::addColumn<QString>("enabled");
        QTest::newRow("open") << "FFFF"
                              << "reserve approve edit";
        QTest::newRow("reserved") << "TFFF"
                                  << "cancelReservation approve edit";
        QTest::newRow("approved") << "TTFF"
                                  << "cancelApproval final complete";
        QTest::newRow("picked up") << "TTTF"
                                   << "cancelFinal complete";
        QTest::newRow("completed") << "FTTT"
                                   << "cancelFinal uncomplete";
    }
    void buttonsFollowTheStoredState() {
        QFETCH(QString, flags);
        QFETCH(QString, enabled);
        OrderHeader h;
        h.YYSH = flags.at(0);
        h.SH = flags.at(1);
        h.QX = flags.at(2);
        h.WC = flags.at(3);
        const OrderButtons b = RefreshButtons(h);
        QStringList on;
        const QList<std::pair<bool, const char*>> all{
            {b.reserve, "reserve"},        {b.cancelReservation, "cancelReservation"},
            {b.approve, "approve"},        {b.cancelApproval, "cancelApproval"},
            {b.takeFinalPayment, "final"}, {b.cancelFinalPayment, "cancelFinal"},
            {b.complete, "complete"},      {b.cancelCompletion, "uncomplete"},
            {b.editLines, "edit"}};
        for (const auto& [state, name] : all) {
            if (state) {
                on << QString::fromLatin1(name);
            }
        }
        QCOMPARE(on.join(QLatin1Char(' ')), enabled);
    }
};

QTEST_GUILESS_MAIN(TestOrderLifecycle)
#include "tst_orderlifecycle.moc"
