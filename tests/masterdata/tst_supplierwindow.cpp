#include <QSignalSpy>
#include <QTest>

#include "masterdata/suppliercount.h"
#include "masterdata/ui/supplierpicker.h"
#include "masterdata/ui/supplierwindow.h"
#include "store/database.h"
#include "store/editabletable.h"
#include "support/masterlistdriver.h"
#include "support/modalanswer.h"
#include "support/testdatabase.h"

using TestSupport::TestDatabase;
using namespace ListDriver;

namespace {

void seed(const Database& db) {
    db.exec(QStringLiteral("insert into BM_GHS (BM, MC, DH, LJJE, ZHQK) values "
                           "(?, ?, ?, ?, ?), (?, ?, ?, ?, ?)"),
            {"002", "金彩相册制品厂", "0579", 1200, 300, "100%_'", "花样年华鲜花", "139", 0, 0});
}

}  // namespace

class TestSupplierWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase_data() { TestSupport::addEngineRows(); }
    void init() { TestSupport::skipUnavailableEngine(); }

    void countFollowsTheStoredSuppliersAndDuplicatesKeepTheEdits() {
        TestDatabase t(TestSupport::currentEngine());
        seed(t.db());
        TBM_GHS w(t.db());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.countBox()->text(), QStringLiteral("3"));
        QCOMPARE(cell(w, 1, "累计金额"), QStringLiteral("1200.00"));
        QVERIFY(!(w.grid()->view()->model()->flags(
                      w.grid()->view()->model()->index(1, column(w, "合计欠款"))) &
                  Qt::ItemIsEditable));

        navigator(w, "新增")->click();
        type(w, 3, "编码", "002");
        type(w, 3, "名称", "丽人婚纱礼服");
        QCOMPARE(w.countBox()->text(), QStringLiteral("3"));  // unsaved rows do not count
        {
            ModalAnswer ok(QMessageBox::Ok);
            action(w, "保存[&S]")->trigger();
            QCOMPARE(ok.texts(), QStringList{"编码存在重复无法保存，请删除重复后重试"});
        }
        QCOMPARE(cell(w, 3, "名称"), QStringLiteral("丽人婚纱礼服"));
        type(w, 3, "编码", "004");
        ModalAnswer ok(QMessageBox::Ok);
        action(w, "保存[&S]")->trigger();
        QCOMPARE(ok.texts(), QStringList{"保存成功！"});
        QCOMPARE(w.countBox()->text(), QStringLiteral("4"));
        QCOMPARE(SupplierCount(t.db()), 4);
    }

    void filterFindsCodesWithWildcardsAsTyped() {
        TestDatabase t(TestSupport::currentEngine());
        seed(t.db());
        TBM_GHS w(t.db());
        QTest::keyClicks(w.filterBox(), QStringLiteral("%_'"));
        QCOMPARE(w.grid()->view()->model()->rowCount(), 1);
        QCOMPARE(cell(w, 0, "名称"), QStringLiteral("花样年华鲜花"));
    }

    void pickerChoosesByEnterPlusOrDoubleClick_data() {
        QTest::addColumn<int>("how");
        QTest::newRow("Enter") << 0;
        QTest::newRow("plus") << 1;
        QTest::newRow("double click") << 2;
    }
    void pickerChoosesByEnterPlusOrDoubleClick() {
        QFETCH(int, how);
        TestDatabase t(TestSupport::currentEngine());
        seed(t.db());
        Txzghs picker(t.db(), Txzghs::Mode::SupplierPayment);
        QSignalSpy chosen(&picker, &Txzghs::supplierChosen);
        picker.show();
        QVERIFY(QTest::qWaitForWindowExposed(&picker));
        QCOMPARE(picker.size(), QSize(708, 465));
        typeText(picker.list()->filterBox(), QStringLiteral("花样"));
        GridView* view = picker.list()->grid()->view();
        view->setCurrentIndex(view->model()->index(0, 1));
        if (how == 0) {
            QTest::keyClick(view, Qt::Key_Return);
        } else if (how == 1) {
            QTest::keyClick(view, Qt::Key_Plus);
        } else {
            doubleClick(view, view->currentIndex());
        }
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(chosen[0][0].value<Txzghs::Mode>(), Txzghs::Mode::SupplierPayment);
        QCOMPARE(chosen[0][1].toString(), QStringLiteral("100%_'"));
        QCOMPARE(chosen[0][2].toString(), QStringLiteral("花样年华鲜花"));
        QVERIFY(!picker.isVisible());
    }

    void pickerReadsTheListAgainEachTimeAndEscapeCloses() {
        TestDatabase t(TestSupport::currentEngine());
        Txzghs picker(t.db(), Txzghs::Mode::GoodsReceived);
        QSignalSpy chosen(&picker, &Txzghs::supplierChosen);
        picker.show();
        QTest::keyClicks(picker.list()->filterBox(), QStringLiteral("xyz"));
        QTest::keyClick(picker.list()->grid()->view(), Qt::Key_Escape);
        QVERIFY(!picker.isVisible());
        seed(t.db());
        picker.show();
        QCOMPARE(picker.list()->filterBox()->text(), QString());
        QCOMPARE(picker.list()->table()->rowCount(), 3);
        QCOMPARE(chosen.count(), 0);
        QVERIFY(!action(*picker.list(), "导出[&O]")->isVisible());
    }
};

QTEST_MAIN(TestSupplierWindow)
#include "tst_supplierwindow.moc"
