#include "app/ui/passwordwindow.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/passwordchange.h"
#include "app/session.h"
#include "app/ui/enterfocus.h"
#include "store/storeerror.h"

namespace {

constexpr int kMaxPasswordLength = 12;

QLineEdit* passwordEdit(const char* name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setEchoMode(QLineEdit::Password);
    edit->setMaxLength(kMaxPasswordLength);
    return edit;
}

}  // namespace

Tggmm::Tggmm(const Database& db, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint), db_(db) {
    setObjectName(QStringLiteral("Tggmm"));
    LabeledEdit_OLD = passwordEdit("LabeledEdit_OLD", this);
    LabeledEdit_NEW = passwordEdit("LabeledEdit_NEW", this);
    LabeledEdit_V = passwordEdit("LabeledEdit_V", this);
    BitBtn1 = new QPushButton(QStringLiteral("确 定"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setAutoDefault(false);
    BitBtn2 = new QPushButton(QStringLiteral("退 出"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setAutoDefault(false);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("原 密 码："), LabeledEdit_OLD);
    form->addRow(QStringLiteral("新 密 码："), LabeledEdit_NEW);
    form->addRow(QStringLiteral("重新输入："), LabeledEdit_V);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);

    connect(BitBtn1, &QPushButton::clicked, this, &Tggmm::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::hide);
    EnterMovesFocus::install(this);
}

void Tggmm::present() {
    setWindowTitle(QStringLiteral("修改密码 :") + session().CurrentOperatorName);
    adjustSize();
    if (parentWidget()) {
        move(parentWidget()->geometry().center() - rect().center());
    }
    show();
    raise();
    activateWindow();
}

void Tggmm::BitBtn1Click() {
    const QString caption = QStringLiteral("提示");
    PasswordChange::Result result;
    try {
        result = PasswordChange::change(db_, session().CurrentOperatorCode, LabeledEdit_OLD->text(),
                                        LabeledEdit_NEW->text(), LabeledEdit_V->text());
    } catch (const StoreError& e) {
        QMessageBox::critical(this, caption, e.message());
        return;
    }
    switch (result) {
        case PasswordChange::Result::WrongOldPassword:
            QMessageBox::information(this, QStringLiteral("提示："), QStringLiteral("原密码错！"));
            break;
        case PasswordChange::Result::EmptyNewPassword:
            QMessageBox::information(this, caption, QStringLiteral("新密码不能为空！"));
            break;
        case PasswordChange::Result::Mismatch:
            QMessageBox::information(this, caption, QStringLiteral("新密码与验证密码不一致！"));
            break;
        case PasswordChange::Result::Changed:
            QMessageBox::information(this, caption, QStringLiteral("密码修改成功！"));
            break;
    }
}
