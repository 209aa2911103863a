#include <QDateTime>
#include <QSet>
#include <QTest>
#include <QTimeZone>

#include <unicode/ucal.h>

#include "services/lunarcalendar.h"

namespace {

struct IcuLunar {
    int month = 0;
    int day = 0;
    bool leap = false;
};

// The astronomical Chinese calendar of ICU, read at noon in China.
class IcuChineseCalendar {
public:
    IcuChineseCalendar() {
        UErrorCode status = U_ZERO_ERROR;
        const UChar zone[] = u"Asia/Shanghai";
        calendar_ = ucal_open(zone, -1, "en@calendar=chinese", UCAL_DEFAULT, &status);
        if (U_FAILURE(status)) {
            calendar_ = nullptr;
        }
    }
    ~IcuChineseCalendar() {
        if (calendar_ != nullptr) {
            ucal_close(calendar_);
        }
    }
    bool isOpen() const { return calendar_ != nullptr; }

    IcuLunar at(const QDate& date) const {
        UErrorCode status = U_ZERO_ERROR;
        const QDateTime noon(date, QTime(12, 0), QTimeZone(8 * 3600));
        ucal_setMillis(calendar_, static_cast<UDate>(noon.toMSecsSinceEpoch()), &status);
        IcuLunar result;
        result.month = ucal_get(calendar_, UCAL_MONTH, &status) + 1;
        result.day = ucal_get(calendar_, UCAL_DATE, &status);
        result.leap = ucal_get(calendar_, UCAL_IS_LEAP_MONTH, &status) != 0;
        return result;
    }

private:
    UCalendar* calendar_ = nullptr;
};

// Lunar months ("year-month", "L" for a leap month) of the table in which
// ICU's astronomical calendar puts some days in the neighbouring month: their
// new moons fall near midnight. Every other day of 1990-2050 agrees, so a
// mistyped table word shows up as a month outside this list.
const QSet<QString> kKnownDifferences{
    QStringLiteral("1998-12"), QStringLiteral("2012-07"), QStringLiteral("2018-09"),
    QStringLiteral("2018-10"), QStringLiteral("2022-07"), QStringLiteral("2027-01"),
    QStringLiteral("2029-12"), QStringLiteral("2030-01"), QStringLiteral("2032-02"),
    QStringLiteral("2032-03"), QStringLiteral("2032-04"), QStringLiteral("2032-05"),
    QStringLiteral("2032-06"), QStringLiteral("2050-03"), QStringLiteral("2050-03L"),
};

QString monthKey(int packed) {
    return QStringLiteral("%1-%2%3")
        .arg((packed & (LunarLeapFlag - 1)) / 512)
        .arg((packed / 32) & 15, 2, 10, QLatin1Char('0'))
        .arg(packed & LunarLeapFlag ? QStringLiteral("L") : QString());
}

}  // namespace

class TestLunarCalendar : public QObject {
    Q_OBJECT

private slots:
    void monthDay_data() {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("expected");
        QTest::newRow("leap second month, flag dropped") << QDate(2023, 3, 22) << "02-01";
        QTest::newRow("mid-autumn 2024") << QDate(2024, 9, 17) << "08-15";
        QTest::newRow("first day of the table") << QDate(1990, 1, 27) << "01-01";
        QTest::newRow("day before the table") << QDate(1990, 1, 26) << "00-00";
        QTest::newRow("30th of a 30-day leap month") << QDate(2017, 8, 21) << "06-30";
        QTest::newRow("after the 30-day leap month") << QDate(2017, 8, 22) << "07-01";
        QTest::newRow("after the table") << QDate(2051, 2, 11) << "00-00";
        QTest::newRow("invalid date") << QDate() << "00-00";
    }
    void monthDay() {
        QFETCH(QDate, date);
        QFETCH(QString, expected);
        QCOMPARE(LunarMonthDay(date), expected);
    }

    void leapFlagIsPacked() {
        QCOMPARE(LunarDate(QDate(2023, 3, 22)), 2023 * 512 + 2 * 32 + 1 + LunarLeapFlag);
        QCOMPARE(LunarDate(QDate(2023, 2, 20)), 2023 * 512 + 2 * 32 + 1);
        QCOMPARE(LunarDate(QDate(1990, 1, 26)), 0);
    }

    void tableAgreesWithIcuOutsideKnownMonths() {
        IcuChineseCalendar icu;
        if (!icu.isOpen()) {
            QFAIL("ICU's Chinese calendar is not available");
        }
        QSet<QString> differing;
        for (QDate d(1990, 1, 27); d <= QDate(2050, 12, 31); d = d.addDays(1)) {
            const int packed = LunarDate(d);
            QVERIFY2(packed != 0, qPrintable(d.toString(Qt::ISODate)));
            const IcuLunar expected = icu.at(d);
            const bool leap = (packed & LunarLeapFlag) != 0;
            if (((packed / 32) & 15) != expected.month || (packed & 31) != expected.day ||
                leap != expected.leap) {
                differing.insert(monthKey(packed));
            }
        }
        const QSet<QString> unexpected = differing - kKnownDifferences;
        const QSet<QString> gone = kKnownDifferences - differing;
        QVERIFY2(unexpected.isEmpty(),
                 qPrintable(QStringList(unexpected.cbegin(), unexpected.cend()).join(' ')));
        QVERIFY2(gone.isEmpty(), qPrintable(QStringList(gone.cbegin(), gone.cend()).join(' ')));
    }
};

QTEST_GUILESS_MAIN(TestLunarCalendar)
#include "tst_lunarcalendar.moc"
