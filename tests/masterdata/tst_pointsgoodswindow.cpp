#include <QSignalSpy>
#include <QTest>

#include "masterdata/ui/pointsgoodspicker.h"
#include "masterdata/ui/pointsgoodswindow.h"
#include "store/database.h"
#include "store/decimal2.h"
#include "store/editabletable.h"
#include "support/masterlistdriver.h"
#include "support/modalanswer.h"
#include "support/testdatabase.h"

using TestSupport::TestDatabase;
using namespace ListDriver;

class TestPointsGoodsWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase_data() { TestSupport::addEngineRows(); }
    void init() { TestSupport::skipUnavailableEngine(); }

    void goodsAreTypedInAndPickedForALine() {
        TestDatabase t(TestSupport::currentEngine());
        auto* w = new TJFSP(t.db());
        w->setAttribute(Qt::WA_DeleteOnClose, false);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QCOMPARE(captions(*w), QStringList({"商品编码", "商品名称", "型号", "单位", "备注",
                                            "库存数量", "所需积分"}));
        QVERIFY(!action(*w, "导出[&O]")->isVisible());
        QVERIFY(!navigator(*w, "上一条")->isVisibleTo(w));
        navigator(*w, "新增")->click();
        type(*w, 0, "商品编码", "J001");
        type(*w, 0, "商品名称", "水晶摆台");
        type(*w, 0, "库存数量", "20");
        type(*w, 0, "所需积分", "800");
        {
            ModalAnswer yes(QMessageBox::Yes);
            QVERIFY(w->close());
            QCOMPARE(yes.texts(), QStringList{"当前还没有保存，是否现在保存？"});
        }
        delete w;
        QCOMPARE(Decimal2::fromVariant(
                     t.db().value(QStringLiteral("select JF from BM_JFSP where BM = 'J001'"))),
                 Decimal2::fromUnits(800));

        TXZJFSP picker(t.db());
        QSignalSpy chosen(&picker, &TXZJFSP::goodsChosen);
        picker.show();
        QVERIFY(QTest::qWaitForWindowExposed(&picker));
        QCOMPARE(picker.size(), QSize(775, 469));
        GridView* view = picker.list()->grid()->view();
        QCOMPARE(view->model()->rowCount(), 1);
        view->setCurrentIndex(view->model()->index(0, column(*picker.list(), "商品名称")));
        doubleClick(view, view->currentIndex());
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(chosen[0][0].toString(), QStringLiteral("J001"));
    }
};

QTEST_MAIN(TestPointsGoodsWindow)
#include "tst_pointsgoodswindow.moc"
