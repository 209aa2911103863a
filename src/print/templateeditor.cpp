#include "print/templateeditor.h"

#include "print/templatefile.h"

namespace {

constexpr qsizetype kUndoDepth = 200;

}  // namespace

TemplateEditor::TemplateEditor(QString path)
    : path_(std::move(path)), report_(TemplateFile::load(path_)) {}

const Report::ReportObject* TemplateEditor::object(ObjectRef ref) const {
    if (ref.band < 0 || ref.band >= report_.bands.size()) {
        return nullptr;
    }
    const QList<Report::ReportObject>& objects = report_.bands[ref.band].objects;
    return ref.object >= 0 && ref.object < objects.size() ? &objects[ref.object] : nullptr;
}

void TemplateEditor::remember() {
    undo_.append(report_);
    if (undo_.size() > kUndoDepth) {
        undo_.removeFirst();
    }
    redo_.clear();
    modified_ = true;
}

TemplateEditor::ObjectRef TemplateEditor::addObject(int band, Report::ObjectKind kind) {
    if (band < 0 || band >= report_.bands.size()) {
        return {};
    }
    remember();
    Report::ReportObject o;
    o.kind = kind;
    const double h =
        std::min(report_.bands[band].height, kind == Report::ObjectKind::Barcode ? 15.0 : 6.0);
    switch (kind) {
        case Report::ObjectKind::Text:
            o.text = QStringLiteral("文本");
            o.rect = QRectF(2, 0, 40, h);
            break;
        case Report::ObjectKind::Line:
            o.rect = QRectF(2, h / 2, 60, 0);
            break;
        case Report::ObjectKind::Rect:
            o.rect = QRectF(2, 0, 40, h);
            break;
        case Report::ObjectKind::Picture:
            o.text = QStringLiteral("logo.png");
            o.rect = QRectF(2, 0, 20, h);
            break;
        case Report::ObjectKind::Barcode:
            o.text = QStringLiteral("[header.ID]");
            o.rect = QRectF(2, 0, 50, h);
            break;
    }
    report_.bands[band].objects.append(o);
    return {band, static_cast<int>(report_.bands[band].objects.size() - 1)};
}

void TemplateEditor::removeObject(ObjectRef ref) {
    if (object(ref) == nullptr) {
        return;
    }
    remember();
    report_.bands[ref.band].objects.removeAt(ref.object);
}

void TemplateEditor::changeObject(ObjectRef ref, const Report::ReportObject& changed) {
    if (object(ref) == nullptr) {
        return;
    }
    remember();
    report_.bands[ref.band].objects[ref.object] = changed;
}

TemplateEditor::ObjectRef TemplateEditor::moveObject(ObjectRef ref, int band, const QRectF& rect) {
    const Report::ReportObject* current = object(ref);
    if (current == nullptr || band < 0 || band >= report_.bands.size()) {
        return ref;
    }
    Report::ReportObject moved = *current;
    moved.rect = rect;
    if (band == ref.band && moved.rect == current->rect) {
        return ref;
    }
    remember();
    if (band == ref.band) {
        report_.bands[band].objects[ref.object] = moved;
        return ref;
    }
    report_.bands[ref.band].objects.removeAt(ref.object);
    report_.bands[band].objects.append(moved);
    return {band, static_cast<int>(report_.bands[band].objects.size() - 1)};
}

void TemplateEditor::setBandHeight(int band, double height) {
    if (band < 0 || band >= report_.bands.size() || height <= 0 ||
        report_.bands[band].height == height) {
        return;
    }
    remember();
    report_.bands[band].height = height;
}

void TemplateEditor::setPage(const Report::PageSetup& page) {
    remember();
    report_.page = page;
}

void TemplateEditor::undo() {
    if (undo_.isEmpty()) {
        return;
    }
    redo_.append(report_);
    report_ = undo_.takeLast();
    modified_ = true;
}

void TemplateEditor::redo() {
    if (redo_.isEmpty()) {
        return;
    }
    undo_.append(report_);
    report_ = redo_.takeLast();
    modified_ = true;
}

void TemplateEditor::save() {
    TemplateFile::save(report_, path_);
    modified_ = false;
}
