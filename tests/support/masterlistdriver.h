#pragma once

#include <QAction>
#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include "widgets/ui/datagrid.h"
#include "widgets/ui/gridview.h"
#include "widgets/ui/masterlistwindow.h"

// Drives a master list as a person does: tool bar, navigator and typing into cells.
namespace ListDriver {

inline QAction* action(const MasterListWindow& w, const QString& text) {
    for (QAction* a : w.toolBar()->actions()) {
        if (a->text() == text) {
            return a;
        }
    }
    return nullptr;
}

inline QToolButton* navigator(const MasterListWindow& w, const QString& tip) {
    for (QToolButton* b : w.findChildren<QToolButton*>()) {
        if (b->toolTip() == tip) {
            return b;
        }
    }
    return nullptr;
}

// The grid column a person sees under a caption, or -1.
inline int column(const MasterListWindow& w, const QString& caption) {
    for (const DataGrid::ShownColumn& c : w.grid()->shownColumns()) {
        if (c.caption == caption) {
            return c.sourceColumn;
        }
    }
    return -1;
}

inline QStringList captions(const MasterListWindow& w) {
    QStringList shown;
    for (const DataGrid::ShownColumn& c : w.grid()->shownColumns()) {
        shown << c.caption;
    }
    return shown;
}

// Typing as a person does: Chinese arrives from the input method as committed text.
inline void typeText(QWidget* editor, const QString& text) {
    bool ascii = true;
    for (QChar c : text) {
        ascii = ascii && c.unicode() < 0x80;
    }
    if (ascii) {
        QTest::keyClicks(editor, text);
        return;
    }
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(editor, &event);
}

// Opens the cell's editor, types the text and ends with Enter.
inline void type(const MasterListWindow& w, int row, const QString& caption, const QString& text) {
    GridView* view = w.grid()->view();
    QApplication::setActiveWindow(view->window());  // a message box may have taken it
    const QModelIndex index = view->model()->index(row, column(w, caption));
    view->setCurrentIndex(index);
    view->edit(index);
    auto* editor = qobject_cast<QLineEdit*>(view->indexWidget(index));
    QVERIFY2(editor, qPrintable(caption));
    editor->selectAll();
    typeText(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
}

// A double click on a row as the mouse sends it: press, release, then the second click.
inline void doubleClick(QAbstractItemView* view, const QModelIndex& index) {
    const QPoint at = view->visualRect(index).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
}

inline QString cell(const MasterListWindow& w, int row, const QString& caption) {
    const QAbstractItemModel* m = w.grid()->view()->model();
    return m->data(m->index(row, column(w, caption))).toString();
}

}  // namespace ListDriver
