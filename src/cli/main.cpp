#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

#include "cli/commands.h"
#include "cli/democommand.h"
#include "cli/printcommand.h"
#include "cli/servicecommands.h"
#include "store/programhome.h"

int main(int argc, char* argv[]) {
    const std::unique_ptr<QCoreApplication> app = PrintCommand::application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zorlik"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Zorlik 影楼收费管理系统的管理命令"));
    parser.addHelpOption();
    parser.addPositionalArgument(
        QStringLiteral("command"),
        QStringLiteral(
            "init：创建或检查程序目录和数据库；info：显示数据库信息；demo：装入演示数据"));
    parser.addOption({QStringLiteral("home"), QStringLiteral("程序目录"), QStringLiteral("DIR")});
    PrintCommand::addOptions(parser);
    parser.process(*app);

    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList args = parser.positionalArguments();
    const ProgramHome home = parser.isSet(QStringLiteral("home"))
                                 ? ProgramHome(parser.value(QStringLiteral("home")))
                                 : ProgramHome::fromArguments({});
    const QString command = args.value(0);
    if (command == QLatin1String("init") && args.size() == 1) {
        return CliCommands::init(home, out, err);
    }
    if (command == QLatin1String("info") && args.size() == 1) {
        return CliCommands::info(home, out, err);
    }
    if (command == QLatin1String("demo") && args.size() == 1) {
        return CliCommands::demo(home, out, err);
    }
    if (command == QLatin1String("print")) {
        return PrintCommand::run(parser, home, out, err);
    }
    if (const std::optional<int> rc = ServiceCommands::run(command, args.mid(1), home, out, err)) {
        return *rc;
    }
    err << parser.helpText() << ServiceCommands::usage() << '\n';
    return 2;
}
