#include "print/templatefile.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <utility>

#include "print/printerror.h"

namespace {

using namespace Report;

const QList<std::pair<QPageSize::PageSizeId, QString>>& paperNames() {
    static const QList<std::pair<QPageSize::PageSizeId, QString>> names = {
        {QPageSize::A3, QStringLiteral("A3")},         {QPageSize::A4, QStringLiteral("A4")},
        {QPageSize::A5, QStringLiteral("A5")},         {QPageSize::B5, QStringLiteral("B5")},
        {QPageSize::Letter, QStringLiteral("Letter")}, {QPageSize::Legal, QStringLiteral("Legal")},
    };
    return names;
}

const QList<std::pair<BandKind, QString>>& bandNames() {
    static const QList<std::pair<BandKind, QString>> names = {
        {BandKind::ReportTitle, QStringLiteral("reportTitle")},
        {BandKind::PageHeader, QStringLiteral("pageHeader")},
        {BandKind::ColumnHeader, QStringLiteral("columnHeader")},
        {BandKind::MasterData, QStringLiteral("masterData")},
        {BandKind::PageFooter, QStringLiteral("pageFooter")},
        {BandKind::Summary, QStringLiteral("summary")},
    };
    return names;
}

const QList<std::pair<ObjectKind, QString>>& objectNames() {
    static const QList<std::pair<ObjectKind, QString>> names = {
        {ObjectKind::Text, QStringLiteral("text")},
        {ObjectKind::Line, QStringLiteral("line")},
        {ObjectKind::Rect, QStringLiteral("rect")},
        {ObjectKind::Picture, QStringLiteral("picture")},
        {ObjectKind::Barcode, QStringLiteral("barcode")},
    };
    return names;
}

const QList<std::pair<HAlign, QString>>& alignNames() {
    static const QList<std::pair<HAlign, QString>> names = {
        {HAlign::Left, QStringLiteral("left")},
        {HAlign::Center, QStringLiteral("center")},
        {HAlign::Right, QStringLiteral("right")},
    };
    return names;
}

const QList<std::pair<BarcodeType, QString>>& barcodeNames() {
    static const QList<std::pair<BarcodeType, QString>> names = {
        {BarcodeType::Code128, QStringLiteral("code128")},
        {BarcodeType::QrCode, QStringLiteral("qr")},
    };
    return names;
}

template <typename E>
QString nameOf(const QList<std::pair<E, QString>>& names, E value) {
    for (const auto& [v, n] : names) {
        if (v == value) {
            return n;
        }
    }
    return names.front().second;
}

template <typename E>
E valueOf(const QList<std::pair<E, QString>>& names, const QString& name, const char* what) {
    for (const auto& [v, n] : names) {
        if (n.compare(name, Qt::CaseInsensitive) == 0) {
            return v;
        }
    }
    throw PrintError(
        QStringLiteral("打印格式中有不认识的%1：%2").arg(QString::fromUtf8(what), name));
}

QString frameText(int frame) {
    QString s;
    if (frame & FrameLeft) {
        s += QLatin1Char('l');
    }
    if (frame & FrameTop) {
        s += QLatin1Char('t');
    }
    if (frame & FrameRight) {
        s += QLatin1Char('r');
    }
    if (frame & FrameBottom) {
        s += QLatin1Char('b');
    }
    return s;
}

int frameValue(const QString& text) {
    int frame = NoFrame;
    frame |= text.contains(QLatin1Char('l')) ? FrameLeft : 0;
    frame |= text.contains(QLatin1Char('t')) ? FrameTop : 0;
    frame |= text.contains(QLatin1Char('r')) ? FrameRight : 0;
    frame |= text.contains(QLatin1Char('b')) ? FrameBottom : 0;
    return frame;
}

QJsonObject objectToJson(const ReportObject& o) {
    QJsonObject j{{QStringLiteral("type"), nameOf(objectNames(), o.kind)},
                  {QStringLiteral("x"), o.rect.x()},
                  {QStringLiteral("y"), o.rect.y()},
                  {QStringLiteral("w"), o.rect.width()},
                  {QStringLiteral("h"), o.rect.height()}};
    if (!o.text.isEmpty()) {
        j.insert(QStringLiteral("text"), o.text);
    }
    if (o.kind == ObjectKind::Text || o.kind == ObjectKind::Barcode) {
        if (!o.format.isEmpty()) {
            j.insert(QStringLiteral("format"), o.format);
        }
        j.insert(QStringLiteral("font"), QJsonObject{{QStringLiteral("family"), o.fontFamily},
                                                     {QStringLiteral("size"), o.fontSize},
                                                     {QStringLiteral("bold"), o.bold},
                                                     {QStringLiteral("italic"), o.italic}});
        j.insert(QStringLiteral("align"), nameOf(alignNames(), o.align));
    }
    if (o.frame != NoFrame) {
        j.insert(QStringLiteral("frame"), frameText(o.frame));
    }
    if (o.background) {
        j.insert(QStringLiteral("background"), true);
    }
    if (o.kind == ObjectKind::Barcode) {
        j.insert(QStringLiteral("barcode"), nameOf(barcodeNames(), o.barcode));
    }
    return j;
}

ReportObject objectFromJson(const QJsonObject& j) {
    ReportObject o;
    o.kind = valueOf(objectNames(), j.value(QStringLiteral("type")).toString(), "对象");
    o.rect =
        QRectF(j.value(QStringLiteral("x")).toDouble(), j.value(QStringLiteral("y")).toDouble(),
               j.value(QStringLiteral("w")).toDouble(), j.value(QStringLiteral("h")).toDouble());
    o.text = j.value(QStringLiteral("text")).toString();
    o.format = j.value(QStringLiteral("format")).toString();
    const QJsonObject font = j.value(QStringLiteral("font")).toObject();
    o.fontFamily = font.value(QStringLiteral("family")).toString(o.fontFamily);
    o.fontSize = font.value(QStringLiteral("size")).toDouble(o.fontSize);
    o.bold = font.value(QStringLiteral("bold")).toBool();
    o.italic = font.value(QStringLiteral("italic")).toBool();
    o.align =
        valueOf(alignNames(), j.value(QStringLiteral("align")).toString(QStringLiteral("left")),
                "对齐方式");
    o.frame = frameValue(j.value(QStringLiteral("frame")).toString());
    o.background = j.value(QStringLiteral("background")).toBool();
    o.barcode =
        valueOf(barcodeNames(),
                j.value(QStringLiteral("barcode")).toString(QStringLiteral("code128")), "条码类型");
    return o;
}

}  // namespace

namespace TemplateFile {

QByteArray toJson(const ReportTemplate& report) {
    QJsonArray bands;
    for (const ReportBand& b : report.bands) {
        QJsonArray objects;
        for (const ReportObject& o : b.objects) {
            objects.append(objectToJson(o));
        }
        QJsonObject band{{QStringLiteral("kind"), nameOf(bandNames(), b.kind)},
                         {QStringLiteral("height"), b.height},
                         {QStringLiteral("objects"), objects}};
        if (!b.dataset.isEmpty()) {
            band.insert(QStringLiteral("dataset"), b.dataset);
        }
        bands.append(band);
    }
    const QMarginsF& m = report.page.margins;
    const QJsonObject page{
        {QStringLiteral("paper"), nameOf(paperNames(), report.page.paper)},
        {QStringLiteral("orientation"), report.page.orientation == QPageLayout::Landscape
                                            ? QStringLiteral("landscape")
                                            : QStringLiteral("portrait")},
        {QStringLiteral("margins"), QJsonArray{m.left(), m.top(), m.right(), m.bottom()}}};
    const QJsonObject root{{QStringLiteral("format"), QStringLiteral("zorlik-report")},
                           {QStringLiteral("version"), ReportTemplate::kVersion},
                           {QStringLiteral("name"), report.name},
                           {QStringLiteral("page"), page},
                           {QStringLiteral("bands"), bands}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

ReportTemplate fromJson(const QByteArray& json) {
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject() ||
        doc.object().value(QStringLiteral("format")).toString() != QLatin1String("zorlik-report")) {
        throw PrintError(QStringLiteral("不是本系统的打印格式文件"));
    }
    const QJsonObject root = doc.object();
    const int version = root.value(QStringLiteral("version")).toInt();
    if (version < 1 || version > ReportTemplate::kVersion) {
        throw PrintError(QStringLiteral("打印格式文件的版本 %1 不受支持，请升级程序").arg(version));
    }
    // Version 1 is the current layout; upgrades of older versions go here.
    ReportTemplate report;
    report.name = root.value(QStringLiteral("name")).toString();
    const QJsonObject page = root.value(QStringLiteral("page")).toObject();
    report.page.paper = valueOf(
        paperNames(), page.value(QStringLiteral("paper")).toString(QStringLiteral("A4")), "纸张");
    report.page.orientation =
        page.value(QStringLiteral("orientation")).toString() == QLatin1String("landscape")
            ? QPageLayout::Landscape
            : QPageLayout::Portrait;
    const QJsonArray m = page.value(QStringLiteral("margins")).toArray();
    if (m.size() == 4) {
        report.page.margins =
            QMarginsF(m[0].toDouble(), m[1].toDouble(), m[2].toDouble(), m[3].toDouble());
    }
    for (const QJsonValue& bv : root.value(QStringLiteral("bands")).toArray()) {
        const QJsonObject bj = bv.toObject();
        ReportBand band;
        band.kind = valueOf(bandNames(), bj.value(QStringLiteral("kind")).toString(), "区域");
        band.height = bj.value(QStringLiteral("height")).toDouble(band.height);
        band.dataset = bj.value(QStringLiteral("dataset")).toString();
        for (const QJsonValue& ov : bj.value(QStringLiteral("objects")).toArray()) {
            band.objects.append(objectFromJson(ov.toObject()));
        }
        report.bands.append(band);
    }
    return report;
}

ReportTemplate load(const QString& path) {
    QFile file(path);
    if (!file.exists()) {
        throw PrintError(QStringLiteral("打印格式文件不存在：%1").arg(QFileInfo(path).fileName()));
    }
    if (!file.open(QIODevice::ReadOnly)) {
        throw PrintError(QStringLiteral("打印格式文件无法读取：%1（%2）")
                             .arg(QFileInfo(path).fileName(), file.errorString()));
    }
    try {
        return fromJson(file.readAll());
    } catch (const PrintError& e) {
        throw PrintError(QStringLiteral("%1：%2").arg(e.message(), QFileInfo(path).fileName()));
    }
}

void save(const ReportTemplate& report, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(toJson(report)) < 0 || !file.commit()) {
        throw PrintError(QStringLiteral("打印格式文件无法保存：%1（%2）")
                             .arg(QFileInfo(path).fileName(), file.errorString()));
    }
}

}  // namespace TemplateFile
