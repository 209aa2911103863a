#include "app/ui/mainwindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QShortcut>
#include <QSqlQuery>
#include <QStatusBar>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include "app/appdatamodule.h"
#include "app/branding.h"
#include "app/clocktext.h"
#include "app/employeerights.h"
#include "app/exitbackup.h"
#include "app/menurights.h"
#include "app/menutable.h"
#include "app/session.h"
#include "app/ui/aboutwindow.h"
#include "app/ui/backgroundarea.h"
#include "app/ui/builtinpicture.h"
#include "app/ui/clickablelabel.h"
#include "app/ui/loginwindow.h"
#include "app/ui/mdichild.h"
#include "app/ui/passwordwindow.h"
#include "app/ui/permissionswindow.h"
#include "masterdata/ui/productmenus.h"
#include "masterdata/ui/staffmenus.h"
#include "orders/ui/ordermenus.h"
#include "masterdata/ui/membermenus.h"
#include "store/datamodule.h"
#include "store/storeerror.h"

namespace {

const QString kCaption = QStringLiteral("提示");
const QString kDefaultBackground = QStringLiteral("background.jpg");

QString homeFile(const QString& name) {
    return QDir(DM_CS().home().root()).filePath(name);
}

}  // namespace

Tform1::Tform1(TDM_CS& dataModule, bool createDefaultDatabase, QWidget* parent)
    : QMainWindow(parent), ini_(dataModule.home().iniPath()) {
    setObjectName(QStringLiteral("Tform1"));
    setWindowTitle(QStringLiteral("Zorlik管理系统"));
    // Child windows show the program's icon, not the toolkit's.
    setWindowIcon(QIcon(builtinPicture(QSize(32, 32), QStringLiteral("Z"))));
    branding() = Branding::fromIni(ini_);

    buildMenus();
    auto* client = new QWidget(this);
    auto* outer = new QVBoxLayout(client);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->addWidget(buildTitleStrip());
    auto* body = new QHBoxLayout;
    body->setSpacing(0);
    body->addWidget(buildButtonBar());
    Image2 = new BackgroundArea(client);
    Image2->setObjectName(QStringLiteral("Image2"));
    body->addWidget(Image2, 1);
    outer->addLayout(body, 1);
    setCentralWidget(client);
    buildStatusBar();

    if (branding().alternative) {
        actions_.value(QStringLiteral("BZ_GY"))->setVisible(false);
        SpeedButton1->setText(branding().Telephone);
        Image1->hide();
    }

    {
        Tdl login(dataModule, createDefaultDatabase, this);
        loggedIn_ = login.exec() == QDialog::Accepted;
    }
    if (!loggedIn_) {
        return;
    }

    setWindowTitle(branding().mainCaption());
    statusCredit_->setText(branding().statusCredit());
    statusOperator_->setText(QStringLiteral("操作员：") + session().CurrentOperatorName);
    loadCompany();
    SpeedButton1->setVisible(ini_.readString(QStringLiteral("ZJM"), QStringLiteral("TQQ"),
                                             QStringLiteral("F")) == QLatin1String("F"));
    connectMenuEntries();

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &Tform1::Timer1Timer);
    Timer1->start();
    Timer1Timer();

    // Ctrl+F12 reveals the one hidden entry of 系统维护, 导入导出.
    auto* reveal = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F12), this);
    reveal->setContext(Qt::ApplicationShortcut);
    connect(reveal, &QShortcut::activated, this,
            [this] { actions_.value(QStringLiteral("XT_DRDC"))->setVisible(true); });
    setWindowState(windowState() | Qt::WindowMaximized);
}

Tform1::~Tform1() = default;

QAction* Tform1::menuAction(const QString& name) const {
    return actions_.value(name);
}

void Tform1::buildMenus() {
    const QList<MainMenu>& menus = mainMenus();
    for (const MainMenu& menu : menus) {
        QMenu* m = menuBar()->addMenu(menu.caption);
        m->setObjectName(menu.name);
        QList<QAction*> positions;
        for (const MenuEntry& entry : menu.entries) {
            QAction* a = entry.isSeparator() ? m->addSeparator() : m->addAction(entry.caption);
            a->setObjectName(entry.name);
            a->setVisible(entry.shown);
            actions_.insert(entry.name, a);
            positions.append(a);
        }
        menuPositions_.append(positions);
    }
}

QWidget* Tform1::buildTitleStrip() {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Panel2"));
    panel->setFixedHeight(60);
    panel->setAutoFillBackground(true);
    panel->setStyleSheet(QStringLiteral("#Panel2 { background: #b01e3c; }"));
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(12, 0, 6, 0);
    Label1 = new QLabel(QStringLiteral("超市管理系统"), panel);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont title = Label1->font();
    title.setFamilies({QStringLiteral("LiSu"), QStringLiteral("隶书"),
                       QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Noto Sans CJK SC")});
    title.setPixelSize(48);
    Label1->setFont(title);
    Label1->setStyleSheet(QStringLiteral("color: white;"));
    Image1 = new ClickableLabel(panel);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(builtinPicture(QSize(120, 48), QStringLiteral("Zorlik")));
    Image1->setCursor(Qt::PointingHandCursor);
    connect(Image1, &ClickableLabel::clicked, this,
            [] { QDesktopServices::openUrl(QUrl::fromLocalFile(DM_CS().home().root())); });
    layout->addWidget(Label1);
    layout->addStretch();
    layout->addWidget(Image1);
    return panel;
}

QWidget* Tform1::buildButtonBar() {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFixedWidth(137);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(8, 8, 8, 8);
    const auto addButton = [&](const char* name, const QString& caption) {
        auto* b = new QPushButton(caption, panel);
        b->setObjectName(QString::fromLatin1(name));
        b->setMinimumHeight(36);
        layout->addWidget(b);
        return b;
    };
    const auto clicks = [this](QPushButton* b, const char* entry) {
        connect(b, &QPushButton::clicked, this, [this, entry] {
            // A disabled entry ignores the click, so the buttons follow the rights.
            actions_.value(QString::fromLatin1(entry))->trigger();
        });
    };
    clicks(addButton("BitBtn1", QStringLiteral("婚礼订单")), "YW_XSD");
    clicks(addButton("BitBtn2", QStringLiteral("订单查询")), "BB_XSDCX");
    clicks(addButton("BitBtn3", QStringLiteral("收款单")), "YW_SKD");
    clicks(addButton("BitBtn4", QStringLiteral("收款单查询")), "BB_SKDCX");
    addButton("BitBtn8", QStringLiteral("添加新客户"));
    clicks(addButton("BitBtn5", QStringLiteral("账套备份")), "XT_ZTBF");
    QPushButton* sms = addButton("BitBtn6", QStringLiteral("短信群发"));
    clicks(sms, "YW_DXQF");
    sms->hide();
    connect(addButton("BitBtn7", QStringLiteral("退出")), &QPushButton::clicked, this,
            &QWidget::close);
    layout->addStretch();
    SpeedButton1 = addButton("SpeedButton1", branding().SupportAccount);
    SpeedButton1->setFlat(true);
    connect(SpeedButton1, &QPushButton::clicked, this, [] {
        QDesktopServices::openUrl(
            QUrl(QStringLiteral("tencent://Message/?Uin=%1&websiteName=%2&Menu=yes")
                     .arg(branding().SupportAccount, QUrl(branding().WebSite).host())));
    });
    return panel;
}

void Tform1::buildStatusBar() {
    statusCredit_ = new QLabel(this);
    statusCredit_->setFixedWidth(350);
    statusOperator_ = new QLabel(this);
    statusOperator_->setFixedWidth(150);
    statusClock_ = new QLabel(this);
    statusClock_->setObjectName(QStringLiteral("clock"));
    statusBar()->addWidget(statusCredit_);
    statusBar()->addWidget(statusOperator_);
    statusBar()->addWidget(statusClock_, 1);
}

bool Tform1::loadCompany() {
    QString companyName;
    QString picture;
    try {
        QSqlQuery q = DM_CS().connection().exec(QStringLiteral("select GSMC, LOG from BM_GSXX"));
        if (q.next()) {
            companyName = q.value(0).toString();
            picture = q.value(1).toString();
        }
    } catch (const StoreError&) {
        // The title and background stay as they are; the program works without them.
    }
    if (!companyName.isEmpty()) {
        Label1->setText(companyName);
    }
    const QPixmap background(homeFile(picture.isEmpty() ? kDefaultBackground : picture));
    Image2->setPicture(background);
    return picture.isEmpty() || !background.isNull();
}

void Tform1::connectMenuEntries() {
    const auto on = [this](const char* name, auto slot) {
        connect(actions_.value(QString::fromLatin1(name)), &QAction::triggered, this, slot);
    };
    on("XT_SJ", &Tform1::XT_SJClick);
    on("XT_QX", &Tform1::XT_QXClick);
    on("XT_MM", &Tform1::XT_MMClick);
    on("XT_PB", [] {
        QProcess::startDetached(QStringLiteral("xdg-screensaver"), {QStringLiteral("activate")});
    });
    on("BZ_SC", [] {
        const QString manual = homeFile(QStringLiteral("操作手册.doc"));
        if (QFileInfo::exists(manual)) {
            QDesktopServices::openUrl(QUrl::fromLocalFile(manual));
        }
    });
    on("BZ_GY", &Tform1::BZ_GYClick);
    on("BZ_TC", &QWidget::close);
    connectProductMenus(*this);
    connectStaffMenus(*this);
    connectMemberMenus(*this);
    connectOrderMenus(*this);
}

void Tform1::SetupQX() {
    const QString code = session().CurrentOperatorCode;
    std::optional<EmployeeRights> row;
    try {
        row = EmployeeRightsStore::load(DM_CS().connection(), code);
    } catch (const StoreError& e) {
        QMessageBox::critical(this, kCaption, e.message());
    }
    const MenuRights::Permissions permissions(row, code);
    for (int n = 1; n <= kMenusWithRights; ++n) {
        const QList<QAction*>& entries = menuPositions_[n - 1];
        for (int p = 0; p < entries.size(); ++p) {
            entries[p]->setEnabled(permissions.allows(n, p));
        }
    }
    session().SetupRights = row ? row->otherRights : QString();
}

void Tform1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shownOnce_ || !loggedIn_) {
        return;
    }
    shownOnce_ = true;
    SetupQX();
    if (ini_.readString(QStringLiteral("dl"), QStringLiteral("srtx"), QStringLiteral("T")) ==
        QLatin1String("T")) {
        actions_.value(QStringLiteral("JC_SRTX"))->trigger();
    }
}

void Tform1::closeEvent(QCloseEvent* event) {
    if (!loggedIn_ || FormCloseQuery()) {
        event->accept();
    } else {
        event->ignore();
    }
}

bool Tform1::FormCloseQuery() {
    QMessageBox question(QMessageBox::Information, kCaption,
                         QStringLiteral("退出时备份数据吗（是-备份；否-不备份；取消-不退出）？"),
                         QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, this);
    const int answer = question.exec();
    const Database& db = DM_CS().connection();
    const ProgramHome& home = DM_CS().home();
    const QDate today = QDate::currentDate();
    if (answer == QMessageBox::Yes) {
        try {
            const ExitBackup::Target target = ExitBackup::dated(db, home, today);
            if (target.fallback) {
                QMessageBox::information(
                    this, kCaption,
                    QStringLiteral("备份路径错，自动备份到软件安装目录下面\"backup\""));
            }
            ExitBackup::write(db, target);
        } catch (const StoreError&) {
            QMessageBox::information(this, kCaption, QStringLiteral("备份失败！"));
        }
    }
    try {
        ExitBackup::write(db, ExitBackup::weekday(db, home, today));
    } catch (const StoreError&) {
        QMessageBox::information(this, kCaption, QStringLiteral("备份失败，请重试！"));
    }
    return answer != QMessageBox::Cancel;
}

void Tform1::Timer1Timer() {
    statusClock_->setText(clockText(QDateTime::currentDateTime()));
}

void Tform1::XT_SJClick() {
    QMessageBox question(QMessageBox::Information, kCaption,
                         QStringLiteral("升级前需要先退出软件，是否现在退出？"),
                         QMessageBox::Yes | QMessageBox::No, this);
    if (question.exec() != QMessageBox::Yes) {
        return;
    }
    const QString updater = homeFile(QStringLiteral("UPDate"));
    if (close() && QFileInfo(updater).isExecutable()) {
        QProcess::startDetached(updater, {});
    }
}

void Tform1::XT_QXClick() {
    if (!GGQX_) {
        GGQX_ = new TGGQX(DM_CS().connection());
        connect(GGQX_, &TGGQX::closed, this, &Tform1::SetupQX);
        showMdiChild(Image2, GGQX_);
    } else {
        GGQX_->show();
    }
}

void Tform1::XT_MMClick() {
    if (!ggmm_) {
        ggmm_ = new Tggmm(DM_CS().connection(), this);
    }
    ggmm_->present();
}

void Tform1::BZ_GYClick() {
    if (!GY_) {
        GY_ = new TGY;
        connect(GY_, &TGY::receiptQueryRequested, this,
                [this] { actions_.value(QStringLiteral("BB_SKDCX"))->trigger(); });
        showMdiChild(Image2, GY_);
    } else {
        GY_->show();
    }
}
