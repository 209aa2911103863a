#include <QTest>

#include "services/texthelpers.h"

class TestTextHelpers : public QObject {
    Q_OBJECT

private slots:
    void padText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("alignment");
        QTest::addColumn<QString>("expected");
        QTest::newRow("width 0 unchanged") << "abc" << 0 << "L"
                                           << "abc";
        QTest::newRow("chinese right") << "张小明" << 5 << "R"
                                       << "  张小明";
        QTest::newRow("chinese left cut") << "张小明" << 2 << "L"
                                          << "张小";
        QTest::newRow("right keeps the end") << "12345" << 3 << "R"
                                             << "345";
        QTest::newRow("any other alignment is right") << "ab" << 4 << "x"
                                                      << "  ab";
        QTest::newRow("lower l is right") << "ab" << 4 << "l"
                                          << "  ab";
        QTest::newRow("left pads") << "ab" << 4 << "L"
                                   << "ab  ";
        QTest::newRow("empty") << "" << 2 << "L"
                               << "  ";
    }
    void padText() {
        QFETCH(QString, text);
        QFETCH(int, width);
        QFETCH(QString, alignment);
        QFETCH(QString, expected);
        QCOMPARE(PadText(text, width, alignment), expected);
    }

    void isDecimalText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("expected");
        QTest::newRow("0.5") << "0.5" << true;
        QTest::newRow("10.5") << "10.5" << true;
        QTest::newRow("20.5") << "20.5" << true;
        QTest::newRow("100") << "100" << true;
        QTest::newRow("1000") << "1000" << true;
        QTest::newRow("200") << "200" << true;
        QTest::newRow(".5") << ".5" << true;
        QTest::newRow("5.") << "5." << true;
        QTest::newRow("00.5") << "00.5" << false;
        QTest::newRow("100.5") << "100.5" << false;
        QTest::newRow("200.5") << "200.5" << false;
        QTest::newRow("1.2.3") << "1.2.3" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("minus") << "-1" << false;
        QTest::newRow("blank") << "1 " << false;
        QTest::newRow("full-width digit") << "１" << false;
    }
    void isDecimalText() {
        QFETCH(QString, text);
        QFETCH(bool, expected);
        QCOMPARE(IsDecimalText(text), expected);
    }

    void isDigitsOrPoints_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("expected");
        QTest::newRow("digits") << "03" << true;
        QTest::newRow("points") << ".." << true;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("letter") << "0a" << false;
        QTest::newRow("colon") << "3:" << false;
    }
    void isDigitsOrPoints() {
        QFETCH(QString, text);
        QFETCH(bool, expected);
        QCOMPARE(IsDigitsOrPoints(text), expected);
    }
};

QTEST_GUILESS_MAIN(TestTextHelpers)
#include "tst_texthelpers.moc"
