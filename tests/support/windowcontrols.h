#pragma once

#include <QAction>
#include <QApplication>
#include <QInputMethodEvent>
#include <QPushButton>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QWidget>

// The controls a test clicks, found as the operator finds them: by their text.
namespace TestSupport {

inline QAction* toolBarAction(const QWidget& window, const QString& text) {
    for (const QToolBar* bar : window.findChildren<QToolBar*>()) {
        for (QAction* a : bar->actions()) {
            if (a->text() == text) {
                return a;
            }
        }
    }
    return nullptr;
}

// Navigator buttons carry symbols; their tool tips say what they do.
inline QToolButton* toolButtonByTip(const QWidget& window, const QString& tip) {
    for (QToolButton* b : window.findChildren<QToolButton*>()) {
        if (b->toolTip() == tip) {
            return b;
        }
    }
    return nullptr;
}

inline QPushButton* pushButton(const QWidget& window, const QString& text) {
    for (QPushButton* b : window.findChildren<QPushButton*>()) {
        if (b->text() == text) {
            return b;
        }
    }
    return nullptr;
}

// Types as the operator does: Latin text as keys, Chinese through the input
// method, which commits a whole word at once.
inline void typeText(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 128) {
            QTest::keyClick(widget, c.toLatin1());
        } else {
            QInputMethodEvent commit;
            commit.setCommitString(QString(c));
            QApplication::sendEvent(widget, &commit);
        }
    }
}

}  // namespace TestSupport
