#include "services/sheetcell.h"

#include <QDate>
#include <QDateTime>
#include <QTime>

#include <cmath>
#include <optional>

#include "store/decimal2.h"

namespace {

const QDate kDayZero(1899, 12, 30);

double dayNumber(const QDate& date) {
    return static_cast<double>(kDayZero.daysTo(date));
}

double dayFraction(const QTime& time) {
    return time.msecsSinceStartOfDay() / 86400000.0;
}

SheetCell number(double value) {
    return {SheetCell::Kind::Number, value, {}};
}

bool isWide(char32_t c) {
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) ||
           (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
           (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

std::optional<SheetCell> asDate(const QVariant& value) {
    switch (value.metaType().id()) {
        case QMetaType::QDate:
            return number(dayNumber(value.toDate()));
        case QMetaType::QDateTime: {
            const QDateTime dt = value.toDateTime();
            return number(dayNumber(dt.date()) + dayFraction(dt.time()));
        }
        case QMetaType::QString: {
            // SQLite keeps dates as ISO text.
            const QString text = value.toString();
            const QDate date = QDate::fromString(text.left(10), Qt::ISODate);
            if (!date.isValid()) {
                return std::nullopt;
            }
            const QTime time =
                text.size() > 10 ? QTime::fromString(text.mid(11, 8), Qt::ISODate) : QTime(0, 0);
            return number(dayNumber(date) + (time.isValid() ? dayFraction(time) : 0));
        }
        default:
            return std::nullopt;
    }
}

std::optional<SheetCell> asTime(const QVariant& value) {
    const QTime time = value.metaType().id() == QMetaType::QTime
                           ? value.toTime()
                           : QTime::fromString(value.toString(), Qt::ISODate);
    if (!time.isValid()) {
        return std::nullopt;
    }
    return number(dayFraction(time));
}

std::optional<SheetCell> asNumber(const QVariant& value) {
    if (value.metaType() == QMetaType::fromType<Decimal2>()) {
        return number(value.value<Decimal2>().toDouble());
    }
    if (value.metaType().id() == QMetaType::Bool) {
        return std::nullopt;
    }
    bool ok = false;
    const double result = value.toDouble(&ok);
    if (!ok || !std::isfinite(result)) {
        return std::nullopt;
    }
    return number(result);
}

}  // namespace

QString FormatCode(CellFormat format) {
    switch (format) {
        case CellFormat::Date:
            return QStringLiteral("yyyy.mm.dd");
        case CellFormat::Time:
            return QStringLiteral("hh:mm:ss");
        case CellFormat::Decimal:
            return QStringLiteral("0.00");
        case CellFormat::Integer:
            return QStringLiteral("0_ ");
        case CellFormat::Text:
            return QStringLiteral("@");
        case CellFormat::None:
            break;
    }
    return {};
}

CellFormat FormatOfValue(const QVariant& value) {
    if (value.metaType() == QMetaType::fromType<Decimal2>()) {
        return CellFormat::Decimal;
    }
    switch (value.metaType().id()) {
        case QMetaType::QDate:
        case QMetaType::QDateTime:
            return CellFormat::Date;
        case QMetaType::QTime:
            return CellFormat::Time;
        case QMetaType::Double:
        case QMetaType::Float:
            return CellFormat::Decimal;
        case QMetaType::Short:
        case QMetaType::UShort:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::Long:
        case QMetaType::ULong:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
            return CellFormat::Integer;
        case QMetaType::QString:
        case QMetaType::QChar:
        case QMetaType::QByteArray:
            return CellFormat::Text;
        default:
            return CellFormat::None;
    }
}

SheetCell SheetCell::of(const QVariant& value, CellFormat format) {
    if (value.isNull() || !value.isValid()) {
        return {};
    }
    std::optional<SheetCell> converted;
    switch (format) {
        case CellFormat::Date:
            converted = asDate(value);
            break;
        case CellFormat::Time:
            converted = asTime(value);
            break;
        case CellFormat::Decimal:
        case CellFormat::Integer:
            converted = asNumber(value);
            break;
        case CellFormat::None:
            if (FormatOfValue(value) == CellFormat::Decimal ||
                FormatOfValue(value) == CellFormat::Integer) {
                converted = asNumber(value);
            }
            break;
        case CellFormat::Text:
            break;
    }
    if (converted) {
        return *converted;
    }
    if (value.metaType().id() == QMetaType::Bool) {
        return ofText(value.toBool() ? QStringLiteral("T") : QStringLiteral("F"));
    }
    return ofText(value.toString());
}

SheetCell SheetCell::ofText(const QString& text) {
    return {Kind::Text, 0, text};
}

int SheetCell::displayWidth(CellFormat format) const {
    switch (kind) {
        case Kind::Blank:
            return 0;
        case Kind::Text:
            return DisplayWidth(text);
        case Kind::Number:
            break;
    }
    switch (format) {
        case CellFormat::Date:
            return 10;
        case CellFormat::Time:
            return 8;
        case CellFormat::Decimal:
            return static_cast<int>(QString::number(number, 'f', 2).size());
        case CellFormat::Integer:
            return static_cast<int>(QString::number(std::round(number), 'f', 0).size()) + 1;
        default:
            return static_cast<int>(QString::number(number, 'g', 15).size());
    }
}

int DisplayWidth(const QString& text) {
    int width = 0;
    for (const QChar* p = text.constBegin(); p != text.constEnd(); ++p) {
        char32_t c = p->unicode();
        if (p->isHighSurrogate() && p + 1 != text.constEnd() && (p + 1)->isLowSurrogate()) {
            c = QChar::surrogateToUcs4(*p, *(p + 1));
            ++p;
        }
        width += isWide(c) ? 2 : 1;
    }
    return width;
}
