#include <QDate>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include "pdftext.h"
#include "print/expression.h"
#include "print/pdfoutput.h"
#include "print/reportrenderer.h"
#include "reportfixture.h"
#include "store/decimal2.h"

using namespace Report;

namespace {

QStringList renderToText(const ReportTemplate& report, const ReportData& data) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    PdfOutput::write(layoutReport(report, data), pdf);
    return PdfText::pages(pdf);
}

int darkPixels(const QImage& image, const QRect& area) {
    int dark = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            dark += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
        }
    }
    return dark;
}

}  // namespace

class TestReportRenderer : public QObject {
    Q_OBJECT

private slots:
    void expressions_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("expected");
        QTest::newRow("header field any case") << "客户：[header.khmc]"
                                               << ""
                                               << "客户：李四";
        QTest::newRow("company field") << "[company.GSMC]"
                                       << ""
                                       << "幸福婚纱摄影";
        QTest::newRow("money default") << "[header.ZJE]"
                                       << ""
                                       << "1234.50";
        QTest::newRow("money grouped") << "[header.ZJE]"
                                       << "#,##0.00"
                                       << "1,234.50";
        QTest::newRow("money whole rounds half up") << "[header.ZJE]"
                                                    << "0"
                                                    << "1235";
        QTest::newRow("date pattern") << "[header.RQ]"
                                      << "yyyy年MM月dd日"
                                      << "2026年12月11日";
        QTest::newRow("date from text") << "[kdrq1]"
                                        << "yyyy.MM.dd"
                                        << "2026.01.02";
        QTest::newRow("first line outside the band") << "[lines.SPBM]"
                                                     << ""
                                                     << "SP001";
        QTest::newRow("sum of a column") << "[SUM(lines.JE)]"
                                         << ""
                                         << "6.60";
        QTest::newRow("unknown field is marked") << "[header.NOPE]/[foo]"
                                                 << ""
                                                 << "[?header.NOPE]/[?foo]";
        QTest::newRow("unknown dataset is marked") << "[other.X]"
                                                   << ""
                                                   << "[?other.X]";
        QTest::newRow("unclosed bracket is text") << "a [b"
                                                  << ""
                                                  << "a [b";
    }
    void expressions() {
        QFETCH(QString, text);
        QFETCH(QString, format);
        QFETCH(QString, expected);
        ReportData data = ReportFixture::orderData(3);
        data.variables.set(QStringLiteral("kdrq1"), QStringLiteral("2026-01-02"));
        QCOMPARE(expandText(text, format, ExpressionContext{&data, -1, 1}), expected);
    }

    // 60 lines do not fit one A4 page: the second page repeats both headers.
    void longListBreaksPagesAndRepeatsHeaders() {
        const QStringList pages =
            renderToText(ReportFixture::orderList(), ReportFixture::orderData(60));
        QCOMPARE(pages.size(), 2);
        for (int p = 0; p < 2; ++p) {
            QVERIFY2(pages[p].contains(QStringLiteral("幸福婚纱摄影")), qPrintable(pages[p]));
            QVERIFY(pages[p].contains(QStringLiteral("商品名称")));
            QVERIFY(pages[p].contains(QStringLiteral("第%1页 共2页").arg(p + 1)));
        }
        QVERIFY(pages[0].contains(QStringLiteral("订单 2026121100100001")));
        QVERIFY(!pages[1].contains(QStringLiteral("订单 2026121100100001")));
        QVERIFY(pages[0].contains(QStringLiteral("商品1 ")));
        QVERIFY(pages[1].contains(QStringLiteral("商品60")));
        QVERIFY(pages[1].contains(QStringLiteral("66.00")));
        // 1.10 + 2.20 + ... + 66.00
        QVERIFY(pages[1].contains(QStringLiteral("合计：2013.00")));
        QVERIFY(!pages[0].contains(QStringLiteral("合计")));
    }

    // The summary goes to a page of its own when the last page is full.
    void summaryThatDoesNotFitStartsANewPage() {
        const RenderedReport one =
            layoutReport(ReportFixture::orderList(), ReportFixture::orderData(39));
        const RenderedReport full =
            layoutReport(ReportFixture::orderList(), ReportFixture::orderData(38));
        QCOMPARE(full.pages.size(), 1);
        QCOMPARE(one.pages.size(), 2);
    }

    void emptyListStillPrintsItsFrame() {
        const QStringList pages =
            renderToText(ReportFixture::orderList(), ReportFixture::orderData(0));
        QCOMPARE(pages.size(), 1);
        QVERIFY(pages[0].contains(QStringLiteral("合计：0.00")));
        QVERIFY(pages[0].contains(QStringLiteral("第1页 共1页")));
    }

    // Code 128 carries its text; a QR code is drawn as modules.
    void barcodesAreDrawn() {
        ReportTemplate report;
        ReportObject code = ReportFixture::text({10, 0, 80, 20}, QStringLiteral("[header.ID]"));
        code.kind = ObjectKind::Barcode;
        ReportObject qr = code;
        qr.barcode = BarcodeType::QrCode;
        qr.rect = QRectF(100, 0, 30, 30);
        report.bands = {ReportBand{BandKind::ReportTitle, 40, {}, {code, qr}}};
        const ReportData data = ReportFixture::orderData(1);
        const QStringList pages = renderToText(report, data);
        QCOMPARE(pages.size(), 1);
        QVERIFY(pages[0].contains(QStringLiteral("2026121100100001")));

        const RenderedReport rendered = layoutReport(report, data);
        QImage image(210 * 4, 100 * 4, QImage::Format_RGB32);
        image.setDotsPerMeterX(4000);
        image.setDotsPerMeterY(4000);
        image.fill(Qt::white);
        QPainter painter(&image);
        paintPage(painter, rendered, 0);
        painter.end();
        const int barsArea = darkPixels(image, QRect(20 * 4, 10 * 4, 80 * 4, 10 * 4));
        const int qrArea = darkPixels(image, QRect(110 * 4, 10 * 4, 30 * 4, 30 * 4));
        QVERIFY2(barsArea > 2000, qPrintable(QString::number(barsArea)));
        QVERIFY2(qrArea > 2000, qPrintable(QString::number(qrArea)));
    }

    void unencodableBarcodeShowsWhy() {
        ReportTemplate report;
        ReportObject code = ReportFixture::text({10, 0, 80, 20}, QStringLiteral("[header.KHMC]"));
        code.kind = ObjectKind::Barcode;
        report.bands = {ReportBand{BandKind::ReportTitle, 40, {}, {code}}};
        const QStringList pages = renderToText(report, ReportFixture::orderData(1));
        QVERIFY2(pages.value(0).contains(QStringLiteral("[?条码")), qPrintable(pages.value(0)));
    }

    // tests/fixtures/print/order-list.txt is the text of the two-page list;
    // ZORLIK_REGENERATE_FIXTURES=1 tst_reportrenderer writes it anew.
    void twoPageListMatchesTheReference() {
        const QString text = renderToText(ReportFixture::orderList(), ReportFixture::orderData(60))
                                 .join(QLatin1Char('\f'));
        const QString path = QStringLiteral(ZORLIK_FIXTURES "/print/order-list.txt");
        QFile file(path);
        if (qEnvironmentVariableIsSet("ZORLIK_REGENERATE_FIXTURES")) {
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(text.toUtf8());
            return;
        }
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
        QCOMPARE(text, QString::fromUtf8(file.readAll()));
    }
};

QTEST_MAIN(TestReportRenderer)
#include "tst_reportrenderer.moc"
