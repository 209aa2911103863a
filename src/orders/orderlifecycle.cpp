#include "orders/orderlifecycle.h"

#include "accounts/memberaccount.h"
#include "accounts/memberbalance.h"
#include "stock/productstock.h"
#include "store/database.h"
#include "store/decimal4.h"
#include "store/storeerror.h"

namespace {

// A stage refused by its own rule; the text is the operator's.
class StageRefused : public AppError {
public:
    using AppError::AppError;
};

// The debt statement of a final payment failed.
class DebtFailed : public AppError {
public:
    using AppError::AppError;
};

void moveDebt(const Database& db, const QString& memberCode, Decimal2 amount) {
    try {
        MoveMemberDebt(db, memberCode, amount);
    } catch (const StoreError& e) {
        throw DebtFailed(e.message());
    }
}

OrderOutcome refused(const QString& text, bool warning = false) {
    OrderOutcome outcome;
    outcome.messages.append(OrderMessage(text, warning));
    return outcome;
}

OrderMessage failure(const QString& text, const QString& detail) {
    return {text, true, QStringLiteral("提示"), detail};
}

bool paysFromBalance(const QString& method) {
    return method == kPayFromBalance;
}

// The lines that carry a product; the others are dropped by the save.
QList<OrderLine> productLines(const QList<OrderLine>& lines) {
    QList<OrderLine> kept;
    for (const OrderLine& line : lines) {
        if (!line.SPBM.trimmed().isEmpty()) {
            kept.append(line);
        }
    }
    return kept;
}

}  // namespace

OrderLifecycle::OrderLifecycle(const Database& db, NumberingContext numbering,
                               OrderSettings settings, bool mayCancel)
    : db_(db),
      store_(db),
      numbering_(std::move(numbering)),
      settings_(settings),
      mayCancel_(mayCancel) {}

bool OrderLifecycle::writeSaved(Order& order, OrderOutcome& outcome) const {
    if (order.header.KHBM.trimmed().isEmpty() || order.header.KHMC.trimmed().isEmpty()) {
        outcome.messages.append(OrderMessage(OrderTexts::kNoCustomer));
        return false;
    }
    const QList<OrderLine> kept = productLines(order.lines);
    if (kept.isEmpty()) {
        outcome.messages.append(OrderMessage(OrderTexts::kNoLines));
        return false;
    }
    Order work;
    try {
        db_.transact([&] {
            work = order;
            work.lines = kept;
            // The header's sums always follow the lines it is stored with.
            const OrderTotals totals = ComputeTotals(work.lines, work.header.KHBM);
            work.header.ZJE = totals.ZJE;
            work.header.ZSL = totals.ZSL;
            work.header.ZML = totals.ZML;
            work.header.ZMJ = totals.ZMJ;
            store_.write(work);
            if (work.isNew) {
                CommitDocumentId(db_, numbering_, DocumentKind::Order, work.header.ID);
            }
        });
    } catch (const StoreError& e) {
        outcome.messages.append(failure(OrderTexts::kSaveFailed, e.message()));
        return false;
    }
    work.isNew = false;
    order = work;
    return true;
}

std::optional<StageFailure> OrderLifecycle::runStage(
    Order& order, const std::function<void(Order&)>& change) const {
    Order work;
    try {
        db_.transact([&] {
            // From the order again on every attempt: a retried transaction starts afresh.
            work = order;
            store_.verifyCurrent(work);
            change(work);
        });
    } catch (const DebtFailed& e) {
        return StageFailure{e.message(), true};
    } catch (const AppError& e) {
        return StageFailure{e.message(), false};
    }
    order = work;
    return std::nullopt;
}

OrderOutcome OrderLifecycle::save(Order& order) const {
    OrderOutcome outcome;
    outcome.ok = writeSaved(order, outcome);
    return outcome;
}

OrderOutcome OrderLifecycle::saveClicked(Order& order) const {
    OrderOutcome outcome = save(order);
    if (outcome.ok) {
        outcome.messages.append(OrderMessage(OrderTexts::kSaved));
    }
    return outcome;
}

OrderOutcome OrderLifecycle::checkPayment(const Order& order, const Payment& payment,
                                          Decimal2& amount) const {
    const QString text = payment.amountText.trimmed();
    const std::optional<Decimal2> parsed =
        text.isEmpty() ? std::optional<Decimal2>(Decimal2()) : Decimal2::parse(text);
    if (!parsed) {
        return refused(OrderTexts::kAmountInvalid, true);
    }
    amount = *parsed;
    if (paysFromBalance(payment.method)) {
        const Decimal2 balance = Decimal2::fromVariant(
            db_.value(QStringLiteral("select ZHYE from BM_KH where BM = ?"), {order.header.KHBM}));
        if (amount > balance) {
            return refused(OrderTexts::kBalanceTooLow);
        }
    }
    OrderOutcome ok;
    ok.ok = true;
    return ok;
}

OrderOutcome OrderLifecycle::reserve(Order& order, const Payment& payment) const {
    Decimal2 amount;
    OrderOutcome outcome = checkPayment(order, payment, amount);
    if (!outcome.ok) {
        return outcome;
    }
    outcome.ok = false;
    if (!writeSaved(order, outcome)) {
        return outcome;
    }
    if (order.header.approved() || order.header.reserved()) {
        return refused(OrderTexts::kWrongState);
    }
    const std::optional<StageFailure> failed = runStage(order, [&](Order& work) {
        OrderHeader& h = work.header;
        h.YYSK = amount;
        h.QK = h.ZJE - h.YYSK;
        h.YYSH = QStringLiteral("T");
        h.YYSK_RQ = numbering_.today;
        h.YYSK_FS = payment.method;
        store_.write(work);
        if (paysFromBalance(payment.method)) {
            MoveMemberBalance(db_, h.KHBM, -h.YYSK, h.RQ);
        }
    });
    if (failed) {
        outcome.messages.append(failure(OrderTexts::kReserveFailed, failed->text));
        return outcome;
    }
    outcome.ok = true;
    outcome.paymentBox = QString();
    outcome.messages.append(OrderMessage(OrderTexts::kReserved));
    outcome.openDrawer = settings_.tcqx;
    return outcome;
}

OrderOutcome OrderLifecycle::cancelReservation(Order& order) const {
    if (!mayCancel_) {
        return refused(OrderTexts::kNoCancelRight);
    }
    OrderOutcome outcome;
    if (!writeSaved(order, outcome)) {
        return outcome;
    }
    if (!order.header.reserved() || order.header.approved()) {
        return refused(OrderTexts::kWrongState);
    }
    const QString givenBack = order.header.YYSK.toString();
    const std::optional<StageFailure> failed = runStage(order, [&](Order& work) {
        OrderHeader& h = work.header;
        if (paysFromBalance(h.YYSK_FS)) {
            MoveMemberBalance(db_, h.KHBM, h.YYSK, h.RQ);
        }
        h.QK = h.ZJE;
        h.YYSH = QStringLiteral("F");
        h.YYSK_RQ = numbering_.today;
        h.YYSK = Decimal2();
        store_.write(work);
    });
    if (failed) {
        outcome.messages.append(failure(OrderTexts::kReservationCancelFailed, failed->text));
        return outcome;
    }
    outcome.ok = true;
    outcome.paymentBox = givenBack;
    outcome.messages.append(OrderMessage(OrderTexts::kReservationCancelled));
    return outcome;
}

OrderOutcome OrderLifecycle::approve(Order& order, const Payment& payment,
                                     PrintAfterApproval& mode) const {
    if (payment.amountText.trimmed().isEmpty() && settings_.SKTS) {
        return refused(OrderTexts::kAmountRequired);
    }
    Decimal2 amount;
    OrderOutcome outcome = checkPayment(order, payment, amount);
    if (!outcome.ok) {
        return outcome;
    }
    outcome.ok = false;
    if (!writeSaved(order, outcome)) {
        return outcome;
    }
    if (order.header.approved()) {
        return refused(OrderTexts::kWrongState);
    }
    // The payment is stored before the approval; it stays when the approval fails.
    OrderHeader& h = order.header;
    h.SS = amount;
    h.QK = h.ZJE - h.YYSK - h.SS - h.HK;
    outcome.paymentBox = QString();
    if (!writeSaved(order, outcome)) {
        return outcome;
    }
    OrderOutcome approval = changeApproval(order, true, payment.method);
    approval.paymentBox = outcome.paymentBox;
    if (!approval.ok) {
        return approval;
    }
    // Printing, the drawer and the next order only follow money that was booked.
    switch (mode) {
        case PrintAfterApproval::AsSettings:
            approval.print = settings_.skdy;
            break;
        case PrintAfterApproval::Print:
            approval.print = true;
            break;
        case PrintAfterApproval::NoPrint:
            break;
    }
    mode = PrintAfterApproval::AsSettings;
    approval.openDrawer = settings_.tcqx;
    approval.startNewOrder = settings_.zdkd;
    return approval;
}

OrderOutcome OrderLifecycle::cancelApproval(Order& order) const {
    if (!mayCancel_) {
        return refused(OrderTexts::kNoCancelRight);
    }
    OrderOutcome outcome;
    if (!writeSaved(order, outcome)) {
        return outcome;
    }
    if (!order.header.approved() || order.header.pickedUp()) {
        return refused(OrderTexts::kWrongState);
    }
    return changeApproval(order, false, QString());
}

OrderOutcome OrderLifecycle::changeApproval(Order& order, bool approve,
                                            const QString& method) const {
    const QString label = approve ? QStringLiteral("审核通过") : QStringLiteral("取消审核");
    const QString caption = QStringLiteral("提示：");
    OrderOutcome outcome;
    const std::optional<StageFailure> failed = runStage(order, [&](Order& work) {
        OrderHeader& h = work.header;
        for (qsizetype i = work.lines.size() - 1; i >= 0; --i) {
            const OrderLine& line = work.lines.at(i);
            const Decimal2 value = ToCents(Decimal4::product(line.JJ, line.SL));
            const std::optional<ProductStock> stock = MoveProductStock(
                db_, line.SPBM, approve ? line.SL : -line.SL, approve ? value : -value);
            if (!stock) {
                throw StageRefused(
                    QStringLiteral("商品“%1”已不存在，请删除这一行后重试。").arg(line.SPBM));
            }
            if (settings_.NOFKC && stock->KCSL < Decimal2()) {
                throw StageRefused(OrderTexts::kNegativeStock);
            }
        }
        UpdateMemberAccount(db_, h.KHBM, approve, h.ZJE, h.QK, h.JF);
        if (approve) {
            h.SH = QStringLiteral("T");
            h.SS_RQ = numbering_.today;
            h.SS_FS = method;
            if (paysFromBalance(method)) {
                MoveMemberBalance(db_, h.KHBM, -h.SS, h.RQ);
            }
        } else {
            h.SH = QStringLiteral("F");
            if (paysFromBalance(h.SS_FS)) {
                MoveMemberBalance(db_, h.KHBM, h.SS, QDate());
            }
            h.QK = h.ZJE - h.YYSK - h.HK;
            h.SS = Decimal2();
        }
        store_.write(work);
    });
    if (failed) {
        outcome.messages.append(
            OrderMessage(label + QStringLiteral("失败！") + failed->text, true, caption));
        return outcome;
    }
    outcome.ok = true;
    outcome.messages.append(OrderMessage(label + QStringLiteral("成功！"), false, caption));
    if (!store_.hasLines(order.header.ID)) {
        outcome.messages.append(OrderMessage(OrderTexts::kLinesAtRisk));
        writeSaved(order, outcome);
    }
    return outcome;
}

OrderOutcome OrderLifecycle::takeFinalPayment(
    Order& order, const Payment& payment,
    const std::function<bool(const QString&)>& confirm) const {
    Decimal2 amount;
    OrderOutcome outcome = checkPayment(order, payment, amount);
    if (!outcome.ok) {
        return outcome;
    }
    outcome.ok = false;
    if (!writeSaved(order, outcome)) {
        return outcome;
    }
    if (!order.header.approved() || order.header.pickedUp()) {
        return refused(OrderTexts::kWrongState);
    }
    if (settings_.qk && amount < order.header.QK && !confirm(OrderTexts::kShortPayment)) {
        return outcome;
    }
    const std::optional<StageFailure> failed = runStage(order, [&](Order& work) {
        OrderHeader& h = work.header;
        h.QXSK = amount;
        h.QK = h.ZJE - h.YYSK - h.SS - h.QXSK - h.HK;
        h.QX = QStringLiteral("T");
        h.QXSK_RQ = numbering_.today;
        h.QXSK_FS = payment.method;
        store_.write(work);
        if (paysFromBalance(payment.method)) {
            MoveMemberBalance(db_, h.KHBM, -h.QXSK, h.RQ);
        }
        moveDebt(db_, h.KHBM, -h.QXSK);
    });
    if (failed) {
        outcome.messages.append(failure(
            failed->debt ? OrderTexts::kDebtFailed : OrderTexts::kPickupFailed, failed->text));
        return outcome;
    }
    outcome.ok = true;
    outcome.paymentBox = QString();
    outcome.messages.append(OrderMessage(OrderTexts::kPickedUp));
    outcome.openDrawer = settings_.tcqx;
    return outcome;
}

OrderOutcome OrderLifecycle::cancelFinalPayment(Order& order, const Payment& payment) const {
    if (!mayCancel_) {
        return refused(OrderTexts::kNoCancelRight);
    }
    OrderOutcome outcome;
    if (!writeSaved(order, outcome)) {
        return outcome;
    }
    if (!order.header.pickedUp()) {
        return refused(OrderTexts::kWrongState);
    }
    const QString givenBack = order.header.QXSK.toString();
    const std::optional<StageFailure> failed = runStage(order, [&](Order& work) {
        OrderHeader& h = work.header;
        // The stored payment goes back by the method it was taken with,
        // whatever the method list shows now.
        if (paysFromBalance(h.QXSK_FS)) {
            MoveMemberBalance(db_, h.KHBM, h.QXSK, h.RQ);
        }
        moveDebt(db_, h.KHBM, h.QXSK);
        h.QK = h.ZJE - h.YYSK - h.SS - h.HK;
        h.QX = QStringLiteral("F");
        h.QXSK = Decimal2();
        h.QXSK_FS = payment.method;
        store_.write(work);
    });
    if (failed) {
        outcome.messages.append(
            failure(failed->debt ? OrderTexts::kDebtFailed : OrderTexts::kPickupCancelFailed,
                    failed->text));
        return outcome;
    }
    outcome.ok = true;
    outcome.paymentBox = givenBack;
    outcome.messages.append(OrderMessage(OrderTexts::kPickupCancelled));
    return outcome;
}

OrderOutcome OrderLifecycle::setCompleted(Order& order, bool completed) const {
    OrderOutcome outcome;
    if (!writeSaved(order, outcome)) {
        return outcome;
    }
    if (completed ? (!order.header.approved() || order.header.completed())
                  : !order.header.completed()) {
        return refused(OrderTexts::kWrongState);
    }
    Order work = order;
    work.header.WC = completed ? QStringLiteral("T") : QStringLiteral("F");
    if (!writeSaved(work, outcome)) {
        return outcome;
    }
    order = work;
    outcome.ok = true;
    outcome.messages.append(
        OrderMessage(completed ? OrderTexts::kCompleted : OrderTexts::kCompletionCancelled));
    return outcome;
}

OrderOutcome OrderLifecycle::remove(Order& order) const {
    OrderOutcome outcome;
    try {
        bool refusedByState = false;
        db_.transact([&] {
            const std::optional<Order> stored = store_.load(order.header.ID, true);
            const OrderHeader& h = stored ? stored->header : order.header;
            refusedByState = h.approved() || h.reserved();
            if (!refusedByState) {
                store_.remove(order.header.ID);
            }
        });
        if (refusedByState) {
            return refused(OrderTexts::kNotDeletable);
        }
    } catch (const StoreError& e) {
        outcome.messages.append(failure(OrderTexts::kSaveFailed, e.message()));
        return outcome;
    }
    outcome.ok = true;
    outcome.messages.append(OrderMessage(OrderTexts::kDeleted));
    return outcome;
}
