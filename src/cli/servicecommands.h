#pragma once

#include <QStringList>
#include <QTextStream>

#include <optional>

class ProgramHome;

// The commands of the shared services: lunar, pinyin and export-table.
namespace ServiceCommands {

// The exit code when the command is one of these, nothing otherwise.
// Wrong arguments exit with 2, failures with 1.
std::optional<int> run(const QString& command, const QStringList& arguments,
                       const ProgramHome& home, QTextStream& out, QTextStream& err);

// The lines of the usage text.
QString usage();

}  // namespace ServiceCommands
