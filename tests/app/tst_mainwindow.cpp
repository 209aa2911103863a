#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <memory>

#include "app/branding.h"
#include "app/menutable.h"
#include "app/session.h"
#include "app/shellhome.h"
#include "app/ui/aboutwindow.h"
#include "app/ui/backgroundarea.h"
#include "app/ui/mainwindow.h"
#include "app/ui/passwordwindow.h"
#include "app/ui/permissionswindow.h"
#include "app/weekdayname.h"
#include "store/passwordhash.h"
#include "support/modalanswer.h"

namespace {

const QString kExitQuestion =
    QStringLiteral("退出时备份数据吗（是-备份；否-不备份；取消-不退出）？");
const QString kFallback = QStringLiteral("备份路径错，自动备份到软件安装目录下面\"backup\"");

// The main window as it is shown after logging in through its login dialog.
std::unique_ptr<Tform1> openMainWindow(ShellHome& home, const QString& user,
                                       const QString& password) {
    const LoginAnswer answer(user, password);
    auto window = std::make_unique<Tform1>(home.dataModule(), false);
    if (window->loggedIn()) {
        window->show();
    }
    return window;
}

std::unique_ptr<Tform1> openAsAdministrator(ShellHome& home) {
    return openMainWindow(home, QStringLiteral("sa"),
                          QString::fromLatin1(PasswordHash::kDefaultPassword));
}

template <typename T>
T* child(QObject* parent, const char* name) {
    T* w = parent->findChild<T*>(QString::fromLatin1(name));
    Q_ASSERT(w);
    return w;
}

QList<bool> ticks(QListWidget* list) {
    QList<bool> ticked;
    for (int i = 0; i < list->count(); ++i) {
        ticked << (list->item(i)->checkState() == Qt::Checked);
    }
    return ticked;
}

QString employeeField(const Database& db, const QString& field, const QString& code) {
    return db.value(QStringLiteral("select %1 from BM_YG where BM = ?").arg(field), {code})
        .toString();
}

// Clicks 保存[&S] and returns what the message boxes said.
QStringList save(TGGQX* window) {
    ModalAnswer ok(QMessageBox::Ok);
    QTest::mouseClick(child<QToolButton>(window, "SpeedButton2"), Qt::LeftButton);
    return ok.texts();
}

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { qApp->setQuitOnLastWindowClosed(false); }
    void initTestCase_data() { TestSupport::addEngineRows(); }
    void init() {
        TestSupport::skipUnavailableEngine();
        session() = Session{};
    }

    void captionFollowsTheIniBranding_data() {
        QTest::addColumn<QString>("rjmc");
        QTest::addColumn<QString>("tem");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("aboutShown");
        QTest::newRow("default") << ""
                                 << ""
                                 << "Zorlik婚庆公司管理系统  v21.0312" << true;
        QTest::newRow("RJMC 彩") << "彩"
                                 << "2"
                                 << "Zorlik彩扩管理系统（专业版）  v21.0312" << true;
        QTest::newRow("RJMC other") << "3"
                                    << ""
                                    << "Zorlik婚庆公司管理系统  v21.0312" << true;
        QTest::newRow("tem TQ") << ""
                                << "TQ"
                                << "Zorlik影像婚庆管理系统  v21.0312" << false;
    }
    void captionFollowsTheIniBranding() {
        QFETCH(QString, rjmc);
        QFETCH(QString, tem);
        QFETCH(QString, caption);
        QFETCH(bool, aboutShown);
        ShellHome home(TestSupport::currentEngine());
        if (!rjmc.isEmpty()) {
            home.setIni(QStringLiteral("DL"), QStringLiteral("RJMC"), rjmc);
        }
        if (!tem.isEmpty()) {
            home.setIni(QStringLiteral("dl"), QStringLiteral("TEM"), tem);
        }
        const auto window = openAsAdministrator(home);
        QVERIFY(window->loggedIn());
        QCOMPARE(window->windowTitle(), caption);
        QCOMPARE(window->menuAction(QStringLiteral("BZ_GY"))->isVisible(), aboutShown);
        QCOMPARE(child<QPushButton>(window.get(), "SpeedButton1")->text(),
                 aboutShown ? branding().SupportAccount : branding().Telephone);
        QCOMPARE(child<QLabel>(window.get(), "Label1")->text(), QStringLiteral("Zorlik影楼"));
        QVERIFY(!window->clientArea()->picture().isNull());  // the delivered background

        QStringList panels;
        for (QLabel* label : window->statusBar()->findChildren<QLabel*>()) {
            panels << label->text();
        }
        QVERIFY(panels.contains(branding().statusCredit()));
        QVERIFY(panels.contains(QStringLiteral("操作员：系统管理员")));
        const QString clock = child<QLabel>(window.get(), "clock")->text();
        QVERIFY2(QRegularExpression(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d "
                                                   "星期[日一二三四五六]$"))
                     .match(clock)
                     .hasMatch(),
                 qPrintable(clock));
    }

    void quittingTheLoginOffersNoWindow() {
        ShellHome home(TestSupport::currentEngine());
        QTimer esc;
        connect(&esc, &QTimer::timeout, this, [] {
            if (QWidget* dialog = QApplication::activeModalWidget()) {
                QTest::keyClick(dialog, Qt::Key_Escape);
            }
        });
        esc.start(10);
        const Tform1 window(home.dataModule(), false);
        QVERIFY(!window.loggedIn());
        QVERIFY(session().CurrentOperatorCode.isEmpty());
    }

    void everyMenuEntryIsThereWithItsVisibility() {
        ShellHome home(TestSupport::currentEngine());
        const auto window = openAsAdministrator(home);
        const QList<QMenu*> menus = window->menuBar()->findChildren<QMenu*>();
        QCOMPARE(window->menuBar()->actions().size(), mainMenus().size());
        for (int m = 0; m < mainMenus().size(); ++m) {
            const MainMenu& menu = mainMenus()[m];
            QCOMPARE(window->menuBar()->actions()[m]->text(), menu.caption);
            const QList<QAction*> actions = window->menuBar()->actions()[m]->menu()->actions();
            QCOMPARE(actions.size(), menu.entries.size());
            for (int p = 0; p < menu.entries.size(); ++p) {
                const MenuEntry& entry = menu.entries[p];
                QCOMPARE(actions[p], window->menuAction(entry.name));
                QCOMPARE(actions[p]->isSeparator(), entry.isSeparator());
                QCOMPARE(actions[p]->isVisible(), entry.shown);
                if (!entry.isSeparator()) {
                    QCOMPARE(actions[p]->text(), entry.caption);
                }
            }
        }
        QAction* importExport = window->menuAction(QStringLiteral("XT_DRDC"));
        QVERIFY(!importExport->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(window.get(), Qt::Key_F12, Qt::ControlModifier);
        QVERIFY(importExport->isVisible());
    }

    void rightsEnableTheMenusAndButtons_data() {
        QTest::addColumn<QStringList>("menuRights");
        QTest::addColumn<QStringList>("enabled");
        QTest::addColumn<QStringList>("disabled");
        QTest::addColumn<bool>("birthdayReminder");
        QTest::newRow("new employee")
            << QStringList{} << QStringList{"XT_CSH", "JC_SRTX", "BB_CZDCX"} << QStringList{}
            << true;
        QTest::newRow("lists") << QStringList{"null", "215,", "310,318,", "417,"}
                               << QStringList{"JC_KH",    "YW_XSD", "YW_SKD",
                                              "BB_XSDCX", "BZ_GY",  "BZ_TC"}
                               << QStringList{"XT_CSH", "XT_MM", "JC_SRTX", "YW_RKD", "BB_SKDCX"}
                               << false;
    }
    void rightsEnableTheMenusAndButtons() {
        QFETCH(QStringList, menuRights);
        QFETCH(QStringList, enabled);
        QFETCH(QStringList, disabled);
        QFETCH(bool, birthdayReminder);
        ShellHome home(TestSupport::currentEngine());
        home.addEmployee(QStringLiteral("001"), QStringLiteral("李四"), QStringLiteral("li"),
                         QStringLiteral("123"), menuRights);
        const LoginAnswer answer(QStringLiteral("li"), QStringLiteral("123"));
        Tform1 window(home.dataModule(), false);
        QSignalSpy reminder(window.menuAction(QStringLiteral("JC_SRTX")), &QAction::triggered);
        QSignalSpy receiptQuery(window.menuAction(QStringLiteral("BB_SKDCX")), &QAction::triggered);
        QSignalSpy orderQuery(window.menuAction(QStringLiteral("BB_XSDCX")), &QAction::triggered);
        window.show();
        for (const QString& name : enabled) {
            QVERIFY2(window.menuAction(name)->isEnabled(), qPrintable(name));
        }
        for (const QString& name : disabled) {
            QVERIFY2(!window.menuAction(name)->isEnabled(), qPrintable(name));
        }
        QVERIFY(!window.menuAction(QStringLiteral("YW_RKD"))->isVisible());
        QCOMPARE(reminder.count(), birthdayReminder ? 1 : 0);
        QTest::mouseClick(child<QPushButton>(&window, "BitBtn2"), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(&window, "BitBtn4"), Qt::LeftButton);
        QCOMPARE(orderQuery.count(), 1);
        QCOMPARE(receiptQuery.count(), menuRights.isEmpty() ? 1 : 0);
        // A hidden entry keeps its right for the moment it is shown.
        QAction* importExport = window.menuAction(QStringLiteral("XT_DRDC"));
        importExport->setVisible(true);
        QCOMPARE(importExport->isEnabled(), menuRights.isEmpty());
    }

    void administratorHoldsEveryMenuRight() {
        ShellHome home(TestSupport::currentEngine());
        home.db().exec(
            QStringLiteral("update BM_YG set QX1 = 'null', QX2 = 'null', QX3 = 'null', "
                           "QX4 = 'null' where BM = '000'"));
        const auto window = openAsAdministrator(home);
        for (int m = 0; m < kMenusWithRights; ++m) {
            for (const MenuEntry& entry : mainMenus()[m].entries) {
                window->menuAction(entry.name)->setVisible(true);
                QVERIFY2(window->menuAction(entry.name)->isEnabled(), qPrintable(entry.name));
            }
        }
    }

    void exitQuestionMakesTheBackups_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("folder");  // BM_GSXX.BF
        QTest::addColumn<QString>("writtenTo");
        QTest::addColumn<bool>("dated");
        QTest::addColumn<bool>("closed");
        QTest::newRow("yes") << int(QMessageBox::Yes) << "saved/"
                             << "saved" << true << true;
        QTest::newRow("yes, folder missing") << int(QMessageBox::Yes) << "missing/"
                                             << "backup" << true << true;
        QTest::newRow("no") << int(QMessageBox::No) << "saved/"
                            << "saved" << false << true;
        QTest::newRow("cancel") << int(QMessageBox::Cancel) << "saved/"
                                << "saved" << false << false;
    }
    void exitQuestionMakesTheBackups() {
        QFETCH(int, answer);
        QFETCH(QString, folder);
        QFETCH(QString, writtenTo);
        QFETCH(bool, dated);
        QFETCH(bool, closed);
        ShellHome home(TestSupport::currentEngine());
        QVERIFY(QDir(home.home().root()).mkdir(QStringLiteral("saved")));
        home.db().exec(QStringLiteral("update BM_GSXX set BF = ?"), {folder});
        const auto window = openAsAdministrator(home);

        ModalAnswer reply(static_cast<QMessageBox::StandardButton>(answer));
        QCOMPARE(window->close(), closed);
        QCOMPARE(window->isVisible(), !closed);
        QCOMPARE(reply.texts().value(0), kExitQuestion);
        QCOMPARE(reply.texts().contains(kFallback), folder == QLatin1String("missing/"));
        const QDir backups(home.home().filePath(writtenTo));
        const QDate today = QDate::currentDate();
        QVERIFY(backups.exists(weekdayName(today) + QStringLiteral(".bak")));
        QCOMPARE(
            backups.exists(today.toString(QStringLiteral("yyyyMMdd")) + QStringLiteral(".bak")),
            dated);
    }

    void permissionsAreSavedByEmployeeCode() {
        ShellHome home(TestSupport::currentEngine());
        const QString sameName = QStringLiteral("王'五");
        home.addEmployee(QStringLiteral("002"), sameName, QStringLiteral("w2"),
                         QStringLiteral("1"));
        home.addEmployee(QStringLiteral("003"), sameName, QStringLiteral("w3"),
                         QStringLiteral("1"));
        const auto window = openAsAdministrator(home);
        window->menuAction(QStringLiteral("XT_QX"))->trigger();
        auto* permissions = child<TGGQX>(window.get(), "TGGQX");
        auto* employee = child<QComboBox>(permissions, "YG_1");
        QCOMPARE(employee->currentText(), QStringLiteral("系统管理员"));

        employee->setCurrentIndex(employee->findData(QStringLiteral("003")));
        auto* business = child<QListWidget>(permissions, "CheckListBox3");
        QCOMPARE(business->count(), mainMenus()[2].entries.size());
        QVERIFY(!ticks(business).contains(false));  // empty QX3: everything
        business->item(0)->setCheckState(Qt::Unchecked);
        auto* system = child<QListWidget>(permissions, "CheckListBox1");
        for (int i = 0; i < system->count(); ++i) {
            system->item(i)->setCheckState(Qt::Unchecked);
        }
        QTest::mouseClick(child<QCheckBox>(permissions, "C5_3"), Qt::LeftButton);
        QCOMPARE(save(permissions), QStringList{QStringLiteral("保存成功！")});

        const Database& db = home.db();
        QCOMPARE(employeeField(db, QStringLiteral("QX1"), QStringLiteral("003")),
                 QStringLiteral("null"));
        QVERIFY(employeeField(db, QStringLiteral("QX3"), QStringLiteral("003"))
                    .startsWith(QStringLiteral("311,312,313,")));
        QVERIFY(!employeeField(db, QStringLiteral("QX3"), QStringLiteral("003"))
                     .contains(QStringLiteral("310,")));
        QCOMPARE(employeeField(db, QStringLiteral("QXQT"), QStringLiteral("003")),
                 QStringLiteral("QX-12,"));
        QCOMPARE(employeeField(db, QStringLiteral("QX3"), QStringLiteral("002")), QString());
        QCOMPARE(employeeField(db, QStringLiteral("QXQT"), QStringLiteral("002")), QString());

        // Choosing the namesake and back shows each one's own rights.
        employee->setCurrentIndex(employee->findData(QStringLiteral("002")));
        QVERIFY(!child<QCheckBox>(permissions, "C5_3")->isChecked());
        QVERIFY(!ticks(business).contains(false));
        employee->setCurrentIndex(employee->findData(QStringLiteral("003")));
        QVERIFY(child<QCheckBox>(permissions, "C5_3")->isChecked());
        QVERIFY(!ticks(business).value(0));
        QVERIFY(!ticks(system).contains(true));
    }

    void closingThePermissionsAppliesThemAtOnce() {
        ShellHome home(TestSupport::currentEngine());
        home.addEmployee(QStringLiteral("001"), QStringLiteral("李四"), QStringLiteral("li"),
                         QStringLiteral("123"));
        const auto window = openMainWindow(home, QStringLiteral("li"), QStringLiteral("123"));
        QAction* order = window->menuAction(QStringLiteral("YW_XSD"));
        QVERIFY(order->isEnabled());
        window->menuAction(QStringLiteral("XT_QX"))->trigger();
        auto* permissions = child<TGGQX>(window.get(), "TGGQX");
        QCOMPARE(child<QComboBox>(permissions, "YG_1")->currentText(), QStringLiteral("李四"));
        child<QListWidget>(permissions, "CheckListBox3")->item(0)->setCheckState(Qt::Unchecked);
        save(permissions);
        QVERIFY(order->isEnabled());
        QTest::mouseClick(child<QToolButton>(permissions, "SpeedButton3"), Qt::LeftButton);
        QTRY_VERIFY(!window->findChild<TGGQX*>());
        QVERIFY(!order->isEnabled());
        QVERIFY(window->menuAction(QStringLiteral("YW_SKD"))->isEnabled());
    }

    void passwordWindowChangesTheStoredHash_data() {
        QTest::addColumn<QString>("oldPassword");
        QTest::addColumn<QString>("newPassword");
        QTest::addColumn<QString>("repeated");
        QTest::addColumn<QString>("message");
        QTest::newRow("changed") << "888"
                                 << "4321"
                                 << "4321"
                                 << "密码修改成功！";
        QTest::newRow("wrong old") << "88"
                                   << "4321"
                                   << "4321"
                                   << "原密码错！";
        QTest::newRow("empty new") << "888"
                                   << ""
                                   << ""
                                   << "新密码不能为空！";
        QTest::newRow("mismatch") << "888"
                                  << "4321"
                                  << "4322"
                                  << "新密码与验证密码不一致！";
    }
    void passwordWindowChangesTheStoredHash() {
        QFETCH(QString, oldPassword);
        QFETCH(QString, newPassword);
        QFETCH(QString, repeated);
        QFETCH(QString, message);
        ShellHome home(TestSupport::currentEngine());
        const auto window = openAsAdministrator(home);
        window->menuAction(QStringLiteral("XT_MM"))->trigger();
        auto* dialog = child<Tggmm>(window.get(), "Tggmm");
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->windowTitle(), QStringLiteral("修改密码 :系统管理员"));
        QTest::keyClicks(child<QLineEdit>(dialog, "LabeledEdit_OLD"), oldPassword);
        QTest::keyClicks(child<QLineEdit>(dialog, "LabeledEdit_NEW"), newPassword);
        QTest::keyClicks(child<QLineEdit>(dialog, "LabeledEdit_V"), repeated);
        ModalAnswer ok(QMessageBox::Ok);
        QTest::mouseClick(child<QPushButton>(dialog, "BitBtn1"), Qt::LeftButton);
        QCOMPARE(ok.texts(), QStringList{message});
        QVERIFY(dialog->isVisible());

        const QString stored =
            employeeField(home.db(), QStringLiteral("MM"), QStringLiteral("000"));
        QVERIFY(PasswordHash::isHash(stored));
        const bool changed = message == QStringLiteral("密码修改成功！");
        QCOMPARE(PasswordHash::verify(newPassword, stored), changed);
        QCOMPARE(PasswordHash::verify(QStringLiteral("888"), stored), !changed);

        QTest::keyClick(dialog, Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
    }

    void passwordsLongerThanTwelveCannotBeTyped() {
        ShellHome home(TestSupport::currentEngine());
        const auto window = openAsAdministrator(home);
        window->menuAction(QStringLiteral("XT_MM"))->trigger();
        auto* edit = child<QLineEdit>(child<Tggmm>(window.get(), "Tggmm"), "LabeledEdit_NEW");
        QTest::keyClicks(edit, QStringLiteral("1234567890abcdef"));
        QCOMPARE(edit->text(), QStringLiteral("1234567890ab"));
    }

    void aboutBoxOpensTheReceiptQueryOnCtrlKeypad0() {
        ShellHome home(TestSupport::currentEngine());
        const auto window = openAsAdministrator(home);
        QSignalSpy receiptQuery(window->menuAction(QStringLiteral("BB_SKDCX")),
                                &QAction::triggered);
        window->menuAction(QStringLiteral("BZ_GY"))->trigger();
        auto* about = child<TGY>(window.get(), "TGY");
        QCOMPARE(about->size(), QSize(550, 340));
        QCOMPARE(child<QLabel>(about, "Label1")->text(), branding().SoftwareName);
        QTest::keyClick(about, Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(receiptQuery.count(), 0);
        QTest::keyClick(about, Qt::Key_0, Qt::ControlModifier | Qt::KeypadModifier);
        QCOMPARE(receiptQuery.count(), 1);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
