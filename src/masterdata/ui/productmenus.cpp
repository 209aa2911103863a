#include "masterdata/ui/productmenus.h"

#include <QAction>
#include <QMdiSubWindow>
#include <QPointer>

#include "app/appdatamodule.h"
#include "app/ui/backgroundarea.h"
#include "app/ui/mainwindow.h"
#include "app/ui/mdichild.h"
#include "masterdata/ui/categorywindow.h"
#include "masterdata/ui/packagecontentswindow.h"
#include "masterdata/ui/packageserieswindow.h"
#include "masterdata/ui/productwindow.h"
#include "store/datamodule.h"

namespace {

// One window per entry: a click while it is open brings it to the front.
template <typename Window>
void connectEntry(Tform1& main, const char* entry, bool fillWorkArea) {
    QAction* action = main.menuAction(QString::fromLatin1(entry));
    QObject::connect(action, &QAction::triggered, &main,
                     [&main, fillWorkArea, open = QPointer<Window>()]() mutable {
                         BackgroundArea* area = main.clientArea();
                         if (raiseMdiChild(area, open)) {
                             return;
                         }
                         open = new Window(DM_CS().connection());
                         showMdiChild(area, open);
                         auto* sub = qobject_cast<QMdiSubWindow*>(open->parentWidget());
                         if (fillWorkArea && sub) {
                             sub->resize(area->viewport()->size());
                         }
                     });
}

}  // namespace

void connectProductMenus(Tform1& main) {
    connectEntry<TBM_SPLB>(main, "JC_SPLB", false);
    connectEntry<TFormSP>(main, "JC_SP", true);
    connectEntry<TBM_TXLB>(main, "JC_TX", false);
    connectEntry<TBM_TX>(main, "JC_TXMX", true);
}
