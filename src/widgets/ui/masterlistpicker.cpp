#include "widgets/ui/masterlistpicker.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolBar>
#include <QVBoxLayout>

#include "widgets/ui/datagrid.h"
#include "widgets/ui/gridview.h"

MasterListPicker::MasterListPicker(const Database& db, MasterListConfig config, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(config.title);
    list_ = new MasterListWindow(db, std::move(config), this);
    list_->setAttribute(Qt::WA_DeleteOnClose, false);
    for (QAction* a : list_->toolBar()->actions()) {
        if (a->text() == QLatin1String("退出[&E]")) {
            // The list would ask about unsaved edits; a picker simply closes.
            a->disconnect(list_);
            connect(a, &QAction::triggered, this, &QDialog::reject);
        }
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list_);

    GridView* view = list_->grid()->view();
    view->setEditTriggers(view->editTriggers() & ~QAbstractItemView::DoubleClicked);
    view->installEventFilter(this);
    connect(view, &QAbstractItemView::doubleClicked, this, &MasterListPicker::choose);
}

void MasterListPicker::showEvent(QShowEvent* event) {
    list_->filterBox()->clear();
    list_->reload();
    QDialog::showEvent(event);
    list_->grid()->view()->setFocus();
}

bool MasterListPicker::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_->grid()->view() && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Plus) {
            choose();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void MasterListPicker::choose() {
    const int row = list_->currentRow();
    if (row < 0) {
        return;
    }
    emit rowChosen(row);
    accept();
}
