#include "app/ui/backgroundarea.h"

#include <QPainter>

void BackgroundArea::setPicture(const QPixmap& picture) {
    picture_ = picture;
    viewport()->update();
}

void BackgroundArea::paintEvent(QPaintEvent* event) {
    if (picture_.isNull()) {
        QMdiArea::paintEvent(event);
        return;
    }
    QPainter painter(viewport());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(viewport()->rect(), picture_);
}
