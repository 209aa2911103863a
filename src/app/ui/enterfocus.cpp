#include "app/ui/enterfocus.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

EnterMovesFocus::EnterMovesFocus(QWidget* dialog) : QObject(dialog) {}

void EnterMovesFocus::install(QWidget* dialog) {
    auto* filter = new EnterMovesFocus(dialog);
    for (QWidget* child : dialog->findChildren<QWidget*>()) {
        child->installEventFilter(filter);
    }
}

bool EnterMovesFocus::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) {
        return false;
    }
    auto* button = qobject_cast<QAbstractButton*>(watched);
    if (button && !qobject_cast<QCheckBox*>(button)) {
        button->click();
        return true;
    }
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QCoreApplication::sendEvent(watched, &tab);
    return true;
}
