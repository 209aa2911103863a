#include "masterdata/productquery.h"

QString LikeLiteral(const QString& text) {
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('%') || c == QLatin1Char('_')) {
            escaped += QLatin1Char('\\');
        }
        escaped += c;
    }
    return escaped;
}
