#include "masterdata/ui/memberwindow.h"

#include <QComboBox>
#include <QDate>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSqlQuery>
#include <QToolBar>

#include "app/rights.h"
#include "app/session.h"
#include "app/ui/progresswindow.h"
#include "masterdata/member.h"
#include "masterdata/membercodecolumn.h"
#include "masterdata/memberlist.h"
#include "services/pinyin.h"
#include "services/ui/codeexists.h"
#include "store/database.h"
#include "store/editabletable.h"
#include "store/storeerror.h"

namespace {

QStringList levelNames(const Database& db) {
    QStringList names;
    try {
        QSqlQuery q = db.exec(QStringLiteral("select MC from BM_KHJB order by BM asc"));
        while (q.next()) {
            names << q.value(0).toString();
        }
    } catch (const StoreError&) {
        // The level column is then typed freely.
    }
    return names;
}

MasterListConfig memberList(const Database& db) {
    const auto readOnly = [](GridColumn c) {
        c.readOnly = true;
        c.money = true;
        return c;
    };
    const auto money = [](GridColumn c) {
        c.money = true;
        return c;
    };
    GridColumn level = gridColumn("JB", "会员级别");
    level.pickList = levelNames(db);
    GridColumn price = gridColumn("JG", "适用价格");
    price.hidden = true;
    price.pickList = MemberPriceLevels();
    MasterListConfig c;
    c.title = QStringLiteral("会员资料");
    c.table = QStringLiteral("BM_KH");
    const MemberRows rows = MembersButWalkIn();
    c.whereAndOrder = rows.whereAndOrder;
    c.params = rows.params;
    c.columns = {gridColumn("BM", "编码"),
                 gridColumn("MC", "名称"),
                 gridColumn("KH", "卡号"),
                 gridColumn("DZ", "酒店"),
                 gridColumn("LJ", "年龄"),
                 gridColumn("XB", "性别"),
                 gridColumn("DH", "手机"),
                 gridColumn("HQ", "结婚日期"),
                 gridColumn("JSR", "介绍人"),
                 readOnly(gridColumn("ZJF", "总积分")),
                 readOnly(gridColumn("DXJF", "兑现积分")),
                 readOnly(gridColumn("SYJF", "剩余积分")),
                 money(gridColumn("JSRJF", "介绍客户积分")),
                 gridColumn("QTDH", "其他电话"),
                 gridColumn("QQ", "QQ或微信"),
                 gridColumn("SR", "公历生日"),
                 gridColumn("SRBAK", "农历生日"),
                 gridColumn("DW", "单位"),
                 level,
                 gridColumn("RQ", "办卡日期"),
                 gridColumn("ZJLX", "证件类型"),
                 gridColumn("ZJ", "证件号码"),
                 gridColumn("JP", "简拼"),
                 price,
                 money(gridColumn("ZK", "折扣率（%）")),
                 readOnly(gridColumn("LJXF", "累计消费")),
                 readOnly(gridColumn("ZHYE", "账户余额")),
                 readOnly(gridColumn("ZHQK", "账户欠款")),
                 gridColumn("BZ", "备注"),
                 gridColumn("ZJRQ", "最后消费"),
                 gridColumn("TSJ", "自动升级")};
    c.filterFields = MemberFilterFields(true);
    c.saveFailureText = QStringLiteral("编码存在重复无法保存，请删除重复后重试");
    return c;
}

}  // namespace

TBM_KH::TBM_KH(const Database& db, QWidget* parent)
    : MasterListWindow(db, memberList(db), parent),
      db_(db),
      pinyin_(std::make_unique<PinyinDictionary>(db)) {
    setObjectName(QStringLiteral("TBM_KH"));
    codeRules_ = new MemberCodeColumn(
        table(), MemberCodeColumn::List::Members,
        [this](const QString& code) {
            return !CodeExists(this, db_, QStringLiteral("BM_KH"), code);
        },
        this);
    toolBar()->addAction(QStringLiteral("简拼[&J]"), this, &TBM_KH::regenerateInitials);
    toolBar()->addAction(QStringLiteral("积分修改"), this, &TBM_KH::correctPoints);

    QHBoxLayout* bar = filterBar();
    const int at = bar->count() - 1;  // before the stretch
    countBox_ = new QComboBox(this);
    countBox_->setEditable(true);
    countBox_->setMinimumWidth(120);
    dayBox_ = new QLineEdit(QStringLiteral("0"), this);
    dayBox_->setMaximumWidth(60);
    auto* query = new QPushButton(QStringLiteral("查询"), this);
    connect(query, &QPushButton::clicked, this, &TBM_KH::showRecentMembers);
    connect(dayBox_, &QLineEdit::returnPressed, this, &TBM_KH::showRecentMembers);
    bar->insertWidget(at, new QLabel(QStringLiteral("客户数量："), this));
    bar->insertWidget(at + 1, countBox_);
    bar->insertWidget(at + 2, new QLabel(QStringLiteral("最近"), this));
    bar->insertWidget(at + 3, dayBox_);
    bar->insertWidget(at + 4, new QLabel(QStringLiteral("天内办卡会员"), this));
    bar->insertWidget(at + 5, query);

    connect(this, &MasterListWindow::saved, this, &TBM_KH::refreshCounts);
    refreshCounts();
}

TBM_KH::~TBM_KH() = default;

void TBM_KH::refreshCounts() {
    try {
        const MemberCounts counts = CountMembers(db_);
        countBox_->clear();
        countBox_->addItems(counts.perLevel);
        countBox_->setEditText(QString::number(counts.total));
    } catch (const StoreError&) {
        QMessageBox::warning(this, QStringLiteral("提示"),
                             QStringLiteral("请在“基础资料-员工资料”中输入至少一个有姓名的员工"));
    }
}

void TBM_KH::showRecentMembers() {
    const std::optional<MemberRows> rows =
        RecentMembers(dayBox_->text().trimmed(), QDate::currentDate());
    if (!rows) {
        QMessageBox::warning(this, QStringLiteral("提示"), QStringLiteral("请输入整数天数"));
        return;
    }
    if (!settleEdits()) {
        return;
    }
    try {
        table()->load(rows->whereAndOrder, rows->params);
    } catch (const StoreError& e) {
        QMessageBox::warning(this, QStringLiteral("提示"), e.message());
    }
}

void TBM_KH::regenerateInitials() {
    EditableTable* t = table();
    const int rows = t->rowCount();
    if (rows == 0 || QMessageBox::question(
                         this, QStringLiteral("提示"), QStringLiteral("您确定要重新生成简拼吗？"),
                         QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes) {
        return;
    }
    Tformspzx progress(this);
    progress.SetProgressMin(1);
    progress.SetProgressMax(rows);
    progress.show();
    try {
        for (int r = 0; r < rows; ++r) {
            t->setValue(r, QStringLiteral("JP"),
                        PinyinInitials(*pinyin_, t->value(r, QStringLiteral("MC")).toString()));
            progress.SetProgressPosition(r + 1);
        }
    } catch (const StoreError& e) {
        progress.close();
        QMessageBox::warning(this, QStringLiteral("提示"), e.message());
    }
}

void TBM_KH::correctPoints() {
    if (!HasOtherRight(session().CurrentOperatorRights, QStringLiteral("15"))) {
        QMessageBox::information(this, QStringLiteral("提示："),
                                 QStringLiteral("您没有权操作，请联系管理员！"));
        return;
    }
    const int row = currentRow();
    if (row >= 0) {
        emit pointsCorrectionRequested(table()->value(row, QStringLiteral("BM")).toString());
    }
}
