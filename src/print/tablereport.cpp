#include "print/tablereport.h"

#include <algorithm>

#include "store/decimal2.h"

namespace TableReport {
namespace {

using namespace Report;

// Pixel sizes of the table's fonts at 96 dots per inch, in points.
constexpr double pointsOf(double pixels) {
    return pixels * 0.75;
}

const QString kHeiti = QStringLiteral("Noto Sans CJK SC");
const QString kSongti = QStringLiteral("Noto Sans CJK SC");
const QString kArial = QStringLiteral("DejaVu Sans");

ReportObject textObject(const QRectF& rect, const QString& text, const QString& family,
                        double pixels) {
    ReportObject o;
    o.kind = ObjectKind::Text;
    o.rect = rect;
    o.text = text;
    o.fontFamily = family;
    o.fontSize = pointsOf(pixels);
    return o;
}

// Width of a text in millimetres for a font of the given points.
double textWidth(const QString& text, double points) {
    double ems = 0;
    for (QChar c : text) {
        ems += c.unicode() >= 0x2E80 ? 1.0 : 0.6;
    }
    return ems * points * 25.4 / 72.0;
}

bool isNumberColumn(const ReportTable& table, int column) {
    bool any = false;
    for (const QVariantList& row : table.rows) {
        const QString text = row.value(column).toString().trimmed();
        if (text.isEmpty()) {
            continue;
        }
        if (!Decimal2::parse(text)) {
            return false;
        }
        any = true;
    }
    return any;
}

}  // namespace

QString footerText(const QString& pageFooter) {
    return pageFooter.isEmpty() ? QStringLiteral("第[PAGE#]页")
                                : pageFooter + QStringLiteral("    第[PAGE#]页");
}

HAlign alignment(int code) {
    return code == 0 ? HAlign::Left : code == 1 ? HAlign::Center : HAlign::Right;
}

QPageSize::PageSizeId paper(int code) {
    switch (code) {
        case 1:
            return QPageSize::Letter;
        case 5:
            return QPageSize::Legal;
        case 8:
            return QPageSize::A3;
        case 11:
            return QPageSize::A5;
        case 13:
            return QPageSize::B5;
        default:
            return QPageSize::A4;
    }
}

BoundTable build(const Options& options, const ReportTable& table) {
    BoundTable out;
    out.data.lines = table;
    // The texts travel as variables, so brackets in them stay text.
    out.data.variables.set(QStringLiteral("title"), options.title);
    out.data.variables.set(QStringLiteral("pageheader"), options.pageHeader);
    out.data.variables.set(QStringLiteral("pagefooter"), options.pageFooter);
    const double bodyPoints = pointsOf(14);
    const double pad = 2;
    QList<double> widths;
    for (qsizetype c = 0; c < table.fields.size(); ++c) {
        const QString caption = table.captions.value(c, table.fields[c]);
        double w = textWidth(caption, bodyPoints);
        for (const QVariantList& row : table.rows) {
            w = std::max(w, textWidth(row.value(c).toString(), bodyPoints));
        }
        widths.append(std::min(w + pad, 80.0));
    }
    double natural = 0;
    for (double w : widths) {
        natural += w;
    }

    ReportTemplate& report = out.report;
    report.name = options.title;
    report.page.paper = paper(options.paperSize);
    // Printers cannot reach the paper's edge; a small margin keeps the frames whole.
    report.page.margins = QMarginsF(8, 8, 8, 8);
    const QSizeF portrait = QPageSize(report.page.paper).size(QPageSize::Millimeter);
    const double portraitWidth = portrait.width() - 16;
    const bool landscape = options.landscape != 0 || natural > portraitWidth * 1.2;
    report.page.orientation = landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
    const double width = (landscape ? portrait.height() : portrait.width()) - 16;
    if (natural > width) {
        for (double& w : widths) {
            w *= width / natural;
        }
        natural = width;
    }

    ReportBand title{BandKind::ReportTitle, 14, {}, {}};
    ReportObject t = textObject(QRectF(0, 0, width, 12), QStringLiteral("[title]"), kHeiti, 20);
    t.bold = true;
    t.align = alignment(options.titleAlignment);
    title.objects.append(t);
    report.bands.append(title);

    if (!options.pageHeader.isEmpty()) {
        ReportBand header{BandKind::PageHeader, 8, {}, {}};
        ReportObject h =
            textObject(QRectF(0, 0, width, 7), QStringLiteral("[pageheader]"), kSongti, 14);
        h.align = alignment(options.pageHeaderAlignment);
        header.objects.append(h);
        report.bands.append(header);
    }

    ReportBand columns{BandKind::ColumnHeader, 7, {}, {}};
    ReportBand body{BandKind::MasterData, 6, QStringLiteral("lines"), {}};
    double x = 0;
    for (qsizetype c = 0; c < table.fields.size(); ++c) {
        const QString caption = QStringLiteral("caption%1").arg(c);
        out.data.variables.set(caption, table.captions.value(c, table.fields[c]));
        ReportObject h = textObject(QRectF(x, 0, widths[c], 7), QStringLiteral("[%1]").arg(caption),
                                    kSongti, 14);
        h.frame = FrameAll;
        h.align = HAlign::Center;
        columns.objects.append(h);
        ReportObject b = textObject(QRectF(x, 0, widths[c], 6),
                                    QStringLiteral("[lines.%1]").arg(table.fields[c]), kSongti, 14);
        b.frame = FrameAll;
        b.align = isNumberColumn(table, static_cast<int>(c)) ? HAlign::Right : HAlign::Left;
        body.objects.append(b);
        x += widths[c];
    }
    report.bands.append(columns);
    report.bands.append(body);

    ReportBand footer{BandKind::PageFooter, 8, {}, {}};
    ReportObject f = textObject(
        QRectF(0, 1, width, 6),
        footerText(options.pageFooter.isEmpty() ? QString() : QStringLiteral("[pagefooter]")),
        kArial, 13);
    f.align = HAlign::Center;
    footer.objects.append(f);
    report.bands.append(footer);
    return out;
}

}  // namespace TableReport
