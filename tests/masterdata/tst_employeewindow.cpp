#include <QSqlQuery>
#include <QTest>

#include "masterdata/ui/employeewindow.h"
#include "store/database.h"
#include "store/editabletable.h"
#include "support/masterlistdriver.h"
#include "support/modalanswer.h"
#include "support/testdatabase.h"

using TestSupport::TestDatabase;
using namespace ListDriver;

class TestEmployeeWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase_data() { TestSupport::addEngineRows(); }
    void init() { TestSupport::skipUnavailableEngine(); }

    void listsEveryoneButTheAdministrator() {
        TestDatabase t(TestSupport::currentEngine());
        t.db().exec(QStringLiteral("insert into BM_YG (BM, MC, ZW) values (?, ?, ?), (?, ?, ?)"),
                    {"002", "周小雅", "前台", "001", "林婉清", "店长"});
        TBM_YG w(t.db());
        QCOMPARE(w.table()->rowCount(), 2);
        QCOMPARE(cell(w, 0, "姓名"), QStringLiteral("林婉清"));
        QCOMPARE(cell(w, 1, "编码"), QStringLiteral("002"));
        QCOMPARE(captions(w), QStringList({"编码", "姓名", "登录名称", "部门", "电话", "地址",
                                           "公历生日", "农历生日", "备注"}));
        QVERIFY(!action(w, "导出[&O]")->isVisible());
        QVERIFY(!navigator(w, "第一条")->isVisibleTo(&w));
        QVERIFY(navigator(w, "新增")->isVisibleTo(&w));
        QVERIFY(!w.filterBox()->isVisibleTo(&w));
    }

    void aNewEmployeeIsTypedInAndStartsWithoutRights() {
        TestDatabase t(TestSupport::currentEngine());
        TBM_YG w(t.db());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        navigator(w, "新增")->click();
        type(w, 0, "编码", "007");
        type(w, 0, "姓名", "陈志远");
        type(w, 0, "部门", "摄影部");
        ModalAnswer ok(QMessageBox::Ok);
        action(w, "保存[&S]")->trigger();
        QCOMPARE(ok.texts(), QStringList{"保存成功！"});
        QSqlQuery q = t.db().exec(
            QStringLiteral("select MC, ZW, QX1, QX2, QX3, QX4, QXQT from BM_YG where BM = ?"),
            {"007"});
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString(), QStringLiteral("陈志远"));
        QCOMPARE(q.value(1).toString(), QStringLiteral("摄影部"));
        for (int i = 2; i <= 6; ++i) {
            QVERIFY2(q.value(i).toString().isEmpty(), qPrintable(QString::number(i)));
        }
    }

    void theAdministratorsCodeCannotBeTakenAgain() {
        TestDatabase t(TestSupport::currentEngine());
        TBM_YG w(t.db());
        w.appendRow();
        w.table()->setValue(0, "BM", "000");
        w.table()->setValue(0, "MC", "冒名者");
        ModalAnswer ok(QMessageBox::Ok);
        action(w, "保存[&S]")->trigger();
        QCOMPARE(ok.texts(), QStringList{"编码存在重复无法保存，请删除重复后重试"});
        QCOMPARE(w.table()->value(0, "MC").toString(), QStringLiteral("冒名者"));
        QCOMPARE(t.db().value(QStringLiteral("select MC from BM_YG where BM = '000'")).toString(),
                 QStringLiteral("系统管理员"));
    }
};

QTEST_MAIN(TestEmployeeWindow)
#include "tst_employeewindow.moc"
