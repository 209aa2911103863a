#include "print/ui/designerwindow.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QScreen>
#include <QSplitter>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include "print/fieldcatalog.h"
#include "print/printerror.h"
#include "print/ui/designeritems.h"
#include "print/ui/objectpropertypanel.h"

namespace {

constexpr double kBandGap = 18;  // pixels between bands, for the band's name
constexpr double kGridMm = 0.5;

double snap(double mm) {
    return std::round(mm / kGridMm) * kGridMm;
}

}  // namespace

DesignerWindow::DesignerWindow(const QString& path, const QString& kind, QWidget* parent)
    : QDialog(parent),
      editor_(path),
      perMm_(logicalDpiX() / 25.4),
      scene_(new QGraphicsScene(this)),
      view_(new QGraphicsView(scene_, this)),
      properties_(new ObjectPropertyPanel(this)),
      fields_(new QListWidget(this)),
      bandBox_(new QComboBox(this)),
      bandHeight_(new QDoubleSpinBox(this)) {
    setWindowTitle(QStringLiteral("报表设计 - %1").arg(QFileInfo(path).fileName()));
    view_->setObjectName(QStringLiteral("page"));
    view_->setBackgroundBrush(QColor(128, 128, 128));
    view_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    view_->setDragMode(QGraphicsView::NoDrag);
    fields_->setObjectName(QStringLiteral("fields"));
    fields_->addItems(FieldCatalog::expressionsForKind(kind));
    fields_->setToolTip(QStringLiteral("双击把字段放到选中的文本中"));
    bandBox_->setObjectName(QStringLiteral("band"));
    bandHeight_->setObjectName(QStringLiteral("bandHeight"));
    bandHeight_->setRange(1, 300);
    bandHeight_->setDecimals(1);
    bandHeight_->setSuffix(QStringLiteral(" mm"));

    auto* bar = new QToolBar(this);
    const auto add = [&](const QString& text, const char* name, const QKeySequence& key,
                         auto slot) {
        QAction* a = bar->addAction(text, this, slot);
        a->setObjectName(QString::fromLatin1(name));
        if (!key.isEmpty()) {
            a->setShortcut(key);
            a->setToolTip(
                QStringLiteral("%1 (%2)").arg(text, key.toString(QKeySequence::NativeText)));
        }
        return a;
    };
    add(QStringLiteral("文本"), "addText", {}, [this] { addObject(Report::ObjectKind::Text); });
    add(QStringLiteral("线条"), "addLine", {}, [this] { addObject(Report::ObjectKind::Line); });
    add(QStringLiteral("矩形"), "addRect", {}, [this] { addObject(Report::ObjectKind::Rect); });
    add(QStringLiteral("图片"), "addPicture", {},
        [this] { addObject(Report::ObjectKind::Picture); });
    add(QStringLiteral("条码"), "addBarcode", {},
        [this] { addObject(Report::ObjectKind::Barcode); });
    add(QStringLiteral("删除"), "delete", QKeySequence::Delete, [this] { deleteSelected(); });
    bar->addSeparator();
    undoAction_ = add(QStringLiteral("撤销"), "undo", QKeySequence::Undo, [this] { undo(); });
    redoAction_ = add(QStringLiteral("重做"), "redo", QKeySequence::Redo, [this] { redo(); });
    bar->addSeparator();
    add(QStringLiteral("保存"), "save", QKeySequence::Save, [this] {
        if (save()) {
            QMessageBox::information(this, QStringLiteral("提示"), QStringLiteral("保存成功！"));
        }
    });
    add(QStringLiteral("关闭"), "close", {}, [this] { reject(); });

    auto* bandRow = new QHBoxLayout;
    bandRow->addWidget(new QLabel(QStringLiteral("区域："), this));
    bandRow->addWidget(bandBox_, 1);
    bandRow->addWidget(new QLabel(QStringLiteral("高度："), this));
    bandRow->addWidget(bandHeight_);
    auto* side = new QWidget(this);
    auto* sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    sideLayout->addLayout(bandRow);
    sideLayout->addWidget(properties_);
    sideLayout->addWidget(new QLabel(QStringLiteral("字段："), this));
    sideLayout->addWidget(fields_, 1);
    auto* splitter = new QSplitter(this);
    splitter->addWidget(view_);
    splitter->addWidget(side);
    splitter->setStretchFactor(0, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(bar);
    layout->addWidget(splitter, 1);

    connect(scene_, &QGraphicsScene::selectionChanged, this, &DesignerWindow::selectionChanged);
    connect(properties_, &ObjectPropertyPanel::edited, this, &DesignerWindow::changeSelected);
    connect(fields_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { useExpression(item->text()); });
    connect(bandBox_, &QComboBox::currentIndexChanged, this, [this](int band) {
        const QSignalBlocker block(bandHeight_);
        if (band >= 0 && band < editor_.report().bands.size()) {
            bandHeight_->setValue(editor_.report().bands[band].height);
        }
    });
    connect(bandHeight_, &QDoubleSpinBox::editingFinished, this, [this] {
        const int band = currentBand();
        if (band >= 0 &&
            !qFuzzyCompare(editor_.report().bands[band].height, bandHeight_->value())) {
            editor_.setBandHeight(band, bandHeight_->value());
            rebuild();
        }
    });

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        resize(available.width() * 9 / 10, available.height() * 9 / 10);
    }
    rebuild();
}

DesignerWindow::~DesignerWindow() {
    // The scene's items go after this window: their selection must not call back.
    scene_->disconnect(this);
}

int DesignerWindow::currentBand() const {
    return bandBox_->currentIndex();
}

void DesignerWindow::rebuild() {
    rebuilding_ = true;
    scene_->clear();
    bandTops_.clear();
    const Report::ReportTemplate& report = editor_.report();
    const QSizeF paper = report.page.layout().fullRect(QPageLayout::Millimeter).size();
    const double left = report.page.margins.left() * perMm_;
    const double width =
        (paper.width() - report.page.margins.left() - report.page.margins.right()) * perMm_;
    double y = kBandGap;
    for (int b = 0; b < report.bands.size(); ++b) {
        const Report::ReportBand& band = report.bands[b];
        bandTops_.append(y);
        scene_->addItem(new BandItem(band, QRectF(left, y, width, band.height * perMm_)));
        for (int o = 0; o < band.objects.size(); ++o) {
            const QRectF mm = band.objects[o].rect;
            const QRectF rect(left + mm.x() * perMm_, y + mm.y() * perMm_, mm.width() * perMm_,
                              std::max(mm.height() * perMm_, 3.0));
            scene_->addItem(new ObjectItem(band.objects[o], {b, o}, rect, perMm_,
                                           [this](TemplateEditor::ObjectRef ref, const QRectF& r) {
                                               // The item that reports is rebuilt with the scene:
                                               // not while it is in its handler.
                                               QTimer::singleShot(0, this, [this, ref, r] {
                                                   placeObject(ref, r);
                                               });
                                           }));
        }
        y += band.height * perMm_ + kBandGap;
    }
    scene_->setSceneRect(0, 0, paper.width() * perMm_, y);
    {
        const QSignalBlocker block(bandBox_);
        const int keep = bandBox_->currentIndex();
        bandBox_->clear();
        for (const Report::ReportBand& band : report.bands) {
            bandBox_->addItem(Report::bandKindName(band.kind));
        }
        bandBox_->setCurrentIndex(std::clamp(keep, 0, static_cast<int>(report.bands.size()) - 1));
    }
    {
        const QSignalBlocker block(bandHeight_);
        if (currentBand() >= 0) {
            bandHeight_->setValue(report.bands[currentBand()].height);
        }
    }
    rebuilding_ = false;
    select(editor_.object(selected_) ? selected_ : TemplateEditor::ObjectRef{});
    updateActions();
}

QRectF DesignerWindow::sceneRectOf(TemplateEditor::ObjectRef ref) const {
    for (QGraphicsItem* item : scene_->items()) {
        if (auto* o = dynamic_cast<ObjectItem*>(item); o && o->ref() == ref) {
            return o->sceneBoundingRect();
        }
    }
    return {};
}

void DesignerWindow::select(TemplateEditor::ObjectRef ref) {
    selected_ = ref;
    for (QGraphicsItem* item : scene_->items()) {
        if (auto* o = dynamic_cast<ObjectItem*>(item)) {
            o->setSelected(o->ref() == ref);
            if (o->ref() == ref) {
                o->setFocus();
            }
        }
    }
    properties_->showObject(editor_.object(ref));
    if (ref.isValid()) {
        const QSignalBlocker block(bandBox_);
        bandBox_->setCurrentIndex(ref.band);
        const QSignalBlocker blockHeight(bandHeight_);
        bandHeight_->setValue(editor_.report().bands[ref.band].height);
    }
}

void DesignerWindow::selectionChanged() {
    if (rebuilding_) {
        return;
    }
    const QList<QGraphicsItem*> items = scene_->selectedItems();
    const auto* o = items.isEmpty() ? nullptr : dynamic_cast<ObjectItem*>(items.front());
    const TemplateEditor::ObjectRef ref = o ? o->ref() : TemplateEditor::ObjectRef{};
    if (!(ref == selected_)) {
        select(ref);
    }
}

void DesignerWindow::placeObject(TemplateEditor::ObjectRef ref, const QRectF& sceneRect) {
    const Report::ReportObject* object = editor_.object(ref);
    if (object == nullptr) {
        return;
    }
    // The band under the object's top edge takes it; above the first band is the first.
    int band = 0;
    for (int b = 0; b < bandTops_.size(); ++b) {
        if (sceneRect.top() >= bandTops_[b] - kBandGap / 2) {
            band = b;
        }
    }
    const double left = editor_.report().page.margins.left() * perMm_;
    const double height = object->rect.height() > 0 || sceneRect.height() > 3.0
                              ? snap(sceneRect.height() / perMm_)
                              : 0.0;
    const QRectF mm(std::max(0.0, snap((sceneRect.left() - left) / perMm_)),
                    std::max(0.0, snap((sceneRect.top() - bandTops_[band]) / perMm_)),
                    snap(sceneRect.width() / perMm_), height);
    selected_ = editor_.moveObject(ref, band, mm);
    rebuild();
}

void DesignerWindow::changeSelected(const Report::ReportObject& changed) {
    if (!editor_.object(selected_)) {
        return;
    }
    editor_.changeObject(selected_, changed);
    rebuild();
}

void DesignerWindow::useExpression(const QString& expression) {
    const Report::ReportObject* object = editor_.object(selected_);
    if (object == nullptr || object->kind == Report::ObjectKind::Line ||
        object->kind == Report::ObjectKind::Rect) {
        addObject(Report::ObjectKind::Text);
        Report::ReportObject o = *editor_.object(selected_);
        o.text = expression;
        changeSelected(o);
        return;
    }
    properties_->insertExpression(expression);
}

void DesignerWindow::addObject(Report::ObjectKind kind) {
    const int band = currentBand();
    if (band < 0) {
        return;
    }
    selected_ = editor_.addObject(band, kind);
    rebuild();
}

void DesignerWindow::deleteSelected() {
    if (!editor_.object(selected_)) {
        return;
    }
    editor_.removeObject(selected_);
    selected_ = {};
    rebuild();
}

void DesignerWindow::undo() {
    if (editor_.canUndo()) {
        editor_.undo();
        rebuild();
    }
}

void DesignerWindow::redo() {
    if (editor_.canRedo()) {
        editor_.redo();
        rebuild();
    }
}

void DesignerWindow::updateActions() {
    undoAction_->setEnabled(editor_.canUndo());
    redoAction_->setEnabled(editor_.canRedo());
}

bool DesignerWindow::save() {
    try {
        editor_.save();
    } catch (const PrintError& e) {
        QMessageBox::warning(this, QStringLiteral("提示"), e.message());
        return false;
    }
    return true;
}

void DesignerWindow::reject() {
    if (editor_.isModified()) {
        const QMessageBox::StandardButton answer = QMessageBox::question(
            this, QStringLiteral("提示"), QStringLiteral("当前还没有保存，是否现在保存？"),
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        if (answer == QMessageBox::Cancel || (answer == QMessageBox::Yes && !save())) {
            return;
        }
    }
    QDialog::reject();
}
