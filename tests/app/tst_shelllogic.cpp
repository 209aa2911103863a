#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include "app/clocktext.h"
#include "app/exitbackup.h"
#include "app/login.h"
#include "app/menurights.h"
#include "app/menutable.h"
#include "app/session.h"
#include "app/singleinstance.h"
#include "store/database.h"
#include "store/inifile.h"
#include "store/passwordhash.h"
#include "store/programhome.h"
#include "support/testdatabase.h"

using TestSupport::TestDatabase;

namespace {

// The code the rights give the entry with that name.
QString codeOf(const QString& name) {
    const QList<MainMenu>& menus = mainMenus();
    for (int m = 0; m < menus.size(); ++m) {
        for (int p = 0; p < menus[m].entries.size(); ++p) {
            if (menus[m].entries[p].name == name) {
                return menuEntryCode(m + 1, p);
            }
        }
    }
    return {};
}

void addEmployee(const Database& db, const QString& code, const QString& login,
                 const QString& stored) {
    db.exec(QStringLiteral("insert into BM_YG (BM, MC, DLMC, MM, QXQT) values (?, ?, ?, ?, ?)"),
            {code, QStringLiteral("员工") + code, login, stored, QStringLiteral("QX-18,")});
}

}  // namespace

class TestShellLogic : public QObject {
    Q_OBJECT

private slots:
    void initTestCase_data() { TestSupport::addEngineRows(); }
    void init() {
        TestSupport::skipUnavailableEngine();
        session() = Session{};
    }

    void menuCodesFollowPositions() {
        QCOMPARE(codeOf(QStringLiteral("YW_SKD")), QStringLiteral("318"));
        QCOMPARE(mainMenus().size(), 5);
        QCOMPARE(menuEntryCode(1, 2), QStringLiteral("112"));
    }

    void rightsStates_data() {
        QTest::addColumn<QString>("menuRights");
        QTest::addColumn<QString>("operatorCode");
        QTest::addColumn<bool>("allowed");
        QTest::newRow("empty allows all") << ""
                                          << "001" << true;
        QTest::newRow("null allows nothing") << "null"
                                             << "001" << false;
        QTest::newRow("listed") << "110,318,"
                                << "001" << true;
        QTest::newRow("not listed") << "110,319,"
                                    << "001" << false;
        QTest::newRow("administrator") << "null"
                                       << "000" << true;
    }
    void rightsStates() {
        QFETCH(QString, menuRights);
        QFETCH(QString, operatorCode);
        QFETCH(bool, allowed);
        QCOMPARE(MenuRights::entryAllowed(menuRights, QStringLiteral("318"), operatorCode),
                 allowed);
    }

    void clockIgnoresTheLocale() {
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        QCOMPARE(clockText(QDateTime(QDate(2026, 12, 13), QTime(9, 5, 7))),
                 QStringLiteral("2026-12-13 09:05:07 星期日"));
        QLocale::setDefault(before);
    }

    void loginPaths() {
        TestDatabase t(TestSupport::currentEngine());
        const Database& db = t.db();
        addEmployee(db, QStringLiteral("001"), QStringLiteral("li"), PasswordHash::make("123"));
        addEmployee(db, QStringLiteral("002"), QStringLiteral("empty"), PasswordHash::make(""));
        QTemporaryDir dir;
        IniFile ini(dir.filePath(QStringLiteral("Default.ini")));
        Login login(db, ini, QString());
        QCOMPARE(login.attempt(QString(), QString(), true, true), Login::Outcome::MissingName);
        QCOMPARE(login.attempt(QStringLiteral("nobody"), "1", true, true),
                 Login::Outcome::UnknownName);
        QCOMPARE(login.wrongPasswords(), 0);
        QCOMPARE(login.attempt(QStringLiteral("li"), "bad", true, true),
                 Login::Outcome::WrongPassword);
        QCOMPARE(login.attempt(QStringLiteral("sa"), "bad", true, true),
                 Login::Outcome::WrongPassword);
        QCOMPARE(login.attempt(QStringLiteral("empty"), QString(), false, false),
                 Login::Outcome::LoggedIn);
        QCOMPARE(session().CurrentOperatorCode, QStringLiteral("002"));
        QCOMPARE(session().CurrentOperatorRights, QStringLiteral("QX-18,"));
        const LoginSettings saved = LoginSettings::read(IniFile(ini.path()));
        QCOMPARE(saved.user, QStringLiteral("empty"));
        QVERIFY(!saved.rememberPassword);
        QCOMPARE(saved.password, QString());
        QCOMPARE(saved.startCount, 1);
    }

    void thirdWrongPasswordEndsTheRun() {
        TestDatabase t(TestSupport::currentEngine());
        QTemporaryDir dir;
        IniFile ini(dir.filePath(QStringLiteral("Default.ini")));
        Login login(t.db(), ini, QString());
        login.attempt(QStringLiteral("sa"), "1", true, true);
        login.attempt(QStringLiteral("sa"), "2", true, true);
        QCOMPARE(login.attempt(QStringLiteral("sa"), "3", true, true),
                 Login::Outcome::TooManyFailures);
    }

    void plainTextPasswordIsRehashed() {
        TestDatabase t(TestSupport::currentEngine());
        const Database& db = t.db();
        addEmployee(db, QStringLiteral("003"), QStringLiteral("old"), QStringLiteral("777"));
        QTemporaryDir dir;
        IniFile ini(dir.filePath(QStringLiteral("Default.ini")));
        Login login(db, ini, QString());
        QCOMPARE(login.attempt(QStringLiteral("old"), "777", true, true), Login::Outcome::LoggedIn);
        const QString stored =
            db.value(QStringLiteral("select MM from BM_YG where BM = '003'")).toString();
        QVERIFY(stored != QStringLiteral("777"));
        QVERIFY(PasswordHash::verify(QStringLiteral("777"), stored));
    }

    void connectionErrorFailsEveryAttempt() {
        TestDatabase t(TestSupport::currentEngine());
        QTemporaryDir dir;
        IniFile ini(dir.filePath(QStringLiteral("Default.ini")));
        Login login(t.db(), ini, QStringLiteral("数据库文件不存在：/x"));
        QCOMPARE(login.attempt(QStringLiteral("sa"), "888", true, true), Login::Outcome::Failed);
        QVERIFY(login.error().contains(QStringLiteral("/x")));
    }

    void datedBackupRestoresAsTheSameDatabase() {
        TestDatabase t(TestSupport::currentEngine());
        const Database& db = t.db();
        addEmployee(db, QStringLiteral("004"), QStringLiteral("bk"), QStringLiteral("x"));
        QTemporaryDir dir;
        const ProgramHome home(dir.path());
        home.createLayout();
        const ExitBackup::Target dated = ExitBackup::dated(db, home, QDate(2026, 12, 11));
        const ExitBackup::Target weekday = ExitBackup::weekday(db, home, QDate(2026, 12, 11));
        QVERIFY(dated.file.endsWith(QStringLiteral("/20261211.bak")));
        QVERIFY(weekday.file.endsWith(QStringLiteral("/星期五.bak")));
        ExitBackup::write(db, dated);
        ExitBackup::write(db, weekday);
        QVERIFY(QFile::exists(weekday.file));
        if (TestSupport::currentEngine() == Engine::Sqlite) {
            ConnectionSettings s;
            s.sqliteFile = dated.file;
            Database copy;
            copy.open(s);
            QCOMPARE(copy.value(QStringLiteral("select MC from BM_YG where BM = '004'")).toString(),
                     QStringLiteral("员工004"));
            QCOMPARE(copy.value(QStringLiteral("select count(*) from BM_JP")).toInt(),
                     db.value(QStringLiteral("select count(*) from BM_JP")).toInt());
        } else {
            QCOMPARE(QProcess::execute(QStringLiteral("pg_restore"),
                                       {QStringLiteral("--list"), dated.file}),
                     0);
        }
    }

    void secondInstanceIsRefused() {
        QTemporaryDir dir;
        SingleInstance first(dir.path());
        QVERIFY(first.acquired());
        SingleInstance second(dir.path());
        QVERIFY(!second.acquired());
    }
};

QTEST_GUILESS_MAIN(TestShellLogic)
#include "tst_shelllogic.moc"
