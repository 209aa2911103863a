#pragma once

#include <QChar>
#include <QHash>
#include <QString>

class Database;

// The pinyin initials of Chinese names, for the JP search columns. GB2312
// level-one characters come from the built-in letter ranges; every other
// character is looked up in BM_JP once and remembered, so regenerating the
// initials of a whole list queries each distinct character at most once.
// Hold one for the run of a connection.
class PinyinDictionary {
public:
    explicit PinyinDictionary(const Database& db) : db_(db) {}

    // The upper-case initial of one character, or a null QChar when none is known.
    QChar initialOf(char32_t character);

private:
    QChar lookUp(char32_t character) const;

    const Database& db_;
    QHash<char32_t, QChar> known_;
};

// One character (a single code point) to its initial, or a null QChar.
QChar PinyinInitialOf(PinyinDictionary& dictionary, const QString& character);

// ASCII kept as it is, each other character replaced by its initial; a
// character without one contributes nothing.
QString PinyinInitials(PinyinDictionary& dictionary, const QString& text);
