#pragma once

#include <QList>
#include <QWidget>

#include <array>

#include "app/employeerights.h"

class QCheckBox;
class QComboBox;
class QListWidget;
class QToolButton;
class Database;

// 权限设置: the menu rights and other rights of one employee, chosen by code.
class TGGQX : public QWidget {
    Q_OBJECT

public:
    explicit TGGQX(const Database& db, QWidget* parent = nullptr);

signals:
    // The main window applies the rights again.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void YG_1Change();
    void ShowQX(const EmployeeRights& rights);
    void SpeedButton2Click();
    QString chosenCode() const;

    const Database& db_;
    QToolButton* SpeedButton2;
    QToolButton* SpeedButton3;
    QComboBox* YG_1;
    std::array<QListWidget*, 4> checkLists_{};
    QList<QCheckBox*> otherRightBoxes_;  // C5_1 … C5_9
};
