#include "masterdata/ui/staffmenus.h"

#include <QAction>
#include <QDir>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPointer>

#include "app/appdatamodule.h"
#include "app/ui/backgroundarea.h"
#include "app/ui/mainwindow.h"
#include "app/ui/mdichild.h"
#include "masterdata/ui/companywindow.h"
#include "masterdata/ui/employeewindow.h"
#include "masterdata/ui/itemwindow.h"
#include "masterdata/ui/memberpicker.h"
#include "masterdata/ui/pointsgoodswindow.h"
#include "masterdata/ui/supplierwindow.h"
#include "store/datamodule.h"
#include "store/storeerror.h"

namespace {

// The size a child window takes in the main window's client area.
using Sizing = QSize (*)(const QSize& area);

// Each window exists once: a second click brings the open one forward.
template <typename Window, typename Make>
void openOnce(Tform1& main, QPointer<QWidget>& open, Make make, Sizing sizing) {
    if (raiseMdiChild(main.clientArea(), open)) {
        return;
    }
    Window* w = nullptr;
    try {
        w = make();
    } catch (const StoreError& e) {
        QMessageBox::warning(&main, QStringLiteral("提示"), e.message());
        return;
    }
    open = w;
    showMdiChild(main.clientArea(), w);
    w->parentWidget()->resize(sizing(main.clientArea()->size()));
}

template <typename Window>
void connectList(Tform1& main, const char* entry, QPointer<QWidget>& open, Sizing sizing) {
    QObject::connect(main.menuAction(QString::fromLatin1(entry)), &QAction::triggered, &main,
                     [&main, &open, sizing] {
                         openOnce<Window>(
                             main, open, [] { return new Window(DM_CS().connection()); }, sizing);
                     });
}

// The company row is shown on the main window: after the company window it is read again.
void showCompanyAgain(Tform1& main) {
    if (main.loadCompany()) {
        return;
    }
    main.clientArea()->setPicture(
        QPixmap(QDir(DM_CS().home().root()).filePath(QStringLiteral("image.jpg"))));
    QMessageBox::information(&main, QStringLiteral("提示"), QStringLiteral("背景图片路径不正确  "));
}

}  // namespace

void connectStaffMenus(Tform1& main) {
    static QPointer<QWidget> employees, company, suppliers, items, pointsGoods;
    const Sizing fillsArea = [](const QSize& area) { return area - QSize(6, 4); };
    const Sizing workArea = [](const QSize& area) { return area - QSize(4, 4); };
    connectList<TBM_YG>(main, "JC_YG", employees, fillsArea);
    connectList<TBM_GHS>(main, "JC_GHS", suppliers, workArea);
    connectList<TBMXM>(main, "JC_SZXM", items, [](const QSize&) { return QSize(758, 465); });
    connectList<TJFSP>(main, "JC_JFSP", pointsGoods, [](const QSize&) { return QSize(800, 465); });
    QObject::connect(
        main.menuAction(QStringLiteral("JC_GSXX")), &QAction::triggered, &main, [&main] {
            openOnce<TBM_GSXX>(
                main, company,
                [&main] {
                    auto* w = new TBM_GSXX(DM_CS().connection(), DM_CS().home().root());
                    QObject::connect(w, &TBM_GSXX::closing, &main,
                                     [&main] { showCompanyAgain(main); });
                    QObject::connect(w, &TBM_GSXX::customerPickerRequested, w, [w] {
                        Txzkh picker(DM_CS().connection(), QString(), w);
                        QObject::connect(&picker, &Txzkh::memberChosen, w,
                                         &TBM_GSXX::setDefaultCustomer);
                        picker.exec();
                    });
                    return w;
                },
                [](const QSize&) { return QSize(540, 390); });
        });
}
