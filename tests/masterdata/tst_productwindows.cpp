#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include "app/session.h"
#include "masterdata/productcategory.h"
#include "masterdata/ui/categorytree.h"
#include "masterdata/ui/categorywindow.h"
#include "masterdata/ui/packagecontentswindow.h"
#include "masterdata/ui/picturewindow.h"
#include "masterdata/ui/productlistparts.h"
#include "masterdata/ui/productpicker.h"
#include "masterdata/ui/productsearchlist.h"
#include "masterdata/ui/productwindow.h"
#include "store/database.h"
#include "store/editabletable.h"
#include "support/modalanswer.h"
#include "support/testdatabase.h"
#include "widgets/ui/datagrid.h"
#include "widgets/ui/gridview.h"

using TestSupport::TestDatabase;

namespace {

QVariant field(const Database& db, const char* sql, const QVariantList& params = {}) {
    return db.value(QString::fromUtf8(sql), params);
}

// Types any text as key presses (keyClicks takes Latin-1 only).
void typeText(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// Types into the current cell and ends the edit with Enter.
void typeCell(GridView* view, int row, int column, const QString& text) {
    const QModelIndex cell = view->model()->index(row, column);
    view->setCurrentIndex(cell);
    QTest::keyClick(view, Qt::Key_F2);
    QLineEdit* editor = nullptr;
    for (QLineEdit* e : view->viewport()->findChildren<QLineEdit*>()) {
        if (e->isVisible() && e->geometry().intersects(view->visualRect(cell))) {
            editor = e;
        }
    }
    QVERIFY2(editor, qPrintable(QStringLiteral("no editor at %1,%2").arg(row).arg(column)));
    editor->selectAll();
    typeText(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();  // the delegate commits on a queued call
}

void doubleClick(QAbstractItemView* view, int row, int column) {
    const QPoint at = view->visualRect(view->model()->index(row, column)).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
}

int columnOf(const GridView* view, const char* field) {
    const QAbstractItemModel* m = view->model();
    for (int c = 0; c < m->columnCount(); ++c) {
        if (m->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString() ==
            QString::fromUtf8(field)) {
            return c;
        }
    }
    return -1;
}

void seedProducts(const Database& db) {
    db.exec(QStringLiteral("insert into BM_SPLB (BM, MC, JFGZ) values (?, ?, ?)"),
            {"01", "婚纱摄影", "10"});
    db.exec(QStringLiteral("insert into BM_SP (BM, MC, LB, JP, LSJ) values "
                           "(?, ?, ?, ?, 1999), (?, ?, ?, ?, 88)"),
            {"01001", "水晶相册", "01", "SJXC", "01002", "实木相框", "01", "SMXK"});
}

}  // namespace

class TestProductWindows : public QObject {
    Q_OBJECT

private slots:
    void initTestCase_data() { TestSupport::addEngineRows(); }
    void init() {
        TestSupport::skipUnavailableEngine();
        session().CurrentOperatorCode = QStringLiteral("000");
        session().SetupRights = QString();
    }

    void categoryAndProductAddedSavedAndProtected() {
        TestDatabase t(TestSupport::currentEngine());
        const Database& db = t.db();

        {
            TBM_SPLB categories(db);
            categories.show();
            QVERIFY(QTest::qWaitForWindowExposed(&categories));
            navigatorButton(&categories, QStringLiteral("新增"))->click();
            GridView* view = categories.grid()->view();
            typeCell(view, 0, 0, QStringLiteral("01"));
            typeCell(view, 0, 1, QStringLiteral("婚纱摄影"));
            typeCell(view, 0, 2, QStringLiteral("10"));
            ModalAnswer ok(QMessageBox::Ok);
            toolBarAction(&categories, QStringLiteral("保存[&S]"))->trigger();
            QCOMPARE(ok.texts(), QStringList{"保存成功！"});
        }

        TFormSP w(db);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.tree()->topLevelItem(0)->text(0), QStringLiteral("商品类别"));
        QCOMPARE(w.tree()->topLevelItem(0)->child(0)->text(0), QStringLiteral("01.婚纱摄影"));
        {
            ModalAnswer ok(QMessageBox::Ok);
            navigatorButton(&w, QStringLiteral("新增"))->click();
            QCOMPARE(ok.texts(), QStringList{"请选择类别！"});
            QTRY_COMPARE(w.table()->rowCount(), 0);
        }

        w.tree()->setCurrentItem(w.tree()->topLevelItem(0)->child(0));
        QCOMPARE(w.currentCategory(), QStringLiteral("01"));
        GridView* view = w.grid()->view();
        navigatorButton(&w, QStringLiteral("新增"))->click();
        QCOMPARE(w.table()->value(0, QStringLiteral("BM")).toString(), QStringLiteral("010001"));
        typeCell(view, 0, columnOf(view, "商品名称"), QStringLiteral("水晶相册"));
        navigatorButton(&w, QStringLiteral("新增"))->click();
        QCOMPARE(w.table()->value(1, QStringLiteral("BM")).toString(), QStringLiteral("010002"));
        typeCell(view, 1, columnOf(view, "商品名称"), QStringLiteral("相框"));
        QCOMPARE(w.findChild<QLabel*>(QStringLiteral("count"))->text(), QStringLiteral("2"));
        {
            ModalAnswer ok(QMessageBox::Ok);
            toolBarAction(&w, QStringLiteral("保存[&S]"))->trigger();
            QCOMPARE(ok.texts(), QStringList{"保存成功！"});
        }
        QCOMPARE(field(db, "select JFGZ from BM_SP where BM = ?", {"010002"}).toString(),
                 QStringLiteral("10"));
        QCOMPARE(field(db, "select MC from BM_SP where BM = ?", {"010002"}).toString(),
                 QStringLiteral("相框"));
        {
            ModalAnswer warned(QMessageBox::Ok);
            typeCell(view, 1, columnOf(view, "商品编码"), QStringLiteral("010001"));
            QCOMPARE(warned.texts(), QStringList{"您输入的编码已存在，请更改编码!"});
        }
        QCOMPARE(w.table()->value(1, QStringLiteral("BM")).toString(), QStringLiteral("010002"));
        QVERIFY(!w.table()->isDirty());

        db.exec(QStringLiteral("insert into xsd_mx (ID, SPBM) values (?, ?)"),
                {"2026010100000001", "010001"});
        view->setCurrentIndex(view->model()->index(0, 0));
        {
            ModalAnswer warned(QMessageBox::Ok);
            navigatorButton(&w, QStringLiteral("删除"))->click();
            QCOMPARE(warned.texts(), QStringList{"当前商品在销售单使用过，无法删除！"});
        }
        QCOMPARE(w.table()->rowCount(), 2);
        view->setCurrentIndex(view->model()->index(1, 0));
        navigatorButton(&w, QStringLiteral("删除"))->click();
        QCOMPARE(w.table()->rowCount(), 1);
        {
            ModalAnswer yes(QMessageBox::Yes);
            QVERIFY(w.close());
            QCOMPARE(yes.texts(), QStringList{"当前还没有保存，是否现在保存？"});
        }
        QCOMPARE(field(db, "select count(*) from BM_SP").toInt(), 1);
    }

    void productWindowToolsCopyInitialsAndPicture() {
        TestDatabase t(TestSupport::currentEngine());
        const Database& db = t.db();
        seedProducts(db);
        TFormSP w(db);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        GridView* view = w.grid()->view();
        QPushButton* copy = nullptr;
        QPushButton* paste = nullptr;
        for (QPushButton* b : w.findChildren<QPushButton*>()) {
            if (b->text() == QStringLiteral("整行复制")) {
                copy = b;
            } else if (b->text() == QStringLiteral("整行粘贴")) {
                paste = b;
            }
        }
        QVERIFY(!paste->isEnabled());
        view->setCurrentIndex(view->model()->index(0, 0));
        copy->click();
        QVERIFY(paste->isEnabled());
        view->setCurrentIndex(view->model()->index(1, 0));
        paste->click();
        QCOMPARE(w.table()->value(1, QStringLiteral("BM")).toString(), QStringLiteral("01002"));
        QCOMPARE(w.table()->value(1, QStringLiteral("MC")).toString(), QStringLiteral("水晶相册"));

        w.table()->setValue(0, QStringLiteral("JP"), QStringLiteral("X"));
        {
            ModalAnswer yes(QMessageBox::Yes);
            toolBarAction(&w, QStringLiteral("简拼[&J]"))->trigger();
            QCOMPARE(yes.texts(), QStringList{"您确定要重新生成简拼吗？"});
        }
        QCOMPARE(field(db, "select JP from BM_SP where BM = ?", {"01001"}).toString(),
                 QStringLiteral("SJXC"));
        QCOMPARE(field(db, "select MC from BM_SP where BM = ?", {"01002"}).toString(),
                 QStringLiteral("水晶相册"));

        // The picture is stored and the list read again at the same row.
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("a.png"));
        QImage image(8, 8, QImage::Format_RGB32);
        image.fill(Qt::blue);
        QVERIFY(image.save(file));
        view->setCurrentIndex(view->model()->index(1, 2));
        w.showPicture();
        auto* picture = w.findChild<TBM_TP*>();
        QVERIFY(picture && picture->isVisible());
        picture->choosePicture(file);
        picture->close();
        QCOMPARE(w.table()->value(1, QStringLiteral("TP")).toString(), file);
        QCOMPARE(view->currentIndex().row(), 1);
        QCOMPARE(view->currentIndex().column(), 2);
    }

    void clearingAsksFirstAndNeedsTheRight_data() {
        QTest::addColumn<QString>("rights");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<int>("left");
        QTest::newRow("no right") << "QX-10," << int(QMessageBox::Yes)
                                  << QStringList{"您没有权操作，请联系管理员！"} << 2;
        QTest::newRow("right, declined")
            << "QX-13," << int(QMessageBox::No)
            << QStringList{"确定要清空全部商品资料吗？清空后无法恢复！"} << 2;
        QTest::newRow("right, confirmed")
            << "QX-13," << int(QMessageBox::Yes)
            << QStringList{"确定要清空全部商品资料吗？清空后无法恢复！", "清空成功！"} << 0;
    }
    void clearingAsksFirstAndNeedsTheRight() {
        QFETCH(QString, rights);
        QFETCH(int, answer);
        QFETCH(QStringList, texts);
        QFETCH(int, left);
        TestDatabase t(TestSupport::currentEngine());
        seedProducts(t.db());
        session().SetupRights = rights;
        TFormSP w(t.db());
        w.show();
        QPushButton* clear = nullptr;
        for (QPushButton* b : w.findChildren<QPushButton*>()) {
            if (b->text().startsWith(QStringLiteral("清空商品资料"))) {
                clear = b;
            }
        }
        ModalAnswer reply(static_cast<QMessageBox::StandardButton>(answer));
        clear->click();
        QCOMPARE(reply.texts(), texts);
        QCOMPARE(field(t.db(), "select count(*) from BM_SP").toInt(), left);
        QCOMPARE(w.table()->rowCount(), left);
    }

    void pickerChoosesByEnterAndPlus_data() {
        QTest::addColumn<QString>("operatorCode");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("editable");
        QTest::newRow("administrator, Enter") << "000" << int(Qt::Key_Return) << true;
        QTest::newRow("operator, plus") << "001" << int(Qt::Key_Plus) << false;
    }
    void pickerChoosesByEnterAndPlus() {
        QFETCH(QString, operatorCode);
        QFETCH(int, key);
        QFETCH(bool, editable);
        TestDatabase t(TestSupport::currentEngine());
        seedProducts(t.db());
        session().CurrentOperatorCode = operatorCode;
        TXZSP picker(t.db());
        QSignalSpy chosen(&picker, &TXZSP::productChosen);
        picker.show();
        QVERIFY(QTest::qWaitForWindowExposed(&picker));
        GridView* view = picker.list()->grid()->view();
        QCOMPARE(view->model()->rowCount(), 2);
        QCOMPARE(toolBarAction(picker.list(), QStringLiteral("导出[&O]"))->isEnabled(), editable);
        QCOMPARE(toolBarAction(picker.list(), QStringLiteral("保存[&S]"))->isEnabled(), editable);
        QCOMPARE(navigatorButton(picker.list(), QStringLiteral("新增"))->isEnabled(), editable);
        QCOMPARE(view->editTriggers() != QAbstractItemView::NoEditTriggers, editable);
        view->setCurrentIndex(view->model()->index(1, 1));
        QTest::keyClick(view, static_cast<Qt::Key>(key));
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(chosen[0][0].toString(), QStringLiteral("01002"));
        QVERIFY(!picker.isVisible());

        // Shown again: every product of the root, the filter empty.
        picker.list()->filterBox()->setText(QStringLiteral("zzz"));
        picker.show();
        QCOMPARE(picker.list()->filterBox()->text(), QString());
        QCOMPARE(picker.tree()->currentCategory(), QString::fromLatin1(kRootCategory));
        doubleClick(view, 0, 1);
        QCOMPARE(chosen.count(), 2);
        QCOMPARE(chosen[1][0].toString(), QStringLiteral("01001"));
    }

    void searchListChoosesAndCloses() {
        TestDatabase t(TestSupport::currentEngine());
        seedProducts(t.db());
        Txspx list(t.db(), QStringLiteral("x"));
        QSignalSpy chosen(&list, &Txspx::productChosen);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QCOMPARE(list.rows()->rowCount(), 2);
        GridView* view = list.grid()->view();
        view->setCurrentIndex(view->model()->index(1, 0));
        QTest::keyClick(view, Qt::Key_Plus);
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(chosen[0][0].toString(), QStringLiteral("01002"));
        QVERIFY(!list.isVisible());
        list.search(QStringLiteral("sjxc"));
        QCOMPARE(list.rows()->rowCount(), 1);
    }

    void packageSeriesDoubleClickAddsAndSaves() {
        TestDatabase t(TestSupport::currentEngine());
        const Database& db = t.db();
        seedProducts(db);
        db.exec(QStringLiteral("insert into BM_TXLB (BM, MC) values (?, ?), (?, ?)"),
                {"T1", "经典套系", "T2", "豪华套系"});
        session().UnsavedChanges = true;
        TBM_TX w(db);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.seriesBox()->count(), 2);
        QCOMPARE(w.seriesBox()->currentIndex(), -1);
        QCOMPARE(w.seriesBox()->placeholderText(), QStringLiteral("请选择套系"));

        w.seriesBox()->setCurrentIndex(1);
        emit w.seriesBox()->textActivated(QStringLiteral("豪华套系"));
        doubleClick(w.productGrid()->view(), 0, 0);
        QCOMPARE(w.contents()->rowCount(), 1);
        QCOMPARE(w.contents()->value(0, QStringLiteral("DJ")).value<Decimal2>(),
                 Decimal2::fromUnits(1999));
        QCOMPARE(w.contents()->value(0, QStringLiteral("SL")).value<Decimal2>(),
                 Decimal2::fromUnits(1));
        QCOMPARE(w.contents()->value(0, QStringLiteral("LB")).toString(), QStringLiteral("T2"));
        {
            ModalAnswer ok(QMessageBox::Ok);
            toolBarActionOf(w, QStringLiteral("保存[&S]"))->trigger();
            QCOMPARE(ok.texts(), QStringList{"保存成功！"});
        }
        QVERIFY(!session().UnsavedChanges);
        QCOMPARE(field(db, "select count(*) from BM_TX where LB = ?", {"T2"}).toInt(), 1);

        // Rows added and not saved are dropped when another series is chosen.
        doubleClick(w.productGrid()->view(), 1, 0);
        emit w.seriesBox()->textActivated(QStringLiteral("经典套系"));
        QCOMPARE(w.contents()->rowCount(), 0);
        QCOMPARE(field(db, "select count(*) from BM_TX").toInt(), 1);
    }

    void clearedPictureKeepsItsStoredPath() {
        TestDatabase t(TestSupport::currentEngine());
        seedProducts(t.db());
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("相册.png"));
        QImage image(40, 20, QImage::Format_RGB32);
        image.fill(Qt::red);
        QVERIFY(image.save(file));

        TBM_TP picture(t.db(), QStringLiteral("01001"));
        picture.show();
        QVERIFY(QTest::qWaitForWindowExposed(&picture));
        picture.choosePicture(file);
        QVERIFY(picture.pictureShown());
        QSignalSpy stored(&picture, &TBM_TP::pictureStored);
        picture.close();
        QCOMPARE(stored.count(), 1);
        QCOMPARE(field(t.db(), "select TP from BM_SP where BM = ?", {"01001"}).toString(), file);

        picture.setProductCode(QStringLiteral("01001"));
        picture.show();
        QVERIFY(picture.pictureShown());
        picture.clearPicture();
        QVERIFY(!picture.pictureShown());
        QTest::keyClick(&picture, Qt::Key_Escape);
        QCOMPARE(stored.count(), 2);
        QCOMPARE(field(t.db(), "select TP from BM_SP where BM = ?", {"01001"}).toString(), file);
    }

private:
    static QAction* toolBarActionOf(QWidget& w, const QString& text) {
        for (QToolBar* bar : w.findChildren<QToolBar*>()) {
            for (QAction* a : bar->actions()) {
                if (a->text() == text) {
                    return a;
                }
            }
        }
        return nullptr;
    }
};

QTEST_MAIN(TestProductWindows)
#include "tst_productwindows.moc"
