#include "app/clocktext.h"

#include "app/weekdayname.h"

QString clockText(const QDateTime& now) {
    return now.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) + QLatin1Char(' ') +
           weekdayName(now.date());
}
