#include "app/ui/permissionswindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/menurights.h"
#include "app/menutable.h"
#include "app/rights.h"
#include "app/session.h"
#include "app/ui/mdichild.h"
#include "store/storeerror.h"

namespace {

const QString kCaption = QStringLiteral("提示");
const QString kNoEmployee = QStringLiteral("请在“基础资料-员工资料”中输入至少一个有姓名的员工");

}  // namespace

TGGQX::TGGQX(const Database& db, QWidget* parent) : QWidget(parent), db_(db) {
    setObjectName(QStringLiteral("TGGQX"));
    setWindowTitle(QStringLiteral("权限设置"));
    resize(761, 379);

    SpeedButton2 = new QToolButton(this);
    SpeedButton2->setObjectName(QStringLiteral("SpeedButton2"));
    SpeedButton2->setText(QStringLiteral("保存[&S]"));
    SpeedButton3 = new QToolButton(this);
    SpeedButton3->setObjectName(QStringLiteral("SpeedButton3"));
    SpeedButton3->setText(QStringLiteral("退出[&E]"));
    YG_1 = new QComboBox(this);
    YG_1->setObjectName(QStringLiteral("YG_1"));
    YG_1->setPlaceholderText(QStringLiteral("请选择员工"));
    YG_1->setMinimumWidth(160);

    auto* toolbar = new QHBoxLayout;
    toolbar->addWidget(SpeedButton2);
    toolbar->addWidget(SpeedButton3);
    toolbar->addSpacing(24);
    toolbar->addWidget(new QLabel(QStringLiteral("员工："), this));
    toolbar->addWidget(YG_1);
    toolbar->addStretch();

    auto* lists = new QGridLayout;
    const QList<MainMenu>& menus = mainMenus();
    for (int n = 0; n < kMenusWithRights; ++n) {
        lists->addWidget(new QLabel(menus[n].caption, this), 0, n);
        auto* list = new QListWidget(this);
        list->setObjectName(QStringLiteral("CheckListBox%1").arg(n + 1));
        lists->addWidget(list, 1, n);
        checkLists_[n] = list;
    }

    auto* others = new QGroupBox(QStringLiteral("其他权限"), this);
    auto* othersLayout = new QVBoxLayout(others);
    for (int i = 0; i < otherRights().size(); ++i) {
        auto* box = new QCheckBox(otherRights()[i].caption, others);
        box->setObjectName(QStringLiteral("C5_%1").arg(i + 1));
        othersLayout->addWidget(box);
        otherRightBoxes_.append(box);
    }
    othersLayout->addStretch();
    lists->addWidget(others, 0, kMenusWithRights, 2, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(toolbar);
    layout->addLayout(lists, 1);

    try {
        const QList<EmployeeName> employees = EmployeeRightsStore::employees(db_);
        for (const EmployeeName& e : employees) {
            YG_1->addItem(e.name, e.code);
        }
        if (employees.isEmpty()) {
            QMessageBox::information(this, kCaption, kNoEmployee);
        }
    } catch (const StoreError&) {
        QMessageBox::information(this, kCaption, kNoEmployee);
    }
    YG_1->setCurrentIndex(YG_1->findData(session().CurrentOperatorCode));
    YG_1Change();

    connect(YG_1, &QComboBox::currentIndexChanged, this, &TGGQX::YG_1Change);
    connect(SpeedButton2, &QToolButton::clicked, this, &TGGQX::SpeedButton2Click);
    connect(SpeedButton3, &QToolButton::clicked, this, [this] { closeMdiChild(this); });
}

QString TGGQX::chosenCode() const {
    return YG_1->currentIndex() < 0 ? QString() : YG_1->currentData().toString();
}

void TGGQX::YG_1Change() {
    for (QCheckBox* box : otherRightBoxes_) {
        box->setChecked(false);
    }
    EmployeeRights rights;
    if (!chosenCode().isEmpty()) {
        try {
            rights = EmployeeRightsStore::load(db_, chosenCode()).value_or(EmployeeRights{});
        } catch (const StoreError& e) {
            QMessageBox::critical(this, kCaption, e.message());
        }
    }
    for (int i = 0; i < otherRightBoxes_.size(); ++i) {
        otherRightBoxes_[i]->setChecked(HasOtherRight(rights.otherRights, otherRights()[i].code));
    }
    ShowQX(rights);
}

void TGGQX::ShowQX(const EmployeeRights& rights) {
    const QList<MainMenu>& menus = mainMenus();
    for (int n = 1; n <= kMenusWithRights; ++n) {
        QListWidget* list = checkLists_[n - 1];
        list->clear();
        const QString& granted = rights.menuRights[n - 1];
        const QList<MenuEntry>& entries = menus[n - 1].entries;
        for (int p = 0; p < entries.size(); ++p) {
            auto* item = new QListWidgetItem(MenuRights::listCaption(entries[p].caption), list);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
            // Ticked as for an ordinary employee: the list shows what QXn holds.
            const bool ticked = MenuRights::entryAllowed(granted, menuEntryCode(n, p), QString());
            item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
        }
    }
}

void TGGQX::SpeedButton2Click() {
    if (chosenCode().isEmpty()) {
        QMessageBox::information(this, kCaption, QStringLiteral("请选择员工"));
        return;
    }
    EmployeeRights rights;
    rights.code = chosenCode();
    for (int n = 1; n <= kMenusWithRights; ++n) {
        QListWidget* list = checkLists_[n - 1];
        QList<bool> ticked;
        for (int p = 0; p < list->count(); ++p) {
            ticked.append(list->item(p)->checkState() == Qt::Checked);
        }
        rights.menuRights[n - 1] = MenuRights::grantedText(n, ticked);
    }
    QList<bool> others;
    for (QCheckBox* box : otherRightBoxes_) {
        others.append(box->isChecked());
    }
    rights.otherRights = MenuRights::otherRightsText(others);
    try {
        EmployeeRightsStore::save(db_, rights);
    } catch (const StoreError& e) {
        QMessageBox::critical(this, kCaption, e.message());
        return;
    }
    QMessageBox::information(this, kCaption, QStringLiteral("保存成功！"));
}

void TGGQX::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    emit closed();
}
