#include "services/pinyin.h"

#include <QStringEncoder>

#include <array>

#include "store/database.h"

namespace {

struct LetterRange {
    int from;
    int to;
    char letter;
};

// On the GBK code of a GB2312 level-one character, first byte high. The
// numbers 53641 to 53688 belong to no letter.
constexpr std::array<LetterRange, 23> kRanges{{
    {45217, 45252, 'A'}, {45253, 45760, 'B'}, {45761, 46317, 'C'}, {46318, 46825, 'D'},
    {46826, 47009, 'E'}, {47010, 47296, 'F'}, {47297, 47613, 'G'}, {47614, 48118, 'H'},
    {48119, 49061, 'J'}, {49062, 49323, 'K'}, {49324, 49895, 'L'}, {49896, 50370, 'M'},
    {50371, 50613, 'N'}, {50614, 50621, 'O'}, {50622, 50905, 'P'}, {50906, 51386, 'Q'},
    {51387, 51445, 'R'}, {51446, 52217, 'S'}, {52218, 52697, 'T'}, {52698, 52979, 'W'},
    {52980, 53640, 'X'}, {53689, 54480, 'Y'}, {54481, 55289, 'Z'},
}};

// Only GB2312 codes (both bytes 0xA1 or more) are ordered by pronunciation:
// GBK's additions with a low second byte share lead bytes with level one but
// not its order, so they go to BM_JP.
QChar builtInInitial(const QByteArray& gbk) {
    if (gbk.size() != 2) {
        return {};
    }
    const int high = static_cast<unsigned char>(gbk[0]);
    const int low = static_cast<unsigned char>(gbk[1]);
    if (low < 0xA1 || low > 0xFE) {
        return {};
    }
    const int code = high * 256 + low;
    for (const LetterRange& range : kRanges) {
        if (code >= range.from && code <= range.to) {
            return QLatin1Char(range.letter);
        }
    }
    return {};
}

}  // namespace

QChar PinyinDictionary::initialOf(char32_t character) {
    if (character < 0x80) {
        return character == 0 ? QChar() : QChar(static_cast<char16_t>(character));
    }
    const auto found = known_.constFind(character);
    if (found != known_.constEnd()) {
        return *found;
    }
    const QChar initial = lookUp(character);
    known_.insert(character, initial);
    return initial;
}

QChar PinyinDictionary::lookUp(char32_t character) const {
    const QString text = QString::fromUcs4(&character, 1);
    QStringEncoder toGbk("GBK");
    const QChar builtIn = builtInInitial(toGbk.encode(text));
    if (!builtIn.isNull()) {
        return builtIn;
    }
    const QString jp =
        db_.value(QStringLiteral("select JP from BM_JP where MC = ?"), {text}).toString();
    return jp.isEmpty() ? QChar() : jp.at(0);
}

QChar PinyinInitialOf(PinyinDictionary& dictionary, const QString& character) {
    const QList<uint> codes = character.toUcs4();
    return codes.size() == 1 ? dictionary.initialOf(codes.first()) : QChar();
}

QString PinyinInitials(PinyinDictionary& dictionary, const QString& text) {
    QString result;
    result.reserve(text.size());
    for (const uint code : text.toUcs4()) {
        const QChar initial = dictionary.initialOf(code);
        if (!initial.isNull()) {
            result.append(initial);
        }
    }
    return result;
}
