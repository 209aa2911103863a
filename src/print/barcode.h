#pragma once

#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include "print/reporttemplate.h"

class QPainter;

// Barcode symbols drawn as vectors, through libzint.
namespace Barcode {

struct Symbol {
    QList<QRectF> bars;  // in the symbol's own units
    QSizeF size;
    QString error;  // why the data cannot be encoded; empty when it could
};

Symbol encode(Report::BarcodeType type, const QString& data);
// Scales the symbol into the target, keeping square modules for a QR code.
void paint(QPainter& painter, const QRectF& target, const Symbol& symbol);

}  // namespace Barcode
