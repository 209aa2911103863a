#pragma once

#include <QDate>
#include <QString>

// Packed lunar date of a day from 1990-01-27 to the end of lunar 2050:
// year * 512 + month * 32 + day, plus LunarLeapFlag in a leap month; 0 outside.
constexpr int LunarLeapFlag = 2097152;
int LunarDate(const QDate& date);

// "MM-DD" of the lunar month and day, a leap month written as its month;
// "00-00" outside the table.
QString LunarMonthDay(const QDate& date);
