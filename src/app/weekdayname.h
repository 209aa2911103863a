#pragma once

#include <QDate>
#include <QString>

// "星期日" … "星期六", as the clock and the weekday backups name the days.
QString weekdayName(const QDate& date);
