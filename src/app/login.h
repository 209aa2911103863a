#pragma once

#include <QString>

class Database;
class IniFile;

// What the login window shows at start and writes after a successful login
// (Default.ini section dl).
struct LoginSettings {
    QString user;
    QString password;  // filled only when rememberPassword
    bool rememberPassword = true;
    bool birthdayReminder = true;
    int startCount = 0;  // 0: the first start, the desktop shortcut is due

    static LoginSettings read(const IniFile& ini);
    // The password is written only when it is to be remembered, else cleared.
    void write(IniFile& ini) const;
};

// Checks login name and password against BM_YG and counts wrong passwords for
// the whole run; the third ends it.
class Login {
public:
    enum class Outcome {
        MissingName,
        UnknownName,
        WrongPassword,
        TooManyFailures,
        Failed,
        LoggedIn
    };

    static constexpr int kMaxWrongPasswords = 3;

    // connectionError: why the connection could not be opened, empty when open.
    Login(const Database& db, IniFile& ini, QString connectionError);

    // On LoggedIn the session holds the operator and the settings are written
    // (the start count raised). On Failed, error() says why.
    Outcome attempt(const QString& loginName, const QString& password, bool rememberPassword,
                    bool birthdayReminder);

    int wrongPasswords() const { return wrongPasswords_; }
    const QString& error() const { return error_; }

private:
    const Database& db_;
    IniFile& ini_;
    QString connectionError_;
    QString error_;
    int wrongPasswords_ = 0;
};
