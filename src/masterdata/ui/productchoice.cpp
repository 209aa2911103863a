#include "masterdata/ui/productchoice.h"

#include <QAbstractItemView>
#include <QKeyEvent>

namespace {

class ChoiceKeys : public QObject {
public:
    ChoiceKeys(QAbstractItemView* view, std::function<void()> choose)
        : QObject(view), choose_(std::move(choose)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
                key->key() == Qt::Key_Plus) {
                choose_();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> choose_;
};

}  // namespace

void watchProductChoice(QAbstractItemView* view, std::function<void()> choose) {
    view->setEditTriggers(view->editTriggers() & ~QAbstractItemView::DoubleClicked);
    QObject::connect(view, &QAbstractItemView::doubleClicked, view,
                     [choose](const QModelIndex& index) {
                         if (index.isValid()) {
                             choose();
                         }
                     });
    view->installEventFilter(new ChoiceKeys(view, std::move(choose)));
}
