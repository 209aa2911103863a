#include "store/decimal2.h"

#include <cmath>
#include <limits>

namespace {

constexpr std::int64_t kMaxCents = std::numeric_limits<std::int64_t>::max() / 10 - 10;

}  // namespace

std::optional<Decimal2> Decimal2::parse(QStringView text) {
    QStringView s = text.trimmed();
    if (s.isEmpty()) {
        return std::nullopt;
    }
    if (s.contains(u'e') || s.contains(u'E')) {
        bool ok = false;
        const double v = s.toDouble(&ok);
        if (!ok || !std::isfinite(v)) {
            return std::nullopt;
        }
        return fromDouble(v);
    }
    bool negative = false;
    qsizetype i = 0;
    if (s[0] == u'-' || s[0] == u'+') {
        negative = s[0] == u'-';
        ++i;
    }
    std::int64_t cents = 0;
    int fractionDigits = -1;  // -1 while still before the point
    bool anyDigit = false;
    bool roundUp = false;
    for (; i < s.size(); ++i) {
        const QChar c = s[i];
        if (c == u'.') {
            if (fractionDigits >= 0) {
                return std::nullopt;
            }
            fractionDigits = 0;
            continue;
        }
        if (!c.isDigit() || c.unicode() > 127) {
            return std::nullopt;
        }
        anyDigit = true;
        const int digit = c.unicode() - u'0';
        if (fractionDigits < 0) {
            if (cents > kMaxCents / 10) {
                return std::nullopt;
            }
            cents = cents * 10 + digit;
        } else if (fractionDigits < 2) {
            cents = cents * 10 + digit;
            ++fractionDigits;
        } else if (fractionDigits == 2) {
            roundUp = digit >= 5;
            ++fractionDigits;
        }
    }
    if (!anyDigit) {
        return std::nullopt;
    }
    const int scaleDigits = fractionDigits < 0 ? 0 : std::min(fractionDigits, 2);
    for (int k = scaleDigits; k < 2; ++k) {
        cents *= 10;
    }
    if (roundUp) {
        ++cents;
    }
    return fromCents(negative ? -cents : cents);
}

Decimal2 Decimal2::fromDouble(double value) {
    if (!std::isfinite(value)) {
        return {};
    }
    // About fifteen significant digits recover the decimal a double was typed as.
    const int decimals = 14 - int(std::log10(std::fabs(value) + 1));
    return parse(QString::number(value, 'f', std::max(decimals, 2))).value_or(Decimal2{});
}

Decimal2 Decimal2::fromVariant(const QVariant& value) {
    if (value.isNull() || !value.isValid()) {
        return {};
    }
    if (value.metaType() == QMetaType::fromType<Decimal2>()) {
        return value.value<Decimal2>();
    }
    switch (value.metaType().id()) {
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::UInt:
        case QMetaType::ULongLong:
            return fromUnits(value.toLongLong());
        case QMetaType::Double:
        case QMetaType::Float:
            return fromDouble(value.toDouble());
        default:
            return parse(value.toString()).value_or(Decimal2{});
    }
}

QString Decimal2::toString() const {
    const std::int64_t magnitude = cents_ < 0 ? -cents_ : cents_;
    return QStringLiteral("%1%2.%3")
        .arg(cents_ < 0 ? QStringLiteral("-") : QString())
        .arg(magnitude / 100)
        .arg(magnitude % 100, 2, 10, QLatin1Char('0'));
}
