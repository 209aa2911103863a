#include "app/ui/mainwindow.h"

#include <QLabel>
#include <QStatusBar>

#include "store/datamodule.h"

Tform1::Tform1(const TDM_CS& dataModule, QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("Zorlik婚庆公司管理系统"));
    const Database& db = dataModule.connection();
    statusBar()->addWidget(new QLabel(
        QStringLiteral("%1：%2").arg(db.dialect().engineName(), db.settings().location())));
    resize(1024, 700);
}
