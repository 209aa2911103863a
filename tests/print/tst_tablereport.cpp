#include <QRegularExpression>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTest>

#include "pdftext.h"
#include "print/pdfoutput.h"
#include "print/reportrenderer.h"
#include "print/tablereport.h"

using namespace Report;

namespace {

// A member list as a grid shows it: code, name and balance, with captions.
QStandardItemModel* memberModel(int rows, int extraWideColumns, QObject* parent) {
    auto* model = new QStandardItemModel(rows, 3 + extraWideColumns, parent);
    model->setHorizontalHeaderLabels(
        {QStringLiteral("会员编码"), QStringLiteral("姓名"), QStringLiteral("余额")});
    for (int c = 0; c < extraWideColumns; ++c) {
        model->setHeaderData(3 + c, Qt::Horizontal, QStringLiteral("地址%1").arg(c));
    }
    for (int r = 0; r < rows; ++r) {
        model->setData(model->index(r, 0),
                       QStringLiteral("K%1").arg(r + 1, 4, 10, QLatin1Char('0')));
        model->setData(model->index(r, 1), QStringLiteral("会员[%1]").arg(r + 1));
        model->setData(model->index(r, 2), QStringLiteral("%1.50").arg(r));
        for (int c = 0; c < extraWideColumns; ++c) {
            model->setData(model->index(r, 3 + c), QStringLiteral("幸福路一百二十八号花园小区"));
        }
    }
    return model;
}

}  // namespace

class TestTableReport : public QObject {
    Q_OBJECT

private slots:
    void footerText_data() {
        QTest::addColumn<QString>("footer");
        QTest::addColumn<QString>("expected");
        QTest::newRow("no text") << ""
                                 << "第[PAGE#]页";
        QTest::newRow("with text") << "制表：张三"
                                   << "制表：张三    第[PAGE#]页";
    }
    void footerText() {
        QFETCH(QString, footer);
        QFETCH(QString, expected);
        QCOMPARE(TableReport::footerText(footer), expected);
    }

    void alignmentCodes() {
        QCOMPARE(TableReport::alignment(0), HAlign::Left);
        QCOMPARE(TableReport::alignment(1), HAlign::Center);
        QCOMPARE(TableReport::alignment(2), HAlign::Right);
        QCOMPARE(TableReport::alignment(-1), HAlign::Right);
        QCOMPARE(TableReport::paper(9), QPageSize::A4);
    }

    void orientation_data() {
        QTest::addColumn<int>("landscapeFlag");
        QTest::addColumn<int>("wideColumns");
        QTest::addColumn<bool>("landscape");
        QTest::newRow("narrow portrait") << 0 << 0 << false;
        QTest::newRow("flag set") << 1 << 0 << true;
        QTest::newRow("any non-zero flag") << -3 << 0 << true;
        QTest::newRow("slightly wide stays portrait") << 0 << 2 << false;
        QTest::newRow("a fifth wider turns") << 0 << 4 << true;
    }
    void orientation() {
        QFETCH(int, landscapeFlag);
        QFETCH(int, wideColumns);
        QFETCH(bool, landscape);
        QObject owner;
        TableReport::Options options;
        options.landscape = landscapeFlag;
        const TableReport::BoundTable t = TableReport::build(
            options, ReportTable::fromModel(*memberModel(3, wideColumns, &owner)));
        QCOMPARE(t.report.page.orientation == QPageLayout::Landscape, landscape);
        // Every column stays on the paper.
        const QRectF paper = t.report.page.layout().fullRect(QPageLayout::Millimeter);
        for (const ReportObject& o : t.report.band(BandKind::MasterData)->objects) {
            QVERIFY(o.rect.right() + t.report.page.margins.left() <= paper.width() + 0.01);
        }
    }

    // 100 members take three pages; each shows the column captions and its number.
    void printsEveryPageWithHeadersAndFooter() {
        QObject owner;
        TableReport::Options options;
        options.title = QStringLiteral("会员资料");
        options.titleAlignment = 1;
        options.pageHeader = QStringLiteral("截至[今天]");
        options.pageFooter = QStringLiteral("制表：张三");
        const TableReport::BoundTable t =
            TableReport::build(options, ReportTable::fromModel(*memberModel(100, 0, &owner)));
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("t.pdf"));
        PdfOutput::write(layoutReport(t.report, t.data), pdf);
        const QStringList pages = PdfText::pages(pdf);
        QCOMPARE(pages.size(), 3);
        for (int p = 0; p < pages.size(); ++p) {
            QVERIFY(pages[p].contains(QStringLiteral("会员编码")));
            QVERIFY(pages[p].contains(QStringLiteral("截至[今天]")));
            const QRegularExpression footer(QStringLiteral("制表：张三\\s+第%1页").arg(p + 1));
            QVERIFY2(pages[p].contains(footer), qPrintable(pages[p]));
        }
        QVERIFY(pages[0].contains(QStringLiteral("会员资料")));
        QVERIFY(pages[0].contains(QStringLiteral("会员[1]")));
        QVERIFY(pages[2].contains(QStringLiteral("会员[100]")));
        QVERIFY(pages[2].contains(QStringLiteral("99.50")));
    }

    void onlyTheGivenColumnsArePrinted() {
        QObject owner;
        const ReportTable table = ReportTable::fromModel(*memberModel(2, 0, &owner), {0, 2});
        QCOMPARE(table.captions, (QStringList{QStringLiteral("会员编码"), QStringLiteral("余额")}));
        QCOMPARE(table.rows[1], (QVariantList{QStringLiteral("K0002"), QStringLiteral("1.50")}));
    }
};

QTEST_MAIN(TestTableReport)
#include "tst_tablereport.moc"
