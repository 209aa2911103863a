#include "services/lunarcalendar.h"

#include <array>

namespace {

const QDate kFirstDay(1990, 1, 27);  // lunar new year of 1990
constexpr int kFirstYear = 1990;
constexpr qint64 kLastOffset = 22295;

// Bit k-1: month k has 30 days. Top four bits L: no leap month (0), a leap
// month of 29 days after month L (1..12), or one of 30 days after month L & 7
// (13 and more), which month is then a day shorter than its bit says.
constexpr std::array<quint16, 61> kYears{
    0x5F52, 0x0E92, 0x0D26, 0x352E, 0x0A57, 0x8AD6, 0x035A, 0x06D5, 0x5B69, 0x0749,  // 1990
    0x0693, 0x4A9B, 0x052B, 0x0A5B, 0x2AAE, 0x056A, 0x7DD5, 0x0BA4, 0x0B49, 0x5D53,  // 2000
    0x0A95, 0x052D, 0x455D, 0x0AB5, 0x9BAA, 0x05D2, 0x0DA5, 0xEEAA, 0x0D4A, 0x0C95,  // 2010
    0x4A9E, 0x0556, 0x0AD5, 0x2ADA, 0x06D2, 0x6765, 0x0725, 0x064B, 0x5657, 0x0CAB,  // 2020
    0x055A, 0x356E, 0x0B56, 0xBF52, 0x0B52, 0x0B25, 0xED2B, 0x0A4B, 0x04AB, 0x52BB,  // 2030
    0x05AD, 0x0B6A, 0x2DAA, 0x0D92, 0x7EA5, 0x0D25, 0x0A55, 0xDA5D, 0x04B6, 0x05B5,  // 2040
    0x36D6,                                                                          // 2050
};

}  // namespace

int LunarDate(const QDate& date) {
    if (!date.isValid()) {
        return 0;
    }
    qint64 c = kFirstDay.daysTo(date);
    if (c < 0 || c > kLastOffset) {
        return 0;
    }
    for (int index = 0; index < static_cast<int>(kYears.size()); ++index) {
        const int word = kYears[index];
        const int year = kFirstYear + index;
        const int leap = word >> 12;
        const int leapAfter = leap >= 13 ? (leap & 7) : leap;
        for (int month = 1; month <= 12; ++month) {
            int length = 29 + ((word >> (month - 1)) & 1);
            if (leap >= 13 && month == leapAfter) {
                --length;
            }
            if (c < length) {
                return year * 512 + month * 32 + static_cast<int>(c) + 1;
            }
            c -= length;
            if (leap != 0 && month == leapAfter) {
                const int leapLength = leap >= 13 ? 30 : 29;
                if (c < leapLength) {
                    return year * 512 + month * 32 + static_cast<int>(c) + 1 + LunarLeapFlag;
                }
                c -= leapLength;
            }
        }
    }
    return 0;
}

QString LunarMonthDay(const QDate& date) {
    const int packed = LunarDate(date);
    const int month = (packed / 32) & 15;
    const int day = packed & 31;
    return QStringLiteral("%1-%2")
        .arg(month, 2, 10, QLatin1Char('0'))
        .arg(day, 2, 10, QLatin1Char('0'));
}
