#pragma once

#include <QObject>

#include <functional>

class QAbstractItemView;

// How the staff choose a product from a picker's grid: a double click, Enter
// or "+" while browsing. The watcher belongs to the view.
void watchProductChoice(QAbstractItemView* view, std::function<void()> choose);
