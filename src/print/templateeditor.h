#pragma once

#include <QList>
#include <QString>

#include "print/reporttemplate.h"

// The designer's document: a template with undo and redo. Every change goes
// through here, so the window only shows the template and forwards edits.
class TemplateEditor {
public:
    struct ObjectRef {
        int band = -1;
        int object = -1;
        bool isValid() const { return band >= 0 && object >= 0; }
        bool operator==(const ObjectRef&) const = default;
    };

    // Throws PrintError when the file cannot be read.
    explicit TemplateEditor(QString path);

    const QString& path() const { return path_; }
    const Report::ReportTemplate& report() const { return report_; }
    const Report::ReportObject* object(ObjectRef ref) const;
    bool isModified() const { return modified_; }

    // A new object of the kind near the top left of the band; its reference.
    ObjectRef addObject(int band, Report::ObjectKind kind);
    void removeObject(ObjectRef ref);
    void changeObject(ObjectRef ref, const Report::ReportObject& changed);
    // Moves the object to another band or place; its new reference.
    ObjectRef moveObject(ObjectRef ref, int band, const QRectF& rect);
    void setBandHeight(int band, double height);
    void setPage(const Report::PageSetup& page);

    bool canUndo() const { return !undo_.isEmpty(); }
    bool canRedo() const { return !redo_.isEmpty(); }
    void undo();
    void redo();

    // Writes back to the same file; throws PrintError.
    void save();

private:
    void remember();

    QString path_;
    Report::ReportTemplate report_;
    QList<Report::ReportTemplate> undo_;
    QList<Report::ReportTemplate> redo_;
    bool modified_ = false;
};
