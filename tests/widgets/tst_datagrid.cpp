#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QStandardItemModel>
#include <QTest>

#include "widgets/ui/datagrid.h"
#include "widgets/ui/gridview.h"

namespace {

// Field names as a query model reports them; values as the database returns them.
QStandardItemModel* makeLines(QObject* parent) {
    auto* m = new QStandardItemModel(0, 5, parent);
    m->setHorizontalHeaderLabels({"ID", "SPBM", "JG", "JE", "BZ"});
    const QList<QVariantList> rows = {{"N1", "P1", QString("原价"), 12.3, "a"},
                                      {"N1", "P2", QString("售价一"), QString("0.05"), "b"}};
    for (const QVariantList& r : rows) {
        QList<QStandardItem*> items;
        for (const QVariant& v : r) {
            auto* item = new QStandardItem;
            item->setData(v, Qt::EditRole);
            items << item;
        }
        m->appendRow(items);
    }
    return m;
}

QList<GridColumn> lineColumns() {
    GridColumn id = gridColumn("ID", "单号");
    id.hidden = true;
    GridColumn code = gridColumn("spbm", "商品编码");
    code.footer = FooterKind::RowCount;
    code.footerText = QStringLiteral("合计:(%1条)");
    GridColumn price = gridColumn("JG", "适用价格");
    price.pickList = {"原价", "售价一", "售价二"};
    GridColumn amount = gridColumn("JE", "金额");
    amount.money = true;
    amount.footer = FooterKind::Sum;
    GridColumn note = gridColumn("BZ", "备注");
    note.readOnly = true;
    // Shown in an order of its own, not the model's.
    return {id, amount, code, price, note};
}

}  // namespace

class TestDataGrid : public QObject {
    Q_OBJECT

private slots:
    void showsTheColumnsOfTheWindow() {
        DataGrid grid;
        QStandardItemModel* model = makeLines(&grid);
        grid.setModel(model, lineColumns());
        QHeaderView* header = grid.view()->horizontalHeader();
        QStringList captions;
        for (int v = 0; v < header->count(); ++v) {
            const int logical = header->logicalIndex(v);
            if (!grid.view()->isColumnHidden(logical)) {
                captions << grid.view()->model()->headerData(logical, Qt::Horizontal).toString();
            }
        }
        QCOMPARE(captions, (QStringList{"金额", "商品编码", "适用价格", "备注"}));
        QCOMPARE(grid.view()->model()->index(1, 3).data().toString(), QStringLiteral("0.05"));
        QCOMPARE(grid.view()->model()->index(0, 3).data().toString(), QStringLiteral("12.30"));
        QVERIFY(
            !(grid.view()->model()->flags(grid.view()->model()->index(0, 4)) & Qt::ItemIsEditable));
        const QList<DataGrid::ShownColumn> shown = grid.shownColumns();
        QCOMPARE(shown.size(), 4);
        QCOMPARE(shown[0].sourceColumn, 3);
        QVERIFY(shown[0].money);
    }

    void footerFollowsTheRows() {
        DataGrid grid;
        QStandardItemModel* model = makeLines(&grid);
        grid.setModel(model, lineColumns());
        QCOMPARE(grid.footerText("JE"), QStringLiteral("12.35"));
        QCOMPARE(grid.footerText("SPBM"), QStringLiteral("合计:(2条)"));
        model->setData(model->index(0, 3), QStringLiteral("-2.30"));
        QCOMPARE(grid.footerText("JE"), QStringLiteral("-2.25"));
        model->appendRow({new QStandardItem("N1"), new QStandardItem("P3"), new QStandardItem,
                          new QStandardItem("1"), new QStandardItem});
        QCOMPARE(grid.footerText("SPBM"), QStringLiteral("合计:(3条)"));
        QCOMPARE(grid.footerText("JE"), QStringLiteral("-1.25"));
        model->removeRows(0, 3);
        QCOMPARE(grid.footerText("JE"), QStringLiteral("0.00"));
        QCOMPARE(grid.footerText("BZ"), QString());
    }

    void enterMovesToTheNextShownCell() {
        DataGrid grid;
        QStandardItemModel* model = makeLines(&grid);
        grid.setModel(model, lineColumns());
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        GridView* view = grid.view();
        view->setFocus();
        view->setCurrentIndex(view->model()->index(0, 3));  // 金额, the first shown column
        const QList<int> expected = {1, 2, 4};              // 商品编码, 适用价格, 备注
        for (int column : expected) {
            QTest::keyClick(view, Qt::Key_Return);
            QCOMPARE(view->currentIndex().column(), column);
            QCOMPARE(view->currentIndex().row(), 0);
        }
        QTest::keyClick(view, Qt::Key_Return);  // wraps to the next row, skipping the hidden ID
        QCOMPARE(view->currentIndex(), view->model()->index(1, 3));
    }

    void enterEndsAnEditAndMovesOn() {
        DataGrid grid;
        QStandardItemModel* model = makeLines(&grid);
        grid.setModel(model, lineColumns());
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        GridView* view = grid.view();
        view->setFocus();
        view->setCurrentIndex(view->model()->index(0, 1));
        view->edit(view->currentIndex());
        QWidget* editor = QApplication::focusWidget();
        QVERIFY(editor && editor != view);
        QTest::keyClicks(editor, "P9");
        QTest::keyClick(editor, Qt::Key_Return);
        // The delegate commits from the event loop.
        QTRY_COMPARE(model->index(0, 1).data().toString(), QStringLiteral("P9"));
        QCOMPARE(view->currentIndex().column(), 2);
    }

    void pickListEditsThroughItsTexts() {
        DataGrid grid;
        QStandardItemModel* model = makeLines(&grid);
        grid.setModel(model, lineColumns());
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        GridView* view = grid.view();
        view->setCurrentIndex(view->model()->index(1, 2));
        view->edit(view->currentIndex());
        auto* box = qobject_cast<QComboBox*>(QApplication::focusWidget());
        QVERIFY(box);
        QCOMPARE(box->count(), 3);
        QCOMPARE(box->currentText(), QStringLiteral("售价一"));
        box->setCurrentIndex(2);
        QTest::keyClick(box, Qt::Key_Return);
        QTRY_COMPARE(model->index(1, 2).data().toString(), QStringLiteral("售价二"));
    }
};

QTEST_MAIN(TestDataGrid)
#include "tst_datagrid.moc"
