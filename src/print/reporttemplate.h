#pragma once

#include <QList>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QRectF>
#include <QString>

// A report layout: the page, its bands and the objects on them. Lengths are
// millimetres, font sizes points; object rectangles are relative to their band.
namespace Report {

enum class BandKind { ReportTitle, PageHeader, ColumnHeader, MasterData, PageFooter, Summary };
enum class ObjectKind { Text, Line, Rect, Picture, Barcode };
enum class BarcodeType { Code128, QrCode };
enum class HAlign { Left, Center, Right };

// Sides of an object's frame.
enum Frame {
    NoFrame = 0,
    FrameLeft = 1,
    FrameTop = 2,
    FrameRight = 4,
    FrameBottom = 8,
    FrameAll = 15
};

struct ReportObject {
    ObjectKind kind = ObjectKind::Text;
    QRectF rect;
    // Text with expressions; for a barcode the data; for a picture a file in the home.
    QString text;
    QString format;  // "0.00", "yyyy-MM-dd"
    QString fontFamily = QStringLiteral("Noto Sans CJK SC");
    double fontSize = 10.5;
    bool bold = false;
    bool italic = false;
    HAlign align = HAlign::Left;
    int frame = NoFrame;
    bool background = false;  // a silver fill behind the text
    BarcodeType barcode = BarcodeType::Code128;

    bool operator==(const ReportObject&) const = default;
};

struct ReportBand {
    BandKind kind = BandKind::MasterData;
    double height = 8;
    QString dataset;  // the master data band's rows: "lines"
    QList<ReportObject> objects;
};

struct PageSetup {
    QPageSize::PageSizeId paper = QPageSize::A4;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QMarginsF margins{10, 10, 10, 10};

    QPageLayout layout() const;
};

struct ReportTemplate {
    static constexpr int kVersion = 1;

    QString name;
    PageSetup page;
    QList<ReportBand> bands;

    const ReportBand* band(BandKind kind) const;
};

QString bandKindName(BandKind kind);

}  // namespace Report
