#pragma once

#include <QString>
#include <QStringList>

// The workstation settings file. Sections and keys match without regard to
// case, every read names its default, and a write keeps every other line of the
// file as it was. Files written by the old system are GBK; we write UTF-8.
class IniFile {
public:
    // Reads the file now; a missing file reads as all defaults. Throws
    // StoreError when the file exists but cannot be read.
    explicit IniFile(QString path);

    const QString& path() const { return path_; }

    QString readString(const QString& section, const QString& key,
                       const QString& defaultValue) const;
    int readInteger(const QString& section, const QString& key, int defaultValue) const;

    // Re-reads the file, sets the key and replaces the file atomically.
    // Throws StoreError when the folder or file cannot be written.
    void writeString(const QString& section, const QString& key, const QString& value);
    void writeInteger(const QString& section, const QString& key, int value);

private:
    struct Found {
        qsizetype sectionLine = -1;  // the "[section]" line
        qsizetype keyLine = -1;
        qsizetype lastEntryLine = -1;  // last non-blank line of the section
    };

    void load();
    Found find(const QString& section, const QString& key) const;
    void save() const;

    QString path_;
    QStringList lines_;
    QString lineEnd_ = QStringLiteral("\n");
};
