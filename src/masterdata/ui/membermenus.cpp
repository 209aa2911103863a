#include "masterdata/ui/membermenus.h"

#include <QAction>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>

#include <memory>

#include "app/appdatamodule.h"
#include "app/ui/backgroundarea.h"
#include "app/ui/mainwindow.h"
#include "app/ui/mdichild.h"
#include "masterdata/ui/levelwindow.h"
#include "masterdata/ui/memberaddwindow.h"
#include "masterdata/ui/memberwindow.h"
#include "store/datamodule.h"

namespace {

// One instance per window: a second call brings the open one forward.
template <typename Window>
void openOnce(Tform1& main, QPointer<Window>& window, const QSize& size) {
    if (raiseMdiChild(main.clientArea(), window)) {
        return;
    }
    window = new Window(DM_CS().connection());
    showMdiChild(main.clientArea(), window);
    window->parentWidget()->resize(size);
}

}  // namespace

void connectMemberMenus(Tform1& main) {
    const auto members = std::make_shared<QPointer<TBM_KH>>();
    const auto levels = std::make_shared<QPointer<TBM_KHJB>>();
    QObject::connect(main.menuAction(QStringLiteral("JC_KH")), &QAction::triggered, &main,
                     [&main, members] {
                         // The member list fills the work area.
                         openOnce(main, *members, main.clientArea()->viewport()->size());
                     });
    QObject::connect(main.menuAction(QStringLiteral("JC_HYJB")), &QAction::triggered, &main,
                     [&main, levels] { openOnce(main, *levels, QSize(500, 300)); });

    // Created once and shown again: the button hands nothing back.
    auto* addMember = new TTJKH(DM_CS().connection(), DM_CS().home().iniPath(), &main);
    if (auto* button = main.findChild<QPushButton*>(QStringLiteral("BitBtn8"))) {
        QObject::connect(button, &QPushButton::clicked, addMember, &QDialog::exec);
    }
}
