#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "pdftext.h"
#include "print/documentdata.h"
#include "print/ui/previewwindow.h"
#include "print/ui/printeroutput.h"
#include "print/ui/printoperation.h"
#include "store/inifile.h"
#include "store/programhome.h"
#include "storedorder.h"
#include "support/modalanswer.h"
#include "support/testdatabase.h"
#include "whenmodal.h"

using TestSupport::TestDatabase;

// How every window prints: its kind's row, the template file, then the
// preview or the default printer by [xsd] yl.
class TestPrintOperation : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    std::unique_ptr<ProgramHome> home_;
    QString printed_;

    bool run(const Database& db, const QString& kind, PrintOperation::Mode mode, const QString& yl,
             QStringList* messages, int* previewPages) {
        QFile::remove(home_->iniPath());
        IniFile ini(home_->iniPath());
        ini.writeString(QStringLiteral("xsd"), QStringLiteral("yl"), yl);
        PrintOperation::Request request;
        request.kind = kind;
        request.data =
            DocumentData::load(db, QStringLiteral("xsd"), QString::fromLatin1(StoredOrder::kId));
        request.mode = mode;
        ModalAnswer ok(QMessageBox::Ok);
        WhenModal<PreviewWindow> preview([previewPages](PreviewWindow& p) {
            *previewPages = p.pageCount();
            p.reject();
        });
        const bool done = PrintOperation::run(nullptr, db, *home_, ini, request);
        *messages = ok.texts();
        return done;
    }

private slots:
    void initTestCase_data() { TestSupport::addEngineRows(); }
    void initTestCase() {
        home_ = std::make_unique<ProgramHome>(dir_.filePath(QStringLiteral("home")));
        home_->createLayout();
        printed_ = dir_.filePath(QStringLiteral("printer.pdf"));
        PrinterOutput::setDefaultPrinterFile(printed_);
    }
    void init() {
        TestSupport::skipUnavailableEngine();
        QFile::remove(printed_);
    }

    void previewOrDirectPrint_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("yl");
        QTest::addColumn<bool>("direct");
        const int follow = int(PrintOperation::Mode::FollowSettings);
        const int preview = int(PrintOperation::Mode::Preview);
        QTest::newRow("yl F previews") << "xsd" << follow << "F" << false;
        QTest::newRow("yl T prints") << "XSD" << follow << "T" << true;
        QTest::newRow("preview kind ignores yl") << "xsd_q" << preview << "T" << false;
    }
    void previewOrDirectPrint() {
        QFETCH(QString, kind);
        QFETCH(int, mode);
        QFETCH(QString, yl);
        QFETCH(bool, direct);
        TestDatabase t(TestSupport::currentEngine());
        StoredOrder::insert(t.db());
        QStringList messages;
        int previewPages = 0;
        QVERIFY(run(t.db(), kind, static_cast<PrintOperation::Mode>(mode), yl, &messages,
                    &previewPages));
        QCOMPARE(messages, QStringList{QStringLiteral("打印成功")});
        QCOMPARE(previewPages, direct ? 0 : 1);
        QCOMPARE(QFile::exists(printed_), direct);
        if (direct) {
            const QStringList pages = PdfText::pages(printed_);
            QCOMPARE(pages.size(), 1);
            QVERIFY(pages.front().contains(QStringLiteral("李小红")));
            QVERIFY(pages.front().contains(QStringLiteral("婚纱照")));
        }
    }

    void missingRowOrFileIsAMessageAndNothingElse_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("message");
        QTest::newRow("no row") << "nokind"
                                << ""
                                << "没有找到打印格式：nokind";
        QTest::newRow("no file") << "xsd"
                                 << "gone.zrt"
                                 << "gone.zrt";
    }
    void missingRowOrFileIsAMessageAndNothingElse() {
        QFETCH(QString, kind);
        QFETCH(QString, file);
        QFETCH(QString, message);
        TestDatabase t(TestSupport::currentEngine());
        StoredOrder::insert(t.db());
        if (!file.isEmpty()) {
            t.db().exec(QStringLiteral("update GG_DJ set DZ = ? where DM = ?"),
                        {file, QStringLiteral("xsd")});
        }
        QStringList messages;
        int previewPages = 0;
        QVERIFY(!run(t.db(), kind, PrintOperation::Mode::FollowSettings, QStringLiteral("T"),
                     &messages, &previewPages));
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.front().contains(message), qPrintable(messages.front()));
        QCOMPARE(previewPages, 0);
        QVERIFY(!QFile::exists(printed_));
    }
};

QTEST_MAIN(TestPrintOperation)
#include "tst_printoperation.moc"
