#include <QDate>
#include <QTemporaryDir>
#include <QTest>

#include "print/documentdata.h"
#include "print/printerror.h"
#include "print/printformats.h"
#include "store/decimal2.h"
#include "store/inifile.h"
#include "store/programhome.h"
#include "storedorder.h"
#include "support/testdatabase.h"

using TestSupport::TestDatabase;

// What a print reads from the database: the document and the print-format rows.
class TestDocumentData : public QObject {
    Q_OBJECT

private slots:
    void initTestCase_data() { TestSupport::addEngineRows(); }
    void init() { TestSupport::skipUnavailableEngine(); }

    void loadsHeaderLinesAndCompanyTyped() {
        TestDatabase t(TestSupport::currentEngine());
        StoredOrder::insert(t.db());
        const Report::ReportData data = DocumentData::load(t.db(), QStringLiteral("XSD_Y"),
                                                           QString::fromLatin1(StoredOrder::kId));
        QCOMPARE(data.header.value(QStringLiteral("khmc")).toString(), QStringLiteral("李小红"));
        QCOMPARE(data.header.value(QStringLiteral("RQ")).toDate(), QDate(2026, 12, 11));
        QCOMPARE(data.header.value(QStringLiteral("ZJE")).value<Decimal2>(),
                 Decimal2::fromCents(880000));
        QCOMPARE(data.lines.rows.size(), 3);
        const int name = data.lines.column(QStringLiteral("SPMC"));
        const int amount = data.lines.column(QStringLiteral("JE"));
        QCOMPARE(data.lines.rows[0][name].toString(), QStringLiteral("婚纱照"));
        QCOMPARE(data.lines.rows[2][name].toString(), QStringLiteral("化妆"));
        QCOMPARE(data.lines.rows[2][amount].value<Decimal2>(), Decimal2::fromUnits(3000));
        QCOMPARE(data.company.value(QStringLiteral("GSMC")).toString(),
                 QStringLiteral("幸福婚纱摄影"));
    }

    void missingDocumentOrListKindIsAnError() {
        TestDatabase t(TestSupport::currentEngine());
        QVERIFY_THROWS_EXCEPTION(
            PrintError, DocumentData::load(t.db(), QStringLiteral("xsd"), QStringLiteral("none")));
        QVERIFY_THROWS_EXCEPTION(
            PrintError, DocumentData::load(t.db(), QStringLiteral("bb_xsd"), QStringLiteral("1")));
        // A document without lines has none.
        t.db().exec(QStringLiteral("insert into czd_zb (ID, KH, JE) values (?, ?, ?)"),
                    {QStringLiteral("C1"), QStringLiteral("李小红"),
                     QVariant::fromValue(Decimal2::fromUnits(500))});
        const Report::ReportData topUp =
            DocumentData::load(t.db(), QStringLiteral("CZD"), QStringLiteral("C1"));
        QCOMPARE(topUp.header.value(QStringLiteral("JE")).value<Decimal2>(),
                 Decimal2::fromUnits(500));
        QVERIFY(topUp.lines.rows.isEmpty());
    }

    void printFormatRowsByKindInAnyCase() {
        TestDatabase t(TestSupport::currentEngine());
        QTemporaryDir dir;
        const ProgramHome home(dir.path());
        QCOMPARE(PrintFormats::find(t.db(), QStringLiteral("XSD"))->file,
                 QStringLiteral("xsd.zrt"));
        QCOMPARE(PrintFormats::find(t.db(), QStringLiteral("bb_xsd_hz"))->code,
                 QStringLiteral("bb_xsd_HZ"));
        QVERIFY(!PrintFormats::find(t.db(), QStringLiteral("nokind")));

        t.db().exec(QStringLiteral("update GG_DJ set DZ = ? where DM = ?"),
                    {QStringLiteral("/elsewhere/mine.zrt"), QStringLiteral("skd")});
        QCOMPARE(PrintFormats::templatePath(t.db(), home, QStringLiteral("SKD")),
                 dir.filePath(QStringLiteral("PrintFormat/mine.zrt")));
        try {
            PrintFormats::loadTemplate(t.db(), home, QStringLiteral("nokind"));
            QFAIL("no row");
        } catch (const PrintError& e) {
            QCOMPARE(e.message(), QStringLiteral("没有找到打印格式：nokind"));
        }
        try {
            PrintFormats::loadTemplate(t.db(), home, QStringLiteral("skd"));
            QFAIL("no file");
        } catch (const PrintError& e) {
            QVERIFY2(e.message().contains(QLatin1String("mine.zrt")), qPrintable(e.message()));
        }
    }

    void directPrintByTheSetting_data() {
        QTest::addColumn<QString>("yl");
        QTest::addColumn<bool>("direct");
        QTest::newRow("T") << "T" << true;
        QTest::newRow("F") << "F" << false;
        QTest::newRow("missing") << "" << false;
    }
    void directPrintByTheSetting() {
        QFETCH(QString, yl);
        QFETCH(bool, direct);
        QTemporaryDir dir;
        IniFile ini(dir.filePath(QStringLiteral("Default.ini")));
        if (!yl.isEmpty()) {
            ini.writeString(QStringLiteral("xsd"), QStringLiteral("yl"), yl);
        }
        QCOMPARE(PrintFormats::printsDirectly(ini), direct);
    }
};

QTEST_MAIN(TestDocumentData)
#include "tst_documentdata.moc"
