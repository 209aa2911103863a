#include "app/ui/mdichild.h"

#include <QMdiArea>
#include <QMdiSubWindow>

void showMdiChild(QMdiArea* area, QWidget* child) {
    // A window that chose its size keeps it; the frame adds its title bar and borders.
    const bool sized = child->testAttribute(Qt::WA_Resized);
    const QSize wanted = child->size();
    QMdiSubWindow* sub = area->addSubWindow(child);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->move(0, 0);
    sub->show();
    if (sized) {
        sub->resize(wanted + sub->size() - child->size());
    }
}

bool raiseMdiChild(QMdiArea* area, QWidget* child) {
    auto* sub = child ? qobject_cast<QMdiSubWindow*>(child->parentWidget()) : nullptr;
    if (!sub) {
        return false;
    }
    sub->showNormal();
    area->setActiveSubWindow(sub);
    return true;
}

void closeMdiChild(QWidget* child) {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(child->parentWidget())) {
        sub->close();
    } else {
        child->close();
    }
}
