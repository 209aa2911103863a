#pragma once

#include <QGraphicsRectItem>
#include <functional>

#include "print/reporttemplate.h"
#include "print/templateeditor.h"

// The designer's picture of a band: its area and name, to scale.
class BandItem : public QGraphicsRectItem {
public:
    BandItem(const Report::ReportBand& band, const QRectF& sceneRect);
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    QString caption_;
};

// One template object, drawn by the report renderer. It can be dragged, or
// resized by its bottom right corner, or nudged by the arrow keys; the window hears of the new
// place when the mouse is let go.
class ObjectItem : public QGraphicsRectItem {
public:
    using Changed = std::function<void(TemplateEditor::ObjectRef, const QRectF& sceneRect)>;

    ObjectItem(const Report::ReportObject& object, TemplateEditor::ObjectRef ref,
               const QRectF& sceneRect, double perMm, Changed changed);

    TemplateEditor::ObjectRef ref() const { return ref_; }
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event) override;
    void hoverMoveEvent(QGraphicsSceneHoverEvent* event) override;
    // The arrow keys nudge by half a millimetre, with Shift by five.
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool onHandle(const QPointF& local) const;

    Report::ReportObject object_;
    TemplateEditor::ObjectRef ref_;
    double perMm_;
    Changed changed_;
    bool resizing_ = false;
    QPointF pressPos_;
    QRectF pressRect_;
};
