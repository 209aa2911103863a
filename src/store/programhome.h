#pragma once

#include <QString>
#include <QStringList>

// The program folder: Default.ini, data/, PrintFormat/, backup/ and the pictures.
class ProgramHome {
public:
    explicit ProgramHome(QString root);

    // --home DIR (or --home=DIR) from the arguments, else ZORLIK_HOME, else the
    // per-user data folder.
    static ProgramHome fromArguments(const QStringList& arguments);

    const QString& root() const { return root_; }
    QString filePath(const QString& relative) const;
    QString iniPath() const { return filePath(QStringLiteral("Default.ini")); }
    QString dataDir() const { return filePath(QStringLiteral("data")); }
    QString defaultDatabasePath() const { return filePath(QStringLiteral("data/data.db")); }
    QString printFormatDir() const { return filePath(QStringLiteral("PrintFormat")); }
    QString backupDir() const { return filePath(QStringLiteral("backup")); }

    // A home is new while its folder is missing or empty.
    bool isNew() const;

    // Creates the folders and copies in the installed resources that are not
    // there yet; never overwrites a file. Throws StoreError on failure.
    void createLayout() const;

private:
    QString root_;
};
