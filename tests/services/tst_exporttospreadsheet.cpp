#include <QFileDialog>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTest>

#include "app/session.h"
#include "services/ui/exporttospreadsheet.h"
#include "support/modalanswer.h"

namespace {

// Answers the save dialog with a file name, as the operator would.
class SaveAs : public QObject {
public:
    explicit SaveAs(QString file) : file_(std::move(file)) {
        connect(&timer_, &QTimer::timeout, this, [this] {
            if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                title_ = dialog->windowTitle();
                dialog->selectFile(file_);
                QMetaObject::invokeMethod(dialog, "accept");
                timer_.stop();
            }
        });
        timer_.start(10);
    }
    const QString& title() const { return title_; }

private:
    QString file_;
    QString title_;
    QTimer timer_;
};

QStringList rowTexts(const QString& file, int row) {
    QProcess reader;
    reader.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral(ZORLIK_SERVICES_TEST_DIR "/read_workbook.py"), file});
    reader.waitForFinished(60000);
    const QJsonArray cells = QJsonDocument::fromJson(reader.readAllStandardOutput())
                                 .object()[QStringLiteral("cells")]
                                 .toArray()[row]
                                 .toArray();
    QStringList texts;
    for (const QJsonValue& c : cells) {
        texts << c.toObject()[QStringLiteral("value")].toVariant().toString();
    }
    return texts;
}

QStandardItemModel* members(QObject* parent) {
    auto* m = new QStandardItemModel(0, 3, parent);
    m->setHorizontalHeaderLabels({"编码", "名称", "内部"});
    m->appendRow({new QStandardItem("0001"), new QStandardItem("张三"), new QStandardItem("x")});
    return m;
}

}  // namespace

class TestExportToSpreadsheet : public QObject {
    Q_OBJECT

private slots:
    void withoutTheRightNothingIsAsked() {
        session().SetupRights = QStringLiteral("QX-10,12,");
        QWidget window;
        ModalAnswer ok(QMessageBox::Ok);
        ExportToSpreadsheet(&window, members(&window), {}, "会员资料", "黑体", 18);
        QCOMPARE(ok.texts(), QStringList{"您没有导出权！"});
    }

    void writesTheShownColumnsInTheirOrder_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");
        QTest::newRow("xls added to a bare name") << "会员资料"
                                                  << "会员资料.xls";
        QTest::newRow("xlsx as typed") << "members.xlsx"
                                       << "members.xlsx";
    }
    void writesTheShownColumnsInTheirOrder() {
        QFETCH(QString, typed);
        QFETCH(QString, written);
        session().SetupRights = QStringLiteral("QX-18,");
        QTemporaryDir dir;
        QWidget window;
        SaveAs answer(dir.filePath(typed));
        ExportToSpreadsheet(&window, members(&window), {1, 0}, "会员资料", "黑体", 18);
        QCOMPARE(answer.title(), QStringLiteral("另存为"));
        const QString file = dir.filePath(written);
        QVERIFY2(QFile::exists(file), qPrintable(file));
        QCOMPARE(rowTexts(file, 1), (QStringList{"名称", "编码"}));
        QCOMPARE(rowTexts(file, 2), (QStringList{"张三", "0001"}));
    }
};

QTEST_MAIN(TestExportToSpreadsheet)
#include "tst_exporttospreadsheet.moc"
