#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "store/programhome.h"

class TestProgramHome : public QObject {
    Q_OBJECT

private slots:
    void choosesTheHome_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("environment");
        QTest::addColumn<QString>("expected");
        QTest::newRow("option beats environment")
            << QStringList{"zorlik", "--home", "/srv/a"} << "/srv/b"
            << "/srv/a";
        QTest::newRow("option with equals sign") << QStringList{"zorlik", "--home=/srv/c"} << ""
                                                 << "/srv/c";
        QTest::newRow("environment") << QStringList{"zorlik"} << "/srv/b"
                                     << "/srv/b";
        QTest::newRow("relative option is made absolute")
            << QStringList{"zorlik", "--home", "rel"} << "" << QDir::current().filePath("rel");
    }
    void choosesTheHome() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, environment);
        QFETCH(QString, expected);
        qputenv("ZORLIK_HOME", environment.toUtf8());
        QCOMPARE(ProgramHome::fromArguments(arguments).root(), expected);
        qunsetenv("ZORLIK_HOME");
    }

    void fallsBackToTheUserDataFolder() {
        qunsetenv("ZORLIK_HOME");
        QCoreApplication::setApplicationName(QStringLiteral("zorlik"));
        QVERIFY(ProgramHome::fromArguments({QStringLiteral("zorlik")})
                    .root()
                    .endsWith(QStringLiteral("/zorlik")));
    }

    void newUntilSomethingIsInIt() {
        QTemporaryDir dir;
        const ProgramHome missing(dir.filePath(QStringLiteral("home")));
        QVERIFY(missing.isNew());
        QVERIFY(QDir().mkpath(missing.root()));
        QVERIFY(missing.isNew());
        QFile hidden(missing.filePath(QStringLiteral(".keep")));
        QVERIFY(hidden.open(QIODevice::WriteOnly));
        QVERIFY(!missing.isNew());
    }

    void createLayoutMakesPrivateFoldersAndKeepsFiles() {
        QTemporaryDir dir;
        const ProgramHome home(dir.filePath(QStringLiteral("a/b")));
        home.createLayout();
        for (const QString& folder :
             {home.root(), home.dataDir(), home.printFormatDir(), home.backupDir()}) {
            QVERIFY2(QFileInfo(folder).isDir(), qPrintable(folder));
            QCOMPARE(QFile::permissions(folder) & (QFileDevice::ReadGroup | QFileDevice::ReadOther |
                                                   QFileDevice::WriteOther),
                     QFileDevice::Permissions());
        }
        QFile own(home.filePath(QStringLiteral("PrintFormat/xsd.zrt")));
        QVERIFY(own.open(QIODevice::WriteOnly));
        own.write("edited by the studio");
        own.close();
        home.createLayout();
        QVERIFY(own.open(QIODevice::ReadOnly));
        QCOMPARE(own.readAll(), QByteArray("edited by the studio"));
    }
};

QTEST_GUILESS_MAIN(TestProgramHome)
#include "tst_programhome.moc"
