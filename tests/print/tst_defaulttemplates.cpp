#include <QTemporaryDir>
#include <QTest>

#include "demodata.h"
#include "pdftext.h"
#include "print/documentdata.h"
#include "print/pdfoutput.h"
#include "print/reportrenderer.h"
#include "print/templatefile.h"
#include "store/decimal2.h"
#include "store/delivereddata.h"

using namespace Report;

// The templates a new home is given: every print kind of GG_DJ and the cash
// report, read from the program's compiled-in resources.
class TestDefaultTemplates : public QObject {
    Q_OBJECT

private slots:
    void rendersWithDemoData_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("file");
        for (const DeliveredData::PrintKind& k : DeliveredData::printKinds()) {
            QTest::newRow(qPrintable(k.code)) << k.code << DeliveredData::templateFileName(k.code);
        }
        QTest::newRow("cash report") << QString() << QStringLiteral("现金报表打印格式.zrt");
    }

    void rendersWithDemoData() {
        QFETCH(QString, kind);
        QFETCH(QString, file);
        const ReportTemplate report =
            TemplateFile::load(QStringLiteral(":/home/PrintFormat/") + file);
        const ReportData data = DemoData::forKind(kind, report);
        const RenderedReport rendered = layoutReport(report, data);
        QCOMPARE(rendered.pages.size(), 1);
        for (const PlacedObject& placed : rendered.pages.front().objects) {
            QVERIFY2(!placed.text.contains(QLatin1String("[?")), qPrintable(placed.text));
        }

        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
        PdfOutput::write(rendered, pdf);
        const QStringList pages = PdfText::pages(pdf);
        QCOMPARE(pages.size(), 1);
        const QString page = pages.front();

        QStringList expected;
        const QStringList lineFields = DemoData::lineFields(report);
        if (!lineFields.isEmpty()) {
            const QVariant first =
                data.lines.rows.front().at(data.lines.column(lineFields.front()));
            expected << first.toString();
        }
        if (kind != QLatin1String("TXM")) {
            expected << report.name << QString::fromUtf8(DemoData::kCompanyName);
        }
        if (DocumentData::tablesOfKind(kind)) {
            expected << QString::fromLatin1(DemoData::kDocumentId);
        }
        for (const QString& text : expected) {
            QVERIFY2(page.contains(text), qPrintable(text + QStringLiteral(" not in:\n") + page));
        }
    }

    // The order form carries the figures the studio reads off it.
    void orderFormShowsTotalsAndPayments() {
        const ReportTemplate report =
            TemplateFile::load(QStringLiteral(":/home/PrintFormat/xsd.zrt"));
        ReportData data = DemoData::forKind(QStringLiteral("xsd"), report);
        data.header.set(QStringLiteral("ZJE"), QVariant::fromValue(Decimal2::fromCents(880000)));
        data.header.set(QStringLiteral("YYSK"), QVariant::fromValue(Decimal2::fromCents(200000)));
        data.header.set(QStringLiteral("SS_FS"), QStringLiteral("微信支付"));
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("order.pdf"));
        PdfOutput::write(layoutReport(report, data), pdf);
        const QString page = PdfText::pages(pdf).join(QString());
        for (const char* text :
             {"应收：8800.00", "收取订金：2000.00", "微信支付", "李小红", "浪漫婚纱套系",
              "0571-88886666", "第1页 共1页", "相册3", "10003"}) {
            QVERIFY2(page.contains(QString::fromUtf8(text)), text);
        }
        bool hasBarcode = false;
        for (const PlacedObject& placed : layoutReport(report, data).pages.front().objects) {
            hasBarcode |= placed.object.kind == ObjectKind::Barcode &&
                          placed.text == QLatin1String(DemoData::kDocumentId);
        }
        QVERIFY(hasBarcode);
    }
};

QTEST_MAIN(TestDefaultTemplates)
#include "tst_defaulttemplates.moc"
