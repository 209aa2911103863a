#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTest>
#include <QTime>

#include "services/serviceerror.h"
#include "services/tcovexcel.h"

namespace {

// Reads the file back with xlrd or openpyxl.
QJsonObject readBack(const QString& file) {
    QProcess reader;
    reader.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral(ZORLIK_SERVICES_TEST_DIR "/read_workbook.py"), file});
    if (!reader.waitForFinished(120000) || reader.exitCode() != 0) {
        qWarning() << reader.readAllStandardError();
        return {};
    }
    return QJsonDocument::fromJson(reader.readAllStandardOutput()).object();
}

QJsonObject cell(const QJsonObject& book, int row, int column) {
    return book[QStringLiteral("cells")].toArray()[row].toArray()[column].toObject();
}

QStandardItem* item(const QVariant& value) {
    auto* result = new QStandardItem;
    result->setData(value, Qt::EditRole);
    return result;
}

// Code, date, amount, count, a hidden column, time and a remark.
std::unique_ptr<QStandardItemModel> orderList(int rows) {
    auto model = std::make_unique<QStandardItemModel>(0, 7);
    model->setHorizontalHeaderLabels({QStringLiteral("单号"), QStringLiteral("日期"),
                                      QStringLiteral("金额"), QStringLiteral("数量"),
                                      QStringLiteral("内部"), QStringLiteral("时间"),
                                      QStringLiteral("备注")});
    for (int r = 0; r < rows; ++r) {
        model->appendRow({item(QStringLiteral("20240517001%1").arg(r, 5, 10, QChar('0'))),
                          item(QDate(2024, 5, 17).addDays(r)), item(1234.5 + r), item(r * 10),
                          item(QStringLiteral("secret")), item(QTime(9, 30, r % 60)),
                          item(r == 1 ? QVariant() : QVariant(QStringLiteral("婚纱照 A套")))});
    }
    return model;
}

void exportTo(QAbstractItemModel* model, const QString& file) {
    TCovExcel writer;
    writer.setDataSet(model);
    writer.setFileName(file);
    writer.setTitle(QStringLiteral("订单查询"));
    writer.setTitleFont(QStringLiteral("黑体"), 18);
    writer.setHiddenColumns({4});
    writer.WriteWorkbook();
}

}  // namespace

class TestSpreadsheetExport : public QObject {
    Q_OBJECT

private slots:
    void layout_data() {
        QTest::addColumn<QString>("suffix");
        QTest::newRow("xls") << "xls";
        QTest::newRow("xlsx") << "xlsx";
    }
    void layout() {
        QFETCH(QString, suffix);
        QTemporaryDir dir;
        const QString file = dir.filePath("订单." + suffix);
        auto model = orderList(3);
        exportTo(model.get(), file);
        const QJsonObject book = readBack(file);
        QVERIFY(!book.isEmpty());

        QCOMPARE(book["merged"].toArray(), (QJsonArray{QJsonArray{0, 0, 0, 5}}));
        QCOMPARE(cell(book, 0, 0)["value"].toString(), QStringLiteral("订单查询"));
        QCOMPARE(book["titleFont"].toArray(), (QJsonArray{QStringLiteral("黑体"), 18}));
        QVERIFY(book["titleCentred"].toBool());
        QVERIFY(!cell(book, 0, 0)["bordered"].toBool());

        const QStringList captions{"单号", "日期", "金额", "数量", "时间", "备注"};
        const QStringList formats{"@", "yyyy.mm.dd", "0.00", "0_ ", "hh:mm:ss", "@"};
        QCOMPARE(book["cells"].toArray().size(), 5);
        QCOMPARE(book["cells"].toArray()[1].toArray().size(), 6);
        for (int c = 0; c < 6; ++c) {
            QCOMPARE(cell(book, 1, c)["value"].toString(), captions[c]);
            for (int r = 1; r < 5; ++r) {
                QVERIFY2(cell(book, r, c)["bordered"].toBool(), qPrintable(QString::number(r)));
            }
            for (int r = 2; r < 5; ++r) {
                QCOMPARE(cell(book, r, c)["format"].toString(), formats[c]);
            }
            QVERIFY(book["widths"].toArray()[c].toDouble() >= DisplayWidth(captions[c]));
        }
        QCOMPARE(cell(book, 2, 0)["value"].toString(), QStringLiteral("2024051700100000"));
        QCOMPARE(cell(book, 3, 1)["value"].toString(), QStringLiteral("2024-05-18"));
        QCOMPARE(cell(book, 4, 2)["value"].toDouble(), 1236.5);
        QCOMPARE(cell(book, 4, 3)["value"].toDouble(), 20.0);
        QCOMPARE(cell(book, 3, 4)["value"].toString(), QStringLiteral("09:30:01"));
        QCOMPARE(cell(book, 2, 5)["value"].toString(), QStringLiteral("婚纱照 A套"));
        QVERIFY(cell(book, 3, 5)["value"].isNull());
        // The code column is as wide as its 16 digits.
        QVERIFY(book["widths"].toArray()[0].toDouble() >= 16);
    }

    void emptyDataSetKeepsTitleAndCaptions_data() { layout_data(); }
    void emptyDataSetKeepsTitleAndCaptions() {
        QFETCH(QString, suffix);
        QTemporaryDir dir;
        const QString file = dir.filePath("empty." + suffix);
        auto model = orderList(0);
        exportTo(model.get(), file);
        const QJsonObject book = readBack(file);
        QCOMPARE(book["cells"].toArray().size(), 2);
        QCOMPARE(book["merged"].toArray(), (QJsonArray{QJsonArray{0, 0, 0, 5}}));
        QCOMPARE(cell(book, 1, 5)["value"].toString(), QStringLiteral("备注"));
        QVERIFY(cell(book, 1, 5)["bordered"].toBool());
    }

    void singleColumnIsNotMerged_data() { layout_data(); }
    void singleColumnIsNotMerged() {
        QFETCH(QString, suffix);
        QTemporaryDir dir;
        const QString file = dir.filePath("one." + suffix);
        QStandardItemModel model(2, 1);
        model.setHorizontalHeaderLabels({QStringLiteral("名称")});
        model.setData(model.index(0, 0), QStringLiteral("a"));
        TCovExcel writer;
        writer.setDataSet(&model);
        writer.setFileName(file);
        writer.setTitle(QStringLiteral("T"));
        writer.WriteWorkbook();
        const QJsonObject book = readBack(file);
        QCOMPARE(book["merged"].toArray(), QJsonArray());
        QCOMPARE(cell(book, 2, 0)["value"].toString(), QStringLiteral("a"));
    }

    void xlsRefusesMoreRowsThanItHolds() {
        QTemporaryDir dir;
        const QString file = dir.filePath("big.xls");
        QFile old(file);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old");
        old.close();
        QStandardItemModel model(65535, 1);
        TCovExcel writer;
        writer.setDataSet(&model);
        writer.setFileName(file);
        QVERIFY_THROWS_EXCEPTION(ServiceError, writer.WriteWorkbook());
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("old"));
    }

    // The largest sheet needs more allocation sectors than the file header
    // holds, and a string table split over many records.
    void largestXlsReadsBack() {
        QTemporaryDir dir;
        const QString file = dir.filePath("full.xls");
        const int rows = 65534;
        QStandardItemModel model(rows, 9);
        for (int r = 0; r < rows; ++r) {
            model.setData(model.index(r, 0), QStringLiteral("名称%1").arg(r));
            for (int c = 1; c < 9; ++c) {
                model.setData(model.index(r, c), r * 10 + c);
            }
        }
        model.setData(model.index(7, 0), QString(20000, QChar(0x5A5A)));
        int lastProgress = -1;
        TCovExcel writer;
        writer.setDataSet(&model);
        writer.setFileName(file);
        writer.setProgress([&](int done, int total) {
            QCOMPARE(total, rows);
            QVERIFY(done > lastProgress);
            lastProgress = done;
        });
        writer.WriteWorkbook();
        QCOMPARE(lastProgress, rows);
        QVERIFY(QFileInfo(file).size() > 7 * 1024 * 1024);
        const QJsonObject book = readBack(file);
        const QJsonArray cells = book["cells"].toArray();
        QCOMPARE(cells.size(), rows + 2);
        QCOMPARE(cell(book, 9, 0)["value"].toString(), QString(20000, QChar(0x5A5A)));
        QCOMPARE(cell(book, rows + 1, 0)["value"].toString(),
                 QStringLiteral("名称%1").arg(rows - 1));
        QCOMPARE(cell(book, rows + 1, 8)["value"].toDouble(), (rows - 1) * 10.0 + 8);
    }

    void unwritableFolderIsReported_data() { layout_data(); }
    void unwritableFolderIsReported() {
        QFETCH(QString, suffix);
        auto model = orderList(1);
        QVERIFY_THROWS_EXCEPTION(ServiceError,
                                 exportTo(model.get(), "/nonexistent-folder/x." + suffix));
    }
};

QTEST_MAIN(TestSpreadsheetExport)
#include "tst_spreadsheetexport.moc"
