#pragma once

#include <QDialog>
#include <QString>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class Database;

// 添加会员: one new member typed quickly, with the next code proposed and
// points for the member who introduced it. Stays on top while shown.
class TTJKH : public QDialog {
    Q_OBJECT

public:
    // Default.ini gives the introducer points proposed (xsd/JSJF).
    TTJKH(const Database& db, QString iniPath, QWidget* parent = nullptr);

    // "确 定": writes the member and closes; false (with the reason shown)
    // when something typed is wrong, and nothing is written then.
    bool addMember();
    // "清 空": every text box emptied, the discount factor back to 1.
    void clearBoxes();

    QLineEdit* codeBox() const { return E_BM; }
    QLineEdit* nameBox() const { return E_MC; }

signals:
    void memberAdded(const QString& code, const QString& name);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void codeLeft();
    void pickIntroducer();

    const Database& db_;
    QString iniPath_;
    QLineEdit* E_BM;
    QLineEdit* E_MC;
    QLineEdit* E_KH;
    QComboBox* C_JG;
    QLineEdit* E_ZK;
    QComboBox* C_XB;
    QLineEdit* E_LJ;
    QLineEdit* E_DH;
    QLineEdit* E_QTDH;
    QDateEdit* D_SR;
    QComboBox* C_SRLX;
    QDateEdit* D_HQ;
    QLineEdit* E_ZJLX;
    QLineEdit* E_ZJ;
    QLineEdit* E_QQ;
    QLineEdit* E_BZ;
    QDateEdit* D_RQ;
    QLineEdit* E_DZ;
    QLineEdit* E_JSRBM;
    QLineEdit* E_JSR;
    QLineEdit* E_JSJF;
    QCheckBox* C_TSJ;
};
