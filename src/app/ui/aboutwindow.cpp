#include "app/ui/aboutwindow.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/branding.h"
#include "app/ui/mdichild.h"

namespace {

QLabel* line(const char* name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

}  // namespace

TGY::TGY(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TGY"));
    setWindowTitle(QStringLiteral("关于本软件"));
    resize(550, 340);
    const Branding& b = branding();

    auto* band = new QWidget(this);
    band->setObjectName(QStringLiteral("band"));
    band->setStyleSheet(QStringLiteral("#band { background: #b01e3c; } QLabel { color: white; }"));
    auto* bandLayout = new QVBoxLayout(band);
    QLabel* name = line("Label1", b.SoftwareName, band);
    QFont big = name->font();
    big.setPixelSize(26);
    big.setBold(true);
    name->setFont(big);
    bandLayout->addWidget(name);
    bandLayout->addWidget(line("Label2", QLatin1String(SoftwareVersion), band));

    QLabel* site = line(
        "Label6", QStringLiteral("<a href=\"%1\">%2</a>").arg(b.WebSite, b.WebSite.toHtmlEscaped()),
        this);
    site->setOpenExternalLinks(true);
    auto* ok = new QPushButton(QStringLiteral("确定"), this);
    connect(ok, &QPushButton::clicked, this, [this] { closeMdiChild(this); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(band);
    layout->addWidget(line("Label3", QStringLiteral("研发单位：") + b.DeveloperName, this));
    layout->addWidget(line("Label5",
                           QStringLiteral("联系方式：") + b.Telephone +
                               QStringLiteral("（手机/微信）   ") + b.SupportAccount +
                               QStringLiteral("（QQ） "),
                           this));
    layout->addWidget(line("Label4", QStringLiteral("地址：") + b.DeveloperAddress, this));
    layout->addWidget(site);
    layout->addWidget(
        line("Label7", QStringLiteral("购买正版授权、升级服务请与研发单位联系。"), this));
    layout->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    layout->addLayout(buttons);
}

void TGY::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_0 && (event->modifiers() & Qt::ControlModifier) &&
        (event->modifiers() & Qt::KeypadModifier)) {
        emit receiptQueryRequested();
        return;
    }
    QWidget::keyPressEvent(event);
}
