#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "app/session.h"
#include "print/printformats.h"
#include "print/printformattable.h"
#include "print/ui/designerwindow.h"
#include "print/ui/printformatwindow.h"
#include "store/programhome.h"
#include "support/modalanswer.h"
#include "support/testdatabase.h"
#include "whenmodal.h"

using TestSupport::TestDatabase;

namespace {

const QStringList kOrderKinds = {QStringLiteral("XSD"), QStringLiteral("XSD_L"),
                                 QStringLiteral("xsd_y"), QStringLiteral("XSD_Q")};

QString storedFile(const Database& db, const QString& kind) {
    return PrintFormats::find(db, kind)->file;
}

void click(TGG_DJ& window, const char* button) {
    window.findChild<QPushButton*>(QString::fromLatin1(button))->click();
}

// Types a new name into the first row's 名称 cell, as the operator does.
void typeName(TGG_DJ& window, const QString& name) {
    QTableView* view = window.view();
    view->setCurrentIndex(window.table()->index(0, PrintFormatTable::NameColumn));
    view->edit(view->currentIndex());
    auto* editor = view->findChild<QLineEdit*>();
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(editor, name);
    QTest::keyClick(editor, Qt::Key_Tab);
}

}  // namespace

class TestPrintFormatWindow : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    std::unique_ptr<ProgramHome> home_;

private slots:
    void initTestCase_data() { TestSupport::addEngineRows(); }
    void initTestCase() {
        home_ = std::make_unique<ProgramHome>(dir_.filePath(QStringLiteral("home")));
        home_->createLayout();
    }
    void init() {
        TestSupport::skipUnavailableEngine();
        session().UnsavedChanges = false;
    }

    void showsTheCallersKindsAndSavesAnEditedName() {
        TestDatabase t(TestSupport::currentEngine());
        TGG_DJ window(t.db(), *home_);
        window.selectKinds(kOrderKinds);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(window.table()->rowCount(), 4);
        QCOMPARE(window.table()->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QStringLiteral("名称"));
        QCOMPARE(window.table()->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QStringLiteral("位置"));
        QCOMPARE(window.table()->index(1, 1).data().toString(), QStringLiteral("XSD_L.zrt"));

        typeName(window, QStringLiteral("Order form"));
        QVERIFY(session().UnsavedChanges);
        {
            ModalAnswer ok(QMessageBox::Ok);
            click(window, "save");
            QCOMPARE(ok.texts(), QStringList{QStringLiteral("保存成功！")});
        }
        QVERIFY(!session().UnsavedChanges);
        QCOMPARE(PrintFormats::find(t.db(), QStringLiteral("xsd"))->name,
                 QStringLiteral("Order form"));
        QCOMPARE(PrintFormats::find(t.db(), QStringLiteral("xsd_l"))->name,
                 QStringLiteral("婚纱摄影流程单"));
    }

    // The flag belongs to the window that opened this one: it is left as found.
    void saveGivesBackTheCallersUnsavedFlag() {
        TestDatabase t(TestSupport::currentEngine());
        session().UnsavedChanges = true;
        TGG_DJ window(t.db(), *home_);
        window.selectKinds({QStringLiteral("skd")});
        window.show();
        typeName(window, QStringLiteral("Receipt"));
        QVERIFY(window.save(false));
        QVERIFY(session().UnsavedChanges);
    }

    void theFileChooserStoresTheBareName() {
        TestDatabase t(TestSupport::currentEngine());
        TGG_DJ window(t.db(), *home_);
        window.selectKinds({QStringLiteral("xsd")});
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const QString elsewhere = dir_.filePath(QStringLiteral("mine.zrt"));
        QFile::copy(home_->printFormatDir() + QStringLiteral("/xsd.zrt"), elsewhere);

        QTableView* view = window.view();
        view->setCurrentIndex(window.table()->index(0, PrintFormatTable::FileColumn));
        view->edit(view->currentIndex());
        auto* ellipsis = view->findChild<QToolButton*>();
        QVERIFY(ellipsis);
        QString title;
        QString startFolder;
        WhenModal<QFileDialog> choose([&](QFileDialog& dialog) {
            title = dialog.windowTitle();
            startFolder = dialog.directory().absolutePath();
            dialog.selectFile(elsewhere);
            QMetaObject::invokeMethod(&dialog, "accept", Qt::QueuedConnection);
        });
        ellipsis->click();
        QVERIFY(choose.seen());
        QCOMPARE(title, QStringLiteral("选择打印格式"));
        QCOMPARE(startFolder, QDir(home_->printFormatDir()).absolutePath());
        view->setCurrentIndex(window.table()->index(0, PrintFormatTable::NameColumn));
        QVERIFY(window.save(false));
        QCOMPARE(storedFile(t.db(), QStringLiteral("xsd")), QStringLiteral("mine.zrt"));
        QCOMPARE(PrintFormats::templatePath(t.db(), *home_, QStringLiteral("xsd")),
                 QDir(home_->printFormatDir()).filePath(QStringLiteral("mine.zrt")));
    }

    void closingAsksWhileThereAreChanges_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("yes saves") << int(QMessageBox::Yes) << true << "Changed";
        QTest::newRow("no drops") << int(QMessageBox::No) << true << "收款单打印格式";
        QTest::newRow("cancel stays") << int(QMessageBox::Cancel) << false << "收款单打印格式";
    }
    void closingAsksWhileThereAreChanges() {
        QFETCH(int, answer);
        QFETCH(bool, closed);
        QFETCH(QString, stored);
        TestDatabase t(TestSupport::currentEngine());
        TGG_DJ window(t.db(), *home_);
        window.selectKinds({QStringLiteral("skd")});
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        typeName(window, QStringLiteral("Changed"));
        {
            ModalAnswer reply(static_cast<QMessageBox::StandardButton>(answer));
            click(window, "quit");
            QCOMPARE(reply.texts(), QStringList{QStringLiteral("当前还没有保存，是否现在保存？")});
        }
        QCOMPARE(!window.isVisible(), closed);
        QCOMPARE(PrintFormats::find(t.db(), QStringLiteral("skd"))->name, stored);
        QCOMPARE(session().UnsavedChanges, !closed);
    }

    void aFailedSaveKeepsTheChanges() {
        TestDatabase t(TestSupport::currentEngine());
        TGG_DJ window(t.db(), *home_);
        window.selectKinds({QStringLiteral("skd")});
        window.show();
        typeName(window, QStringLiteral("Changed"));
        t.db().exec(QStringLiteral("drop table GG_DJ"));
        {
            ModalAnswer ok(QMessageBox::Ok);
            click(window, "save");
            QCOMPARE(ok.texts(), QStringList{QStringLiteral("保存失败！")});
        }
        QVERIFY(window.table()->isDirty());
        QVERIFY(session().UnsavedChanges);
    }

    void designOpensTheDesignerOnTheRowsFile() {
        TestDatabase t(TestSupport::currentEngine());
        TGG_DJ window(t.db(), *home_);
        window.selectKinds(kOrderKinds);
        window.show();
        window.view()->setCurrentIndex(window.table()->index(2, 0));
        QString opened;
        WhenModal<DesignerWindow> designer([&](DesignerWindow& d) {
            opened = d.editor().path();
            d.reject();
        });
        click(window, "design");
        QVERIFY(designer.seen());
        QCOMPARE(opened, QDir(home_->printFormatDir()).filePath(QStringLiteral("XSD_Y.zrt")));
    }

    void designOnAMissingFileSaysSo() {
        TestDatabase t(TestSupport::currentEngine());
        t.db().exec(QStringLiteral("update GG_DJ set DZ = ? where DM = ?"),
                    {QStringLiteral("gone.zrt"), QStringLiteral("skd")});
        TGG_DJ window(t.db(), *home_);
        window.selectKinds({QStringLiteral("skd")});
        window.show();
        ModalAnswer ok(QMessageBox::Ok);
        click(window, "design");
        QCOMPARE(ok.texts().size(), 1);
        QVERIFY2(ok.texts().front().contains(QLatin1String("gone.zrt")),
                 qPrintable(ok.texts().front()));
    }
};

QTEST_MAIN(TestPrintFormatWindow)
#include "tst_printformatwindow.moc"
