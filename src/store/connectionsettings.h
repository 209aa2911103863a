#pragma once

#include <QString>

#include "store/dialect.h"

class IniFile;
class ProgramHome;

// Where the one database of the run lives, as Default.ini says.
struct ConnectionSettings {
    Engine engine = Engine::Sqlite;
    QString sqliteFile;  // as configured; relative names are taken from the home
    QString host;
    int port = 5432;
    QString name;
    QString user;
    QString password;

    // [dbdz] driver=QPSQL selects PostgreSQL (host, port, name, user, password);
    // otherwise sfdz=T names the SQLite file in Tdbdz, else data/data.db of the home.
    static ConnectionSettings fromIni(const IniFile& ini, const ProgramHome& home);

    // For messages and the command line: the file, or user@host:port/name.
    QString location() const;
};
