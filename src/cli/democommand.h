#pragma once

#include <QTextStream>

class ProgramHome;

namespace CliCommands {

// Fills a new home, or one whose tables hold only the delivered rows, with a
// small demo studio. Refuses a home that already holds data and names the
// tables. Returns the process exit code.
int demo(const ProgramHome& home, QTextStream& out, QTextStream& err);

}  // namespace CliCommands
