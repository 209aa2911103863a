#include "print/expression.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QRegularExpression>

#include <optional>

#include "print/placeholders.h"
#include "store/decimal2.h"

namespace Report {
namespace {

bool isNumberFormat(const QString& format, int* decimals, bool* grouping) {
    static const QRegularExpression pattern(QStringLiteral("^[#,]*0(\\.(0+))?$"));
    const QRegularExpressionMatch m = pattern.match(format);
    if (!m.hasMatch()) {
        return false;
    }
    *decimals = static_cast<int>(m.capturedLength(2));
    *grouping = format.contains(QLatin1Char(','));
    return true;
}

QString groupThousands(const QString& number) {
    const qsizetype dot = number.indexOf(QLatin1Char('.'));
    QString whole = dot < 0 ? number : number.left(dot);
    const QString rest = dot < 0 ? QString() : number.mid(dot);
    const bool negative = whole.startsWith(QLatin1Char('-'));
    if (negative) {
        whole.remove(0, 1);
    }
    for (qsizetype i = whole.size() - 3; i > 0; i -= 3) {
        whole.insert(i, QLatin1Char(','));
    }
    return (negative ? QStringLiteral("-") : QString()) + whole + rest;
}

QString formatNumber(const QVariant& value, int decimals, bool grouping) {
    const Decimal2 d = Decimal2::fromVariant(value);
    QString text;
    if (decimals >= 2) {
        text = d.toString() + QString(decimals - 2, QLatin1Char('0'));
    } else {
        // Round half away from zero to the wanted places.
        const std::int64_t step = decimals == 1 ? 10 : 100;
        const std::int64_t c = d.cents();
        const std::int64_t rounded = (c >= 0 ? c + step / 2 : c - step / 2) / step;
        const std::int64_t magnitude = rounded < 0 ? -rounded : rounded;
        text = (rounded < 0 ? QStringLiteral("-") : QString()) +
               (decimals == 1 ? QStringLiteral("%1.%2").arg(magnitude / 10).arg(magnitude % 10)
                              : QString::number(magnitude));
    }
    return grouping ? groupThousands(text) : text;
}

QVariant asDateTime(const QVariant& value) {
    if (value.metaType().id() == QMetaType::QDate ||
        value.metaType().id() == QMetaType::QDateTime) {
        return value;
    }
    const QString text = value.toString().trimmed();
    if (text.size() == 10) {
        const QDate d = QDate::fromString(text, Qt::ISODate);
        if (d.isValid()) {
            return d;
        }
    }
    const QDateTime dt = QDateTime::fromString(text, Qt::ISODate);
    return dt.isValid() ? QVariant(dt) : QVariant();
}

std::optional<QVariant> fieldValue(const ExpressionContext& ctx, const QString& dataset,
                                   const QString& field) {
    const ReportData& data = *ctx.data;
    if (dataset.compare(QLatin1String("header"), Qt::CaseInsensitive) == 0) {
        return data.header.contains(field) ? std::optional(data.header.value(field)) : std::nullopt;
    }
    if (dataset.compare(QLatin1String("company"), Qt::CaseInsensitive) == 0) {
        return data.company.contains(field) ? std::optional(data.company.value(field))
                                            : std::nullopt;
    }
    if (dataset.compare(QLatin1String("lines"), Qt::CaseInsensitive) == 0) {
        const int c = data.lines.column(field);
        if (c < 0) {
            return std::nullopt;
        }
        const int row = ctx.row < 0 ? 0 : ctx.row;
        return row < data.lines.rows.size() ? data.lines.rows[row].value(c) : QVariant();
    }
    return std::nullopt;
}

std::optional<QString> evaluate(const QString& expr, const QString& format,
                                const ExpressionContext& ctx) {
    if (expr.compare(QLatin1String("PAGE#"), Qt::CaseInsensitive) == 0) {
        return QString::number(ctx.page);
    }
    if (expr.compare(QLatin1String("TOTALPAGES#"), Qt::CaseInsensitive) == 0) {
        return QString(kTotalPagesMark);
    }
    if (expr.compare(QLatin1String("LINE#"), Qt::CaseInsensitive) == 0) {
        return QString::number(ctx.row < 0 ? 1 : ctx.row + 1);
    }
    if (expr.compare(QLatin1String("DATE"), Qt::CaseInsensitive) == 0) {
        return formatValue(QDate::currentDate(),
                           format.isEmpty() ? QStringLiteral("yyyy-MM-dd") : format);
    }
    static const QRegularExpression sum(QStringLiteral("^SUM\\(\\s*lines\\.(\\w+)\\s*\\)$"),
                                        QRegularExpression::CaseInsensitiveOption);
    if (const QRegularExpressionMatch m = sum.match(expr); m.hasMatch()) {
        const int c = ctx.data->lines.column(m.captured(1));
        if (c < 0) {
            return std::nullopt;
        }
        Decimal2 total;
        for (const QVariantList& row : ctx.data->lines.rows) {
            total += Decimal2::fromVariant(row.value(c));
        }
        return formatValue(QVariant::fromValue(total),
                           format.isEmpty() ? QStringLiteral("0.00") : format);
    }
    const qsizetype dot = expr.indexOf(QLatin1Char('.'));
    if (dot > 0) {
        const std::optional<QVariant> v = fieldValue(ctx, expr.left(dot), expr.mid(dot + 1));
        return v ? std::optional(formatValue(*v, format)) : std::nullopt;
    }
    if (ctx.data->variables.contains(expr)) {
        return formatValue(ctx.data->variables.value(expr), format);
    }
    return std::nullopt;
}

}  // namespace

QString formatValue(const QVariant& value, const QString& format) {
    int decimals = 0;
    bool grouping = false;
    if (!format.isEmpty() && isNumberFormat(format, &decimals, &grouping)) {
        return formatNumber(value, decimals, grouping);
    }
    if (value.isNull()) {
        return {};
    }
    if (!format.isEmpty()) {
        const QVariant when = asDateTime(value);
        if (when.metaType().id() == QMetaType::QDate) {
            return when.toDate().toString(format);
        }
        if (when.metaType().id() == QMetaType::QDateTime) {
            return when.toDateTime().toString(format);
        }
    }
    if (value.metaType() == QMetaType::fromType<Decimal2>()) {
        return value.value<Decimal2>().toString();
    }
    if (value.metaType().id() == QMetaType::QDate) {
        return value.toDate().toString(Qt::ISODate);
    }
    if (value.metaType().id() == QMetaType::QDateTime) {
        return value.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    }
    return value.toString();
}

QString expandText(const QString& text, const QString& format, const ExpressionContext& context) {
    return ReplacePlaceholders(text, [&](const QString& expr) {
        const std::optional<QString> value = evaluate(expr, format, context);
        return value ? *value : QStringLiteral("[?%1]").arg(expr);
    });
}

}  // namespace Report
