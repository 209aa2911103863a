#include "print/ui/objectpropertypanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>

namespace {

QDoubleSpinBox* lengthBox(QWidget* parent, const char* name) {
    auto* box = new QDoubleSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(0, 1000);
    box->setDecimals(1);
    box->setSingleStep(0.5);
    box->setSuffix(QStringLiteral(" mm"));
    return box;
}

constexpr Report::Frame kSides[] = {Report::FrameLeft, Report::FrameTop, Report::FrameRight,
                                    Report::FrameBottom};

}  // namespace

ObjectPropertyPanel::ObjectPropertyPanel(QWidget* parent)
    : QWidget(parent),
      text_(new QLineEdit(this)),
      format_(new QComboBox(this)),
      family_(new QComboBox(this)),
      size_(new QDoubleSpinBox(this)),
      bold_(new QCheckBox(QStringLiteral("粗体"), this)),
      italic_(new QCheckBox(QStringLiteral("斜体"), this)),
      align_(new QComboBox(this)),
      background_(new QCheckBox(QStringLiteral("灰色底纹"), this)),
      barcode_(new QComboBox(this)) {
    text_->setObjectName(QStringLiteral("text"));
    format_->setObjectName(QStringLiteral("format"));
    format_->setEditable(true);
    format_->addItems({QString(), QStringLiteral("0.00"), QStringLiteral("0"),
                       QStringLiteral("#,##0.00"), QStringLiteral("0.##"),
                       QStringLiteral("yyyy-MM-dd"), QStringLiteral("yyyy年MM月dd日")});
    family_->setObjectName(QStringLiteral("fontFamily"));
    family_->setEditable(true);
    family_->addItems(QFontDatabase::families());
    size_->setObjectName(QStringLiteral("fontSize"));
    size_->setRange(4, 72);
    size_->setDecimals(1);
    bold_->setObjectName(QStringLiteral("bold"));
    italic_->setObjectName(QStringLiteral("italic"));
    align_->setObjectName(QStringLiteral("align"));
    align_->addItems({QStringLiteral("左对齐"), QStringLiteral("居中"), QStringLiteral("右对齐")});
    background_->setObjectName(QStringLiteral("background"));
    barcode_->setObjectName(QStringLiteral("barcode"));
    barcode_->addItems({QStringLiteral("Code 128"), QStringLiteral("QR 码")});

    auto* frameRow = new QHBoxLayout;
    const QStringList sideNames = {QStringLiteral("左"), QStringLiteral("上"), QStringLiteral("右"),
                                   QStringLiteral("下")};
    for (const QString& name : sideNames) {
        auto* box = new QCheckBox(name, this);
        box->setObjectName(QStringLiteral("frame") + QString::number(frame_.size()));
        frame_.append(box);
        frameRow->addWidget(box);
    }
    auto* fontRow = new QHBoxLayout;
    fontRow->addWidget(size_);
    fontRow->addWidget(bold_);
    fontRow->addWidget(italic_);
    for (const char* name : {"x", "y", "w", "h"}) {
        geometry_.append(lengthBox(this, name));
    }
    auto* placeRow = new QHBoxLayout;
    auto* sizeRow = new QHBoxLayout;
    placeRow->addWidget(geometry_[0]);
    placeRow->addWidget(geometry_[1]);
    sizeRow->addWidget(geometry_[2]);
    sizeRow->addWidget(geometry_[3]);

    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("文本/表达式："), text_);
    form->addRow(QStringLiteral("格式："), format_);
    form->addRow(QStringLiteral("字体："), family_);
    form->addRow(QStringLiteral("字号："), fontRow);
    form->addRow(QStringLiteral("对齐："), align_);
    form->addRow(QStringLiteral("边框："), frameRow);
    form->addRow(QString(), background_);
    form->addRow(QStringLiteral("条码类型："), barcode_);
    form->addRow(QStringLiteral("位置 左/上："), placeRow);
    form->addRow(QStringLiteral("宽/高："), sizeRow);

    connect(text_, &QLineEdit::editingFinished, this, &ObjectPropertyPanel::commit);
    connect(format_->lineEdit(), &QLineEdit::editingFinished, this, &ObjectPropertyPanel::commit);
    connect(format_, &QComboBox::activated, this, &ObjectPropertyPanel::commit);
    connect(family_, &QComboBox::activated, this, &ObjectPropertyPanel::commit);
    connect(family_->lineEdit(), &QLineEdit::editingFinished, this, &ObjectPropertyPanel::commit);
    connect(size_, &QDoubleSpinBox::editingFinished, this, &ObjectPropertyPanel::commit);
    connect(align_, &QComboBox::activated, this, &ObjectPropertyPanel::commit);
    connect(barcode_, &QComboBox::activated, this, &ObjectPropertyPanel::commit);
    for (QCheckBox* box : QList<QCheckBox*>{bold_, italic_, background_} + frame_) {
        connect(box, &QCheckBox::clicked, this, &ObjectPropertyPanel::commit);
    }
    for (QDoubleSpinBox* box : geometry_) {
        connect(box, &QDoubleSpinBox::editingFinished, this, &ObjectPropertyPanel::commit);
    }
    showObject(nullptr);
}

void ObjectPropertyPanel::showObject(const Report::ReportObject* object) {
    shown_ = object ? std::optional(*object) : std::nullopt;
    setEnabled(object != nullptr);
    const Report::ReportObject o = object ? *object : Report::ReportObject{};
    const QSignalBlocker blocks[] = {QSignalBlocker(text_), QSignalBlocker(format_),
                                     QSignalBlocker(family_), QSignalBlocker(size_)};
    text_->setText(object ? o.text : QString());
    format_->setEditText(o.format);
    family_->setEditText(o.fontFamily);
    size_->setValue(o.fontSize);
    bold_->setChecked(o.bold);
    italic_->setChecked(o.italic);
    align_->setCurrentIndex(static_cast<int>(o.align));
    for (qsizetype i = 0; i < frame_.size(); ++i) {
        frame_[i]->setChecked(o.frame & kSides[i]);
    }
    background_->setChecked(o.background);
    barcode_->setCurrentIndex(static_cast<int>(o.barcode));
    const double values[] = {o.rect.x(), o.rect.y(), o.rect.width(), o.rect.height()};
    for (qsizetype i = 0; i < geometry_.size(); ++i) {
        const QSignalBlocker block(geometry_[i]);
        geometry_[i]->setValue(values[i]);
    }
}

void ObjectPropertyPanel::insertExpression(const QString& expression) {
    if (!shown_) {
        return;
    }
    text_->insert(expression);
    commit();
}

Report::ReportObject ObjectPropertyPanel::collect() const {
    Report::ReportObject o = *shown_;
    o.text = text_->text();
    o.format = format_->currentText().trimmed();
    o.fontFamily = family_->currentText().trimmed();
    o.fontSize = size_->value();
    o.bold = bold_->isChecked();
    o.italic = italic_->isChecked();
    o.align = static_cast<Report::HAlign>(align_->currentIndex());
    o.frame = Report::NoFrame;
    for (qsizetype i = 0; i < frame_.size(); ++i) {
        o.frame |= frame_[i]->isChecked() ? kSides[i] : 0;
    }
    o.background = background_->isChecked();
    o.barcode = static_cast<Report::BarcodeType>(barcode_->currentIndex());
    o.rect = QRectF(geometry_[0]->value(), geometry_[1]->value(), geometry_[2]->value(),
                    geometry_[3]->value());
    return o;
}

void ObjectPropertyPanel::commit() {
    if (!shown_) {
        return;
    }
    const Report::ReportObject changed = collect();
    if (!(changed == *shown_)) {
        shown_ = changed;
        emit edited(changed);
    }
}
