#include "app/login.h"

#include <QSqlQuery>

#include "app/savedpassword.h"
#include "app/session.h"
#include "app/storedpassword.h"
#include "store/database.h"
#include "store/inifile.h"
#include "store/passwordhash.h"
#include "store/storeerror.h"

namespace {

const QString kSection = QStringLiteral("dl");
const QString kTrue = QStringLiteral("T");
const QString kFalse = QStringLiteral("F");

}  // namespace

LoginSettings LoginSettings::read(const IniFile& ini) {
    LoginSettings s;
    s.user = ini.readString(kSection, QStringLiteral("user"), QStringLiteral("sa"));
    s.rememberPassword = ini.readString(kSection, QStringLiteral("bcmm"), kTrue) == kTrue;
    if (s.rememberPassword) {
        s.password = SavedPassword::unscramble(ini.readString(
            kSection, QStringLiteral("mm"), QString::fromLatin1(PasswordHash::kDefaultPassword)));
    }
    s.birthdayReminder = ini.readString(kSection, QStringLiteral("srtx"), kTrue) == kTrue;
    s.startCount = ini.readInteger(kSection, QStringLiteral("cs"), 0);
    return s;
}

void LoginSettings::write(IniFile& ini) const {
    ini.writeString(kSection, QStringLiteral("user"), user);
    ini.writeString(kSection, QStringLiteral("mm"),
                    rememberPassword ? SavedPassword::scramble(password) : QString());
    ini.writeString(kSection, QStringLiteral("bcmm"), rememberPassword ? kTrue : kFalse);
    ini.writeInteger(kSection, QStringLiteral("cs"), startCount);
    ini.writeString(kSection, QStringLiteral("srtx"), birthdayReminder ? kTrue : kFalse);
}

Login::Login(const Database& db, IniFile& ini, QString connectionError)
    : db_(db), ini_(ini), connectionError_(std::move(connectionError)) {}

Login::Outcome Login::attempt(const QString& loginName, const QString& password,
                              bool rememberPassword, bool birthdayReminder) {
    error_.clear();
    if (loginName.isEmpty()) {
        return Outcome::MissingName;
    }
    if (wrongPasswords_ >= kMaxWrongPasswords) {
        return Outcome::TooManyFailures;
    }
    if (!connectionError_.isEmpty()) {
        error_ = connectionError_;
        return Outcome::Failed;
    }
    try {
        QSqlQuery q = db_.exec(
            QStringLiteral("select BM, MC, MM, QXQT from BM_YG where DLMC = ? order by BM"),
            {loginName});
        if (!q.next()) {
            return Outcome::UnknownName;
        }
        const QString code = q.value(0).toString();
        const QString name = q.value(1).toString();
        const QString stored = q.value(2).toString();
        const QString rights = q.value(3).toString();
        q.finish();
        if (!StoredPassword::matches(password, stored)) {
            ++wrongPasswords_;
            return wrongPasswords_ >= kMaxWrongPasswords ? Outcome::TooManyFailures
                                                         : Outcome::WrongPassword;
        }
        if (!PasswordHash::isHash(stored)) {
            db_.exec(QStringLiteral("update BM_YG set MM = ? where BM = ?"),
                     {PasswordHash::make(password), code});
        }

        LoginSettings written;
        written.user = loginName;
        written.password = password;
        written.rememberPassword = rememberPassword;
        written.birthdayReminder = birthdayReminder;
        written.startCount = ini_.readInteger(kSection, QStringLiteral("cs"), 0) + 1;
        written.write(ini_);

        Session& s = session();
        s.CurrentOperatorCode = code;
        s.CurrentOperatorName = name;
        s.CurrentOperatorRights = rights;
        s.ShortDocumentIds =
            ini_.readString(QStringLiteral("xsd"), QStringLiteral("DDH"), kFalse) == kTrue;
        return Outcome::LoggedIn;
    } catch (const StoreError& e) {
        error_ = e.message();
        return Outcome::Failed;
    }
}
