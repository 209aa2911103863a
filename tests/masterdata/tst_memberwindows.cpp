#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include "app/session.h"
#include "masterdata/ui/levelwindow.h"
#include "masterdata/ui/memberaddwindow.h"
#include "masterdata/ui/memberpicker.h"
#include "masterdata/ui/memberwindow.h"
#include "store/database.h"
#include "store/editabletable.h"
#include "store/inifile.h"
#include "support/modalanswer.h"
#include "support/testdatabase.h"
#include "support/windowcontrols.h"
#include "widgets/ui/datagrid.h"
#include "widgets/ui/gridview.h"

using TestSupport::pushButton;
using TestSupport::TestDatabase;
using TestSupport::toolBarAction;
using TestSupport::toolButtonByTip;

namespace {

void seed(const Database& db) {
    const QString sql =
        QStringLiteral("insert into BM_KH (BM, MC, DH, JB, RQ) values (?, ?, ?, ?, ?)");
    db.exec(sql, {"0098", "张三", "13800001111", "金卡", QDate::currentDate()});
    db.exec(sql, {"0099", "李四", "13900002222", "银卡", QDate::currentDate().addDays(-30)});
}

// Types into the cell as the operator does: the editor opens on the first key.
void typeIntoCell(GridView* view, int row, int column, const QString& text) {
    QApplication::setActiveWindow(view->window());  // a closed message box leaves none active
    view->setFocus();
    view->setCurrentIndex(view->model()->index(row, column));
    view->edit(view->currentIndex());
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(editor);
    editor->selectAll();
    TestSupport::typeText(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();  // the delegate commits on the next turn of the loop
}

void show(QWidget& w) {
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
}

}  // namespace

class TestMemberWindows : public QObject {
    Q_OBJECT

private slots:
    void initTestCase_data() { TestSupport::addEngineRows(); }
    void init() { TestSupport::skipUnavailableEngine(); }

    void memberWindowAddsSavesAndFinds() {
        TestDatabase t(TestSupport::currentEngine());
        const Database& db = t.db();
        seed(db);
        TBM_KH w(db);
        show(w);
        QCOMPARE(w.table()->rowCount(), 2);  // the walk-in customer is not listed
        QCOMPARE(w.countBox()->currentText(), QStringLiteral("3"));

        toolButtonByTip(w, QStringLiteral("新增"))->click();
        QCOMPARE(w.table()->value(2, "BM").toString(), QStringLiteral("0100"));
        QCOMPARE(w.table()->value(2, "JG").toString(), QStringLiteral("原价"));
        GridView* view = w.grid()->view();
        typeIntoCell(view, 2, w.table()->column("MC"), QStringLiteral("王五"));
        typeIntoCell(view, 2, w.table()->column("DH"), QStringLiteral("13712345678"));
        {
            ModalAnswer ok(QMessageBox::Ok);
            toolBarAction(w, QStringLiteral("保存[&S]"))->trigger();
            QCOMPARE(ok.texts(), QStringList{"保存成功！"});
        }
        QCOMPARE(db.value(QStringLiteral("select MC from BM_KH where BM = ?"), {"0100"}).toString(),
                 QStringLiteral("王五"));
        QCOMPARE(w.countBox()->currentText(), QStringLiteral("4"));

        QTest::keyClicks(w.filterBox(), QStringLiteral("137"));
        QCOMPARE(view->model()->rowCount(), 1);
        QCOMPARE(view->model()->index(0, w.table()->column("MC")).data().toString(),
                 QStringLiteral("王五"));
        w.filterBox()->clear();

        // A code taken by another member is refused and put back.
        {
            ModalAnswer ok(QMessageBox::Ok);
            typeIntoCell(view, 0, w.table()->column("BM"), QStringLiteral("0099"));
            QCOMPARE(ok.texts(), QStringList{"您输入的编码已存在，请更改编码!"});
        }
        QCOMPARE(w.table()->value(0, "BM").toString(), QStringLiteral("0098"));
    }

    void recentMembersAndInitials() {
        TestDatabase t(TestSupport::currentEngine());
        seed(t.db());
        TBM_KH w(t.db());
        show(w);
        w.table()->setValue(1, "BZ", QStringLiteral("老客户"));
        w.dayBox()->setText(QStringLiteral("7"));
        {
            // Another list would drop the pending edit: the operator is asked first.
            ModalAnswer cancel(QMessageBox::Cancel);
            pushButton(w, QStringLiteral("查询"))->click();
            QCOMPARE(cancel.texts(), QStringList{"当前还没有保存，是否现在保存？"});
            QCOMPARE(w.table()->rowCount(), 2);
        }
        {
            ModalAnswer no(QMessageBox::No);
            pushButton(w, QStringLiteral("查询"))->click();
        }
        QCOMPARE(w.table()->rowCount(), 1);
        QCOMPARE(w.table()->value(0, "BM").toString(), QStringLiteral("0098"));
        {
            ModalAnswer ok(QMessageBox::Ok);
            w.dayBox()->setText(QStringLiteral("1.5"));
            pushButton(w, QStringLiteral("查询"))->click();
            QCOMPARE(ok.texts(), QStringList{"请输入整数天数"});
        }
        ModalAnswer yes(QMessageBox::Yes);
        toolBarAction(w, QStringLiteral("简拼[&J]"))->trigger();
        QCOMPARE(yes.texts(), QStringList{"您确定要重新生成简拼吗？"});
        QCOMPARE(w.table()->value(0, "JP").toString(), QStringLiteral("ZS"));
        QVERIFY(w.table()->isDirty());  // pending until saved
    }

    void pointsCorrectionNeedsTheRight() {
        TestDatabase t(TestSupport::currentEngine());
        seed(t.db());
        TBM_KH w(t.db());
        QSignalSpy asked(&w, &TBM_KH::pointsCorrectionRequested);
        session().CurrentOperatorRights = QStringLiteral("QX-10,");
        {
            ModalAnswer ok(QMessageBox::Ok);
            toolBarAction(w, QStringLiteral("积分修改"))->trigger();
            QCOMPARE(ok.texts(), QStringList{"您没有权操作，请联系管理员！"});
        }
        session().CurrentOperatorRights = QStringLiteral("QX-15,");
        w.grid()->view()->setCurrentIndex(w.grid()->view()->model()->index(1, 0));
        toolBarAction(w, QStringLiteral("积分修改"))->trigger();
        QCOMPARE(asked.count(), 1);
        QCOMPARE(asked.at(0).at(0).toString(), QStringLiteral("0099"));
    }

    void levelWindowSetsTheFactorWithTheCode() {
        TestDatabase t(TestSupport::currentEngine());
        TBM_KHJB w(t.db());
        show(w);
        toolButtonByTip(w, QStringLiteral("新增"))->click();
        const int row = w.table()->rowCount() - 1;
        GridView* view = w.grid()->view();
        typeIntoCell(view, row, w.table()->column("BM"), QStringLiteral("09"));
        QCOMPARE(view->model()->index(row, w.table()->column("ZK")).data().toString(),
                 QStringLiteral("1.00"));
        typeIntoCell(view, row, w.table()->column("MC"), QStringLiteral("钻石卡"));
        typeIntoCell(view, row, w.table()->column("ZK"), QStringLiteral("0.85"));
        ModalAnswer ok(QMessageBox::Ok);
        toolBarAction(w, QStringLiteral("保存[&S]"))->trigger();
        QCOMPARE(ok.texts(), QStringList{"保存成功！"});
        QCOMPARE(Decimal2::fromVariant(
                     t.db().value(QStringLiteral("select ZK from BM_KHJB where BM = ?"), {"09"})),
                 *Decimal2::parse(u"0.85"));
    }

    void pickerChooses_data() {
        QTest::addColumn<QString>("preset");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("code");
        QTest::newRow("enter on the walk-in customer") << "普通" << int(Qt::Key_Return) << "999";
        QTest::newRow("plus after a phone") << "1390" << int(Qt::Key_Plus) << "0099";
        QTest::newRow("escape chooses nothing") << "" << int(Qt::Key_Escape) << "";
    }
    void pickerChooses() {
        QFETCH(QString, preset);
        QFETCH(int, key);
        QFETCH(QString, code);
        TestDatabase t(TestSupport::currentEngine());
        seed(t.db());
        Txzkh picker(t.db(), preset);
        QSignalSpy chosen(&picker, &Txzkh::memberChosen);
        show(picker);
        QCOMPARE(picker.grid()->view()->model()->rowCount(), preset.isEmpty() ? 3 : 1);
        QVERIFY(picker.grid()->view()->editTriggers() == QAbstractItemView::NoEditTriggers);
        QTest::keyClick(picker.grid()->view(), static_cast<Qt::Key>(key));
        QVERIFY(!picker.isVisible());
        QCOMPARE(picker.chosenCode(), code);
        QCOMPARE(chosen.count(), code.isEmpty() ? 0 : 1);
        QCOMPARE(picker.filterBox()->text(), QString());  // closing empties the filter
    }

    void addMemberHandsTheMemberBack() {
        TestDatabase t(TestSupport::currentEngine());
        const Database& db = t.db();
        seed(db);
        QTemporaryDir home;
        const QString ini = home.filePath(QStringLiteral("Default.ini"));
        IniFile(ini).writeString(QStringLiteral("xsd"), QStringLiteral("JSJF"),
                                 QStringLiteral("10"));
        TTJKH w(db, ini);
        QSignalSpy added(&w, &TTJKH::memberAdded);
        show(w);
        QCOMPARE(w.codeBox()->text(), QStringLiteral("0100"));
        QCOMPARE(QApplication::focusWidget(), w.nameBox());
        TestSupport::typeText(w.nameBox(), QStringLiteral("赵六"));
        QCOMPARE(w.findChild<QLineEdit*>("E_JSJF")->text(), QStringLiteral("10"));
        QTest::keyClicks(w.findChild<QLineEdit*>("E_JSRBM"), QStringLiteral("0099"));
        {
            ModalAnswer ok(QMessageBox::Ok);
            w.codeBox()->setFocus();
            w.codeBox()->setText(QStringLiteral("0098"));
            QTest::keyClick(w.codeBox(), Qt::Key_Tab);
            QCOMPARE(ok.texts(), QStringList{"当行会员卡号已存在，请换用别的卡号！"});
            QCOMPARE(w.codeBox()->text(), QString());
        }
        QTest::keyClicks(w.codeBox(), QStringLiteral("0200"));
        pushButton(w, QStringLiteral("确 定"))->click();
        QCOMPARE(added.count(), 1);
        QCOMPARE(added.at(0), (QVariantList{"0200", "赵六"}));
        QVERIFY(!w.isVisible());
        QCOMPARE(db.value(QStringLiteral("select MC from BM_KH where BM = ?"), {"0200"}).toString(),
                 QStringLiteral("赵六"));
        QCOMPARE(Decimal2::fromVariant(
                     db.value(QStringLiteral("select JSRJF from BM_KH where BM = ?"), {"0099"})),
                 Decimal2::fromUnits(10));
    }
};

QTEST_MAIN(TestMemberWindows)
#include "tst_memberwindows.moc"
