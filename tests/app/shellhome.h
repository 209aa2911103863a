#pragma once

#include <QObject>
#include <QString>
#include <QTemporaryDir>
#include <QTimer>

#include "store/datamodule.h"
#include "store/inifile.h"
#include "support/testdatabase.h"

// A program home for one window test: its Default.ini names a test database of
// the engine, and the data module of the run points at it.
class ShellHome {
public:
    explicit ShellHome(Engine engine);
    ~ShellHome();

    const Database& db() const { return database_.db(); }
    TDM_CS& dataModule() { return dataModule_; }
    const ProgramHome& home() const { return dataModule_.home(); }
    QString iniPath() const { return dataModule_.home().iniPath(); }
    void setIni(const QString& section, const QString& key, const QString& value);

    // An employee with a login name and a hashed password; rights as given.
    void addEmployee(const QString& code, const QString& name, const QString& login,
                     const QString& password, const QStringList& menuRights = {},
                     const QString& otherRights = {});

private:
    TestSupport::TestDatabase database_;
    QTemporaryDir dir_;
    TDM_CS dataModule_;
};

// Types login name and password into the login dialog the next time one is
// shown modally and presses 登 录, as an operator would.
class LoginAnswer : public QObject {
public:
    LoginAnswer(QString user, QString password);

private:
    void answer();

    QString user_;
    QString password_;
    QTimer timer_;
};
