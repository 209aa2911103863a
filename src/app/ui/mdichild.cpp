#include "app/ui/mdichild.h"

#include <QMdiArea>
#include <QMdiSubWindow>

void showMdiChild(QMdiArea* area, QWidget* child) {
    QMdiSubWindow* sub = area->addSubWindow(child);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->move(0, 0);
    sub->show();
}

void closeMdiChild(QWidget* child) {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(child->parentWidget())) {
        sub->close();
    } else {
        child->close();
    }
}
