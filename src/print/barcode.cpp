#include "print/barcode.h"

#include <QPainter>

#include <zint.h>

#include <memory>

namespace Barcode {

Symbol encode(Report::BarcodeType type, const QString& data) {
    Symbol result;
    if (data.isEmpty()) {
        result.error = QStringLiteral("条码内容为空");
        return result;
    }
    std::unique_ptr<zint_symbol, decltype(&ZBarcode_Delete)> symbol(ZBarcode_Create(),
                                                                    &ZBarcode_Delete);
    symbol->symbology = type == Report::BarcodeType::QrCode ? BARCODE_QRCODE : BARCODE_CODE128;
    symbol->input_mode = UNICODE_MODE;
    symbol->show_hrt = 0;
    const QByteArray utf8 = data.toUtf8();
    const int status = ZBarcode_Encode_and_Buffer_Vector(
        symbol.get(), reinterpret_cast<const unsigned char*>(utf8.constData()),
        static_cast<int>(utf8.size()), 0);
    if (status >= ZINT_ERROR || symbol->vector == nullptr) {
        result.error = QString::fromUtf8(symbol->errtxt);
        return result;
    }
    result.size = QSizeF(symbol->vector->width, symbol->vector->height);
    for (const zint_vector_rect* r = symbol->vector->rectangles; r != nullptr; r = r->next) {
        if (r->colour == -1 || r->colour == 7) {
            result.bars.append(QRectF(r->x, r->y, r->width, r->height));
        }
    }
    return result;
}

void paint(QPainter& painter, const QRectF& target, const Symbol& symbol) {
    if (symbol.size.isEmpty()) {
        return;
    }
    double sx = target.width() / symbol.size.width();
    double sy = target.height() / symbol.size.height();
    QPointF origin = target.topLeft();
    if (symbol.size.width() == symbol.size.height()) {
        sx = sy = std::min(sx, sy);
        origin += QPointF((target.width() - symbol.size.width() * sx) / 2,
                          (target.height() - symbol.size.height() * sy) / 2);
    }
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    for (const QRectF& bar : symbol.bars) {
        painter.drawRect(QRectF(origin.x() + bar.x() * sx, origin.y() + bar.y() * sy,
                                bar.width() * sx, bar.height() * sy));
    }
    painter.restore();
}

}  // namespace Barcode
