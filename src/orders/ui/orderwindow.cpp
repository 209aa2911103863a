#include "orders/ui/orderwindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QDoubleValidator>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTime>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/rights.h"
#include "app/session.h"
#include "masterdata/packageseries.h"
#include "masterdata/productsearch.h"
#include "orders/orderbuttons.h"
#include "orders/ordercustomer.h"
#include "orders/orderlinesmodel.h"
#include "orders/ordernumber.h"
#include "orders/orderprint.h"
#include "orders/orderstaff.h"
#include "orders/orderstore.h"
#include "print/documentdata.h"
#include "print/printerror.h"
#include "print/ticketprinter.h"
#include "print/ui/printoperation.h"
#include "services/cashdrawer.h"
#include "services/portdevices.h"
#include "store/database.h"
#include "store/programhome.h"
#include "store/storeerror.h"
#include "widgets/ui/datagrid.h"
#include "widgets/ui/gridview.h"

namespace {

const QString kCaption = QStringLiteral("提示");

// The discount new lines of discounted products take; shared by every order of the run.
Decimal2 CurrentDiscount = Decimal2::fromUnits(1);

const QStringList kPaymentMethods{QStringLiteral("现金"),
                                  QStringLiteral("刷卡"),
                                  QStringLiteral("充值抵扣"),
                                  QStringLiteral("微信支付"),
                                  QStringLiteral("支付宝支付"),
                                  QStringLiteral("转账"),
                                  QStringLiteral("微信、支付宝条码支付")};

bool hasRight(const char* code) {
    return HasOtherRight(session().CurrentOperatorRights, QString::fromLatin1(code));
}

QLineEdit* readOnlyBox(const char* name, bool large = false) {
    auto* box = new QLineEdit;
    box->setObjectName(QString::fromLatin1(name));
    box->setReadOnly(true);
    if (large) {
        QFont f = box->font();
        f.setPointSize(f.pointSize() + 8);
        f.setBold(true);
        box->setFont(f);
    }
    return box;
}

QComboBox* staffList(const char* name) {
    auto* list = new QComboBox;
    list->setObjectName(QString::fromLatin1(name));
    list->setEditable(true);
    return list;
}

QPushButton* button(const char* name, const QString& caption) {
    auto* b = new QPushButton(caption);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

QDateEdit* dateBox(const char* name) {
    auto* box = new QDateEdit;
    box->setObjectName(QString::fromLatin1(name));
    box->setCalendarPopup(true);
    box->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    return box;
}

QString amountText(Decimal2 value) {
    return value.toString();
}

// Points are whole numbers unless halving left a fraction.
QString pointsText(Decimal2 points) {
    return points.cents() % 100 == 0 ? QString::number(points.cents() / 100) : points.toString();
}

GridColumn column(const char* field, const char* caption, bool readOnly = false,
                  bool hidden = false, FooterKind footer = FooterKind::None) {
    GridColumn c = gridColumn(QString::fromLatin1(field), QString::fromUtf8(caption));
    c.readOnly = readOnly;
    c.hidden = hidden;
    c.footer = footer;
    return c;
}

}  // namespace

Txsd::Txsd(const Database& db, const ProgramHome& home, OrderPickers pickers, QWidget* parent)
    : QWidget(parent),
      db_(db),
      home_(home),
      pickers_(std::move(pickers)),
      ini_(home.iniPath()),
      settings_(OrderSettings::read(ini_)) {
    setObjectName(QStringLiteral("Txsd"));
    setWindowTitle(QStringLiteral("婚礼订单"));
    setAttribute(Qt::WA_DeleteOnClose);

    lines_ = new OrderLinesModel(db_, this);
    connect(lines_, &OrderLinesModel::refused, this,
            [this](const QString& message) { QMessageBox::information(this, kCaption, message); });
    connect(lines_, &OrderLinesModel::linesChanged, this, &Txsd::linesChanged);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildToolBar());
    layout->addWidget(buildHeader());
    layout->addWidget(buildProductBar());
    buildGrid();
    layout->addWidget(DBGridEh1, 1);
    layout->addWidget(buildBottomPanel());

    qApp->installEventFilter(this);
    RefreshButtons();
}

Txsd::~Txsd() {
    qApp->removeEventFilter(this);
}

QWidget* Txsd::buildToolBar() {
    auto* bar = new QWidget;
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    const auto tool = [&](const char* name, const QString& caption, auto slot) {
        QPushButton* b = button(name, caption);
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QPushButton::clicked, this, slot);
        row->addWidget(b);
        return b;
    };
    tool("SpeedButton2", QStringLiteral("新增[&A]"), &Txsd::SpeedButton2Click);
    tool("SpeedButton1", QStringLiteral("保存[&S]"), &Txsd::save);
    tool("SpeedButton3", QStringLiteral("删除[&D]"), &Txsd::deleteOrder);
    tool("SpeedButton4", QStringLiteral("设计[&J]"), [this] {
        if (pickers_.printFormats) {
            pickers_.printFormats(this);
        }
    });
    SpeedButton6 = tool("SpeedButton6", QStringLiteral("打印[&P]"), &Txsd::printOrder);
    tool("SpeedButton5", QStringLiteral("退出[&E]"), &QWidget::close);
    row->addSpacing(24);
    E_zhye = readOnlyBox("E_zhye");
    E_zhqk = readOnlyBox("E_zhqk");
    row->addWidget(new QLabel(QStringLiteral("账户余额：")));
    row->addWidget(E_zhye);
    row->addWidget(new QLabel(QStringLiteral("账户欠款：")));
    row->addWidget(E_zhqk);
    row->addStretch();
    return bar;
}

QWidget* Txsd::buildHeader() {
    auto* box = new QWidget;
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);

    Edit_id = new QLineEdit;
    Edit_id->setObjectName(QStringLiteral("Edit_id"));
    Edit_id->setMaxLength(16);
    connect(Edit_id, &QLineEdit::textChanged, this, &Txsd::Edit_idChange);
    RQ = dateBox("RQ");
    SJ = readOnlyBox("SJ");
    KHBM = new QLineEdit;
    KHBM->setObjectName(QStringLiteral("KHBM"));
    connect(KHBM, &QLineEdit::editingFinished, this, &Txsd::KHBMExit);
    khxz = button("khxz", QStringLiteral("..."));
    khxz->setFocusPolicy(Qt::NoFocus);
    connect(khxz, &QPushButton::clicked, this, &Txsd::khxzClick);
    KHMC = new QLineEdit;
    KHMC->setObjectName(QStringLiteral("KHMC"));
    KHMC->setReadOnly(true);
    TTJKH = button("TTJKH", QStringLiteral("添加新客户"));
    TTJKH->setFocusPolicy(Qt::NoFocus);
    connect(TTJKH, &QPushButton::clicked, this, &Txsd::TTJKHClick);
    ComboBox1 = new QComboBox;
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->addItems({QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"),
                         QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5")});
    connect(ComboBox1, &QComboBox::currentIndexChanged, this,
            [this](int level) { lines_->setPricing(level, CurrentDiscount, company_.XJF); });
    JBR = staffList("JBR");
    ZDR = readOnlyBox("ZDR");
    SYR = staffList("SYR");
    SYZL = staffList("SYZL");
    HZR = staffList("HZR");
    HQR = staffList("HQR");
    BZ = new QPlainTextEdit;
    BZ->setObjectName(QStringLiteral("BZ"));
    BZ->setMaximumHeight(48);
    BZ->setTabChangesFocus(true);
    connect(BZ, &QPlainTextEdit::textChanged, this, [this] {
        if (BZ->toPlainText().size() > 100) {
            BZ->setPlainText(BZ->toPlainText().left(100));
            BZ->moveCursor(QTextCursor::End);
        }
        markUnsaved();
    });

    const auto label = [](const QString& text) { return new QLabel(text); };
    grid->addWidget(label(QStringLiteral("单    号：")), 0, 0);
    grid->addWidget(Edit_id, 0, 1);
    grid->addWidget(label(QStringLiteral("日期：")), 0, 2);
    grid->addWidget(RQ, 0, 3);
    grid->addWidget(SJ, 0, 4);
    grid->addWidget(label(QStringLiteral("客    户：")), 0, 5);
    auto* customer = new QHBoxLayout;
    customer->addWidget(KHBM);
    customer->addWidget(khxz);
    customer->addWidget(KHMC, 1);
    customer->addWidget(TTJKH);
    customer->addWidget(ComboBox1);
    grid->addLayout(customer, 0, 6, 1, 3);
    grid->addWidget(label(QStringLiteral("接单人：")), 1, 0);
    grid->addWidget(JBR, 1, 1);
    grid->addWidget(label(QStringLiteral("制单人：")), 1, 2);
    grid->addWidget(ZDR, 1, 3);
    grid->addWidget(label(QStringLiteral("摄影：")), 1, 4);
    grid->addWidget(SYR, 1, 5);
    grid->addWidget(label(QStringLiteral("摄像：")), 1, 6);
    grid->addWidget(SYZL, 1, 7);
    grid->addWidget(label(QStringLiteral("化妆师：")), 2, 0);
    grid->addWidget(HZR, 2, 1);
    grid->addWidget(label(QStringLiteral("设计师：")), 2, 2);
    grid->addWidget(HQR, 2, 3);
    grid->addWidget(label(QStringLiteral("备注：")), 2, 4);
    grid->addWidget(BZ, 2, 5, 1, 4);

    for (QComboBox* list : {JBR, SYR, SYZL, HZR, HQR}) {
        connect(list, &QComboBox::currentTextChanged, this, &Txsd::markUnsaved);
    }
    connect(RQ, &QDateEdit::dateChanged, this, &Txsd::markUnsaved);
    connect(KHMC, &QLineEdit::textEdited, this, &Txsd::markUnsaved);
    return box;
}

QWidget* Txsd::buildProductBar() {
    auto* bar = new QWidget;
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    YYRQ = dateBox("YYRQ");
    connect(YYRQ, &QDateEdit::dateChanged, this, &Txsd::markUnsaved);
    row->addWidget(new QLabel(QStringLiteral("布场日期：")));
    row->addWidget(YYRQ);
    row->addWidget(new QLabel(QStringLiteral("选择商品：")));
    TXMXZ = new QLineEdit;
    TXMXZ->setObjectName(QStringLiteral("TXMXZ"));
    TXMXZ->setToolTip(QStringLiteral("可直接输入编码、条码、简拼进行选择！也可直接输入数量！"));
    row->addWidget(TXMXZ, 1);
    BitBtn1 = button("BitBtn1", QStringLiteral("选择商品"));
    BitBtn1->setFocusPolicy(Qt::NoFocus);
    connect(BitBtn1, &QPushButton::clicked, this, &Txsd::BitBtn1Click);
    row->addWidget(BitBtn1);
    auto* hint =
        new QLabel(QStringLiteral("可直接输入编码、条码、简拼进行选择！也可直接输入数量！"));
    hint->setObjectName(QStringLiteral("Label_hint"));
    row->addWidget(hint);

    const auto nav = [&](const char* name, const QString& caption, auto action) {
        auto* b = button(name, caption);
        b->setFocusPolicy(Qt::NoFocus);
        b->setMaximumWidth(32);
        connect(b, &QPushButton::clicked, this, action);
        row->addWidget(b);
        navigator_.append(b);
    };
    const auto moveTo = [this](int row) {
        if (row >= 0 && row < lines_->rowCount()) {
            DBGridEh1->view()->setCurrentIndex(
                DBGridEh1->view()->model()->index(row, OrderLinesModel::SPBM));
        }
    };
    nav("DBNavigator1First", QStringLiteral("|◀"), [moveTo] { moveTo(0); });
    nav("DBNavigator1Prior", QStringLiteral("◀"), [this, moveTo] { moveTo(currentLine() - 1); });
    nav("DBNavigator1Next", QStringLiteral("▶"), [this, moveTo] { moveTo(currentLine() + 1); });
    nav("DBNavigator1Last", QStringLiteral("▶|"),
        [this, moveTo] { moveTo(lines_->rowCount() - 1); });
    // Insert appends at the end; delete asks nothing.
    nav("DBNavigator1Insert", QStringLiteral("+"), [this, moveTo] {
        if (loaded_) {
            moveTo(lines_->appendLine());
        }
    });
    nav("DBNavigator1Delete", QStringLiteral("−"), [this] { lines_->removeLine(currentLine()); });

    TXXZ = new QComboBox;
    TXXZ->setObjectName(QStringLiteral("TXXZ"));
    connect(TXXZ, &QComboBox::activated, this,
            [this](int index) { TXXZSelect(TXXZ->itemText(index)); });
    TXMC = new QLineEdit;
    TXMC->setObjectName(QStringLiteral("TXMC"));
    QXRQ = dateBox("QXRQ");
    QXSJ = new QLineEdit;
    QXSJ->setObjectName(QStringLiteral("QXSJ"));
    // Present and working, hidden in the shipped layout.
    for (QWidget* w : std::initializer_list<QWidget*>{TXXZ, TXMC, QXRQ, QXSJ}) {
        row->addWidget(w);
        w->setVisible(false);
    }
    return bar;
}

void Txsd::buildGrid() {
    DBGridEh1 = new DataGrid;
    DBGridEh1->setObjectName(QStringLiteral("DBGridEh1"));
    connect(DBGridEh1->view(), &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& index) {
                const QString code = lines_->lines().value(index.row()).SPBM;
                if (!code.isEmpty() && pickers_.picture) {
                    pickers_.picture(this, code);
                }
            });
}

QWidget* Txsd::buildBottomPanel() {
    auto* panel = new QWidget;
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);

    YS = readOnlyBox("YS", true);
    Edit1 = new QLineEdit;
    Edit1->setObjectName(QStringLiteral("Edit1"));
    QFont large = Edit1->font();
    large.setPointSize(large.pointSize() + 8);
    large.setBold(true);
    Edit1->setFont(large);
    Edit1->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.\\-]*")), Edit1));
    connect(Edit1, &QLineEdit::editingFinished, this, [this] {
        if (Edit1->text().isEmpty()) {
            Edit1->setText(QStringLiteral("0"));
        }
    });
    ComboBox2 = new QComboBox;
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    ComboBox2->addItems(kPaymentMethods);
    WF = readOnlyBox("WF", true);
    JF = new QLineEdit(QStringLiteral("0"));
    JF->setObjectName(QStringLiteral("JF"));
    Button1 = button("Button1", QStringLiteral("双倍积分"));
    Button2 = button("Button2", QStringLiteral("取消双倍"));
    connect(JF, &QLineEdit::textChanged, this, [this](const QString& text) {
        const bool points = !text.isEmpty() && text != QLatin1String("0");
        Button1->setEnabled(points);
        Button2->setEnabled(points);
        if (const std::optional<Decimal2> value = Decimal2::parse(text)) {
            if (order_.header.JF != *value) {
                order_.header.JF = *value;
                markUnsaved();
            }
        }
    });
    const auto scalePoints = [this](bool twice) {
        const Decimal2 jf = Decimal2::parse(JF->text()).value_or(Decimal2());
        JF->setText(pointsText(Decimal2::fromCents(twice ? jf.cents() * 2 : jf.cents() / 2)));
    };
    connect(Button1, &QPushButton::clicked, this, [scalePoints] { scalePoints(true); });
    connect(Button2, &QPushButton::clicked, this, [scalePoints] { scalePoints(false); });
    Button1->setEnabled(false);
    Button2->setEnabled(false);

    grid->addWidget(new QLabel(QStringLiteral("应收：")), 0, 0);
    grid->addWidget(YS, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("收款：")), 0, 2);
    grid->addWidget(Edit1, 0, 3);
    grid->addWidget(new QLabel(QStringLiteral("收款方式：")), 0, 4);
    grid->addWidget(ComboBox2, 0, 5);
    grid->addWidget(new QLabel(QStringLiteral("未结：")), 1, 0);
    grid->addWidget(WF, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("本单积分:")), 1, 2);
    auto* points = new QHBoxLayout;
    points->addWidget(JF);
    points->addWidget(Button1);
    points->addWidget(Button2);
    grid->addLayout(points, 1, 3, 1, 3);

    auto* received = new QGroupBox(QStringLiteral("已收金额"));
    auto* receivedGrid = new QGridLayout(received);
    YYSK = readOnlyBox("YYSK");
    SS = readOnlyBox("SS");
    QXSK = readOnlyBox("QXSK");
    HK = readOnlyBox("HK");
    receivedGrid->addWidget(new QLabel(QStringLiteral("收取订金:")), 0, 0);
    receivedGrid->addWidget(YYSK, 0, 1);
    receivedGrid->addWidget(new QLabel(QStringLiteral("布场收款:")), 0, 2);
    receivedGrid->addWidget(SS, 0, 3);
    receivedGrid->addWidget(new QLabel(QStringLiteral("收取尾款:")), 1, 0);
    receivedGrid->addWidget(QXSK, 1, 1);
    receivedGrid->addWidget(new QLabel(QStringLiteral("还款：")), 1, 2);
    receivedGrid->addWidget(HK, 1, 3);
    grid->addWidget(received, 0, 6, 2, 1);

    auto* stages = new QGridLayout;
    const auto stage = [&](const char* name, const QString& caption, int r, int c, auto slot) {
        QPushButton* b = button(name, caption);
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QPushButton::clicked, this, slot);
        stages->addWidget(b, r, c);
        return b;
    };
    BitBtn_YY = stage("BitBtn_YY", QStringLiteral("预收订金"), 0, 0, &Txsd::reserve);
    BitBtn_FYY = stage("BitBtn_FYY", QStringLiteral("取消预约"), 1, 0, &Txsd::cancelReservation);
    BitBtn_sh = stage("BitBtn_sh", QStringLiteral("完成场布"), 0, 1, &Txsd::approve);
    BitBtn_fsh = stage("BitBtn_fsh", QStringLiteral("取消完成"), 1, 1, &Txsd::cancelApproval);
    BitBtn_qx = stage("BitBtn_qx", QStringLiteral("收取尾款"), 0, 2, &Txsd::takeFinalPayment);
    BitBtn_fqx = stage("BitBtn_fqx", QStringLiteral("取消收款"), 1, 2, &Txsd::cancelFinalPayment);
    BitBtn_WC = stage("BitBtn_WC", QStringLiteral("完成"), 0, 3, [this] { setCompleted(true); });
    BitBtn_WWC = stage("BitBtn_WWC", QStringLiteral("取消"), 1, 3, [this] { setCompleted(false); });
    BitBtn_WC->setVisible(false);
    BitBtn_WWC->setVisible(false);
    stage("SpeedButton8", QStringLiteral("流程打印"), 0, 4,
          [this] { printKind(OrderPrintKind::Process); });
    stage("SpeedButton9", QStringLiteral("订金收据"), 1, 4,
          [this] { printKind(OrderPrintKind::Deposit); });
    stage("SpeedButton10", QStringLiteral("场布收据"), 0, 5, &Txsd::printOrder);
    stage("SpeedButton11", QStringLiteral("尾款收据"), 1, 5,
          [this] { printKind(OrderPrintKind::Final); });
    QPushButton* settingsButton = stage("BitBtn2", QStringLiteral("打印设置"), 0, 6, [] {});
    // The settings window belongs to the maintenance tools; until then the button waits.
    settingsButton->setEnabled(false);
    grid->addLayout(stages, 0, 7, 2, 1);

    auto* legend = new QLabel(
        QStringList{QStringLiteral("新  增：F1"), QStringLiteral("选择客户：F2"),
                    QStringLiteral("快捷选择：F3"), QStringLiteral("收  款：F4"),
                    QStringLiteral("照相审核：/或F5(打印)、F6（不打印）"),
                    QStringLiteral("取件确认：F7"), QStringLiteral("弹出钱箱：F8 （仅管理员可用）")}
            .join(QLatin1Char('\n')));
    legend->setObjectName(QStringLiteral("Label_keys"));
    grid->addWidget(legend, 0, 8, 2, 1);
    return panel;
}

void Txsd::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    FormShow();
}

int Txsd::EnterKeyMode() const {
    QWidget* focused = QApplication::focusWidget();
    if (focused == TXMXZ) {
        return 1;
    }
    return focused && DBGridEh1->isAncestorOf(focused) ? 2 : 0;
}

void Txsd::FormShow() {
    const bool prices = hasRight("14");
    const bool costs = hasRight("10");
    const auto sum = FooterKind::Sum;
    QList<GridColumn> columns{column("ID", "单号", true, true),
                              column("SPBM", "商品编码", false, false, FooterKind::Text),
                              column("SPMC", "商品名称", true),
                              column("SLHS", "数量审算", true),
                              column("TXM", "条形码", true, true),
                              column("XH", "型号", true),
                              column("DW", "单位", true),
                              column("SCCJ", "附加信息", true),
                              column("ZQDJ", "原价", !prices),
                              column("SL", "数量", false, false, sum),
                              column("MJ", "面积", true, true, sum),
                              column("ZK", "折扣率（%）", !prices),
                              column("DJ", "单价", !prices),
                              column("JE", "金额", !prices, false, sum),
                              column("JJ", "进价", true, !costs, sum),
                              column("ML", "毛利", true, !costs, sum),
                              column("BZ", "备注"),
                              column("TJFJE", "积分金额", true, true, sum),
                              column("MXJF", "单品积分", false, false, sum)};
    columns[1].footerText = QStringLiteral("合 计：");
    for (GridColumn& c : columns) {
        c.money = c.field == QLatin1String("ZQDJ") || c.field == QLatin1String("SL") ||
                  c.field == QLatin1String("MJ") || c.field == QLatin1String("ZK") ||
                  c.field == QLatin1String("DJ") || c.field == QLatin1String("JE") ||
                  c.field == QLatin1String("JJ") || c.field == QLatin1String("ML") ||
                  c.field == QLatin1String("TJFJE") || c.field == QLatin1String("MXJF");
    }
    DBGridEh1->setModel(lines_, columns);
    SpeedButton6->setEnabled(hasRight("16"));
    Edit_id->setReadOnly(!hasRight("17"));
    try {
        company_ = ReadOrderCompany(db_);
    } catch (const StoreError& e) {
        QMessageBox::warning(this, kCaption, e.message());
    }
    CurrentDiscount = company_.startDiscount();
    lines_->setPricing(ComboBox1->currentIndex(), CurrentDiscount, company_.XJF);
}

void Txsd::markUnsaved() {
    if (loaded_ && !showingOrder_) {
        session().UnsavedChanges = true;
    }
}

int Txsd::currentLine() const {
    return DBGridEh1->view()->currentIndex().row();
}

OrderLifecycle Txsd::lifecycle() const {
    return OrderLifecycle(db_,
                          NumberingContext{session().CurrentOperatorCode,
                                           session().ShortDocumentIds, QDate::currentDate()},
                          settings_, hasRight("12"));
}

Payment Txsd::payment() const {
    return {Edit1->text(), ComboBox2->currentText()};
}

void Txsd::SpeedButton2Click() {
    QString id;
    try {
        id = NextFreeOrderNumber(
            db_, NumberingContext{session().CurrentOperatorCode, session().ShortDocumentIds,
                                  QDate::currentDate()});
    } catch (const StoreError& e) {
        QMessageBox::warning(this, kCaption, e.message());
        return;
    }
    if (Edit_id->text() == id) {
        Edit_idChange(id);
    } else {
        Edit_id->setText(id);
    }
    company_ = ReadOrderCompany(db_);
    KHBM->setText(company_.MR_KH);
    KHMC->setText(company_.MR_KHMC);
    lookupCustomer(company_.MR_KH, true);
    LoadMemberAccount();
    setCustomerEditable();

    OrderStaff staff;
    try {
        staff = ReadOrderStaff(db_, session().CurrentOperatorName);
    } catch (const StoreError&) {
    }
    showingOrder_ = true;
    for (QComboBox* list : {JBR, SYR, HQR, SYZL, HZR}) {
        list->clear();
        list->addItems(staff.names);
        list->setCurrentText(staff.operatorName);
    }
    ZDR->setText(staff.operatorName);
    showingOrder_ = false;
    collectHeader();
    if (order_.isNew) {
        TXMXZ->setFocus();
        TXXZ->setCurrentText(QStringLiteral("套系选择"));
        if (settings_.KH_SK) {
            KHBM->setFocus();
        }
    }
    if (staff.names.isEmpty() && staff.operatorName.isEmpty()) {
        QMessageBox::information(
            this, kCaption, QStringLiteral("请在“基础资料-员工资料”中输入至少一个有姓名的员工"));
    }
    TXXZ->clear();
    try {
        TXXZ->addItems(PackageSeriesNames(db_));
        TXXZ->setCurrentText(QStringLiteral("套系选择"));
    } catch (const StoreError&) {
        TXXZ->setEditable(true);
        TXXZ->setCurrentText(QStringLiteral("您没有设置套系"));
    }
}

void Txsd::setOrderNumber(const QString& id) {
    if (Edit_id->text() == id) {
        Edit_idChange(id);
    } else {
        Edit_id->setText(id);
    }
}

void Txsd::Edit_idChange(const QString& text) {
    const QString id = text.trimmed();
    if (id.isEmpty()) {
        return;
    }
    std::optional<Order> stored;
    try {
        stored = OrderStore(db_).load(id);
    } catch (const StoreError&) {
        return;  // a number that cannot be read leaves the window as it is
    }
    order_ = stored.value_or(Order{});
    order_.header.ID = id;
    order_.isNew = false;
    loaded_ = true;
    const bool hasProducts =
        std::any_of(order_.lines.cbegin(), order_.lines.cend(),
                    [](const OrderLine& l) { return !l.SPBM.trimmed().isEmpty(); });
    if (!hasProducts) {
        OrderHeader& h = order_.header;
        const QDate today = QDate::currentDate();
        h.QXRQ = today.addDays(company_.QXTS);
        h.QXSJ = company_.QXSJ;
        h.RQ = today;
        h.SJ = QTime::currentTime().toString(QStringLiteral("hh:mm"));
        h.SH = QStringLiteral("F");
        h.KHMC.clear();
        h.BZ.clear();
        order_.isNew = true;
    }
    showOrder();
    session().UnsavedChanges = true;
    RefreshButtons();
}

void Txsd::showOrder() {
    showingOrder_ = true;
    lines_->setLines(order_.header.ID, order_.lines);
    const OrderHeader& h = order_.header;
    RQ->setDate(h.RQ.isValid() ? h.RQ : QDate::currentDate());
    SJ->setText(h.SJ);
    KHBM->setText(h.KHBM);
    KHMC->setText(h.KHMC);
    for (auto [list, value] :
         {std::pair{JBR, h.JBR}, std::pair{SYR, h.SYR}, std::pair{SYZL, h.SYZL},
          std::pair{HZR, h.HZR}, std::pair{HQR, h.HQR}}) {
        list->setCurrentText(value);
    }
    ZDR->setText(h.ZDR);
    BZ->setPlainText(h.BZ);
    if (h.YYRQ.isValid()) {
        YYRQ->setDate(h.YYRQ);
    }
    QXRQ->setDate(h.QXRQ.isValid() ? h.QXRQ : QDate::currentDate());
    QXSJ->setText(h.QXSJ);
    TXMC->setText(h.TXMC);
    YYSK->setText(amountText(h.YYSK));
    SS->setText(amountText(h.SS));
    QXSK->setText(amountText(h.QXSK));
    HK->setText(amountText(h.HK));
    WF->setText(amountText(h.QK));
    JF->setText(pointsText(h.JF));
    showTotals();
    showingOrder_ = false;
}

void Txsd::collectHeader() {
    OrderHeader& h = order_.header;
    h.ID = Edit_id->text().trimmed();
    h.RQ = RQ->date();
    h.KHBM = KHBM->text().trimmed();
    h.KHMC = KHMC->text().trimmed();
    h.JBR = JBR->currentText();
    h.SYR = SYR->currentText();
    h.SYZL = SYZL->currentText();
    h.HZR = HZR->currentText();
    h.HQR = HQR->currentText();
    h.ZDR = ZDR->text();
    h.BZ = BZ->toPlainText();
    h.YYRQ = YYRQ->date();
    h.QXRQ = QXRQ->date();
    h.QXSJ = QXSJ->text();
    h.TXMC = TXMC->text();
    h.JF = Decimal2::parse(JF->text()).value_or(h.JF);
    order_.lines = lines_->lines();
}

void Txsd::showTotals() {
    YS->setText(amountText(order_.header.ZJE));
    WF->setText(amountText(order_.header.QK));
}

void Txsd::linesChanged() {
    if (!loaded_ || showingOrder_) {
        return;
    }
    const OrderTotals totals = ComputeTotals(lines_->lines(), KHBM->text().trimmed());
    OrderHeader& h = order_.header;
    h.ZJE = totals.ZJE;
    h.ZSL = totals.ZSL;
    h.ZML = totals.ZML;
    h.ZMJ = totals.ZMJ;
    h.JF = totals.JF;
    order_.lines = lines_->lines();
    showingOrder_ = true;
    JF->setText(pointsText(h.JF));
    showingOrder_ = false;
    showTotals();
    markUnsaved();
}

void Txsd::RefreshButtons() {
    OrderHeader stored;
    if (loaded_) {
        try {
            if (const std::optional<Order> o = OrderStore(db_).load(order_.header.ID)) {
                stored = o->header;
            }
        } catch (const StoreError&) {
        }
    }
    // No stage is offered before an order is loaded.
    const OrderButtons b = loaded_ ? ::RefreshButtons(stored) : OrderButtons{};
    BitBtn_YY->setEnabled(b.reserve);
    BitBtn_FYY->setEnabled(b.cancelReservation);
    BitBtn_sh->setEnabled(b.approve);
    BitBtn_fsh->setEnabled(b.cancelApproval);
    BitBtn_qx->setEnabled(b.takeFinalPayment);
    BitBtn_fqx->setEnabled(b.cancelFinalPayment);
    BitBtn_WC->setEnabled(b.complete);
    BitBtn_WWC->setEnabled(b.cancelCompletion);
    for (QWidget* w : std::initializer_list<QWidget*>{KHBM, khxz, TTJKH, TXMXZ, BitBtn1, TXXZ}) {
        w->setEnabled(b.editLines);
    }
    for (QPushButton* n : navigator_) {
        n->setEnabled(b.editLines);
    }
    lines_->setLocked(!b.editLines);
}

void Txsd::setCustomerEditable() {
    const bool walkIn = KHBM->text().trimmed() == kWalkInCustomer;
    KHMC->setReadOnly(!walkIn);
    KHMC->setEnabled(walkIn);
    if (walkIn) {
        KHMC->setStyleSheet(QStringLiteral("background: white"));
        ComboBox1->setCurrentIndex(0);
        KHMC->setFocus();
    } else {
        KHMC->setStyleSheet(QString());
    }
}

void Txsd::KHBMExit() {
    if (KHBM->text().trimmed().isEmpty() || !KHBM->isModified()) {
        return;
    }
    KHBM->setModified(false);
    exactLookup_ = false;
    lookupCustomer(KHBM->text().trimmed(), false);
    LoadMemberAccount();
}

void Txsd::khxzClick() {
    if (!pickers_.member) {
        return;
    }
    pickers_.member(this, QString(),
                    [this](const QString& code, const QString& name) { setCustomer(code, name); });
}

void Txsd::setCustomer(const QString& code, const QString& name) {
    exactLookup_ = true;
    KHBM->setText(code);
    KHMC->setText(name);
    lookupCustomer(code, true);
    LoadMemberAccount();
    markUnsaved();
}

void Txsd::lookupCustomer(const QString& code, bool exact) {
    QList<OrderCustomer> found;
    try {
        found = FindOrderCustomers(db_, code, exact);
    } catch (const StoreError& e) {
        QMessageBox::warning(this, kCaption, e.message());
        return;
    }
    if (found.isEmpty()) {
        QMessageBox::information(this, kCaption, QStringLiteral("您所输入的编码不存在！"));
        KHBM->clear();
        KHMC->clear();
        KHBM->setFocus();
        return;
    }
    if (found.size() > 1) {
        KHBM->clear();
        if (pickers_.member) {
            pickers_.member(this, code,
                            [this](const QString& c, const QString& n) { setCustomer(c, n); });
        }
        return;
    }
    const OrderCustomer& customer = found.first();
    KHBM->setText(customer.BM);
    KHMC->setText(customer.MC);
    if (const std::optional<QDate> setUp = SetUpDayFor(customer)) {
        YYRQ->setDate(*setUp);
    }
    if (const std::optional<int> level = PriceLevelOf(customer.JG)) {
        ComboBox1->setCurrentIndex(*level);
    }
    setCustomerEditable();
    collectHeader();
    if (!lines_->lines().isEmpty()) {
        linesChanged();
    }
}

void Txsd::LoadMemberAccount() {
    if (KHMC->text().trimmed().isEmpty()) {
        return;
    }
    std::optional<OrderCustomer> customer;
    try {
        customer = ReadOrderCustomer(db_, KHBM->text().trimmed());
    } catch (const StoreError&) {
    }
    if (!customer) {
        E_zhqk->setText(QStringLiteral("0.00"));
        E_zhye->setText(QStringLiteral("0.00"));
        return;
    }
    if (customer->ZK > Decimal2()) {
        CurrentDiscount = customer->ZK;
        lines_->setPricing(ComboBox1->currentIndex(), CurrentDiscount, company_.XJF);
    }
    E_zhqk->setText(amountText(customer->ZHQK));
    E_zhye->setText(amountText(customer->ZHYE));
}

void Txsd::TTJKHClick() {
    if (pickers_.addMember) {
        pickers_.addMember(
            this, [this](const QString& code, const QString& name) { setCustomer(code, name); });
    }
}

void Txsd::addProductLine(const QString& code) {
    if (!loaded_) {
        return;
    }
    const int row = lines_->appendLine();
    if (!lines_->setProductCode(row, code)) {
        lines_->removeLine(row);
        return;
    }
    DBGridEh1->view()->setCurrentIndex(
        DBGridEh1->view()->model()->index(row, OrderLinesModel::SPBM));
}

void Txsd::BitBtn1Click() {
    if (!loaded_) {
        return;
    }
    const QString text = TXMXZ->text().trimmed();
    const auto chosen = [this](const QString& code) {
        addProductLine(code);
        TXMXZ->clear();
        TXMXZ->setFocus();
    };
    if (text.isEmpty()) {
        if (pickers_.product) {
            pickers_.product(this, chosen);
        }
        return;
    }
    const int row = currentLine();
    if (row >= 0 && row < lines_->rowCount()) {
        if (const std::optional<Decimal2> price = QuickBoxPrice(text, lines_->lines().at(row))) {
            lines_->changeField(row, LineField::ZQDJ, *price);
            TXMXZ->clear();
            return;
        }
    }
    int matches = 0;
    try {
        matches = CountQuickMatches(db_, text);
    } catch (const StoreError&) {
        QMessageBox::information(this, kCaption, QStringLiteral("您输入的编码不存在3！"));
        return;
    }
    if (matches == 1) {
        QString code;
        try {
            const ProductQuery query = QuickMatches(text);
            code = db_.value(QStringLiteral("select BM from BM_SP ") + query.whereAndOrder,
                             query.params)
                       .toString();
        } catch (const StoreError&) {
        }
        if (!code.isEmpty()) {
            chosen(code);
        }
    } else if (matches > 1) {
        if (pickers_.searchResult) {
            pickers_.searchResult(this, text, chosen);
        }
    } else {
        QMessageBox::information(this, kCaption, QStringLiteral("您输入的商品不存在！"));
    }
}

void Txsd::TXXZSelect(const QString& name) {
    if (!loaded_ || name.isEmpty()) {
        return;
    }
    QList<PackageLine> items;
    try {
        if (const std::optional<QString> series = PackageSeriesCode(db_, name)) {
            items = PackageSeriesLines(db_, *series);
        }
    } catch (const StoreError& e) {
        QMessageBox::warning(this, kCaption, e.message());
        return;
    }
    for (const PackageLine& item : items) {
        const int row = lines_->appendLine();
        if (!lines_->setProductCode(row, item.BM)) {
            lines_->removeLine(row);
            continue;
        }
        lines_->changeField(row, LineField::ZQDJ, item.DJ);
        lines_->changeField(row, LineField::SL, item.SL);
        lines_->changeField(row, LineField::DJ, item.DJ);
    }
    TXMC->setText(name);
    order_.header.TXMC = name;
}

void Txsd::stepOrderNumber(int step) {
    if (!Edit_id->isReadOnly() && !Edit_id->text().isEmpty()) {
        Edit_id->setText(StepOrderNumber(Edit_id->text(), step));
    }
}

bool Txsd::report(const OrderOutcome& outcome) {
    for (const OrderMessage& m : outcome.messages) {
        QMessageBox box(m.warning ? QMessageBox::Warning : QMessageBox::Information, m.caption,
                        m.text, QMessageBox::Ok, this);
        box.setInformativeText(m.detail);
        box.exec();
    }
    if (outcome.paymentBox) {
        Edit1->setText(*outcome.paymentBox);
    }
    return outcome.ok;
}

void Txsd::afterStage(const OrderOutcome& outcome) {
    showOrder();
    if (outcome.ok) {
        session().UnsavedChanges = false;
    }
    RefreshButtons();
    LoadMemberAccount();
}

void Txsd::save() {
    if (!loaded_) {
        report(lifecycle().save(order_));
        return;
    }
    collectHeader();
    const OrderOutcome outcome = lifecycle().saveClicked(order_);
    report(outcome);
    afterStage(outcome);
}

void Txsd::reserve() {
    collectHeader();
    const OrderOutcome outcome = lifecycle().reserve(order_, payment());
    report(outcome);
    afterStage(outcome);
    if (outcome.openDrawer) {
        openDrawer();
    }
}

void Txsd::cancelReservation() {
    collectHeader();
    const OrderOutcome outcome = lifecycle().cancelReservation(order_);
    report(outcome);
    afterStage(outcome);
}

void Txsd::approve() {
    collectHeader();
    const OrderOutcome outcome = lifecycle().approve(order_, payment(), printAfterApproval_);
    report(outcome);
    afterStage(outcome);
    if (!outcome.ok) {
        return;
    }
    if (outcome.print) {
        printOrder();
    }
    if (outcome.openDrawer) {
        openDrawer();
    }
    if (outcome.startNewOrder) {
        SpeedButton2Click();
    }
}

void Txsd::cancelApproval() {
    collectHeader();
    const OrderOutcome outcome = lifecycle().cancelApproval(order_);
    report(outcome);
    afterStage(outcome);
}

void Txsd::takeFinalPayment() {
    collectHeader();
    const OrderOutcome outcome =
        lifecycle().takeFinalPayment(order_, payment(), [this](const QString& question) {
            return QMessageBox::question(this, kCaption, question,
                                         QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
        });
    report(outcome);
    afterStage(outcome);
    if (outcome.openDrawer) {
        openDrawer();
    }
}

void Txsd::cancelFinalPayment() {
    collectHeader();
    const OrderOutcome outcome = lifecycle().cancelFinalPayment(order_, payment());
    report(outcome);
    afterStage(outcome);
}

void Txsd::setCompleted(bool completed) {
    collectHeader();
    const OrderOutcome outcome = lifecycle().setCompleted(order_, completed);
    report(outcome);
    afterStage(outcome);
}

void Txsd::deleteOrder() {
    if (!loaded_) {
        return;
    }
    collectHeader();
    const OrderOutcome outcome = lifecycle().remove(order_);
    report(outcome);
    if (!outcome.ok) {
        return;
    }
    loaded_ = false;
    order_ = Order{};
    lines_->setLines(QString(), {});
    Edit_id->clear();
    session().UnsavedChanges = false;
    RefreshButtons();
}

void Txsd::openDrawer() {
    OpenCashDrawerFromSettings(ini_);
}

void Txsd::printOrder() {
    const OrderPrintPlan plan = PlanOrderPrint(order_.header, ini_);
    if (plan.refusal) {
        QMessageBox::information(this, kCaption, *plan.refusal);
        return;
    }
    collectHeader();
    const OrderOutcome saved = lifecycle().save(order_);
    if (!report(saved)) {
        return;
    }
    afterStage(saved);
    Report::ReportData data;
    try {
        data = DocumentData::load(db_, OrderPrintKind::Order, order_.header.ID);
    } catch (const AppError& e) {
        QMessageBox::warning(this, kCaption, e.message());
        return;
    }
    PrintOperation::Request request{OrderPrintKind::Order, data,
                                    PrintOperation::Mode::FollowSettings, false};
    if (plan.ticket) {
        try {
            TicketPrinter::TicketContext context{&data, std::max(0, currentLine()),
                                                 session().CurrentOperatorCode,
                                                 QDateTime::currentDateTime()};
            TicketPrinter::PrintXP(IniFile(home_.filePath(QStringLiteral("PrintFormat/xpjlt.piv"))),
                                   context, PortDevicePath(ini_, QStringLiteral("LPT1")));
        } catch (const AppError& e) {
            QMessageBox::warning(this, kCaption, e.message());
            return;
        }
    } else if (!PrintOperation::run(this, db_, home_, ini_, request)) {
        return;
    }
    for (const QString& file : plan.extraTemplates) {
        if (!PrintOperation::runFile(this, home_.filePath(QStringLiteral("PrintFormat/") + file),
                                     home_, ini_, request)) {
            return;
        }
    }
    QMessageBox::information(this, kCaption, kPrinted);
}

void Txsd::printKind(const QString& kind) {
    collectHeader();
    const OrderOutcome saved = lifecycle().save(order_);
    if (!report(saved)) {
        return;
    }
    afterStage(saved);
    try {
        PrintOperation::run(this, db_, home_, ini_,
                            {kind, DocumentData::load(db_, kind, order_.header.ID),
                             PrintOperation::Mode::FollowSettings, false});
    } catch (const AppError& e) {
        QMessageBox::warning(this, kCaption, e.message());
    }
}

bool Txsd::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return QWidget::eventFilter(watched, event);
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    // Every key of the window passes here first, whichever control has the focus.
    if (!widget || !isAncestorOf(widget) || QApplication::activeModalWidget()) {
        return QWidget::eventFilter(watched, event);
    }
    return handleKey(static_cast<QKeyEvent*>(event));
}

bool Txsd::handleKey(QKeyEvent* event) {
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    switch (event->key()) {
        case Qt::Key_F1:
            SpeedButton2Click();
            return true;
        case Qt::Key_F2:
            if (khxz->isEnabled()) {
                khxzClick();
            }
            return true;
        case Qt::Key_F3:
            if (TXMXZ->isEnabled()) {
                TXMXZ->setFocus();
            }
            return true;
        case Qt::Key_F4:
            Edit1->setFocus();
            Edit1->selectAll();
            return true;
        case Qt::Key_F5:
        case Qt::Key_F6:
            printAfterApproval_ = event->key() == Qt::Key_F5 ? PrintAfterApproval::Print
                                                             : PrintAfterApproval::NoPrint;
            if (BitBtn_sh->isEnabled()) {
                approve();
            }
            return true;
        case Qt::Key_F7:
            if (BitBtn_qx->isEnabled()) {
                takeFinalPayment();
            }
            return true;
        case Qt::Key_F8:
            if (session().CurrentOperatorCode == QLatin1String("000")) {
                openDrawer();
            } else {
                QMessageBox::information(this, kCaption, QStringLiteral("本功能仅管理员可用！"));
            }
            return true;
        case Qt::Key_Up:
        case Qt::Key_Down:
            if (ctrl) {
                stepOrderNumber(event->key() == Qt::Key_Up ? 1 : -1);
                return true;
            }
            return false;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (EnterKeyMode() == 1) {
                BitBtn1Click();
                return true;
            }
            if (EnterKeyMode() == 2) {
                return false;
            }
            // Leaving the member code runs its lookup before the focus moves on.
            if (focusWidget() == KHBM) {
                KHBMExit();
            }
            focusNextChild();
            return true;
        default:
            break;
    }
    const QString typed = event->text();
    if ((typed == QLatin1String("/") || typed == QLatin1String("*")) &&
        !(event->modifiers() & Qt::ShiftModifier)) {
        if (typed == QLatin1String("/") && BitBtn_sh->isEnabled()) {
            approve();
        }
        return true;
    }
    return false;
}

void Txsd::closeEvent(QCloseEvent* event) {
    if (session().UnsavedChanges &&
        QMessageBox::question(this, kCaption, QStringLiteral("当前还没有保存，是否关闭当前窗口？"),
                              QMessageBox::Yes | QMessageBox::No) == QMessageBox::No) {
        event->ignore();
        return;
    }
    session().UnsavedChanges = false;
    event->accept();
}
