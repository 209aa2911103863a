#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

class QLineEdit;
class QPushButton;
class Database;
class Txzghs;
struct CompanyRecord;

// 公司信息: the one company row, with the defaults the business windows use.
class TBM_GSXX : public QWidget {
    Q_OBJECT

public:
    TBM_GSXX(const Database& db, QString programFolder, QWidget* parent = nullptr);

    // Fills the default customer, from the member picker for instance.
    void setDefaultCustomer(const QString& code, const QString& name);
    void setDefaultSupplier(const QString& code, const QString& name);
    bool save();

signals:
    // The "..." of 默认客户： asks for the member picker.
    void customerPickerRequested();
    // The company row may have changed: the main window shows it again.
    void closing();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void fill(const CompanyRecord& r);
    CompanyRecord collect() const;
    void checkCode(QLineEdit* code, QLineEdit* name, bool member);
    void checkPointsAmount();
    void choosePicture();
    void chooseBackupFolder();
    void pickSupplier();

    const Database& db_;
    QString programFolder_;
    QList<QLineEdit*> boxes_;  // in the order of Company::kFields
    QPointer<Txzghs> supplierPicker_;
    bool checking_ = false;  // a message box takes the focus while a box is checked

    QLineEdit* GSMC = nullptr;
    QLineEdit* DH = nullptr;
    QLineEdit* DZ = nullptr;
    QLineEdit* MR_GHS = nullptr;
    QLineEdit* GHSMC = nullptr;
    QLineEdit* MR_KH = nullptr;
    QLineEdit* KHMC = nullptr;
    QLineEdit* QXTS = nullptr;
    QLineEdit* QXSJ = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QLineEdit* XJF = nullptr;
    QLineEdit* TZK = nullptr;
};
