#pragma once

#include <QCommandLineParser>
#include <QStringList>
#include <QTextStream>

#include <memory>

class ProgramHome;

// zorlik-cli print --kind KIND --id DOCNO --pdf OUT: a stored document
// through its kind's template to a PDF file, without a window.
namespace PrintCommand {

// Drawing text needs the GUI application; without a display it draws offscreen.
std::unique_ptr<QCoreApplication> application(int& argc, char** argv);
void addOptions(QCommandLineParser& parser);
// Wrong arguments exit with 2, a missing kind, document or template with 1.
int run(const QCommandLineParser& parser, const ProgramHome& home, QTextStream& out,
        QTextStream& err);

}  // namespace PrintCommand
