#include "services/texthelpers.h"

QString PadText(const QString& text, int width, const QString& alignment) {
    if (width <= 0) {
        return text;
    }
    const QString blanks(width, QLatin1Char(' '));
    if (alignment != QLatin1String("L")) {
        return (blanks + text).right(width);
    }
    return (text + blanks).left(width);
}

bool IsDecimalText(const QString& text) {
    if (text.isEmpty() || !IsDigitsOrPoints(text) || text.count(QLatin1Char('.')) > 1) {
        return false;
    }
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    const QString whole = point < 0 ? QString() : text.left(point);
    return whole.count(QLatin1Char('0')) <= 1;
}

bool IsDigitsOrPoints(const QString& text) {
    if (text.isEmpty()) {
        return false;
    }
    for (const QChar c : text) {
        if (c != QLatin1Char('.') && (c < QLatin1Char('0') || c > QLatin1Char('9'))) {
            return false;
        }
    }
    return true;
}
