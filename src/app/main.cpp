#include <QApplication>
#include <QMessageBox>

#include "app/ui/mainwindow.h"
#include "store/datamodule.h"
#include "store/storeerror.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zorlik"));
    QApplication::setApplicationDisplayName(QStringLiteral("Zorlik影楼收费管理系统(专业版)"));

    TDM_CS dataModule(ProgramHome::fromArguments(QApplication::arguments()));
    try {
        const bool newHome = dataModule.home().isNew();
        dataModule.home().createLayout();
        dataModule.openConnection(newHome);
    } catch (const StoreError& e) {
        QMessageBox::critical(nullptr, QStringLiteral("提示"), e.message());
        return 1;
    }
    if (!dataModule.connection().warning().isEmpty()) {
        QMessageBox::warning(nullptr, QStringLiteral("提示"), dataModule.connection().warning());
    }
    Tform1 mainWindow(dataModule);
    mainWindow.show();
    return QApplication::exec();
}
