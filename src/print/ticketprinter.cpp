#include "print/ticketprinter.h"

#include <QFile>
#include <QLocale>
#include <QStringEncoder>

#include <optional>

#include "print/expression.h"
#include "print/placeholders.h"
#include "print/printerror.h"
#include "services/texthelpers.h"
#include "store/decimal2.h"
#include "store/inifile.h"

namespace TicketPrinter {
namespace {

QString shortestDecimal(const QVariant& value) {
    QString text = Decimal2::fromVariant(value).toString();
    while (text.endsWith(QLatin1Char('0'))) {
        text.chop(1);
    }
    if (text.endsWith(QLatin1Char('.'))) {
        text.chop(1);
    }
    return text;
}

QVariant lineValue(const TicketContext& c, const char* field) {
    const Report::ReportTable& lines = c.order->lines;
    const int column = lines.column(QString::fromLatin1(field));
    if (column < 0 || c.line < 0 || c.line >= lines.rows.size()) {
        return {};
    }
    return lines.rows[c.line].value(column);
}

QString money(const QVariant& v) {
    return Report::formatValue(v, QStringLiteral("0.00"));
}

struct Placeholder {
    QString value;
    bool right = false;
};

// The value of a placeholder; none for a name the table does not know.
std::optional<Placeholder> valueOf(const QString& name, const TicketContext& c) {
    const Report::ReportRecord& h = c.order->header;
    if (name == QLatin1String("id")) {
        return Placeholder{h.value(QStringLiteral("ID")).toString(), false};
    }
    if (name == QLatin1String("now")) {
        const QLocale locale = QLocale::system();
        return Placeholder{locale.toString(c.now.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
                               locale.toString(c.now.time(), QLocale::LongFormat),
                           false};
    }
    if (name == QLatin1String("czybm")) {
        return Placeholder{c.operatorCode, false};
    }
    if (name == QLatin1String("khbm")) {
        return Placeholder{h.value(QStringLiteral("KHBM")).toString(), false};
    }
    if (name == QLatin1String("khmc")) {
        return Placeholder{h.value(QStringLiteral("KHMC")).toString(), false};
    }
    if (name == QLatin1String("spbm")) {
        return Placeholder{lineValue(c, "SPBM").toString(), false};
    }
    if (name == QLatin1String("spmc")) {
        return Placeholder{lineValue(c, "SPMC").toString(), false};
    }
    if (name == QLatin1String("sl")) {
        return Placeholder{shortestDecimal(lineValue(c, "SL")), true};
    }
    if (name == QLatin1String("dj")) {
        return Placeholder{money(lineValue(c, "DJ")), true};
    }
    if (name == QLatin1String("je")) {
        return Placeholder{money(lineValue(c, "JE")), true};
    }
    if (name == QLatin1String("bz")) {
        return Placeholder{lineValue(c, "BZ").toString(), false};
    }
    if (name == QLatin1String("zje")) {
        return Placeholder{money(h.value(QStringLiteral("ZJE"))), true};
    }
    if (name == QLatin1String("ss")) {
        return Placeholder{money(h.value(QStringLiteral("SS"))), true};
    }
    if (name == QLatin1String("QK")) {
        return Placeholder{money(h.value(QStringLiteral("QK"))), true};
    }
    if (name == QLatin1String("qx")) {
        return Placeholder{h.value(QStringLiteral("QX")).toString(), false};
    }
    return std::nullopt;
}

void appendSection(QByteArray& out, const IniFile& ini, const char* section, const char* prefix,
                   const TicketContext& context, QStringEncoder& encoder) {
    const QString s = QString::fromLatin1(section);
    const int count = ini.readInteger(s, QStringLiteral("Count"), 0);
    for (int i = 0; i < count; ++i) {
        const QString line =
            ini.readString(s, QString::fromLatin1(prefix) + QString::number(i), {});
        out += encoder.encode(ConverString(line, context));
        out += "\r\n";
    }
}

}  // namespace

QString ConverString(const QString& line, const TicketContext& context) {
    return ReplacePlaceholders(line, [&](const QString& inner) {
        const qsizetype comma = inner.indexOf(QLatin1Char(','));
        const QString name = comma < 0 ? inner : inner.left(comma).trimmed();
        const int width = comma < 0 ? 0 : inner.mid(comma + 1).trimmed().toInt();
        if (const std::optional<Placeholder> p = valueOf(name, context)) {
            return PadText(p->value, width, p->right ? QStringLiteral("R") : QStringLiteral("L"));
        }
        return name;
    });
}

QByteArray ticketBytes(const IniFile& ticketTemplate, const TicketContext& context) {
    // The printers of the studios take GBK in their Chinese character mode.
    QStringEncoder encoder("GBK");
    QByteArray out("\x1c\x26");
    appendSection(out, ticketTemplate, "Title", "T", context, encoder);
    TicketContext each = context;
    const qsizetype lines = context.order->lines.rows.size();
    for (qsizetype r = 0; r < lines; ++r) {
        each.line = static_cast<int>(r);
        appendSection(out, ticketTemplate, "Data", "D", each, encoder);
    }
    each.line = 0;
    appendSection(out, ticketTemplate, "Footer", "F", each, encoder);
    out += "\x1c\x2e";
    return out;
}

void PrintXP(const IniFile& ticketTemplate, const TicketContext& context,
             const QString& devicePath) {
    const QByteArray bytes = ticketBytes(ticketTemplate, context);
    QFile device(devicePath);
    if (!device.open(QIODevice::WriteOnly | QIODevice::Append)) {
        throw PrintError(
            QStringLiteral("无法打开小票打印机 %1：%2").arg(devicePath, device.errorString()));
    }
    if (device.write(bytes) != bytes.size() || !device.flush()) {
        throw PrintError(
            QStringLiteral("小票打印机 %1 写入失败：%2").arg(devicePath, device.errorString()));
    }
}

}  // namespace TicketPrinter
