#include "orders/orderbuttons.h"

#include "orders/order.h"

OrderButtons RefreshButtons(const OrderHeader& stored) {
    OrderButtons b;
    if (stored.approved()) {
        b.cancelApproval = !stored.pickedUp();
        b.takeFinalPayment = !stored.pickedUp();
        b.cancelFinalPayment = stored.pickedUp();
    } else {
        b.approve = true;
        b.reserve = !stored.reserved();
        b.cancelReservation = stored.reserved();
        b.editLines = true;
    }
    b.cancelCompletion = stored.completed();
    b.complete = !stored.completed() && stored.approved();
    return b;
}
