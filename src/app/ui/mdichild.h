#pragma once

class QMdiArea;
class QWidget;

// Shows a window as a child of the main window's client area, at the top left and
// at the size it was given (if any); the child is deleted when it closes.
void showMdiChild(QMdiArea* area, QWidget* child);
// Brings an open child window to the front; false when there is none.
bool raiseMdiChild(QMdiArea* area, QWidget* child);
// Closes the child window that holds the widget, or the widget itself.
void closeMdiChild(QWidget* child);
