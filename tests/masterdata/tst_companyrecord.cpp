#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include "masterdata/companyrecord.h"
#include "store/apperror.h"
#include "store/database.h"
#include "support/testdatabase.h"

using TestSupport::TestDatabase;

namespace {

CompanyRecord sample() {
    CompanyRecord r;
    r.GSMC = QStringLiteral("玫瑰婚纱 'Rose' 100%_");
    r.DH = QStringLiteral("0571-1234");
    r.DZ = QStringLiteral("文三路 8 号");
    r.LOG = QStringLiteral("pictures/bg.jpg");
    r.BF = QStringLiteral("/srv/bak");
    r.MR_GHS = QStringLiteral("001");
    r.MR_GHSMC = QStringLiteral("通用供货商");
    r.MR_KH = QStringLiteral("999");
    r.MR_KHMC = QStringLiteral("普通客户");
    r.QXTS = QStringLiteral("20");
    r.QXSJ = QStringLiteral("上午");
    r.XJF = QStringLiteral("10000");
    r.TZK = QStringLiteral("0.9");
    return r;
}

}  // namespace

class TestCompanyRecord : public QObject {
    Q_OBJECT

private slots:
    void initTestCase_data() { TestSupport::addEngineRows(); }
    void init() { TestSupport::skipUnavailableEngine(); }

    void deliveredRowShowsTheDiscountWithTwoPlaces() {
        TestDatabase t(TestSupport::currentEngine());
        const CompanyRecord r = Company::load(t.db());
        QCOMPARE(r.GSMC, QStringLiteral("Zorlik影楼"));
        QCOMPARE(r.TZK, QStringLiteral("1.00"));
        QCOMPARE(r.XJF, QStringLiteral("1"));
        QCOMPARE(r.QXTS, QStringLiteral("15"));
        QCOMPARE(r.MR_KH, QStringLiteral("999"));
    }

    void emptyFieldsStayEmptyAndTheOthersAreFilled() {
        TestDatabase t(TestSupport::currentEngine());
        t.db().exec(QStringLiteral("update BM_GSXX set DZ = null, TZK = null, XJF = null"));
        const CompanyRecord r = Company::load(t.db());
        QCOMPARE(r.DZ, QString());
        QCOMPARE(r.XJF, QString());
        QCOMPARE(r.TZK, QStringLiteral("1.00"));
        QCOMPARE(r.MR_KHMC, QStringLiteral("普通客户"));
        QCOMPARE(r.QXSJ, QStringLiteral("下午"));
    }

    void saveWritesEveryFieldAndEndsTheBackupFolder() {
        TestDatabase t(TestSupport::currentEngine());
        Company::save(t.db(), sample());
        CompanyRecord expected = sample();
        expected.BF = QStringLiteral("/srv/bak/");
        expected.TZK = QStringLiteral("0.90");
        const CompanyRecord r = Company::load(t.db());
        QCOMPARE(r.GSMC, expected.GSMC);
        QCOMPARE(r.DH, expected.DH);
        QCOMPARE(r.DZ, expected.DZ);
        QCOMPARE(r.LOG, expected.LOG);
        QCOMPARE(r.BF, expected.BF);
        QCOMPARE(r.QXTS, expected.QXTS);
        QCOMPARE(r.QXSJ, expected.QXSJ);
        QCOMPARE(r.XJF, expected.XJF);
        QCOMPARE(r.TZK, expected.TZK);
        QCOMPARE(t.db().value(QStringLiteral("select count(*) from BM_GSXX")).toInt(), 1);
    }

    void saveCreatesTheRowOfAnEmptyTable() {
        TestDatabase t(TestSupport::currentEngine());
        t.db().exec(QStringLiteral("delete from BM_GSXX"));
        CompanyRecord r = sample();
        r.QXTS.clear();
        Company::save(t.db(), r);
        QCOMPARE(t.db().value(QStringLiteral("select count(*) from BM_GSXX")).toInt(), 1);
        QVERIFY(t.db().value(QStringLiteral("select QXTS from BM_GSXX")).isNull());
        QCOMPARE(Company::load(t.db()).GSMC, r.GSMC);
    }

    void badNumbersAreRefusedAndNothingIsWritten_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("message");
        const QString points = Company::kPointsAmountMessage;
        QTest::newRow("points not a number") << "XJF"
                                             << "ten" << points;
        QTest::newRow("points empty") << "XJF"
                                      << "" << points;
        QTest::newRow("points above range") << "XJF"
                                            << "10001" << points;
        QTest::newRow("points below range") << "XJF"
                                            << "-1" << points;
        QTest::newRow("discount") << "TZK"
                                  << "九折"
                                  << "“全场打折”请输入数字，例如 0.95！";
        QTest::newRow("pick-up days") << "QXTS"
                                      << "3天"
                                      << "“取相天数”请输入整数！";
    }
    void badNumbersAreRefusedAndNothingIsWritten() {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(QString, message);
        TestDatabase t(TestSupport::currentEngine());
        CompanyRecord r = sample();
        (field == "XJF" ? r.XJF : field == "TZK" ? r.TZK : r.QXTS) = value;
        QCOMPARE(Company::inputError(r), std::optional<QString>(message));
        try {
            Company::save(t.db(), r);
            QFAIL("saved");
        } catch (const AppError& e) {
            QCOMPARE(e.message(), message);
        }
        QCOMPARE(Company::load(t.db()).GSMC, QStringLiteral("Zorlik影楼"));
    }

    void pointsAmountRange_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("check");
        QTest::newRow("zero") << "0" << int(Company::PointsAmountCheck::Ok);
        QTest::newRow("upper end") << "10000" << int(Company::PointsAmountCheck::Ok);
        QTest::newRow("blanks around") << " 25 " << int(Company::PointsAmountCheck::Ok);
        QTest::newRow("above") << "10001" << int(Company::PointsAmountCheck::OutOfRange);
        QTest::newRow("negative") << "-3" << int(Company::PointsAmountCheck::OutOfRange);
        QTest::newRow("fraction") << "1.5" << int(Company::PointsAmountCheck::NotInteger);
        QTest::newRow("empty") << "" << int(Company::PointsAmountCheck::NotInteger);
    }
    void pointsAmountRange() {
        QFETCH(QString, text);
        QFETCH(int, check);
        QCOMPARE(int(Company::checkPointsAmount(text)), check);
    }

    void backupFolderEndsWithTheSeparator_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("stored");
        QTest::newRow("plain") << "/mnt/bak"
                               << "/mnt/bak/";
        QTest::newRow("ending already") << "/mnt/bak/"
                                        << "/mnt/bak/";
        QTest::newRow("empty stays empty") << ""
                                           << "";
    }
    void backupFolderEndsWithTheSeparator() {
        QFETCH(QString, folder);
        QFETCH(QString, stored);
        QCOMPARE(Company::withTrailingSeparator(folder), stored);
    }

    void pictureInsideTheHomeIsStoredRelative() {
        QTemporaryDir home;
        QCOMPARE(Company::pictureName(home.path(), home.filePath(QStringLiteral("img/bg.jpg"))),
                 QStringLiteral("img/bg.jpg"));
        QCOMPARE(Company::pictureName(home.path(), QStringLiteral("/srv/pictures/bg.jpg")),
                 QStringLiteral("/srv/pictures/bg.jpg"));
    }

    void defaultsAreLookedUpByTheCodeAsTyped() {
        TestDatabase t(TestSupport::currentEngine());
        const QString odd = QStringLiteral("O'N%_1");
        t.db().exec(QStringLiteral("insert into BM_GHS (BM, MC) values (?, ?)"),
                    {odd, QStringLiteral("奇怪供货商")});
        QCOMPARE(Company::supplierName(t.db(), odd), std::optional<QString>("奇怪供货商"));
        QCOMPARE(Company::supplierName(t.db(), QStringLiteral("O'N__1")), std::nullopt);
        QCOMPARE(Company::memberName(t.db(), QStringLiteral("999")),
                 std::optional<QString>("普通客户"));
        QCOMPARE(Company::memberName(t.db(), QStringLiteral("001")), std::nullopt);
    }
};

QTEST_MAIN(TestCompanyRecord)
#include "tst_companyrecord.moc"
