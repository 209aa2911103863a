#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// A program run to its end, with what it printed.
struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

inline Run run(const QString& program, const QStringList& arguments) {
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForFinished(120000)) {
        p.kill();
        p.waitForFinished();
    }
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

inline Run cli(const QStringList& arguments) {
    return run(QStringLiteral(ZORLIK_CLI), arguments);
}
