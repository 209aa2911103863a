#include <QTest>

#include "services/pinyin.h"
#include "store/database.h"
#include "support/testdatabase.h"

using TestSupport::TestDatabase;

class TestPinyin : public QObject {
    Q_OBJECT

private slots:
    void initTestCase_data() { TestSupport::addEngineRows(); }
    void init() { TestSupport::skipUnavailableEngine(); }

    void initialOf_data() {
        QTest::addColumn<QString>("character");
        QTest::addColumn<QString>("expected");
        QTest::newRow("45217, first of A") << "啊"
                                           << "A";
        QTest::newRow("45252, last of A") << "澳"
                                          << "A";
        QTest::newRow("45253, first of B") << "芭"
                                           << "B";
        QTest::newRow("53640, end of X, low second byte") << "褕"
                                                          << "Y";
        QTest::newRow("53665, in the X gap, from BM_JP") << "选"
                                                         << "X";
        QTest::newRow("53689, first of Y") << "压"
                                           << "Y";
        QTest::newRow("54481, first of Z") << "匝"
                                           << "Z";
        QTest::newRow("55289, last of Z") << "座"
                                          << "Z";
        QTest::newRow("45216, below the table") << "盃"
                                                << "B";
        QTest::newRow("level two") << "丂"
                                   << "K";
        // GBK additions between level-one codes are not in pronunciation order.
        QTest::newRow("0xB140 low second byte") << "盄"
                                                << "Z";
        QTest::newRow("0xB141 low second byte") << "盇"
                                                << "H";
        QTest::newRow("full-width comma") << "，"
                                          << "";
        QTest::newRow("outside GBK") << "😀"
                                     << "";
        QTest::newRow("two characters") << "婚纱"
                                        << "";
    }
    void initialOf() {
        QFETCH(QString, character);
        QFETCH(QString, expected);
        TestDatabase t(TestSupport::currentEngine());
        PinyinDictionary dictionary(t.db());
        const QChar initial = PinyinInitialOf(dictionary, character);
        QCOMPARE(initial.isNull() ? QString() : QString(initial), expected);
    }

    void initials_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("ascii keeps its case") << "Ab8 c-D"
                                              << "Ab8 c-D";
        QTest::newRow("mixed") << "婚纱A8"
                               << "HSA8";
        QTest::newRow("unknown contributes nothing") << "婚，纱😀x"
                                                     << "HSx";
    }
    void initials() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        TestDatabase t(TestSupport::currentEngine());
        PinyinDictionary dictionary(t.db());
        QCOMPARE(PinyinInitials(dictionary, text), expected);
    }

    void characterInTheGapWithoutARowContributesNothing() {
        TestDatabase t(TestSupport::currentEngine());
        t.db().exec(QStringLiteral("delete from BM_JP where MC = ?"), {QStringLiteral("褣")});
        PinyinDictionary dictionary(t.db());
        QCOMPARE(PinyinInitials(dictionary, QStringLiteral("a褣b")), QStringLiteral("ab"));
    }

    void answersOfBmJpAreKeptForTheRun() {
        TestDatabase t(TestSupport::currentEngine());
        PinyinDictionary dictionary(t.db());
        QCOMPARE(PinyinInitials(dictionary, QStringLiteral("丂选")), QStringLiteral("KX"));
        t.db().exec(QStringLiteral("delete from BM_JP"));
        QCOMPARE(PinyinInitials(dictionary, QStringLiteral("选丂")), QStringLiteral("XK"));
        PinyinDictionary fresh(t.db());
        QCOMPARE(PinyinInitials(fresh, QStringLiteral("选丂婚")), QStringLiteral("H"));
    }
};

QTEST_GUILESS_MAIN(TestPinyin)
#include "tst_pinyin.moc"
