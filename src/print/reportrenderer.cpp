#include "print/reportrenderer.h"

#include <QDir>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>

#include "print/barcode.h"
#include "print/expression.h"

namespace Report {
namespace {

class Layouter {
public:
    Layouter(const ReportTemplate& report, const ReportData& data, RenderedReport& out)
        : report_(report), data_(data), out_(out) {
        const QRectF paper = report.page.layout().fullRect(QPageLayout::Millimeter);
        const QMarginsF& m = report.page.margins;
        left_ = m.left();
        top_ = m.top();
        bottom_ = paper.height() - m.bottom();
        const ReportBand* footer = report.band(BandKind::PageFooter);
        contentBottom_ = bottom_ - (footer ? footer->height : 0);
    }

    void run() {
        startPage(true);
        const ReportBand* master = report_.band(BandKind::MasterData);
        if (master != nullptr) {
            const qsizetype rows = data_.lines.rows.size();
            for (qsizetype r = 0; r < rows; ++r) {
                if (y_ + master->height > contentBottom_ && y_ > pageContentTop_) {
                    finishPage();
                    startPage(false);
                }
                placeBand(*master, static_cast<int>(r));
            }
        }
        if (const ReportBand* summary = report_.band(BandKind::Summary)) {
            if (y_ + summary->height > contentBottom_ && y_ > pageContentTop_) {
                finishPage();
                startPage(false);
            }
            placeBand(*summary, -1);
        }
        finishPage();
        const QString total = QString::number(out_.pages.size());
        for (RenderedPage& page : out_.pages) {
            for (PlacedObject& o : page.objects) {
                if (o.text.contains(kTotalPagesMark)) {
                    o.text.replace(kTotalPagesMark, total);
                }
            }
        }
    }

private:
    void startPage(bool first) {
        out_.pages.append(RenderedPage{});
        y_ = top_;
        if (first) {
            place(BandKind::ReportTitle, -1);
        }
        place(BandKind::PageHeader, -1);
        place(BandKind::ColumnHeader, -1);
        pageContentTop_ = y_;
    }

    void finishPage() {
        if (const ReportBand* footer = report_.band(BandKind::PageFooter)) {
            y_ = contentBottom_;
            placeBand(*footer, -1);
        }
    }

    void place(BandKind kind, int row) {
        if (const ReportBand* band = report_.band(kind)) {
            placeBand(*band, row);
        }
    }

    void placeBand(const ReportBand& band, int row) {
        const ExpressionContext context{&data_, row, static_cast<int>(out_.pages.size())};
        RenderedPage& page = out_.pages.last();
        for (const ReportObject& o : band.objects) {
            PlacedObject placed{o, o.rect.translated(left_, y_), {}};
            if (o.kind == ObjectKind::Text || o.kind == ObjectKind::Barcode) {
                placed.text = expandText(o.text, o.format, context);
            } else if (o.kind == ObjectKind::Picture) {
                placed.text = o.text;
            }
            page.objects.append(std::move(placed));
        }
        y_ += band.height;
    }

    const ReportTemplate& report_;
    const ReportData& data_;
    RenderedReport& out_;
    double left_ = 0;
    double top_ = 0;
    double bottom_ = 0;
    double contentBottom_ = 0;
    double pageContentTop_ = 0;
    double y_ = 0;
};

int alignmentFlags(HAlign align) {
    switch (align) {
        case HAlign::Center:
            return Qt::AlignHCenter;
        case HAlign::Right:
            return Qt::AlignRight;
        case HAlign::Left:
            break;
    }
    return Qt::AlignLeft;
}

void paintFrame(QPainter& painter, const QRectF& r, int frame) {
    if (frame & FrameLeft) {
        painter.drawLine(r.topLeft(), r.bottomLeft());
    }
    if (frame & FrameTop) {
        painter.drawLine(r.topLeft(), r.topRight());
    }
    if (frame & FrameRight) {
        painter.drawLine(r.topRight(), r.bottomRight());
    }
    if (frame & FrameBottom) {
        painter.drawLine(r.bottomLeft(), r.bottomRight());
    }
}

QFont objectFont(const ReportObject& o) {
    QFont font(o.fontFamily);
    font.setPointSizeF(o.fontSize);
    font.setBold(o.bold);
    font.setItalic(o.italic);
    return font;
}

void paintBarcode(QPainter& painter, const PlacedObject& placed, const QRectF& r) {
    const Barcode::Symbol symbol = Barcode::encode(placed.object.barcode, placed.text);
    if (!symbol.error.isEmpty()) {
        painter.setFont(objectFont(placed.object));
        painter.drawText(r, Qt::AlignCenter | Qt::TextWordWrap,
                         QStringLiteral("[?条码：%1]").arg(symbol.error));
        return;
    }
    if (placed.object.barcode == BarcodeType::QrCode) {
        Barcode::paint(painter, r, symbol);
        return;
    }
    // Code 128 carries its text under the bars.
    QFont font = objectFont(placed.object);
    painter.setFont(font);
    const double textHeight = std::min(r.height() / 3, painter.fontMetrics().height() * 1.0);
    Barcode::paint(painter, r.adjusted(0, 0, 0, -textHeight), symbol);
    painter.drawText(QRectF(r.left(), r.bottom() - textHeight, r.width(), textHeight),
                     Qt::AlignCenter, placed.text);
}

}  // namespace

RenderedReport layoutReport(const ReportTemplate& report, const ReportData& data,
                            const QString& pictureDir) {
    RenderedReport out;
    out.layout = report.page.layout();
    out.pictureDir = pictureDir;
    Layouter(report, data, out).run();
    return out;
}

void paintPage(QPainter& painter, const RenderedReport& report, int pageIndex) {
    if (pageIndex < 0 || pageIndex >= report.pages.size()) {
        return;
    }
    const double perMm = painter.device()->logicalDpiX() / 25.4;
    const double perMmY = painter.device()->logicalDpiY() / 25.4;
    const auto toDevice = [&](const QRectF& mm) {
        return QRectF(mm.x() * perMm, mm.y() * perMmY, mm.width() * perMm, mm.height() * perMmY);
    };
    painter.save();
    QPen pen(Qt::black);
    pen.setWidthF(0.2 * perMm);
    painter.setPen(pen);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const PlacedObject& placed : report.pages[pageIndex].objects) {
        const ReportObject& o = placed.object;
        const QRectF r = toDevice(placed.rect);
        switch (o.kind) {
            case ObjectKind::Text: {
                if (o.background) {
                    painter.fillRect(r, QColor(192, 192, 192));
                }
                painter.setFont(objectFont(o));
                const double pad = 0.5 * perMm;
                painter.drawText(r.adjusted(pad, 0, -pad, 0),
                                 alignmentFlags(o.align) | Qt::AlignVCenter | Qt::TextWordWrap,
                                 placed.text);
                break;
            }
            case ObjectKind::Line:
                painter.drawLine(r.topLeft(),
                                 r.height() > r.width() ? r.bottomLeft() : r.topRight());
                break;
            case ObjectKind::Rect:
                painter.drawRect(r);
                break;
            case ObjectKind::Picture: {
                const QImage image(QDir(report.pictureDir).filePath(placed.text));
                if (image.isNull()) {
                    painter.drawRect(r);
                    painter.drawText(r, Qt::AlignCenter,
                                     QStringLiteral("[?图片：%1]").arg(placed.text));
                } else {
                    const QSizeF fitted =
                        QSizeF(image.size()).scaled(r.size(), Qt::KeepAspectRatio);
                    painter.drawImage(QRectF(r.topLeft(), fitted), image);
                }
                break;
            }
            case ObjectKind::Barcode:
                paintBarcode(painter, placed, r);
                break;
        }
        if (o.frame != NoFrame) {
            paintFrame(painter, r, o.frame);
        }
    }
    painter.restore();
}

}  // namespace Report
