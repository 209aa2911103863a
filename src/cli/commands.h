#pragma once

#include <QTextStream>

class ProgramHome;

// The administration commands; each returns the process exit code.
namespace CliCommands {

// Creates the home and its database where they are missing, or checks them.
int init(const ProgramHome& home, QTextStream& out, QTextStream& err);
// Engine, database location, schema version and the rows of every table.
int info(const ProgramHome& home, QTextStream& out, QTextStream& err);

}  // namespace CliCommands
