#include "print/placeholders.h"

QString ReplacePlaceholders(const QString& text,
                            const std::function<QString(const QString& inner)>& replace) {
    QString out;
    qsizetype i = 0;
    while (i < text.size()) {
        const qsizetype open = text.indexOf(QLatin1Char('['), i);
        const qsizetype close = open < 0 ? -1 : text.indexOf(QLatin1Char(']'), open + 1);
        if (close < 0) {
            out += text.mid(i);
            break;
        }
        out += text.mid(i, open - i);
        out += replace(text.mid(open + 1, close - open - 1).trimmed());
        i = close + 1;
    }
    return out;
}
