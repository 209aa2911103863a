#pragma once

#include <QDialog>

#include <memory>

#include "store/inifile.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class Login;
class TDM_CS;

// The login dialog. Creating it opens the database connection; it is accepted
// once an operator has logged in and rejected on 退出, Esc or the third
// wrong password.
class Tdl : public QDialog {
    Q_OBJECT

public:
    // createDefaultDatabase: the home was new, so data/data.db may be created.
    // Throws StoreError when Default.ini cannot be read.
    Tdl(TDM_CS& dataModule, bool createDefaultDatabase, QWidget* parent = nullptr);
    ~Tdl() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BitBtn4Click();
    void openConnection(TDM_CS& dataModule, bool createDefaultDatabase);

    QLabel* Image1;
    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QCheckBox* CheckBox1;
    QCheckBox* CheckBox2;
    QLabel* Label3;
    QPushButton* BitBtn4;
    QPushButton* BitBtn3;

    QString homeFolder_;
    IniFile ini_;
    int startCount_ = 0;
    QString connectionError_;
    std::unique_ptr<Login> login_;
};
