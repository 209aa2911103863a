#include "store/datamodule.h"

#include <QFileInfo>

#include "store/inifile.h"
#include "store/schemaupgrade.h"

void TDM_CS::openConnection(bool createDefaultDatabase) {
    const IniFile ini(home_.iniPath());
    const ConnectionSettings settings = ConnectionSettings::fromIni(ini, home_);
    if (createDefaultDatabase && settings.engine == Engine::Sqlite &&
        QFileInfo(settings.sqliteFile).absoluteFilePath() ==
            QFileInfo(home_.defaultDatabasePath()).absoluteFilePath() &&
        !QFileInfo::exists(settings.sqliteFile)) {
        Database::createSqliteFile(settings.sqliteFile);
    }
    connection_.open(settings);
    try {
        SchemaUpgrade::ensureCurrent(connection_);
    } catch (...) {
        connection_.close();
        throw;
    }
}
