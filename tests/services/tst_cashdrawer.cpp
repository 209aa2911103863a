#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <cstdlib>
#include <thread>

#include "services/cashdrawer.h"
#include "services/serviceerror.h"
#include "store/inifile.h"

namespace {

QByteArray hex(const char* text) {
    return QByteArray::fromHex(text);
}

// A pseudo-terminal standing in for a serial port: the drawer writes to the
// slave side, the test reads what arrives at the master.
class PseudoTerminal {
public:
    PseudoTerminal() {
        master_ = posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ >= 0 && grantpt(master_) == 0 && unlockpt(master_) == 0) {
            slave_ = QString::fromLocal8Bit(ptsname(master_));
            // Held open so that the line settings outlive the writer's close.
            slaveFd_ = ::open(ptsname(master_), O_RDWR | O_NOCTTY);
        }
    }
    ~PseudoTerminal() {
        if (slaveFd_ >= 0) {
            ::close(slaveFd_);
        }
        if (master_ >= 0) {
            ::close(master_);
        }
    }
    bool isOpen() const { return slaveFd_ >= 0; }
    const QString& slavePath() const { return slave_; }

    QByteArray read(int expected) const {
        QByteArray result;
        QElapsedTimer timer;
        timer.start();
        ::fcntl(master_, F_SETFL, O_NONBLOCK);
        while (result.size() < expected && timer.elapsed() < 3000) {
            char buffer[64];
            const ssize_t n = ::read(master_, buffer, sizeof buffer);
            if (n > 0) {
                result.append(buffer, n);
            } else {
                QTest::qWait(10);
            }
        }
        return result;
    }
    // Fills the line so that the next writer has to wait until the master
    // reads: its settings can then be looked at while it is still open.
    qsizetype fill() const {
        ::fcntl(slaveFd_, F_SETFL, O_NONBLOCK);
        const QByteArray block(256, 'f');
        qsizetype written = 0;
        // The kernel moves data on to the master's side in the background:
        // fill until nothing more fits even after a pause.
        for (int idle = 0; idle < 3;) {
            const ssize_t n = ::write(slaveFd_, block.constData(), block.size());
            if (n > 0) {
                written += n;
                idle = 0;
            } else {
                ++idle;
                QThread::msleep(20);
            }
        }
        return written;
    }
    speed_t outputSpeed() const {
        termios settings{};
        tcgetattr(slaveFd_, &settings);
        return cfgetospeed(&settings);
    }

private:
    int master_ = -1;
    int slaveFd_ = -1;
    QString slave_;
};

}  // namespace

class TestCashDrawer : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // No printer server here: the driver path must stay silent.
        qputenv("CUPS_SERVER", "/nonexistent/cups.sock");
    }

    void pulseBytes_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("01") << "01:chr(27)+'p'+chr(7)" << hex("1b7007");
        QTest::newRow("02") << "02:Chr(27)+'p'+Chr(0)+Chr(17)+Chr(8)" << hex("1b70001108");
        QTest::newRow("03") << "03:Chr(27)+'p'+Chr(0)+Chr(5)+Chr(255)" << hex("1b700005ff");
        QTest::newRow("04") << "04:Chr(27)+'p'+Chr(0)+Chr(50)+Chr(200)" << hex("1b700032c8");
        QTest::newRow("05") << "05:Chr(27)+'p'+Chr(0)+Chr(60)+Chr(255)" << hex("1b70003cff");
        QTest::newRow("06") << "06:Chr(27)+'p'+Chr(0)+Chr(60)+Chr(240)" << hex("1b70003cf0");
        QTest::newRow("07") << "07:Chr(27)+'p'+Chr(0)+Chr(100)+Chr(150)" << hex("1b70006496");
        QTest::newRow("empty") << "" << hex("1b700032c8");
        QTest::newRow("default F") << "F" << hex("1b700032c8");
        QTest::newRow("08") << "08:" << hex("1b700032c8");
        QTest::newRow("00") << "00" << hex("1b700032c8");
        QTest::newRow("one digit and a colon") << "3:" << hex("1b700032c8");
        QTest::newRow("1. reads as 1") << "1." << hex("1b7007");
        QTest::newRow("points only") << ".." << hex("1b700032c8");
    }
    void pulseBytes() {
        QFETCH(QString, code);
        QFETCH(QByteArray, bytes);
        QCOMPARE(DrawerPulseBytes(code), bytes);
    }

    void parseByteList_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("driver pulse") << "27,112,0,128,128" << hex("1b70008080");
        QTest::newRow("blanks trimmed") << " 27 , 112 " << hex("1b70");
        QTest::newRow("first not a number") << "x,1" << QByteArray(" \x01", 2);
        QTest::newRow("empty items skipped") << "1,,2" << hex("0102");
        QTest::newRow("at most eight") << "1,2,3,4,5,6,7,8,9" << hex("0102030405060708");
        QTest::newRow("empty") << "" << QByteArray(" ");
    }
    void parseByteList() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(ParseByteList(text), bytes);
    }

    void settingsAreReadWithDefaults() {
        QTemporaryDir dir;
        IniFile ini(dir.filePath("Default.ini"));
        ini.writeString("XSD", "TCQX1", "COM3");
        const DrawerSettings s = DrawerSettingsFromIni(ini);
        QCOMPARE(s.port, QStringLiteral("COM3"));
        QCOMPARE(s.driverForm, QStringLiteral("F"));
        QCOMPARE(s.baudRate, QStringLiteral("F"));
        QCOMPARE(s.code, QStringLiteral("F"));
    }

    void parallelPortGetsTheBytes() {
        QTemporaryDir dir;
        const QString device = dir.filePath("lp0");
        QFile file(device);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        IniFile ini(dir.filePath("Default.ini"));
        ini.writeString("port", "LPT1", device);
        ini.writeString("xsd", "tcqx1", "LPT1");
        ini.writeString("xsd", "tcqx3", "03:Chr(27)+'p'+Chr(0)+Chr(5)+Chr(255)");
        OpenCashDrawerFromSettings(ini);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), hex("1b700005ff"));
    }

    void missingPortIsReported_data() {
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("baud");
        QTest::newRow("LPT2") << "LPT2"
                              << "";
        QTest::newRow("COM1") << "COM1"
                              << "9600";
    }
    void missingPortIsReported() {
        QFETCH(QString, port);
        QFETCH(QString, baud);
        QTemporaryDir dir;
        IniFile ini(dir.filePath("Default.ini"));
        ini.writeString("port", port, dir.filePath("absent"));
        QVERIFY_THROWS_EXCEPTION(ServiceError, OpenCashDrawer({port, "1", baud, "01"}, ini));
        QVERIFY(!QFile::exists(dir.filePath("absent")));
    }

    void serialPortGetsTheBytesAtTheBaudRate_data() {
        QTest::addColumn<QString>("baud");
        QTest::addColumn<int>("speed");
        QTest::newRow("9600") << "9600" << int(B9600);
        QTest::newRow("19200") << "19200" << int(B19200);
        QTest::newRow("4800") << "4800" << int(B4800);
    }
    void serialPortGetsTheBytesAtTheBaudRate() {
        QFETCH(QString, baud);
        QFETCH(int, speed);
        PseudoTerminal pty;
        QVERIFY(pty.isOpen());
        QTemporaryDir dir;
        IniFile ini(dir.filePath("Default.ini"));
        ini.writeString("port", "COM2", pty.slavePath());
        const qsizetype filled = pty.fill();
        QString failure;
        std::thread drawer([&] {
            try {
                OpenCashDrawer({"COM2", "1", baud, ""}, ini);
            } catch (const ServiceError& e) {
                failure = e.message();
            }
        });
        QElapsedTimer timer;
        timer.start();
        while (pty.outputSpeed() != static_cast<speed_t>(speed) && timer.elapsed() < 1500) {
            std::this_thread::yield();
        }
        const speed_t seen = pty.outputSpeed();
        const QByteArray arrived = pty.read(static_cast<int>(filled) + 5);
        drawer.join();
        QCOMPARE(failure, QString());
        QCOMPARE(int(seen), speed);
        QCOMPARE(arrived.size(), filled + 5);
        QCOMPARE(arrived.right(5), hex("1b700032c8"));
    }

    void baudRateMustBeANumber() {
        PseudoTerminal pty;
        QTemporaryDir dir;
        IniFile ini(dir.filePath("Default.ini"));
        ini.writeString("port", "COM2", pty.slavePath());
        QVERIFY_THROWS_EXCEPTION(ServiceError, OpenCashDrawer({"COM2", "1", "F", "01"}, ini));
    }

    void driverPortIgnoresCodeAndBaudRate() {
        QTemporaryDir dir;
        const QString device = dir.filePath("lp0");
        IniFile ini(dir.filePath("Default.ini"));
        ini.writeString("port", "LPT1", device);
        OpenCashDrawer({QStringLiteral("打印机驱动"), "1", "x", "LPT1"}, ini);
        OpenCashDrawer({QStringLiteral("打印机驱动"), "F", "", "03"}, ini);
        QVERIFY(!QFile::exists(device));
    }

    void commandPortStartsTheCommand() {
        QTemporaryDir dir;
        const QString marker = dir.filePath("opened");
        IniFile ini(dir.filePath("Default.ini"));
        OpenCashDrawer({QStringLiteral("指令"), "1", "9600",
                        QStringLiteral("/bin/sh -c \"echo x > '%1'\"").arg(marker)},
                       ini);
        QTRY_VERIFY(QFile::exists(marker));
        // A command that cannot start fails silently.
        OpenCashDrawer({QStringLiteral("指令"), "1", "9600", dir.filePath("no-such-program")}, ini);
    }
};

QTEST_GUILESS_MAIN(TestCashDrawer)
#include "tst_cashdrawer.moc"
