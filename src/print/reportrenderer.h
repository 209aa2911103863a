#pragma once

#include <QList>
#include <QPageLayout>
#include <QRectF>
#include <QString>

#include "print/reportdata.h"
#include "print/reporttemplate.h"

class QPainter;

// Lays a template out on pages with its bound data, then paints any page on
// any device: the preview, a printer, a PDF file.
namespace Report {

struct PlacedObject {
    ReportObject object;
    QRectF rect;   // millimetres from the paper's top left corner
    QString text;  // the expanded text or barcode data
};

struct RenderedPage {
    QList<PlacedObject> objects;
};

struct RenderedReport {
    QPageLayout layout;
    QList<RenderedPage> pages;
    QString pictureDir;  // where picture objects' files are
};

// Page header and column header repeat on every page; the page footer sits at
// the bottom of every page; the summary follows the last line.
RenderedReport layoutReport(const ReportTemplate& report, const ReportData& data,
                            const QString& pictureDir = {});

// The painter's device must cover the whole paper (no margins of its own).
void paintPage(QPainter& painter, const RenderedReport& report, int pageIndex);

}  // namespace Report
