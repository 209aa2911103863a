#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class Database;

// 修改密码: the operator changes his own password. Stays on top; 退 出 hides it.
class Tggmm : public QDialog {
    Q_OBJECT

public:
    explicit Tggmm(const Database& db, QWidget* parent = nullptr);

    // Shows the window centred on its parent with the operator's name in the caption.
    void present();

private:
    void BitBtn1Click();

    const Database& db_;
    QLineEdit* LabeledEdit_OLD;
    QLineEdit* LabeledEdit_NEW;
    QLineEdit* LabeledEdit_V;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
};
