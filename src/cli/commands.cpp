#include "cli/commands.h"

#include "store/datamodule.h"
#include "store/schema.h"
#include "store/schemaupgrade.h"
#include "store/storeerror.h"

namespace {

void printConnection(const TDM_CS& dm, QTextStream& out) {
    const Database& db = dm.connection();
    out << QStringLiteral("程序目录：") << dm.home().root() << '\n'
        << QStringLiteral("数据库：") << db.dialect().engineName() << ' '
        << db.settings().location() << '\n'
        << QStringLiteral("数据库版本：") << SchemaUpgrade::recordedVersion(db) << '\n';
    if (!db.warning().isEmpty()) {
        out << db.warning() << '\n';
    }
}

}  // namespace

namespace CliCommands {

int init(const ProgramHome& home, QTextStream& out, QTextStream& err) {
    TDM_CS dm(home);
    try {
        const bool created = home.isNew();
        home.createLayout();
        dm.openConnection(true);
        out << (created ? QStringLiteral("已创建程序目录和数据库。")
                        : QStringLiteral("程序目录和数据库已就绪。"))
            << '\n';
        printConnection(dm, out);
    } catch (const StoreError& e) {
        err << e.message() << '\n';
        return 1;
    }
    return 0;
}

int info(const ProgramHome& home, QTextStream& out, QTextStream& err) {
    if (home.isNew()) {
        err << QStringLiteral("程序目录不存在或为空：") << home.root() << '\n';
        return 1;
    }
    TDM_CS dm(home);
    try {
        dm.openConnection(false);
        printConnection(dm, out);
        out << QStringLiteral("数据表及行数：") << '\n';
        for (const TableDef& table : Schema::tables()) {
            const qlonglong rows =
                dm.connection()
                    .value(QStringLiteral("select count(*) from %1").arg(table.name))
                    .toLongLong();
            out << "  " << table.name << '\t' << rows << '\n';
        }
    } catch (const StoreError& e) {
        err << e.message() << '\n';
        return 1;
    }
    return 0;
}

}  // namespace CliCommands
