#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "masterdata/companyrecord.h"
#include "masterdata/ui/companywindow.h"
#include "masterdata/ui/supplierpicker.h"
#include "store/database.h"
#include "support/masterlistdriver.h"
#include "support/modalanswer.h"
#include "support/testdatabase.h"
#include "widgets/ui/datagrid.h"
#include "widgets/ui/gridview.h"

using TestSupport::TestDatabase;

namespace {

QLineEdit* box(const QWidget& w, const char* name) {
    return w.findChild<QLineEdit*>(QString::fromLatin1(name));
}

// Types into a box and leaves it with Enter, which moves on as Tab does.
void typeAndLeave(QLineEdit* e, const QString& text) {
    QApplication::setActiveWindow(e->window());  // a message box may have taken it
    e->setFocus();
    e->selectAll();
    ListDriver::typeText(e, text);
    QTest::keyClick(e, Qt::Key_Return);
}

}  // namespace

class TestCompanyWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase_data() { TestSupport::addEngineRows(); }
    void init() { TestSupport::skipUnavailableEngine(); }

    void editsTheCompanyRowAsTheStaffDo() {
        TestDatabase t(TestSupport::currentEngine());
        t.db().exec(QStringLiteral("insert into BM_GHS (BM, MC) values (?, ?)"),
                    {"002", "金彩相册制品厂"});
        auto* w = new TBM_GSXX(t.db(), QDir::tempPath());
        w->setAttribute(Qt::WA_DeleteOnClose, false);
        w->show();
        QApplication::setActiveWindow(w);
        QVERIFY(QTest::qWaitForWindowActive(w));
        QCOMPARE(box(*w, "GSMC")->text(), QStringLiteral("Zorlik影楼"));
        QCOMPARE(box(*w, "TZK")->text(), QStringLiteral("1.00"));

        {
            ModalAnswer ok(QMessageBox::Ok);
            typeAndLeave(box(*w, "MR_KH"), QStringLiteral("8888"));
            QTRY_COMPARE(ok.texts(), QStringList{"您所输入的编码不存在！"});
        }
        QCOMPARE(box(*w, "MR_KH")->text(), QString());
        QCOMPARE(box(*w, "KHMC")->text(), QString());
        QCOMPARE(w->focusWidget(), box(*w, "MR_KH"));
        typeAndLeave(box(*w, "MR_KH"), QStringLiteral("999"));
        QCOMPARE(box(*w, "KHMC")->text(), QStringLiteral("普通客户"));

        for (const QString& bad : {QStringLiteral("20000"), QStringLiteral("abc")}) {
            ModalAnswer ok(QMessageBox::Ok);
            typeAndLeave(box(*w, "XJF"), bad);
            QTRY_COMPARE(ok.texts(), QStringList{Company::kPointsAmountMessage});
            QCOMPARE(box(*w, "XJF")->text(), QStringLiteral("1"));
        }

        // The supplier picker: filter, then Enter chooses.
        QTimer::singleShot(50, [] {
            auto* picker = qobject_cast<Txzghs*>(QApplication::activeModalWidget());
            QVERIFY(picker);
            ListDriver::typeText(picker->list()->filterBox(), QStringLiteral("金彩"));
            QTest::keyClick(picker->list()->grid()->view(), Qt::Key_Down);
            QTest::keyClick(picker->list()->grid()->view(), Qt::Key_Return);
        });
        w->findChild<QToolButton*>(QStringLiteral("supplierButton"))->click();
        QCOMPARE(box(*w, "MR_GHS")->text(), QStringLiteral("002"));
        QCOMPARE(box(*w, "GHSMC")->text(), QStringLiteral("金彩相册制品厂"));

        box(*w, "Edit2")->setText(QStringLiteral("/srv/bak"));
        typeAndLeave(box(*w, "TZK"), QStringLiteral("0.95"));
        {
            ModalAnswer ok(QMessageBox::Ok);
            w->findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
            QCOMPARE(ok.texts(), QStringList{"保存成功！    "});
        }
        QCOMPARE(box(*w, "Edit2")->text(), QStringLiteral("/srv/bak/"));
        const CompanyRecord stored = Company::load(t.db());
        QCOMPARE(stored.MR_GHS, QStringLiteral("002"));
        QCOMPARE(stored.MR_KHMC, QStringLiteral("普通客户"));
        QCOMPARE(stored.BF, QStringLiteral("/srv/bak/"));
        QCOMPARE(stored.TZK, QStringLiteral("0.95"));
        QCOMPARE(stored.XJF, QStringLiteral("1"));

        QSignalSpy closing(w, &TBM_GSXX::closing);
        QSignalSpy customer(w, &TBM_GSXX::customerPickerRequested);
        w->findChild<QToolButton*>(QStringLiteral("customerButton"))->click();
        QCOMPARE(customer.count(), 1);
        w->findChild<QPushButton*>(QStringLiteral("BitBtn2"))->click();
        QCOMPARE(closing.count(), 1);
        delete w;
    }

    void aDiscountThatIsNoNumberIsNotSaved() {
        TestDatabase t(TestSupport::currentEngine());
        TBM_GSXX w(t.db(), QDir::tempPath());
        box(w, "GSMC")->setText(QStringLiteral("改名"));
        box(w, "TZK")->setText(QStringLiteral("九五折"));
        ModalAnswer ok(QMessageBox::Ok);
        w.findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
        QCOMPARE(ok.texts(), QStringList{"“全场打折”请输入数字，例如 0.95！"});
        QCOMPARE(Company::load(t.db()).GSMC, QStringLiteral("Zorlik影楼"));
        QCOMPARE(box(w, "GSMC")->text(), QStringLiteral("改名"));
    }
};

QTEST_MAIN(TestCompanyWindow)
#include "tst_companywindow.moc"
