#pragma once

class QString;
class Tform1;

// 婚礼订单 from the business menu and the button bar.
void connectOrderMenus(Tform1& main);

// Opens the order window, or brings the open one forward, and loads the order
// with that number when one is given: for the reports and reminders.
void openOrderWindow(Tform1& main, const QString& orderId);
