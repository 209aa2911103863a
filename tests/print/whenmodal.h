#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

// Acts once on the first modal window of type T a test's action opens: the
// handler reads it and closes it, so the action's exec() returns.
template <typename T>
class WhenModal {
public:
    explicit WhenModal(std::function<void(T&)> handler) : handler_(std::move(handler)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (auto* window = qobject_cast<T*>(QApplication::activeModalWidget())) {
                timer_.stop();
                seen_ = true;
                handler_(*window);
            }
        });
        timer_.start(10);
    }
    bool seen() const { return seen_; }

private:
    std::function<void(T&)> handler_;
    QTimer timer_;
    bool seen_ = false;
};
