#include "store/inifile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include "store/storeerror.h"

namespace {

bool isComment(QStringView line) {
    return line.startsWith(u';') || line.startsWith(u'#');
}

// "[name]" gives name; anything else gives a null string.
QString sectionName(QStringView line) {
    if (!line.startsWith(u'[')) {
        return {};
    }
    const qsizetype close = line.indexOf(u']');
    if (close < 0) {
        return {};
    }
    return line.mid(1, close - 1).trimmed().toString();
}

QString unquoted(QString value) {
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
        value.back() == value.front()) {
        return value.mid(1, value.size() - 2);
    }
    return value;
}

QString decode(const QByteArray& raw) {
    QByteArray bytes = raw;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        bytes.remove(0, 3);
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) {
        return text;
    }
    QStringDecoder gbk("GBK");
    if (gbk.isValid()) {
        return gbk.decode(bytes);
    }
    return QString::fromLocal8Bit(bytes);
}

}  // namespace

IniFile::IniFile(QString path) : path_(std::move(path)) {
    load();
}

void IniFile::load() {
    lines_.clear();
    QFile file(path_);
    if (!file.exists()) {
        return;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        throw StoreError(QStringLiteral("无法读取设置文件 %1：%2").arg(path_, file.errorString()));
    }
    const QString text = decode(file.readAll());
    lineEnd_ =
        text.contains(QStringLiteral("\r\n")) ? QStringLiteral("\r\n") : QStringLiteral("\n");
    lines_ = text.split(QLatin1Char('\n'));
    for (QString& line : lines_) {
        if (line.endsWith(u'\r')) {
            line.chop(1);
        }
    }
    if (!lines_.isEmpty() && lines_.back().isEmpty()) {
        lines_.removeLast();  // the final line end
    }
}

IniFile::Found IniFile::find(const QString& section, const QString& key) const {
    Found found;
    bool inSection = false;
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        const QString line = lines_[i].trimmed();
        const QString name = sectionName(line);
        if (!name.isNull()) {
            if (inSection) {
                break;  // only the first section of that name counts
            }
            inSection = name.compare(section, Qt::CaseInsensitive) == 0;
            if (inSection) {
                found.sectionLine = i;
                found.lastEntryLine = i;
            }
            continue;
        }
        if (!inSection || line.isEmpty()) {
            continue;
        }
        found.lastEntryLine = i;
        if (isComment(line) || found.keyLine >= 0) {
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (eq > 0 && line.left(eq).trimmed().compare(key, Qt::CaseInsensitive) == 0) {
            found.keyLine = i;
        }
    }
    return found;
}

QString IniFile::readString(const QString& section, const QString& key,
                            const QString& defaultValue) const {
    const Found found = find(section, key);
    if (found.keyLine < 0) {
        return defaultValue;
    }
    const QString& line = lines_[found.keyLine];
    return unquoted(line.mid(line.indexOf(u'=') + 1).trimmed());
}

int IniFile::readInteger(const QString& section, const QString& key, int defaultValue) const {
    bool ok = false;
    const int value = readString(section, key, QString()).toInt(&ok);
    return ok ? value : defaultValue;
}

void IniFile::writeString(const QString& section, const QString& key, const QString& value) {
    load();
    const Found found = find(section, key);
    if (found.keyLine >= 0) {
        QString& line = lines_[found.keyLine];
        qsizetype valueStart = line.indexOf(u'=') + 1;
        while (valueStart < line.size() && line[valueStart].isSpace()) {
            ++valueStart;
        }
        line = line.left(valueStart) + value;
    } else if (found.sectionLine >= 0) {
        lines_.insert(found.lastEntryLine + 1, key + QLatin1Char('=') + value);
    } else {
        if (!lines_.isEmpty() && !lines_.back().trimmed().isEmpty()) {
            lines_.append(QString());
        }
        lines_.append(QLatin1Char('[') + section + QLatin1Char(']'));
        lines_.append(key + QLatin1Char('=') + value);
    }
    save();
}

void IniFile::writeInteger(const QString& section, const QString& key, int value) {
    writeString(section, key, QString::number(value));
}

void IniFile::save() const {
    QSaveFile file(path_);
    const bool existed = QFileInfo::exists(path_);
    if (!file.open(QIODevice::WriteOnly)) {
        throw StoreError(QStringLiteral("无法写入设置文件 %1：%2").arg(path_, file.errorString()));
    }
    QString text = lines_.join(lineEnd_);
    text += lineEnd_;
    file.write(text.toUtf8());
    if (!file.commit()) {
        throw StoreError(QStringLiteral("无法写入设置文件 %1：%2").arg(path_, file.errorString()));
    }
    if (!existed) {
        // The file holds login details: only its owner may read it.
        QFile::setPermissions(path_, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
}
