#include "app/ui/builtinpicture.h"

#include <QLinearGradient>
#include <QPainter>

QPixmap builtinPicture(const QSize& size, const QString& text) {
    QPixmap pixmap(size);
    QPainter painter(&pixmap);
    QLinearGradient gradient(0, 0, size.width(), size.height());
    gradient.setColorAt(0, QColor(0xb0, 0x1e, 0x3c));
    gradient.setColorAt(1, QColor(0xf3, 0xa6, 0xb4));
    painter.fillRect(pixmap.rect(), gradient);
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setPixelSize(std::max(12, size.height() / 8));
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(pixmap.rect(), Qt::AlignCenter | Qt::TextWordWrap, text);
    return pixmap;
}
