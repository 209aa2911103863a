#include <QSignalSpy>
#include <QTest>

#include "masterdata/ui/itempicker.h"
#include "masterdata/ui/itemwindow.h"
#include "store/database.h"
#include "store/editabletable.h"
#include "support/masterlistdriver.h"
#include "support/modalanswer.h"
#include "support/testdatabase.h"

using TestSupport::TestDatabase;
using namespace ListDriver;

class TestItemWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase_data() { TestSupport::addEngineRows(); }
    void init() { TestSupport::skipUnavailableEngine(); }

    // A new item is an expense; unticking it makes it an income item that
    // only the income picker offers.
    void newItemsAreExpensesUntilUnticked() {
        TestDatabase t(TestSupport::currentEngine());
        TBMXM w(t.db());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(captions(w), QStringList({"编码", "名称", "支出"}));
        navigator(w, "新增")->click();
        type(w, 0, "编码", "01");
        type(w, 0, "名称", "场地租金");
        navigator(w, "新增")->click();
        type(w, 1, "编码", "11");
        type(w, 1, "名称", "押金收入");
        GridView* view = w.grid()->view();
        const QModelIndex tick = view->model()->index(1, column(w, "支出"));
        QCOMPARE(view->model()->data(tick, Qt::CheckStateRole).toInt(), int(Qt::Checked));
        QVERIFY(view->model()->setData(tick, Qt::Unchecked, Qt::CheckStateRole));
        ModalAnswer ok(QMessageBox::Ok);
        action(w, "保存[&S]")->trigger();
        QCOMPARE(ok.texts(), QStringList{"保存成功！"});

        for (const auto& [kind, name] :
             {std::pair{ItemKind::Income, QStringLiteral("押金收入")},
              std::pair{ItemKind::Expense, QStringLiteral("场地租金")}}) {
            Txz_xm picker(t.db(), kind);
            QSignalSpy chosen(&picker, &Txz_xm::itemChosen);
            picker.show();
            QVERIFY(QTest::qWaitForWindowExposed(&picker));
            QCOMPARE(captions(*picker.list()), QStringList({"编码", "项目名称"}));
            GridView* list = picker.list()->grid()->view();
            QCOMPARE(list->model()->rowCount(), 1);
            QVERIFY(!(list->model()->flags(list->model()->index(0, 1)) & Qt::ItemIsEditable));
            list->setCurrentIndex(list->model()->index(0, column(*picker.list(), "项目名称")));
            doubleClick(list, list->currentIndex());
            QCOMPARE(chosen.count(), 1);
            QCOMPARE(chosen[0][1].toString(), name);
            QVERIFY(!picker.isVisible());
        }
    }
};

QTEST_MAIN(TestItemWindow)
#include "tst_itemwindow.moc"
