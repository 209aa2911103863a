#include <QTemporaryDir>
#include <QTest>

#include "print/printerror.h"
#include "print/templatefile.h"

using namespace Report;

namespace {

ReportTemplate sample() {
    ReportTemplate r;
    r.name = QStringLiteral("照相单");
    r.page.paper = QPageSize::A5;
    r.page.orientation = QPageLayout::Landscape;
    r.page.margins = QMarginsF(5, 6, 7, 8);
    ReportObject text;
    text.rect = QRectF(1.5, 2, 60, 7);
    text.text = QStringLiteral("客户：[header.KHMC]");
    text.format = QStringLiteral("0.00");
    text.fontFamily = QStringLiteral("Noto Serif CJK SC");
    text.fontSize = 14;
    text.bold = true;
    text.italic = true;
    text.align = HAlign::Right;
    text.frame = FrameLeft | FrameBottom;
    text.background = true;
    ReportObject code;
    code.kind = ObjectKind::Barcode;
    code.rect = QRectF(100, 0, 30, 30);
    code.text = QStringLiteral("[header.ID]");
    code.barcode = BarcodeType::QrCode;
    ReportObject line;
    line.kind = ObjectKind::Line;
    line.rect = QRectF(0, 9, 190, 0);
    r.bands = {ReportBand{BandKind::ReportTitle, 20, {}, {text, code, line}},
               ReportBand{BandKind::MasterData, 6, QStringLiteral("lines"), {text}}};
    return r;
}

QByteArray withVersion(int version) {
    QByteArray json = TemplateFile::toJson(sample());
    return json.replace("\"version\": 1",
                        QByteArray("\"version\": ") + QByteArray::number(version));
}

}  // namespace

class TestTemplateFile : public QObject {
    Q_OBJECT

private slots:
    void savedFileReadsBackTheSame() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.zrt"));
        TemplateFile::save(sample(), path);
        const ReportTemplate back = TemplateFile::load(path);
        QCOMPARE(TemplateFile::toJson(back), TemplateFile::toJson(sample()));
        QCOMPARE(back.page.paper, QPageSize::A5);
        QCOMPARE(back.page.margins, QMarginsF(5, 6, 7, 8));
        const ReportObject& t = back.bands[0].objects[0];
        QCOMPARE(t.text, QStringLiteral("客户：[header.KHMC]"));
        QCOMPARE(t.frame, FrameLeft | FrameBottom);
        QVERIFY(t.bold && t.italic && t.background);
        QCOMPARE(back.bands[0].objects[1].barcode, BarcodeType::QrCode);
        QCOMPARE(back.bands[1].dataset, QStringLiteral("lines"));
    }

    void badFilesAreRefusedWithTheirName_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message");
        QTest::newRow("not json") << QByteArray("{oops") << "不是本系统的打印格式文件";
        QTest::newRow("other json") << QByteArray("{\"a\":1}") << "不是本系统的打印格式文件";
        QTest::newRow("newer version") << withVersion(99) << "版本 99 不受支持";
        QTest::newRow("unknown object")
            << QByteArray(TemplateFile::toJson(sample())).replace("\"barcode\",", "\"chart\",")
            << "不认识的对象：chart";
    }
    void badFilesAreRefusedWithTheirName() {
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("bad.zrt"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
        f.close();
        try {
            TemplateFile::load(path);
            QFAIL("loaded");
        } catch (const PrintError& e) {
            QVERIFY2(e.message().contains(message), qPrintable(e.message()));
            QVERIFY2(e.message().contains(QStringLiteral("bad.zrt")), qPrintable(e.message()));
        }
    }

    void missingFileNamesTheFile() {
        QTemporaryDir dir;
        try {
            TemplateFile::load(dir.filePath(QStringLiteral("xsd.zrt")));
            QFAIL("loaded");
        } catch (const PrintError& e) {
            QCOMPARE(e.message(), QStringLiteral("打印格式文件不存在：xsd.zrt"));
        }
    }

    void failedSaveKeepsTheOldFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("missing/a.zrt"));
        QVERIFY_THROWS_EXCEPTION(PrintError, TemplateFile::save(sample(), path));
        QVERIFY(!QFile::exists(path));
    }
};

QTEST_GUILESS_MAIN(TestTemplateFile)
#include "tst_templatefile.moc"
