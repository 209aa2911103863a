#pragma once

struct OrderHeader;

// What the order window offers in a stored state: the stage buttons, and
// whether the member and the lines may still change.
struct OrderButtons {
    bool reserve = false;             // 预收订金
    bool cancelReservation = false;   // 取消预约
    bool approve = false;             // 完成场布
    bool cancelApproval = false;      // 取消完成
    bool takeFinalPayment = false;    // 收取尾款
    bool cancelFinalPayment = false;  // 取消收款
    bool complete = false;            // 完成
    bool cancelCompletion = false;    // 取消
    bool editLines = false;           // member, lines, quick box, navigator
};

// From the header as stored; an order that is not stored yet is open.
OrderButtons RefreshButtons(const OrderHeader& stored);
