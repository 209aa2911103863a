#pragma once

#include <QWidget>

// 关于本软件: name, version and the vendor's contact lines.
class TGY : public QWidget {
    Q_OBJECT

public:
    explicit TGY(QWidget* parent = nullptr);

signals:
    // Ctrl with the keypad 0: the main window opens its receipt query.
    void receiptQueryRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
