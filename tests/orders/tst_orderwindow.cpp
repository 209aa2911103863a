#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include "app/session.h"
#include "orders/orderlinesmodel.h"
#include "orders/orderstore.h"
#include "orders/ui/orderwindow.h"
#include "store/database.h"
#include "store/programhome.h"
#include "support/modalanswer.h"
#include "support/testdatabase.h"
#include "widgets/ui/datagrid.h"
#include "widgets/ui/gridview.h"

using TestSupport::TestDatabase;

namespace {

QVariant money(const char* text) {
    return QVariant::fromValue(*Decimal2::parse(QString::fromLatin1(text)));
}

// A frame counted in stock, and two services whose initials both start "hl".
void seed(const Database& db) {
    db.exec(QStringLiteral("insert into BM_SP (BM, MC, JP, SLHS, KCSL, KCJE, JJ, LSJ, SJ1, TDZ, "
                           "TJF) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?), "
                           "(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?), (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
            {"P1",          "水晶相框",    "sjxk",       true,       money("4"), money("100"),
             money("20"),   money("300"),  money("280"), false,      true,       "P2",
             "婚礼跟拍",    "hlgp",        false,        money("0"), money("0"), money("0"),
             money("2000"), money("1800"), false,        true,       "P3",       "婚礼相册",
             "hlxc",        false,         money("0"),   money("0"), money("0"), money("800"),
             money("700"),  false,         true});
    db.exec(QStringLiteral("insert into BM_KH (BM, MC, JG, DH, HQ, ZHYE, ZHQK, LJXF, ZJF, DXJF, "
                           "SYJF, TSJ) values (?, ?, ?, ?, ?, 0, 0, 0, 0, 0, 0, ?)"),
            {"0001", "李四", "售价一", "13900001111", QDate(2027, 5, 20), false});
}

template <typename T>
T* child(QWidget& w, const char* name) {
    T* found = w.findChild<T*>(QString::fromLatin1(name));
    if (!found) {
        qFatal("no child %s", name);
    }
    return found;
}

void type(QWidget* target, const QString& text) {
    target->setFocus();
    QTest::keyClicks(target, text);
}

}  // namespace

class TestOrderWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase_data() { TestSupport::addEngineRows(); }
    void init() {
        TestSupport::skipUnavailableEngine();
        session().CurrentOperatorCode = QStringLiteral("000");
        session().CurrentOperatorName = QStringLiteral("系统管理员");
        session().CurrentOperatorRights = QStringLiteral("QX-10,12,14,16,17,");
        session().UnsavedChanges = false;
    }

    void frontDeskSellsAndApprovesByKeyboard() {
        TestDatabase t(TestSupport::currentEngine());
        seed(t.db());
        QTemporaryDir dir;
        const ProgramHome home(dir.path());
        QStringList searched;
        OrderPickers pickers;
        pickers.searchResult = [&](QWidget*, const QString& text,
                                   const OrderPickers::ProductChosen& chosen) {
            searched << text;
            chosen(QStringLiteral("P3"));
        };
        Txsd w(t.db(), home, pickers);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));

        QTest::keyClick(&w, Qt::Key_F1);
        QVERIFY(w.hasOrder());
        const QString id = child<QLineEdit>(w, "Edit_id")->text();
        QCOMPARE(id.size(), 16);
        QCOMPARE(child<QLineEdit>(w, "KHBM")->text(), QStringLiteral("999"));
        QCOMPARE(child<QLineEdit>(w, "KHMC")->text(), QStringLiteral("普通客户"));

        // The member by a part of the telephone; Enter runs the lookup.
        auto* code = child<QLineEdit>(w, "KHBM");
        code->clear();
        type(code, QStringLiteral("00001111"));
        QTest::keyClick(code, Qt::Key_Return);
        QCOMPARE(code->text(), QStringLiteral("0001"));
        QCOMPARE(child<QLineEdit>(w, "KHMC")->text(), QStringLiteral("李四"));
        QCOMPARE(child<QComboBox>(w, "ComboBox1")->currentText(), QStringLiteral("1"));

        // One match adds a line at the member's level; several open the result list.
        QTest::keyClick(&w, Qt::Key_F3);
        auto* quick = child<QLineEdit>(w, "TXMXZ");
        QCOMPARE(QApplication::focusWidget(), quick);
        QTest::keyClicks(quick, QStringLiteral("sjxk"));
        QTest::keyClick(quick, Qt::Key_Return);
        QCOMPARE(w.order().lines.size(), 1);
        QCOMPARE(w.order().lines.at(0).DJ.toString(), QStringLiteral("280.00"));
        QVERIFY(quick->text().isEmpty());
        QTest::keyClicks(quick, QStringLiteral("hl"));
        QTest::keyClick(quick, Qt::Key_Return);
        QCOMPARE(searched, QStringList{QStringLiteral("hl")});
        QCOMPARE(w.order().lines.size(), 2);
        QCOMPARE(w.order().lines.at(1).SPBM, QStringLiteral("P3"));
        // A price typed on a line of quantity 1 becomes its list price.
        QTest::keyClicks(quick, QStringLiteral("650"));
        QTest::keyClick(quick, Qt::Key_Return);
        QCOMPARE(w.order().lines.size(), 2);
        QCOMPARE(w.order().lines.at(1).ZQDJ.toString(), QStringLiteral("650.00"));
        QCOMPARE(child<QLineEdit>(w, "YS")->text(), QStringLiteral("930.00"));

        // F4, the set-up payment, "/" approves.
        QTest::keyClick(&w, Qt::Key_F4);
        auto* amount = child<QLineEdit>(w, "Edit1");
        QCOMPARE(QApplication::focusWidget(), amount);
        QTest::keyClicks(amount, QStringLiteral("500"));
        {
            ModalAnswer ok(QMessageBox::Ok);
            QTest::keyClick(amount, Qt::Key_Slash);
            QTRY_VERIFY(ok.texts().contains(QStringLiteral("审核通过成功！")));
        }
        QVERIFY(!amount->text().contains(QLatin1Char('/')));
        const std::optional<Order> stored = OrderStore(t.db()).load(id);
        QVERIFY(stored);
        QCOMPARE(stored->header.SH, QStringLiteral("T"));
        QCOMPARE(stored->header.ZJE.toString(), QStringLiteral("930.00"));
        QCOMPARE(stored->header.SS.toString(), QStringLiteral("500.00"));
        QCOMPARE(stored->header.QK.toString(), QStringLiteral("430.00"));
        QCOMPARE(stored->lines.size(), 2);
        QCOMPARE(Decimal2::fromVariant(
                     t.db().value(QStringLiteral("select KCSL from BM_SP where BM = 'P1'")))
                     .toString(),
                 QStringLiteral("3.00"));
        QSqlQuery m =
            t.db().exec(QStringLiteral("select LJXF, ZHQK, ZJF from BM_KH where BM = '0001'"));
        QVERIFY(m.next());
        QCOMPARE(Decimal2::fromVariant(m.value(0)).toString(), QStringLiteral("930.00"));
        QCOMPARE(Decimal2::fromVariant(m.value(1)).toString(), QStringLiteral("430.00"));
        QCOMPARE(Decimal2::fromVariant(m.value(2)).toString(), QStringLiteral("930.00"));
        // Approved: the member and the lines are locked, the final payment is offered.
        QVERIFY(!code->isEnabled());
        QVERIFY(!quick->isEnabled());
        QVERIFY(child<QPushButton>(w, "BitBtn_qx")->isEnabled());
        QVERIFY(!session().UnsavedChanges);
    }

    void orderNumberSteps_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("to");
        QTest::newRow("up") << "2026121100000041" << int(Qt::Key_Up) << "2026121100000042";
        QTest::newRow("down") << "2026121100000041" << int(Qt::Key_Down) << "2026121100000040";
        QTest::newRow("wraps") << "2026121100099999" << int(Qt::Key_Up) << "2026121100000000";
    }
    void orderNumberSteps() {
        QFETCH(QString, from);
        QFETCH(int, key);
        QFETCH(QString, to);
        TestDatabase t(TestSupport::currentEngine());
        QTemporaryDir dir;
        const ProgramHome home(dir.path());
        Txsd w(t.db(), home, {});
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto* number = child<QLineEdit>(w, "Edit_id");
        number->setText(from);
        QTest::keyClick(number, Qt::Key(key), Qt::ControlModifier);
        QCOMPARE(number->text(), to);
        QCOMPARE(w.order().header.ID, to);
    }

    void slashIsNeverTyped() {
        TestDatabase t(TestSupport::currentEngine());
        QTemporaryDir dir;
        const ProgramHome home(dir.path());
        Txsd w(t.db(), home, {});
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto* note = child<QPlainTextEdit>(w, "BZ");
        note->setFocus();
        QTest::keyClicks(note, QStringLiteral("a/b*c"));
        QCOMPARE(note->toPlainText(), QStringLiteral("abc"));
    }

    void closingAsksWhileUnsaved() {
        TestDatabase t(TestSupport::currentEngine());
        QTemporaryDir dir;
        const ProgramHome home(dir.path());
        Txsd* w = new Txsd(t.db(), home, {});
        QPointer<Txsd> alive(w);
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QTest::keyClick(w, Qt::Key_F1);
        QVERIFY(session().UnsavedChanges);
        {
            ModalAnswer no(QMessageBox::No);
            QVERIFY(!w->close());
            QCOMPARE(no.texts(), QStringList{QStringLiteral("当前还没有保存，是否关闭当前窗口？")});
        }
        {
            ModalAnswer yes(QMessageBox::Yes);
            QVERIFY(w->close());
        }
        QTRY_VERIFY(!alive);
    }
};

QTEST_MAIN(TestOrderWindow)
#include "tst_orderwindow.moc"
