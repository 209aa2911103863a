#include "app/weekdayname.h"

#include <array>

QString weekdayName(const QDate& date) {
    static const std::array<QString, 7> names = {QStringLiteral("星期日"), QStringLiteral("星期一"),
                                                 QStringLiteral("星期二"), QStringLiteral("星期三"),
                                                 QStringLiteral("星期四"), QStringLiteral("星期五"),
                                                 QStringLiteral("星期六")};
    return names[date.dayOfWeek() % 7];  // Qt counts Monday 1 … Sunday 7
}
