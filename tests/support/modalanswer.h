#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTimer>

// Answers the message boxes a window shows while a test drives it, and keeps
// their texts so the test can check what the operator was told.
class ModalAnswer : public QObject {
public:
    explicit ModalAnswer(QMessageBox::StandardButton button) : button_(button) {
        connect(&timer_, &QTimer::timeout, this, &ModalAnswer::answer);
        timer_.start(10);
    }

    const QStringList& texts() const { return texts_; }

private:
    void answer() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || box->property("zorlik-answered").toBool()) {
            return;
        }
        box->setProperty("zorlik-answered", true);
        texts_ << box->text();
        QAbstractButton* b = box->button(button_);
        if (!b) {
            b = box->buttons().value(0);
        }
        b->click();
    }

    QMessageBox::StandardButton button_;
    QTimer timer_;
    QStringList texts_;
};
