#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include "app/session.h"
#include "print/ui/previewwindow.h"
#include "store/database.h"
#include "store/editabletable.h"
#include "support/modalanswer.h"
#include "support/testdatabase.h"
#include "support/windowcontrols.h"
#include "widgets/ui/datagrid.h"
#include "widgets/ui/gridview.h"
#include "widgets/ui/masterlistwindow.h"

using TestSupport::pushButton;
using TestSupport::TestDatabase;
using TestSupport::toolBarAction;
using TestSupport::toolButtonByTip;

namespace {

MasterListConfig suppliers() {
    MasterListConfig c;
    c.title = QStringLiteral("供货商资料");
    c.table = QStringLiteral("BM_GHS");
    c.whereAndOrder = QStringLiteral("order by BM");
    c.columns = {gridColumn("BM", "编码"), gridColumn("MC", "名称"), gridColumn("DH", "电话")};
    c.filterFields = {"BM", "MC", "DH"};
    c.saveFailureText = QStringLiteral("编码存在重复无法保存，请删除重复后重试");
    return c;
}

void seed(const Database& db) {
    db.exec(QStringLiteral("insert into BM_GHS (BM, MC, DH) values (?, ?, ?), (?, ?, ?)"),
            {"002", "花店", "13800001111", "003", "Lab Prints", "0571"});
}

qlonglong suppliersInDatabase(const Database& db) {
    return db.value(QStringLiteral("select count(*) from BM_GHS")).toLongLong();
}

}  // namespace

class TestMasterListWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase_data() { TestSupport::addEngineRows(); }
    void init() { TestSupport::skipUnavailableEngine(); }

    void filterMatchesAnyListedField_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("rows");
        QTest::newRow("phone") << "138" << 1;
        QTest::newRow("name without case") << "lab" << 1;
        QTest::newRow("code") << "00" << 3;
        QTest::newRow("nothing") << "xyz" << 0;
        QTest::newRow("empty shows all") << "" << 3;
    }
    void filterMatchesAnyListedField() {
        QFETCH(QString, text);
        QFETCH(int, rows);
        TestDatabase t(TestSupport::currentEngine());
        seed(t.db());
        MasterListWindow w(t.db(), suppliers());
        QTest::keyClicks(w.filterBox(), text);
        QCOMPARE(w.grid()->view()->model()->rowCount(), rows);
    }

    void navigatorAppendsAndDeletesWithoutAsking() {
        TestDatabase t(TestSupport::currentEngine());
        seed(t.db());
        MasterListWindow w(t.db(), suppliers());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.filterBox()->setText(QStringLiteral("花"));
        toolButtonByTip(w, QStringLiteral("新增"))->click();
        QCOMPARE(w.filterBox()->text(), QString());
        QCOMPARE(w.table()->rowCount(), 4);
        QCOMPARE(w.currentRow(), 3);
        toolButtonByTip(w, QStringLiteral("第一条"))->click();
        QCOMPARE(w.currentRow(), 0);
        toolButtonByTip(w, QStringLiteral("下一条"))->click();
        ModalAnswer none(QMessageBox::Cancel);
        toolButtonByTip(w, QStringLiteral("删除"))->click();
        QCOMPARE(w.table()->rowCount(), 3);
        QVERIFY(none.texts().isEmpty());
    }

    void saveReportsSuccessAndFailure() {
        TestDatabase t(TestSupport::currentEngine());
        const Database& db = t.db();
        MasterListWindow w(db, suppliers());
        QSignalSpy saved(&w, &MasterListWindow::saved);
        w.appendRow();
        w.table()->setValue(1, QStringLiteral("BM"), QStringLiteral("001"));  // taken already
        {
            ModalAnswer ok(QMessageBox::Ok);
            toolBarAction(w, QStringLiteral("保存[&S]"))->trigger();
            QCOMPARE(ok.texts(), QStringList{"编码存在重复无法保存，请删除重复后重试"});
        }
        QCOMPARE(saved.count(), 0);
        QCOMPARE(suppliersInDatabase(db), 1);
        w.table()->setValue(1, QStringLiteral("BM"), QStringLiteral("009"));
        ModalAnswer ok(QMessageBox::Ok);
        toolBarAction(w, QStringLiteral("保存[&S]"))->trigger();
        QCOMPARE(ok.texts(), QStringList{"保存成功！"});
        QCOMPARE(saved.count(), 1);
        QCOMPARE(suppliersInDatabase(db), 2);
    }

    void closingWithEditsAsks_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<qlonglong>("written");
        QTest::newRow("yes saves") << int(QMessageBox::Yes) << true << 2LL;
        QTest::newRow("no drops") << int(QMessageBox::No) << true << 1LL;
        QTest::newRow("cancel stays") << int(QMessageBox::Cancel) << false << 1LL;
    }
    void closingWithEditsAsks() {
        QFETCH(int, answer);
        QFETCH(bool, closed);
        QFETCH(qlonglong, written);
        TestDatabase t(TestSupport::currentEngine());
        auto* w = new MasterListWindow(t.db(), suppliers());
        w->setAttribute(Qt::WA_DeleteOnClose, false);
        w->show();
        w->appendRow();
        w->table()->setValue(1, QStringLiteral("BM"), QStringLiteral("010"));
        ModalAnswer reply(static_cast<QMessageBox::StandardButton>(answer));
        QCOMPARE(w->close(), closed);
        QCOMPARE(reply.texts(), QStringList{"当前还没有保存，是否现在保存？"});
        QCOMPARE(suppliersInDatabase(t.db()), written);
        delete w;
    }

    void exportNeedsTheRight() {
        TestDatabase t(TestSupport::currentEngine());
        session().SetupRights = QStringLiteral("QX-10,");
        MasterListWindow w(t.db(), suppliers());
        ModalAnswer ok(QMessageBox::Ok);
        toolBarAction(w, QStringLiteral("导出[&O]"))->trigger();
        QCOMPARE(ok.texts(), QStringList{"您没有导出权！"});
    }

    void printShowsTheShownRowsInThePreview() {
        TestDatabase t(TestSupport::currentEngine());
        seed(t.db());
        MasterListWindow plain(t.db(), suppliers());
        QVERIFY(!toolBarAction(plain, QStringLiteral("打印[&P]")));
        MasterListConfig c = suppliers();
        c.printable = true;
        MasterListWindow w(t.db(), c);
        TestSupport::typeText(w.filterBox(), QStringLiteral("花"));
        QStringList printed;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            auto* preview = qobject_cast<PreviewWindow*>(QApplication::activeModalWidget());
            if (!preview) {
                return;
            }
            for (const Report::RenderedPage& page : preview->rendered().pages) {
                for (const Report::PlacedObject& o : page.objects) {
                    printed << o.text;
                }
            }
            preview->reject();
        });
        poll.start(10);
        toolBarAction(w, QStringLiteral("打印[&P]"))->trigger();
        QVERIFY(printed.contains(QStringLiteral("供货商资料")));
        QVERIFY(printed.contains(QStringLiteral("花店")));
        QVERIFY(printed.contains(QStringLiteral("电话")));
        QVERIFY(!printed.contains(QStringLiteral("Lab Prints")));
    }

    void closingWithoutEditsDoesNotAsk() {
        TestDatabase t(TestSupport::currentEngine());
        auto* w = new MasterListWindow(t.db(), suppliers());
        w->setAttribute(Qt::WA_DeleteOnClose, false);
        ModalAnswer reply(QMessageBox::Cancel);
        QVERIFY(w->close());
        QVERIFY(reply.texts().isEmpty());
        delete w;
    }
};

QTEST_MAIN(TestMasterListWindow)
#include "tst_masterlistwindow.moc"
