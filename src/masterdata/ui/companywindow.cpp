#include "masterdata/ui/companywindow.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

#include "app/ui/enterfocus.h"
#include "masterdata/companyrecord.h"
#include "masterdata/ui/supplierpicker.h"
#include "store/apperror.h"

namespace {

const QString kCaption = QStringLiteral("提示");

QToolButton* sideButton(const char* name, QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

}  // namespace

TBM_GSXX::TBM_GSXX(const Database& db, QString programFolder, QWidget* parent)
    : QWidget(parent), db_(db), programFolder_(std::move(programFolder)) {
    setObjectName(QStringLiteral("TBM_GSXX"));
    setWindowTitle(QStringLiteral("公司信息"));
    setAttribute(Qt::WA_DeleteOnClose);

    // In the order of Company::kFields; the names are those of the fields
    // except the read-only names and the picture and folder boxes.
    for (const char* name : {"GSMC", "DH", "DZ", "Edit1", "Edit2", "MR_GHS", "GHSMC", "MR_KH",
                             "KHMC", "QXTS", "QXSJ", "XJF", "TZK"}) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        boxes_ << e;
    }
    GSMC = boxes_[0];
    DH = boxes_[1];
    DZ = boxes_[2];
    Edit1 = boxes_[3];
    Edit2 = boxes_[4];
    MR_GHS = boxes_[5];
    GHSMC = boxes_[6];
    MR_KH = boxes_[7];
    KHMC = boxes_[8];
    QXTS = boxes_[9];
    QXSJ = boxes_[10];
    XJF = boxes_[11];
    TZK = boxes_[12];
    GHSMC->setReadOnly(true);
    KHMC->setReadOnly(true);

    QToolButton* supplierButton = sideButton("supplierButton", this);
    supplierButton->setText(QStringLiteral("..."));
    QToolButton* customerButton = sideButton("customerButton", this);
    customerButton->setText(QStringLiteral("..."));
    QToolButton* pictureButton = sideButton("pictureButton", this);
    pictureButton->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    QToolButton* folderButton = sideButton("folderButton", this);
    folderButton->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));

    auto* grid = new QGridLayout;
    int row = 0;
    const auto line = [&](const QString& label, QList<QWidget*> widgets, const QString& hint) {
        grid->addWidget(new QLabel(label, this), row, 0, Qt::AlignRight);
        auto* box = new QHBoxLayout;
        for (QWidget* w : widgets) {
            box->addWidget(w);
        }
        if (!hint.isEmpty()) {
            box->addWidget(new QLabel(hint, this));
        }
        grid->addLayout(box, row++, 1);
    };
    line(QStringLiteral("公司名称："), {GSMC}, {});
    line(QStringLiteral("电话："), {DH}, {});
    line(QStringLiteral("公司地址："), {DZ}, {});
    line(QStringLiteral("默认供货商："), {MR_GHS, GHSMC, supplierButton}, {});
    line(QStringLiteral("默认客户："), {MR_KH, KHMC, customerButton}, {});
    line(QStringLiteral("取相天数："), {QXTS}, QStringLiteral("（输入几天后取照）"));
    line(QStringLiteral("取相时间："), {QXSJ},
         QStringLiteral("（输入取相时间，或直接输入上午、下午等）"));
    line(QStringLiteral("背景图文件："), {Edit1, pictureButton},
         QStringLiteral("（请从软件安装目录内选择！）"));
    line(QStringLiteral("备份位置："), {Edit2, folderButton}, {});
    line(QStringLiteral("消费："), {XJF}, QStringLiteral("元，积一分"));
    line(QStringLiteral("全场打折："), {TZK}, QStringLiteral("折扣率（%）"));

    auto* BitBtn1 = new QPushButton(QStringLiteral(" 保 存"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    auto* BitBtn2 = new QPushButton(QStringLiteral(" 退 出"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addLayout(buttons);

    connect(MR_KH, &QLineEdit::editingFinished, this, [this] { checkCode(MR_KH, KHMC, true); });
    connect(MR_GHS, &QLineEdit::editingFinished, this, [this] { checkCode(MR_GHS, GHSMC, false); });
    connect(XJF, &QLineEdit::editingFinished, this, &TBM_GSXX::checkPointsAmount);
    connect(supplierButton, &QToolButton::clicked, this, &TBM_GSXX::pickSupplier);
    connect(customerButton, &QToolButton::clicked, this, &TBM_GSXX::customerPickerRequested);
    connect(pictureButton, &QToolButton::clicked, this, &TBM_GSXX::choosePicture);
    connect(folderButton, &QToolButton::clicked, this, &TBM_GSXX::chooseBackupFolder);
    connect(BitBtn1, &QPushButton::clicked, this, &TBM_GSXX::save);
    connect(BitBtn2, &QPushButton::clicked, this, &QWidget::close);
    EnterMovesFocus::install(this);

    try {
        fill(Company::load(db_));
    } catch (const AppError& e) {
        QMessageBox::warning(this, kCaption, e.message());
    }
}

void TBM_GSXX::fill(const CompanyRecord& r) {
    for (qsizetype i = 0; i < boxes_.size(); ++i) {
        boxes_[i]->setText(r.*Company::kFields[i]);
    }
}

CompanyRecord TBM_GSXX::collect() const {
    CompanyRecord r;
    for (qsizetype i = 0; i < boxes_.size(); ++i) {
        r.*Company::kFields[i] = boxes_[i]->text();
    }
    return r;
}

bool TBM_GSXX::save() {
    const CompanyRecord r = collect();
    try {
        Company::save(db_, r);
    } catch (const AppError& e) {
        QMessageBox::warning(this, kCaption, e.message());
        return false;
    }
    Edit2->setText(Company::withTrailingSeparator(r.BF));
    QMessageBox::information(this, kCaption, QStringLiteral("保存成功！    "));
    return true;
}

void TBM_GSXX::setDefaultCustomer(const QString& code, const QString& name) {
    MR_KH->setText(code);
    KHMC->setText(name);
}

void TBM_GSXX::setDefaultSupplier(const QString& code, const QString& name) {
    MR_GHS->setText(code);
    GHSMC->setText(name);
}

void TBM_GSXX::checkCode(QLineEdit* code, QLineEdit* name, bool member) {
    const QString text = code->text();
    if (checking_ || text.isEmpty()) {
        return;
    }
    checking_ = true;
    try {
        const std::optional<QString> found =
            member ? Company::memberName(db_, text) : Company::supplierName(db_, text);
        if (found) {
            name->setText(*found);
        } else {
            QMessageBox::information(this, kCaption, QStringLiteral("您所输入的编码不存在！"));
            code->clear();
            name->clear();
            code->setFocus();
        }
    } catch (const AppError& e) {
        QMessageBox::warning(this, kCaption, e.message());
    }
    checking_ = false;
}

void TBM_GSXX::checkPointsAmount() {
    const Company::PointsAmountCheck check = Company::checkPointsAmount(XJF->text());
    if (checking_ || check == Company::PointsAmountCheck::Ok) {
        return;
    }
    checking_ = true;
    QMessageBox::information(this, kCaption, Company::kPointsAmountMessage);
    XJF->setText(QStringLiteral("1"));
    if (check == Company::PointsAmountCheck::OutOfRange) {
        XJF->setFocus();
    }
    checking_ = false;
}

void TBM_GSXX::choosePicture() {
    const QString file = QFileDialog::getOpenFileName(
        this, QStringLiteral("背景图文件"), programFolder_,
        QStringLiteral("图片 (*.jpg *.jpeg *.png *.bmp);;所有文件 (*)"));
    if (!file.isEmpty()) {
        Edit1->setText(Company::pictureName(programFolder_, file));
    }
}

void TBM_GSXX::chooseBackupFolder() {
    const QString folder =
        QFileDialog::getExistingDirectory(this, QStringLiteral("请指定存放位置"),
                                          Edit2->text().isEmpty() ? programFolder_ : Edit2->text());
    if (!folder.isEmpty()) {
        Edit2->setText(Company::withTrailingSeparator(folder));
    }
}

void TBM_GSXX::pickSupplier() {
    if (!supplierPicker_) {
        supplierPicker_ = new Txzghs(db_, Txzghs::Mode::CompanyInformation, this);
        connect(supplierPicker_, &Txzghs::supplierChosen, this,
                [this](Txzghs::Mode, const QString& code, const QString& name) {
                    setDefaultSupplier(code, name);
                });
    }
    supplierPicker_->exec();
}

void TBM_GSXX::closeEvent(QCloseEvent* event) {
    emit closing();
    event->accept();
}
