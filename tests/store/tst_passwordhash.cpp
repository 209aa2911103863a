#include <QTest>

#include "store/passwordhash.h"

class TestPasswordHash : public QObject {
    Q_OBJECT

private slots:
    void verifiesOnlyTheSamePassword() {
        const QString stored = PasswordHash::make(QStringLiteral("888"));
        QVERIFY(!stored.contains(QStringLiteral("888$")));
        QVERIFY(PasswordHash::verify(QStringLiteral("888"), stored));
        QVERIFY(!PasswordHash::verify(QStringLiteral("8888"), stored));
        QVERIFY(!PasswordHash::verify(QString(), stored));
    }

    void saltMakesEveryHashDifferent() {
        QVERIFY(PasswordHash::make(QStringLiteral("a")) != PasswordHash::make(QStringLiteral("a")));
    }

    void emptyAndChinesePasswords() {
        QVERIFY(PasswordHash::verify(QString(), PasswordHash::make(QString())));
        QVERIFY(PasswordHash::verify(QStringLiteral("密码"),
                                     PasswordHash::make(QStringLiteral("密码"))));
    }

    void malformedStoredValuesNeverMatch_data() {
        QTest::addColumn<QString>("stored");
        QTest::newRow("plain text") << "888";
        QTest::newRow("empty") << "";
        QTest::newRow("other scheme") << "md5$1$c2FsdA==$aGFzaA==";
        QTest::newRow("zero iterations") << "pbkdf2-sha256$0$c2FsdA==$aGFzaA==";
        QTest::newRow("missing part") << "pbkdf2-sha256$1000$c2FsdA==";
    }
    void malformedStoredValuesNeverMatch() {
        QFETCH(QString, stored);
        QVERIFY(!PasswordHash::verify(stored, stored));
        QVERIFY(!PasswordHash::verify(QStringLiteral("888"), stored));
    }
};

QTEST_GUILESS_MAIN(TestPasswordHash)
#include "tst_passwordhash.moc"
