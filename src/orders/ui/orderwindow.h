#pragma once

#include <QWidget>

#include "orders/order.h"
#include "orders/ordercompany.h"
#include "orders/orderlifecycle.h"
#include "orders/ordersettings.h"
#include "orders/ui/orderpickers.h"
#include "store/inifile.h"

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTimeEdit;
class DataGrid;
class Database;
class OrderLinesModel;
class ProgramHome;

// The wedding order window: one order at a time, from the customer and the
// lines to the payment stages and the prints. The rules live in the orders
// logic; the window collects what the operator types and shows the outcome.
class Txsd : public QWidget {
    Q_OBJECT

public:
    Txsd(const Database& db, const ProgramHome& home, OrderPickers pickers,
         QWidget* parent = nullptr);
    ~Txsd() override;

    // Loads the order with that number, or starts it when it has no lines, as
    // typing the number does.
    void setOrderNumber(const QString& id);
    // A member handed back by the picker or the add-member window.
    void setCustomer(const QString& code, const QString& name);
    // A product handed back by a picker: a new line of the order.
    void addProductLine(const QString& code);

    bool hasOrder() const { return loaded_; }
    const Order& order() const { return order_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildToolBar();
    QWidget* buildHeader();
    QWidget* buildProductBar();
    void buildGrid();
    QWidget* buildBottomPanel();

    void FormShow();
    void SpeedButton2Click();
    void Edit_idChange(const QString& text);
    void KHBMExit();
    void khxzClick();
    void lookupCustomer(const QString& code, bool exact);
    void LoadMemberAccount();
    void BitBtn1Click();
    void TXXZSelect(const QString& name);
    void TTJKHClick();
    void stepOrderNumber(int step);

    void save();
    void reserve();
    void cancelReservation();
    void approve();
    void cancelApproval();
    void takeFinalPayment();
    void cancelFinalPayment();
    void setCompleted(bool completed);
    void deleteOrder();
    void printOrder();
    void printKind(const QString& kind);
    void openDrawer();

    OrderLifecycle lifecycle() const;
    Payment payment() const;
    // Shows the outcome's messages and takes its payment box; true when it succeeded.
    bool report(const OrderOutcome& outcome);
    void afterStage(const OrderOutcome& outcome);
    void collectHeader();
    // Fills the boxes and the lines from the order; nothing counts as an edit.
    void showOrder();
    void showTotals();
    void linesChanged();
    void RefreshButtons();
    void setCustomerEditable();
    void markUnsaved();
    int currentLine() const;
    // 1 while the quick box has the focus, 2 while the line grid has it, else 0.
    int EnterKeyMode() const;
    bool handleKey(QKeyEvent* event);

    const Database& db_;
    const ProgramHome& home_;
    OrderPickers pickers_;
    IniFile ini_;
    OrderSettings settings_;
    OrderCompany company_;

    Order order_;
    bool loaded_ = false;
    bool exactLookup_ = false;
    bool showingOrder_ = false;  // the window fills its boxes: no edits to record
    PrintAfterApproval printAfterApproval_ = PrintAfterApproval::AsSettings;

    OrderLinesModel* lines_ = nullptr;

    QLineEdit* E_zhye = nullptr;
    QLineEdit* E_zhqk = nullptr;
    QLineEdit* Edit_id = nullptr;
    QDateEdit* RQ = nullptr;
    QLineEdit* SJ = nullptr;
    QLineEdit* KHBM = nullptr;
    QPushButton* khxz = nullptr;
    QLineEdit* KHMC = nullptr;
    QPushButton* TTJKH = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QComboBox* JBR = nullptr;
    QLineEdit* ZDR = nullptr;
    QComboBox* SYR = nullptr;
    QComboBox* SYZL = nullptr;
    QComboBox* HZR = nullptr;
    QComboBox* HQR = nullptr;
    QPlainTextEdit* BZ = nullptr;
    QDateEdit* YYRQ = nullptr;
    QLineEdit* TXMXZ = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QList<QPushButton*> navigator_;
    QComboBox* TXXZ = nullptr;
    QLineEdit* TXMC = nullptr;
    QDateEdit* QXRQ = nullptr;
    QLineEdit* QXSJ = nullptr;
    DataGrid* DBGridEh1 = nullptr;
    QLineEdit* YS = nullptr;
    QLineEdit* Edit1 = nullptr;
    QComboBox* ComboBox2 = nullptr;
    QLineEdit* WF = nullptr;
    QLineEdit* JF = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QLineEdit* YYSK = nullptr;
    QLineEdit* SS = nullptr;
    QLineEdit* QXSK = nullptr;
    QLineEdit* HK = nullptr;
    QPushButton* BitBtn_YY = nullptr;
    QPushButton* BitBtn_FYY = nullptr;
    QPushButton* BitBtn_sh = nullptr;
    QPushButton* BitBtn_fsh = nullptr;
    QPushButton* BitBtn_qx = nullptr;
    QPushButton* BitBtn_fqx = nullptr;
    QPushButton* BitBtn_WC = nullptr;
    QPushButton* BitBtn_WWC = nullptr;
    QPushButton* SpeedButton6 = nullptr;
};
