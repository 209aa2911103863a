#include "app/ui/loginwindow.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QStandardPaths>

#include "app/branding.h"
#include "app/desktopshortcut.h"
#include "app/login.h"
#include "app/ui/builtinpicture.h"
#include "app/ui/enterfocus.h"
#include "store/datamodule.h"
#include "store/passwordhash.h"
#include "store/storeerror.h"

namespace {

const QString kCaption = QStringLiteral("提示");
constexpr QSize kPictureSize(150, 201);

void inform(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, kCaption, text);
}

}  // namespace

Tdl::Tdl(TDM_CS& dataModule, bool createDefaultDatabase, QWidget* parent)
    : QDialog(parent), homeFolder_(dataModule.home().root()), ini_(dataModule.home().iniPath()) {
    setObjectName(QStringLiteral("Tdl"));
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFixedSize(kPictureSize);
    Image1->setScaledContents(true);
    QPixmap picture(dataModule.home().filePath(QStringLiteral("log.jpg")));
    Image1->setPixmap(picture.isNull() ? builtinPicture(kPictureSize, QStringLiteral("Zorlik"))
                                       : picture);

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setEchoMode(QLineEdit::Password);
    CheckBox1 = new QCheckBox(QStringLiteral("记住密码"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox2 = new QCheckBox(QStringLiteral("自动打开生日提醒"), this);
    CheckBox2->setObjectName(QStringLiteral("CheckBox2"));
    Label3 = new QLabel(QStringLiteral("初始密码：登录名称用\"sa\"，登录密码是") +
                            QLatin1String(PasswordHash::kDefaultPassword),
                        this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setStyleSheet(QStringLiteral("color: #b01e3c;"));
    BitBtn4 = new QPushButton(QStringLiteral("登 录"), this);
    BitBtn4->setObjectName(QStringLiteral("BitBtn4"));
    BitBtn4->setAutoDefault(false);
    BitBtn3 = new QPushButton(QStringLiteral("退 出"), this);
    BitBtn3->setObjectName(QStringLiteral("BitBtn3"));
    BitBtn3->setAutoDefault(false);

    auto* form = new QGridLayout;
    form->setContentsMargins(0, 14, 0, 10);
    form->addWidget(new QLabel(QStringLiteral("登录名称："), this), 0, 0);
    form->addWidget(Edit1, 0, 1);
    form->addWidget(new QLabel(QStringLiteral("登录密码："), this), 1, 0);
    form->addWidget(Edit2, 1, 1);
    auto* boxes = new QHBoxLayout;
    boxes->addWidget(CheckBox1);
    boxes->addWidget(CheckBox2);
    boxes->addStretch();
    form->addLayout(boxes, 2, 0, 1, 2);
    form->addWidget(Label3, 3, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn4);
    buttons->addWidget(BitBtn3);
    form->addLayout(buttons, 4, 0, 1, 2);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 12, 0);
    layout->setSpacing(12);
    layout->addWidget(Image1);
    layout->addLayout(form);
    setFixedSize(470, 201);

    const LoginSettings settings = LoginSettings::read(ini_);
    Edit1->setText(settings.user);
    Edit2->setText(settings.password);
    CheckBox1->setChecked(settings.rememberPassword);
    CheckBox2->setChecked(settings.birthdayReminder);
    startCount_ = settings.startCount;

    openConnection(dataModule, createDefaultDatabase);
    login_ = std::make_unique<Login>(dataModule.connection(), ini_, connectionError_);
    setWindowTitle(branding().SoftwareName + QLatin1Char(' ') + QLatin1String(SoftwareVersion));

    connect(BitBtn4, &QPushButton::clicked, this, &Tdl::BitBtn4Click);
    connect(BitBtn3, &QPushButton::clicked, this, &QDialog::reject);
    EnterMovesFocus::install(this);
}

Tdl::~Tdl() = default;

void Tdl::openConnection(TDM_CS& dataModule, bool createDefaultDatabase) {
    try {
        dataModule.openConnection(createDefaultDatabase);
    } catch (const StoreError& e) {
        connectionError_ = e.message();
        QMessageBox::critical(nullptr, kCaption, connectionError_);
        return;
    }
    if (!dataModule.connection().warning().isEmpty()) {
        QMessageBox::warning(nullptr, kCaption, dataModule.connection().warning());
    }
}

void Tdl::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (startCount_ == 0) {
        writeDesktopShortcut(QStandardPaths::writableLocation(QStandardPaths::DesktopLocation),
                             branding().SoftwareName, QCoreApplication::applicationFilePath(),
                             homeFolder_);
    }
}

void Tdl::BitBtn4Click() {
    switch (login_->attempt(Edit1->text(), Edit2->text(), CheckBox1->isChecked(),
                            CheckBox2->isChecked())) {
        case Login::Outcome::MissingName:
            inform(this, QStringLiteral("请先填写“登录名称”!"));
            break;
        case Login::Outcome::UnknownName:
            inform(this, QStringLiteral("\"登录名称\"不存在,请重新填写!"));
            break;
        case Login::Outcome::WrongPassword:
            inform(this, QStringLiteral("“登录密码”有误,请重新填写!"));
            break;
        case Login::Outcome::TooManyFailures:
            inform(this, QStringLiteral("错误次数过多，系统将自动退出！"));
            reject();
            break;
        case Login::Outcome::Failed:
            QMessageBox::critical(this, kCaption, login_->error());
            break;
        case Login::Outcome::LoggedIn:
            accept();
            break;
    }
}
