#include "print/ui/designeritems.h"

#include <QCursor>
#include <QGraphicsSceneMouseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionGraphicsItem>

#include "print/reportrenderer.h"

namespace {

constexpr double kHandle = 6.0;  // pixels of the corner that resizes

}  // namespace

BandItem::BandItem(const Report::ReportBand& band, const QRectF& sceneRect)
    : QGraphicsRectItem(sceneRect), caption_(Report::bandKindName(band.kind)) {
    if (!band.dataset.isEmpty()) {
        caption_ += QStringLiteral("：%1").arg(band.dataset);
    }
    setZValue(-1);
}

void BandItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    painter->fillRect(rect(), Qt::white);
    painter->setPen(QPen(QColor(160, 160, 200), 0, Qt::DashLine));
    painter->drawRect(rect());
    painter->setPen(QColor(90, 90, 150));
    QFont font = painter->font();
    font.setPixelSize(11);
    painter->setFont(font);
    painter->drawText(rect().topLeft() + QPointF(0, -3), caption_);
}

ObjectItem::ObjectItem(const Report::ReportObject& object, TemplateEditor::ObjectRef ref,
                       const QRectF& sceneRect, double perMm, Changed changed)
    : QGraphicsRectItem(QRectF(QPointF(), sceneRect.size())),
      object_(object),
      ref_(ref),
      perMm_(perMm),
      changed_(std::move(changed)) {
    setPos(sceneRect.topLeft());
    setFlags(ItemIsSelectable | ItemIsMovable | ItemIsFocusable);
    setAcceptHoverEvents(true);
}

void ObjectItem::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget*) {
    Report::RenderedReport one;
    Report::PlacedObject placed{
        object_, QRectF(0, 0, rect().width() / perMm_, rect().height() / perMm_), object_.text};
    one.pages.append(Report::RenderedPage{{placed}});
    painter->save();
    painter->setClipRect(rect().adjusted(-1, -1, 1, 1));
    Report::paintPage(*painter, one, 0);
    painter->restore();
    const bool selected = option->state & QStyle::State_Selected;
    painter->setPen(QPen(selected ? QColor(0, 100, 230) : QColor(180, 180, 180), 0,
                         selected ? Qt::SolidLine : Qt::DotLine));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(rect());
    if (selected) {
        const QRectF handle(rect().bottomRight() - QPointF(kHandle, kHandle),
                            QSizeF(kHandle, kHandle));
        painter->fillRect(handle, QColor(0, 100, 230));
    }
}

bool ObjectItem::onHandle(const QPointF& local) const {
    const QPointF corner = rect().bottomRight();
    return std::abs(local.x() - corner.x()) <= kHandle &&
           std::abs(local.y() - corner.y()) <= kHandle;
}

void ObjectItem::hoverMoveEvent(QGraphicsSceneHoverEvent* event) {
    setCursor(isSelected() && onHandle(event->pos()) ? Qt::SizeFDiagCursor : Qt::SizeAllCursor);
    QGraphicsRectItem::hoverMoveEvent(event);
}

void ObjectItem::mousePressEvent(QGraphicsSceneMouseEvent* event) {
    resizing_ = isSelected() && onHandle(event->pos());
    pressPos_ = event->scenePos();
    pressRect_ = QRectF(pos(), rect().size());
    QGraphicsRectItem::mousePressEvent(event);
}

void ObjectItem::mouseMoveEvent(QGraphicsSceneMouseEvent* event) {
    if (!resizing_) {
        QGraphicsRectItem::mouseMoveEvent(event);
        return;
    }
    const QPointF delta = event->scenePos() - pressPos_;
    prepareGeometryChange();
    setRect(QRectF(0, 0, std::max(perMm_, pressRect_.width() + delta.x()),
                   std::max(0.0, pressRect_.height() + delta.y())));
}

void ObjectItem::mouseReleaseEvent(QGraphicsSceneMouseEvent* event) {
    QGraphicsRectItem::mouseReleaseEvent(event);
    const QRectF now(pos(), rect().size());
    if (now != pressRect_ && changed_) {
        changed_(ref_, now);
    }
    resizing_ = false;
}

void ObjectItem::keyPressEvent(QKeyEvent* event) {
    const double step = perMm_ * (event->modifiers() & Qt::ShiftModifier ? 5.0 : 0.5);
    QPointF delta;
    switch (event->key()) {
        case Qt::Key_Left:
            delta = {-step, 0};
            break;
        case Qt::Key_Right:
            delta = {step, 0};
            break;
        case Qt::Key_Up:
            delta = {0, -step};
            break;
        case Qt::Key_Down:
            delta = {0, step};
            break;
        default:
            QGraphicsRectItem::keyPressEvent(event);
            return;
    }
    if (changed_) {
        changed_(ref_, QRectF(pos() + delta, rect().size()));
    }
}
