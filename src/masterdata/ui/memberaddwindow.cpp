#include "masterdata/ui/memberaddwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "app/ui/enterfocus.h"
#include "masterdata/member.h"
#include "masterdata/membercode.h"
#include "masterdata/ui/memberpicker.h"
#include "services/codecheck.h"
#include "store/inifile.h"
#include "store/storeerror.h"

namespace {

const QDate kNoDate(1900, 1, 1);  // shown blank: the date is not filled

QDateEdit* dateBox(QWidget* parent, bool optional) {
    auto* d = new QDateEdit(parent);
    d->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    d->setCalendarPopup(true);
    if (optional) {
        d->setMinimumDate(kNoDate);
        d->setSpecialValueText(QStringLiteral(" "));
        d->setDate(kNoDate);
    }
    return d;
}

QDate filled(const QDateEdit* d) {
    return d->date() == kNoDate ? QDate() : d->date();
}

void digitsAndPoint(QLineEdit* box) {
    box->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.]*")), box));
}

}  // namespace

TTJKH::TTJKH(const Database& db, QString iniPath, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint),
      db_(db),
      iniPath_(std::move(iniPath)) {
    setObjectName(QStringLiteral("TTJKH"));
    setWindowTitle(QStringLiteral("添加会员"));
    setModal(true);

    auto* basic = new QGroupBox(QStringLiteral("会员基本信息："), this);
    auto* basicForm = new QFormLayout(basic);
    E_BM = new QLineEdit(basic);
    E_MC = new QLineEdit(basic);
    E_KH = new QLineEdit(basic);
    C_JG = new QComboBox(basic);
    C_JG->addItems(MemberPriceLevels());
    E_ZK = new QLineEdit(basic);
    digitsAndPoint(E_ZK);
    auto* zkRow = new QHBoxLayout;
    zkRow->addWidget(E_ZK);
    zkRow->addWidget(new QLabel(QStringLiteral("% （1表示不打折；输入0.1至1的数字）"), basic));
    basicForm->addRow(QStringLiteral("会员编码："), E_BM);
    basicForm->addRow(QStringLiteral("会员姓名："), E_MC);
    basicForm->addRow(QStringLiteral("卡号："), E_KH);
    basicForm->addRow(QStringLiteral("适用价格："), C_JG);
    basicForm->addRow(QStringLiteral("折扣率："), zkRow);

    auto* detail = new QGroupBox(QStringLiteral("详细信息（选填）："), this);
    auto* detailForm = new QFormLayout(detail);
    C_XB = new QComboBox(detail);
    C_XB->addItems({QStringLiteral("男"), QStringLiteral("女")});
    E_LJ = new QLineEdit(detail);
    digitsAndPoint(E_LJ);
    E_DH = new QLineEdit(detail);
    E_QTDH = new QLineEdit(detail);
    D_SR = dateBox(detail, true);
    C_SRLX = new QComboBox(detail);
    C_SRLX->addItems({QStringLiteral("公历"), QStringLiteral("农历")});
    auto* birthday = new QHBoxLayout;
    birthday->addWidget(D_SR, 1);
    birthday->addWidget(C_SRLX);
    D_HQ = dateBox(detail, true);
    E_ZJLX = new QLineEdit(detail);
    E_ZJ = new QLineEdit(detail);
    E_QQ = new QLineEdit(detail);
    E_BZ = new QLineEdit(detail);
    D_RQ = dateBox(detail, false);
    E_DZ = new QLineEdit(detail);
    E_JSRBM = new QLineEdit(detail);
    E_JSR = new QLineEdit(detail);
    auto* pick = new QPushButton(QStringLiteral("..."), detail);
    pick->setObjectName(QStringLiteral("pickIntroducer"));
    pick->setAutoDefault(false);
    pick->setMaximumWidth(32);
    connect(pick, &QPushButton::clicked, this, &TTJKH::pickIntroducer);
    auto* introducer = new QHBoxLayout;
    introducer->addWidget(E_JSRBM);
    introducer->addWidget(E_JSR, 1);
    introducer->addWidget(pick);
    E_JSJF = new QLineEdit(detail);
    digitsAndPoint(E_JSJF);
    auto* points = new QHBoxLayout;
    points->addWidget(E_JSJF);
    points->addWidget(new QLabel(QStringLiteral("积分"), detail));
    C_TSJ = new QCheckBox(QStringLiteral("自动升级"), detail);
    detailForm->addRow(QStringLiteral("姓别："), C_XB);
    detailForm->addRow(QStringLiteral("年龄："), E_LJ);
    detailForm->addRow(QStringLiteral("手机："), E_DH);
    detailForm->addRow(QStringLiteral("其他电话："), E_QTDH);
    detailForm->addRow(QStringLiteral("生日："), birthday);
    detailForm->addRow(QStringLiteral("结婚日期："), D_HQ);
    detailForm->addRow(QStringLiteral("证件类型："), E_ZJLX);
    detailForm->addRow(QStringLiteral("证件号码："), E_ZJ);
    detailForm->addRow(QStringLiteral("QQ："), E_QQ);
    detailForm->addRow(QStringLiteral("其它信息："), E_BZ);
    detailForm->addRow(QStringLiteral("加入日期："), D_RQ);
    detailForm->addRow(QStringLiteral("酒店地址："), E_DZ);
    detailForm->addRow(QStringLiteral("介绍人："), introducer);
    detailForm->addRow(QStringLiteral("为该客户添加"), points);
    detailForm->addRow(QString(), C_TSJ);

    auto* ok = new QPushButton(QStringLiteral("确 定"), this);
    auto* close = new QPushButton(QStringLiteral("退 出"), this);
    auto* clear = new QPushButton(QStringLiteral("清 空"), this);
    for (QPushButton* b : {ok, close, clear}) {
        b->setAutoDefault(false);
    }
    connect(ok, &QPushButton::clicked, this, &TTJKH::addMember);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(clear, &QPushButton::clicked, this, &TTJKH::clearBoxes);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(close);
    buttons->addWidget(clear);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(basic);
    layout->addWidget(detail);
    layout->addLayout(buttons);

    E_JSRBM->setObjectName(QStringLiteral("E_JSRBM"));
    E_JSJF->setObjectName(QStringLiteral("E_JSJF"));
    connect(E_BM, &QLineEdit::editingFinished, this, &TTJKH::codeLeft);
    EnterMovesFocus::install(this);
}

void TTJKH::clearBoxes() {
    for (QLineEdit* box : findChildren<QLineEdit*>()) {
        if (!qobject_cast<QDateEdit*>(box->parentWidget())) {
            box->clear();
        }
    }
    E_ZK->setText(QStringLiteral("1"));
    D_SR->setDate(kNoDate);
    D_HQ->setDate(kNoDate);
}

void TTJKH::showEvent(QShowEvent* event) {
    setResult(QDialog::Rejected);
    clearBoxes();
    C_JG->setCurrentIndex(0);
    C_XB->setCurrentIndex(0);
    C_SRLX->setCurrentIndex(0);
    C_TSJ->setChecked(false);
    try {
        E_BM->setText(ProposeMemberCode(db_));
        E_JSJF->setText(IniFile(iniPath_).readString(QStringLiteral("xsd"), QStringLiteral("JSJF"),
                                                     QStringLiteral("0")));
    } catch (const StoreError& e) {
        QMessageBox::warning(this, QStringLiteral("提示"), e.message());
    }
    D_RQ->setDate(QDate::currentDate());
    if (parentWidget()) {
        move(parentWidget()->window()->geometry().center() - rect().center());
    }
    QDialog::showEvent(event);
    E_MC->setFocus();
}

void TTJKH::codeLeft() {
    if (result() == QDialog::Accepted) {
        return;  // the focus leaves the box of the member just written
    }
    const QString code = E_BM->text().trimmed();
    try {
        if (!code.isEmpty() && CodeTaken(db_, QStringLiteral("BM_KH"), code)) {
            QMessageBox::warning(this, QStringLiteral("提示"),
                                 QStringLiteral("当行会员卡号已存在，请换用别的卡号！"));
            E_BM->clear();
            E_BM->setFocus();
        }
    } catch (const StoreError& e) {
        QMessageBox::warning(this, QStringLiteral("提示"), e.message());
    }
    D_RQ->setDate(QDate::currentDate());
}

void TTJKH::pickIntroducer() {
    Txzkh picker(db_, QString(), this);
    if (picker.exec() == QDialog::Accepted) {
        E_JSRBM->setText(picker.chosenCode());
        E_JSR->setText(picker.chosenName());
    }
}

bool TTJKH::addMember() {
    const auto refuse = [this](QWidget* box, const QString& text) {
        QMessageBox::warning(this, QStringLiteral("提示"), text);
        box->setFocus();
        return false;
    };
    Member m;
    m.BM = E_BM->text().trimmed();
    if (m.BM.isEmpty()) {
        return refuse(E_BM, QStringLiteral("请输入会员编码"));
    }
    const QString zk = E_ZK->text().trimmed();
    const std::optional<Decimal2> factor =
        zk.isEmpty() ? Decimal2::fromUnits(1) : Decimal2::parse(zk);
    if (!factor || *factor < Decimal2::fromCents(10) || *factor > Decimal2::fromUnits(1)) {
        return refuse(E_ZK, QStringLiteral("折扣率请输入0.1至1的数字"));
    }
    const QString pointsText = E_JSJF->text().trimmed();
    const std::optional<Decimal2> points =
        pointsText.isEmpty() ? Decimal2() : Decimal2::parse(pointsText);
    if (!points) {
        return refuse(E_JSJF, QStringLiteral("介绍人积分请输入数字"));
    }
    m.MC = E_MC->text().trimmed();
    m.KH = E_KH->text().trimmed();
    m.ZK = *factor;
    m.JG = C_JG->currentText();
    m.XB = C_XB->currentText();
    (C_SRLX->currentIndex() == 0 ? m.SR : m.SRBAK) = filled(D_SR);
    m.HQ = filled(D_HQ);
    m.LJ = E_LJ->text().trimmed();
    m.DH = E_DH->text().trimmed();
    m.QTDH = E_QTDH->text().trimmed();
    m.ZJLX = E_ZJLX->text().trimmed();
    m.ZJ = E_ZJ->text().trimmed();
    m.QQ = E_QQ->text().trimmed();
    m.DZ = E_DZ->text().trimmed();
    m.BZ = E_BZ->text().trimmed();
    m.RQ = D_RQ->date();
    m.JSRBM = E_JSRBM->text().trimmed();
    m.JSR = E_JSR->text().trimmed();
    m.TSJ = C_TSJ->isChecked();
    try {
        if (CodeTaken(db_, QStringLiteral("BM_KH"), m.BM)) {
            E_BM->clear();
            return refuse(E_BM, QStringLiteral("当行会员卡号已存在，请换用别的卡号！"));
        }
        AddMember(db_, m, *points);
    } catch (const StoreError& e) {
        QMessageBox::warning(this, QStringLiteral("提示"), e.message());
        return false;
    }
    emit memberAdded(m.BM, m.MC);
    accept();
    return true;
}
