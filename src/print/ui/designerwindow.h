#pragma once

#include <QDialog>

#include "print/templateeditor.h"

class ObjectPropertyPanel;
class QAction;
class QComboBox;
class QDoubleSpinBox;
class QGraphicsScene;
class QGraphicsView;
class QListWidget;

// "报表设计": a template's bands and objects to scale. Objects are added to
// the current band, dragged, resized by their corner, edited in the property
// panel, filled from the field list; every change can be undone; "保存"
// writes the same file.
class DesignerWindow : public QDialog {
    Q_OBJECT

public:
    // Throws PrintError when the file cannot be read.
    DesignerWindow(const QString& path, const QString& kind, QWidget* parent = nullptr);
    ~DesignerWindow() override;

    const TemplateEditor& editor() const { return editor_; }
    QGraphicsView* view() const { return view_; }
    TemplateEditor::ObjectRef selected() const { return selected_; }
    // Scene pixels per millimetre.
    double perMm() const { return perMm_; }
    QRectF sceneRectOf(TemplateEditor::ObjectRef ref) const;

    void addObject(Report::ObjectKind kind);
    void deleteSelected();
    void undo();
    void redo();
    bool save();

    void reject() override;

private:
    void rebuild();
    void select(TemplateEditor::ObjectRef ref);
    void selectionChanged();
    void placeObject(TemplateEditor::ObjectRef ref, const QRectF& sceneRect);
    void changeSelected(const Report::ReportObject& changed);
    void useExpression(const QString& expression);
    int currentBand() const;
    void updateActions();

    TemplateEditor editor_;
    double perMm_;
    QList<double> bandTops_;  // scene y of each band
    TemplateEditor::ObjectRef selected_;
    bool rebuilding_ = false;
    QGraphicsScene* scene_;
    QGraphicsView* view_;
    ObjectPropertyPanel* properties_;
    QListWidget* fields_;
    QComboBox* bandBox_;
    QDoubleSpinBox* bandHeight_;
    QAction* undoAction_ = nullptr;
    QAction* redoAction_ = nullptr;
};
