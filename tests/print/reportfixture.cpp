#include "reportfixture.h"

#include <QDate>

#include "store/decimal2.h"

using namespace Report;

namespace ReportFixture {

ReportObject text(const QRectF& rect, const QString& text, const QString& format) {
    ReportObject o;
    o.rect = rect;
    o.text = text;
    o.format = format;
    return o;
}

ReportTemplate orderList() {
    ReportTemplate r;
    r.name = QStringLiteral("订单");
    r.bands = {
        ReportBand{BandKind::ReportTitle,
                   12,
                   {},
                   {text({0, 0, 190, 10}, QStringLiteral("订单 [header.ID]"))}},
        ReportBand{
            BandKind::PageHeader, 10, {}, {text({0, 0, 190, 8}, QStringLiteral("[company.GSMC]"))}},
        ReportBand{BandKind::ColumnHeader,
                   8,
                   {},
                   {text({0, 0, 60, 7}, QStringLiteral("商品名称")),
                    text({60, 0, 40, 7}, QStringLiteral("金额"))}},
        ReportBand{BandKind::MasterData,
                   6,
                   QStringLiteral("lines"),
                   {text({0, 0, 60, 6}, QStringLiteral("[lines.SPMC]")),
                    text({60, 0, 40, 6}, QStringLiteral("[lines.JE]"), QStringLiteral("0.00"))}},
        ReportBand{BandKind::PageFooter,
                   8,
                   {},
                   {text({0, 0, 190, 7}, QStringLiteral("第[PAGE#]页 共[TOTALPAGES#]页"))}},
        ReportBand{BandKind::Summary,
                   8,
                   {},
                   {text({0, 0, 190, 7}, QStringLiteral("合计：[SUM(lines.JE)]"))}},
    };
    return r;
}

ReportData orderData(int lineCount) {
    ReportData d;
    d.header.set(QStringLiteral("ID"), QStringLiteral("2026121100100001"));
    d.header.set(QStringLiteral("KHMC"), QStringLiteral("李四"));
    d.header.set(QStringLiteral("RQ"), QDate(2026, 12, 11));
    d.header.set(QStringLiteral("ZJE"), QVariant::fromValue(Decimal2::fromCents(123450)));
    d.company.set(QStringLiteral("GSMC"), QStringLiteral("幸福婚纱摄影"));
    d.lines.fields = {QStringLiteral("SPBM"), QStringLiteral("SPMC"), QStringLiteral("JE")};
    for (int i = 1; i <= lineCount; ++i) {
        d.lines.rows.append({QStringLiteral("SP%1").arg(i, 3, 10, QLatin1Char('0')),
                             QStringLiteral("商品%1").arg(i),
                             QVariant::fromValue(Decimal2::fromCents(i * 110))});
    }
    return d;
}

}  // namespace ReportFixture
