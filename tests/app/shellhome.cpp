#include "app/shellhome.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/appdatamodule.h"
#include "store/passwordhash.h"

ShellHome::ShellHome(Engine engine)
    : database_(engine), dataModule_(ProgramHome(dir_.filePath(QStringLiteral("home")))) {
    home().createLayout();
    const ConnectionSettings& s = database_.settings();
    if (s.engine == Engine::Sqlite) {
        setIni(QStringLiteral("dbdz"), QStringLiteral("sfdz"), QStringLiteral("T"));
        setIni(QStringLiteral("dbdz"), QStringLiteral("Tdbdz"), s.sqliteFile);
    } else {
        setIni(QStringLiteral("dbdz"), QStringLiteral("driver"), QStringLiteral("QPSQL"));
        setIni(QStringLiteral("dbdz"), QStringLiteral("host"), s.host);
        setIni(QStringLiteral("dbdz"), QStringLiteral("port"), QString::number(s.port));
        setIni(QStringLiteral("dbdz"), QStringLiteral("name"), s.name);
        setIni(QStringLiteral("dbdz"), QStringLiteral("user"), s.user);
        setIni(QStringLiteral("dbdz"), QStringLiteral("password"), s.password);
    }
    // Not a first start: the desktop shortcut is tested on its own.
    setIni(QStringLiteral("dl"), QStringLiteral("cs"), QStringLiteral("1"));
    setDM_CS(&dataModule_);
}

ShellHome::~ShellHome() {
    setDM_CS(nullptr);
}

void ShellHome::setIni(const QString& section, const QString& key, const QString& value) {
    IniFile(iniPath()).writeString(section, key, value);
}

void ShellHome::addEmployee(const QString& code, const QString& name, const QString& login,
                            const QString& password, const QStringList& menuRights,
                            const QString& otherRights) {
    QVariantList rights;
    for (int n = 0; n < 4; ++n) {
        rights << menuRights.value(n);
    }
    db().exec(QStringLiteral("insert into BM_YG (BM, MC, DLMC, MM, QX1, QX2, QX3, QX4, QXQT) "
                             "values (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
              QVariantList{code, name, login, PasswordHash::make(password)} + rights +
                  QVariantList{otherRights});
}

LoginAnswer::LoginAnswer(QString user, QString password)
    : user_(std::move(user)), password_(std::move(password)) {
    connect(&timer_, &QTimer::timeout, this, &LoginAnswer::answer);
    timer_.start(10);
}

void LoginAnswer::answer() {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog || dialog->objectName() != QLatin1String("Tdl")) {
        return;
    }
    timer_.stop();
    for (const auto& [name, text] : {std::pair{"Edit1", user_}, std::pair{"Edit2", password_}}) {
        auto* edit = dialog->findChild<QLineEdit*>(QString::fromLatin1(name));
        edit->clear();
        QTest::keyClicks(edit, text);
    }
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("BitBtn4")), Qt::LeftButton);
}
