#include "app/desktopshortcut.h"

#include <QDir>
#include <QSaveFile>

namespace {

// Quoting of an argument in the Exec key of a desktop entry.
QString execArgument(QString arg) {
    for (const QChar c : {u'\\', u'"', u'`', u'$'}) {
        arg.replace(c, QStringLiteral("\\") + c);
    }
    arg.replace(u'%', QStringLiteral("%%"));
    return QLatin1Char('"') + arg + QLatin1Char('"');
}

// Values of other keys: no line breaks, backslashes escaped.
QString plainValue(QString value) {
    value.replace(u'\\', QStringLiteral("\\\\"));
    value.replace(u'\n', QStringLiteral("\\n"));
    return value;
}

}  // namespace

bool writeDesktopShortcut(const QString& desktopFolder, const QString& softwareName,
                          const QString& program, const QString& homeFolder) {
    if (!QDir().mkpath(desktopFolder)) {
        return false;
    }
    QString fileName = softwareName;
    fileName.replace(u'/', u'_');
    QSaveFile file(QDir(desktopFolder).filePath(fileName + QStringLiteral(".desktop")));
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    const QString text = QStringLiteral(
                             "[Desktop Entry]\n"
                             "Type=Application\n"
                             "Name=%1\n"
                             "Exec=%2 --home %3\n"
                             "Path=%4\n"
                             "Terminal=false\n")
                             .arg(plainValue(softwareName), execArgument(program),
                                  execArgument(homeFolder), plainValue(homeFolder));
    file.write(text.toUtf8());
    if (!file.commit()) {
        return false;
    }
    // Desktops start only launchers that are marked executable.
    return QFile::setPermissions(
        file.fileName(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}
