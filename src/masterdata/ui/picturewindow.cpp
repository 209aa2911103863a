#include "masterdata/ui/picturewindow.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "masterdata/productpicture.h"
#include "store/storeerror.h"

TBM_TP::TBM_TP(const Database& db, const QString& productCode, QWidget* parent)
    : QDialog(parent), db_(db), code_(productCode) {
    setObjectName(QStringLiteral("TBM_TP"));
    setWindowTitle(QStringLiteral("商品图片预览窗口"));

    auto* bar = new QHBoxLayout;
    bar->addWidget(new QLabel(
        QStringLiteral("注：为保证图片和软件的整体性，请把图片复制到软件安装目录的“图片”里"),
        this));
    bar->addStretch();
    auto* choose = new QPushButton(QStringLiteral("选择图片"), this);
    auto* clear = new QPushButton(QStringLiteral("清空图片"), this);
    auto* quit = new QPushButton(QStringLiteral("退 出"), this);
    for (QPushButton* b : {choose, clear, quit}) {
        b->setAutoDefault(false);
        bar->addWidget(b);
    }
    connect(choose, &QPushButton::clicked, this, &TBM_TP::askForPicture);
    connect(clear, &QPushButton::clicked, this, &TBM_TP::clearPicture);
    connect(quit, &QPushButton::clicked, this, &QDialog::close);

    area_ = new QLabel(this);
    area_->setAlignment(Qt::AlignCenter);
    area_->setMinimumSize(320, 240);
    area_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(area_, 1);

    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    resize(qMin(800, screen.width()), qMin(600, screen.height()));
    move(screen.center() - rect().center());
    loadProduct();
}

void TBM_TP::setProductCode(const QString& productCode) {
    code_ = productCode;
    loadProduct();
}

void TBM_TP::loadProduct() {
    path_.clear();
    picture_ = QPixmap();
    try {
        path_ = ProductPicturePath(db_, code_);
    } catch (const StoreError& e) {
        QMessageBox::warning(this, QStringLiteral("提示"), e.message());
    }
    if (!path_.isEmpty() && QFileInfo::exists(path_)) {
        picture_.load(path_);
    }
    showPicture();
}

void TBM_TP::askForPicture() {
    const QString folder = path_.isEmpty() ? QString() : QFileInfo(path_).absolutePath();
    const QString file = QFileDialog::getOpenFileName(
        this, QStringLiteral("图片文件"), folder,
        QStringLiteral("图片文件 (*.jpg *.jpeg *.png *.bmp *.gif);;所有文件 (*)"));
    if (!file.isEmpty()) {
        choosePicture(file);
    }
}

void TBM_TP::choosePicture(const QString& file) {
    path_ = QFileInfo(file).absoluteFilePath();
    picture_.load(path_);
    showPicture();
}

void TBM_TP::clearPicture() {
    picture_ = QPixmap();  // the stored path stays
    showPicture();
}

bool TBM_TP::pictureShown() const {
    return !area_->pixmap().isNull();
}

void TBM_TP::showPicture() {
    if (picture_.isNull()) {
        area_->clear();
        return;
    }
    area_->setPixmap(picture_.scaled(area_->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void TBM_TP::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    showPicture();
}

void TBM_TP::done(int result) {
    if (!code_.isEmpty()) {
        try {
            if (!StoreProductPicturePath(db_, code_, path_)) {
                throw StoreError(QStringLiteral("商品 %1 还没有保存").arg(code_));
            }
            emit pictureStored();
        } catch (const StoreError& e) {
            QMessageBox::warning(this, QStringLiteral("提示"),
                                 QStringLiteral("保存失败，请先保存然后重试！") + e.message());
        }
    }
    code_.clear();
    path_.clear();
    QDialog::done(result);
}
