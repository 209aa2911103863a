#pragma once

#include <QObject>

// In dialogs Enter moves to the next control as Tab does; on a button it presses it.
class EnterMovesFocus : public QObject {
    Q_OBJECT

public:
    // Installs itself on every child of the dialog; owned by the dialog.
    static void install(QWidget* dialog);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit EnterMovesFocus(QWidget* dialog);
};
