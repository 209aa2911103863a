#include "store/connectionsettings.h"

#include <QDir>

#include "store/inifile.h"
#include "store/programhome.h"

namespace {
const QString kSection = QStringLiteral("dbdz");
}

ConnectionSettings ConnectionSettings::fromIni(const IniFile& ini, const ProgramHome& home) {
    ConnectionSettings s;
    if (ini.readString(kSection, QStringLiteral("driver"), QString())
            .compare(QLatin1String("QPSQL"), Qt::CaseInsensitive) == 0) {
        s.engine = Engine::Postgres;
        s.host = ini.readString(kSection, QStringLiteral("host"), QStringLiteral("localhost"));
        s.port = ini.readInteger(kSection, QStringLiteral("port"), 5432);
        s.name = ini.readString(kSection, QStringLiteral("name"), QStringLiteral("zorlik"));
        s.user = ini.readString(kSection, QStringLiteral("user"), QString());
        s.password = ini.readString(kSection, QStringLiteral("password"), QString());
        return s;
    }
    if (ini.readString(kSection, QStringLiteral("sfdz"), QStringLiteral("F")) ==
        QLatin1String("T")) {
        s.sqliteFile =
            QDir(home.root())
                .filePath(ini.readString(kSection, QStringLiteral("Tdbdz"), QStringLiteral("T")));
    } else {
        s.sqliteFile = home.defaultDatabasePath();
    }
    return s;
}

QString ConnectionSettings::location() const {
    if (engine == Engine::Sqlite) {
        return sqliteFile;
    }
    return QStringLiteral("%1@%2:%3/%4").arg(user, host).arg(port).arg(name);
}
