#include "orders/ui/ordermenus.h"

#include <QAction>
#include <QPointer>

#include "app/appdatamodule.h"
#include "app/ui/backgroundarea.h"
#include "app/ui/mainwindow.h"
#include "app/ui/mdichild.h"
#include "masterdata/ui/memberaddwindow.h"
#include "masterdata/ui/memberpicker.h"
#include "masterdata/ui/picturewindow.h"
#include "masterdata/ui/productpicker.h"
#include "masterdata/ui/productsearchlist.h"
#include "orders/ui/orderwindow.h"
#include "store/datamodule.h"

namespace {

QPointer<Txsd> openOrder;

OrderPickers pickers() {
    OrderPickers p;
    p.member = [](QWidget* parent, const QString& filter,
                  const OrderPickers::MemberChosen& chosen) {
        Txzkh picker(DM_CS().connection(), filter, parent);
        QObject::connect(&picker, &Txzkh::memberChosen, parent, chosen);
        picker.exec();
    };
    p.addMember = [](QWidget* parent, const OrderPickers::MemberChosen& added) {
        TTJKH window(DM_CS().connection(), DM_CS().home().iniPath(), parent);
        QObject::connect(&window, &TTJKH::memberAdded, parent, added);
        window.exec();
    };
    p.product = [](QWidget* parent, const OrderPickers::ProductChosen& chosen) {
        TXZSP picker(DM_CS().connection(), parent);
        QObject::connect(&picker, &TXZSP::productChosen, parent, chosen);
        picker.exec();
    };
    p.searchResult = [](QWidget* parent, const QString& text,
                        const OrderPickers::ProductChosen& chosen) {
        Txspx list(DM_CS().connection(), text, parent);
        QObject::connect(&list, &Txspx::productChosen, parent, chosen);
        list.exec();
    };
    p.picture = [](QWidget* parent, const QString& code) {
        TBM_TP window(DM_CS().connection(), code, parent);
        window.exec();
    };
    return p;
}

}  // namespace

void openOrderWindow(Tform1& main, const QString& orderId) {
    if (!raiseMdiChild(main.clientArea(), openOrder)) {
        openOrder = new Txsd(DM_CS().connection(), DM_CS().home(), pickers());
        showMdiChild(main.clientArea(), openOrder);
        // The order fills the work area.
        openOrder->parentWidget()->resize(main.clientArea()->viewport()->size());
    }
    if (!orderId.isEmpty()) {
        openOrder->setOrderNumber(orderId);
    }
}

void connectOrderMenus(Tform1& main) {
    QObject::connect(main.menuAction(QStringLiteral("YW_XSD")), &QAction::triggered, &main,
                     [&main] { openOrderWindow(main, QString()); });
}
