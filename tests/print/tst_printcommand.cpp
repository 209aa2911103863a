#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "pdftext.h"
#include "store/datamodule.h"
#include "storedorder.h"

namespace {

struct Run {
    int exitCode = -1;
    QString err;
};

Run cli(const QStringList& arguments) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("DISPLAY"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(ZORLIK_CLI), arguments);
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
    }
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardError())};
}

}  // namespace

// zorlik-cli print: a stored document through its template to PDF, headless.
class TestPrintCommand : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString home_;

private slots:
    void initTestCase() {
        home_ = dir_.filePath(QStringLiteral("studio"));
        QCOMPARE(cli({QStringLiteral("init"), QStringLiteral("--home"), home_}).exitCode, 0);
        TDM_CS dm{ProgramHome(home_)};
        dm.openConnection(false);
        StoredOrder::insert(dm.connection());
    }

    void printsTheOrderThroughItsTemplate() {
        const QString pdf = dir_.filePath(QStringLiteral("order.pdf"));
        const Run run =
            cli({QStringLiteral("print"), QStringLiteral("--kind"), QStringLiteral("XSD"),
                 QStringLiteral("--id"), QString::fromLatin1(StoredOrder::kId),
                 QStringLiteral("--pdf"), pdf, QStringLiteral("--home"), home_});
        QCOMPARE(run.exitCode, 0);
        const QStringList pages = PdfText::pages(pdf);
        QCOMPARE(pages.size(), 1);
        for (const char* text : {"幸福婚纱摄影", "婚纱摄影订单", "李小红", "婚纱照", "化妆",
                                 "应收：8800.00", "2026121100100001"}) {
            QVERIFY2(pages.front().contains(QString::fromUtf8(text)), text);
        }
    }

    void errorsExitWithAMessage_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("id");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown kind") << "nokind"
                                      << "1" << 1 << "没有找到打印格式：nokind";
        QTest::newRow("unknown number") << "xsd"
                                        << "404" << 1 << "没有找到单据：404";
        QTest::newRow("list kind") << "bb_xsd"
                                   << "1" << 1 << "不是单据";
        QTest::newRow("no number") << "xsd"
                                   << "" << 2 << "用法";
    }
    void errorsExitWithAMessage() {
        QFETCH(QString, kind);
        QFETCH(QString, id);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        const QString pdf = dir_.filePath(QStringLiteral("never.pdf"));
        QStringList args = {QStringLiteral("print"),
                            QStringLiteral("--kind"),
                            kind,
                            QStringLiteral("--pdf"),
                            pdf,
                            QStringLiteral("--home"),
                            home_};
        if (!id.isEmpty()) {
            args << QStringLiteral("--id") << id;
        }
        const Run run = cli(args);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QVERIFY(!QFile::exists(pdf));
    }
};

QTEST_MAIN(TestPrintCommand)
#include "tst_printcommand.moc"
