#include <QApplication>
#include <QMessageBox>

#include "app/appdatamodule.h"
#include "app/branding.h"
#include "app/singleinstance.h"
#include "app/ui/mainwindow.h"
#include "store/datamodule.h"
#include "store/storeerror.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zorlik"));
    const QString title = QString::fromUtf8(kApplicationTitle);

    const ProgramHome home = ProgramHome::fromArguments(QApplication::arguments());
    // Looked at before the lock file makes the folder non-empty.
    const bool newHome = home.isNew();
    const SingleInstance instance(home.root());
    if (!instance.acquired()) {
        QMessageBox::information(nullptr, QStringLiteral("提示"), QStringLiteral("程序已运行！"));
        return 0;
    }

    TDM_CS dataModule(home);
    setDM_CS(&dataModule);
    try {
        home.createLayout();
        Tform1 mainWindow(dataModule, newHome);
        if (!mainWindow.loggedIn()) {
            return 0;
        }
        mainWindow.show();
        return QApplication::exec();
    } catch (const StoreError& e) {
        QMessageBox::critical(nullptr, title, e.message());
        return 1;
    }
}
