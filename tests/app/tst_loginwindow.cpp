#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "app/session.h"
#include "app/shellhome.h"
#include "app/ui/loginwindow.h"
#include "store/passwordhash.h"
#include "support/modalanswer.h"

namespace {

const QString kWrongPassword = QStringLiteral("“登录密码”有误,请重新填写!");
const QString kUnknownName = QStringLiteral("\"登录名称\"不存在,请重新填写!");
const QString kTooMany = QStringLiteral("错误次数过多，系统将自动退出！");

template <typename T>
T* child(QWidget* dialog, const char* name) {
    T* w = dialog->findChild<T*>(QString::fromLatin1(name));
    Q_ASSERT(w);
    return w;
}

// Types the two boxes and presses 登 录; returns what the message boxes said.
QStringList attempt(Tdl& dialog, const QString& user, const QString& password) {
    for (const auto& [name, text] : {std::pair{"Edit1", user}, std::pair{"Edit2", password}}) {
        auto* edit = child<QLineEdit>(&dialog, name);
        edit->clear();
        QTest::keyClicks(edit, text);
    }
    ModalAnswer ok(QMessageBox::Ok);
    QTest::mouseClick(child<QPushButton>(&dialog, "BitBtn4"), Qt::LeftButton);
    return ok.texts();
}

}  // namespace

class TestLoginWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // The first start writes a launcher to the desktop: keep it out of the real one.
        QVERIFY(userHome_.isValid());
        qputenv("HOME", userHome_.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", userHome_.filePath(QStringLiteral(".config")).toUtf8());
    }
    void initTestCase_data() { TestSupport::addEngineRows(); }
    void init() {
        TestSupport::skipUnavailableEngine();
        session() = Session{};
    }

    void enterWalksTheFormAndEscQuits() {
        ShellHome home(TestSupport::currentEngine());
        Tdl dialog(home.dataModule(), false);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(child<QLabel>(&dialog, "Label3")->text(),
                 QStringLiteral("初始密码：登录名称用\"sa\"，登录密码是") +
                     QLatin1String(PasswordHash::kDefaultPassword));
        child<QLineEdit>(&dialog, "Edit1")->setFocus();
        for (const char* next : {"Edit2", "CheckBox1", "CheckBox2", "BitBtn4"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(next));
        }
        QVERIFY(dialog.isVisible());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(session().CurrentOperatorCode.isEmpty());
    }

    void thirdWrongPasswordEndsTheRun() {
        ShellHome home(TestSupport::currentEngine());
        home.addEmployee(QStringLiteral("001"), QStringLiteral("李四"), QStringLiteral("li"),
                         QStringLiteral("123"));
        Tdl dialog(home.dataModule(), false);
        dialog.show();
        QCOMPARE(attempt(dialog, QString(), QStringLiteral("1")),
                 QStringList{QStringLiteral("请先填写“登录名称”!")});
        QCOMPARE(attempt(dialog, QStringLiteral("sa"), QStringLiteral("bad")),
                 QStringList{kWrongPassword});
        // A name that is not found never counts, however often it is typed.
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(attempt(dialog, QStringLiteral("nobody"), QStringLiteral("bad")),
                     QStringList{kUnknownName});
        }
        QCOMPARE(attempt(dialog, QStringLiteral("li"), QStringLiteral("1234")),
                 QStringList{kWrongPassword});
        QVERIFY(dialog.isVisible());
        QCOMPARE(attempt(dialog, QStringLiteral("li"), QStringLiteral("12")),
                 QStringList{kTooMany});
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(session().CurrentOperatorCode.isEmpty());
    }

    void successSetsTheSession_data() {
        QTest::addColumn<bool>("remember");
        QTest::newRow("password remembered") << true;
        QTest::newRow("password not remembered") << false;
    }
    void successSetsTheSession() {
        QFETCH(bool, remember);
        ShellHome home(TestSupport::currentEngine());
        home.addEmployee(QStringLiteral("001"), QStringLiteral("李四"), QStringLiteral("li"),
                         QStringLiteral("123"), {}, QStringLiteral("QX-12,16,"));
        home.setIni(QStringLiteral("xsd"), QStringLiteral("DDH"), QStringLiteral("T"));
        {
            Tdl dialog(home.dataModule(), false);
            dialog.show();
            auto* rememberBox = child<QCheckBox>(&dialog, "CheckBox1");
            QVERIFY(rememberBox->isChecked());
            if (!remember) {
                QTest::mouseClick(rememberBox, Qt::LeftButton);
            }
            QCOMPARE(attempt(dialog, QStringLiteral("sa"), QStringLiteral("wrong")),
                     QStringList{kWrongPassword});
            QCOMPARE(attempt(dialog, QStringLiteral("li"), QStringLiteral("123")), QStringList{});
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
        }
        QCOMPARE(session().CurrentOperatorCode, QStringLiteral("001"));
        QCOMPARE(session().CurrentOperatorName, QStringLiteral("李四"));
        QCOMPARE(session().CurrentOperatorRights, QStringLiteral("QX-12,16,"));
        QVERIFY(session().ShortDocumentIds);

        // The next start shows what this one wrote.
        Tdl next(home.dataModule(), false);
        QCOMPARE(child<QLineEdit>(&next, "Edit1")->text(), QStringLiteral("li"));
        QCOMPARE(child<QLineEdit>(&next, "Edit2")->text(),
                 remember ? QStringLiteral("123") : QString());
        QCOMPARE(child<QCheckBox>(&next, "CheckBox1")->isChecked(), remember);
        const IniFile ini(home.iniPath());
        QCOMPARE(ini.readInteger(QStringLiteral("dl"), QStringLiteral("cs"), 0), 2);
        // The remembered password is never kept as typed.
        QVERIFY(!ini.readString(QStringLiteral("dl"), QStringLiteral("mm"), QString())
                     .contains(QStringLiteral("123")));
    }

    void firstStartPutsALauncherOnTheDesktop() {
        ShellHome home(TestSupport::currentEngine());
        home.setIni(QStringLiteral("dl"), QStringLiteral("cs"), QStringLiteral("0"));
        const QString launcher =
            QDir(userHome_.path())
                .filePath(QStringLiteral("Desktop/Zorlik婚庆公司管理系统.desktop"));
        QFile::remove(launcher);
        Tdl dialog(home.dataModule(), false);
        dialog.show();
        QVERIFY(QFile::exists(launcher));
        QFile file(launcher);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(QString::fromUtf8(file.readAll()).contains(home.home().root()));
    }

private:
    QTemporaryDir userHome_;
};

QTEST_MAIN(TestLoginWindow)
#include "tst_loginwindow.moc"
