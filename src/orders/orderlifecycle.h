#pragma once

#include <QList>
#include <QString>

#include <functional>
#include <optional>

#include "orders/order.h"
#include "orders/ordersettings.h"
#include "orders/orderstore.h"
#include "services/documentnumbering.h"

class Database;

// Why a stage's unit of work did not commit.
struct StageFailure {
    QString text;
    bool debt = false;  // the debt statement of a final payment failed
};

// One message box of an outcome.
struct OrderMessage {
    OrderMessage(QString text, bool warning = false, QString caption = QStringLiteral("提示"),
                 QString detail = {})
        : text(std::move(text)),
          warning(warning),
          caption(std::move(caption)),
          detail(std::move(detail)) {}

    QString text;
    bool warning;
    QString caption;
    QString detail;  // what the database said, shown below the text
};

struct OrderOutcome {
    bool ok = false;
    QList<OrderMessage> messages;
    std::optional<QString> paymentBox;  // the payment box's text afterwards
    bool openDrawer = false;            // only after money was booked
    bool print = false;                 // the order print after an approval
    bool startNewOrder = false;         // after an approval
};

// What the operator typed for a payment stage.
struct Payment {
    QString amountText;  // the payment box
    QString method;      // the payment method list
};

// When the next approval prints: "F" as the settings say, "T1" print, "T2" do not.
enum class PrintAfterApproval { AsSettings, Print, NoPrint };

// Saving a wedding order and taking it through its payment stages. Every
// stage that moves money, stock or points runs as one unit of work: it changes
// all of them or nothing, and refuses when another workstation changed the
// order since it was read. The order passed in keeps the operator's edits on
// failure and takes the stored state on success.
class OrderLifecycle {
public:
    OrderLifecycle(const Database& db, NumberingContext numbering, OrderSettings settings,
                   bool mayCancel);

    // The save every operation starts with; no message on success.
    OrderOutcome save(Order& order) const;
    // "保存[&S]": the save, then "保存成功！".
    OrderOutcome saveClicked(Order& order) const;

    OrderOutcome reserve(Order& order, const Payment& payment) const;
    OrderOutcome cancelReservation(Order& order) const;
    OrderOutcome approve(Order& order, const Payment& payment, PrintAfterApproval& mode) const;
    OrderOutcome cancelApproval(Order& order) const;
    // `confirm` asks the operator a Yes/No question.
    OrderOutcome takeFinalPayment(Order& order, const Payment& payment,
                                  const std::function<bool(const QString&)>& confirm) const;
    OrderOutcome cancelFinalPayment(Order& order, const Payment& payment) const;
    OrderOutcome setCompleted(Order& order, bool completed) const;
    // Deletes an order that is neither reserved nor approved.
    OrderOutcome remove(Order& order) const;

private:
    OrderOutcome checkPayment(const Order& order, const Payment& payment, Decimal2& amount) const;
    bool writeSaved(Order& order, OrderOutcome& outcome) const;
    // Runs the change on a copy of the order in one transaction that first
    // checks the order is still as stored; the order takes the copy only when
    // it committed.
    std::optional<StageFailure> runStage(Order& order,
                                         const std::function<void(Order&)>& change) const;
    OrderOutcome changeApproval(Order& order, bool approve, const QString& method) const;

    const Database& db_;
    OrderStore store_;
    NumberingContext numbering_;
    OrderSettings settings_;
    bool mayCancel_;
};

namespace OrderTexts {
inline const QString kNoCustomer = QStringLiteral("请输入客户编码和姓名!");
inline const QString kNoLines = QStringLiteral("请先选择商品！");
inline const QString kSaveFailed = QStringLiteral("保存失败！");
inline const QString kSaved = QStringLiteral("保存成功！");
inline const QString kAmountRequired = QStringLiteral("请先填写收款金额！");
inline const QString kAmountInvalid = QStringLiteral("收款金额不是有效的数字！");
inline const QString kBalanceTooLow = QStringLiteral("当前客户账务余额不足以支付！");
inline const QString kNoCancelRight = QStringLiteral("您没有权限取消审核，请联系管理员！");
inline const QString kNegativeStock = QStringLiteral("当前行数量不足，操作后库存将为负！");
inline const QString kLinesAtRisk = QStringLiteral("当前单据存在丢失明细风险！");
inline const QString kReserved = QStringLiteral("预约成功！");
inline const QString kReserveFailed = QStringLiteral("预约失败！");
inline const QString kReservationCancelled = QStringLiteral("取消成功！");
inline const QString kReservationCancelFailed = QStringLiteral("取消失败！");
inline const QString kShortPayment = QStringLiteral("当前单据存在欠款，是否继续审核？");
inline const QString kDebtFailed = QStringLiteral("取消审核失败！2");
inline const QString kPickedUp = QStringLiteral("取相确认成功！");
inline const QString kPickupFailed = QStringLiteral("取相确认失败！");
inline const QString kPickupCancelled = QStringLiteral("取相反确认成功！");
inline const QString kPickupCancelFailed = QStringLiteral("取相反确认失败！");
inline const QString kCompleted = QStringLiteral("单据完成成功！");
inline const QString kCompletionCancelled = QStringLiteral("取消完成成功！");
inline const QString kNotDeletable = QStringLiteral("当前单据已“审核”不能删除！");
inline const QString kDeleted = QStringLiteral("删除成功!");
inline const QString kWrongState = QStringLiteral("当前单据的状态不允许此操作，请重新打开单据！");
}  // namespace OrderTexts
